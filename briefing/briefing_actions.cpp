#include "briefing/briefing_actions.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <utility>

#include "briefing/briefing_file.h"
#include "briefing/briefing_print.h"
#include "output/safe_file_name.h"

namespace tarnwick {
namespace {

const QString kExportTitle = QStringLiteral("Export Briefing");
const QString kPrintTitle = QStringLiteral("Print Briefing");

std::optional<BriefingSheet> SheetOrMessage(QWidget* parent, const BriefingSource& source,
                                            const QString& title) {
  QString why;
  std::optional<BriefingSheet> sheet = source(why);
  if (!sheet) {
    QMessageBox::warning(parent, title,
                         QStringLiteral("The load cannot be briefed yet: %1").arg(why));
  }
  return sheet;
}

void AskAndExport(QWidget* parent, const BriefingSource& source) {
  const auto sheet = SheetOrMessage(parent, source, kExportTitle);
  if (!sheet) return;
  const QString fileName = QFileDialog::getSaveFileName(
      parent, kExportTitle, QString::fromStdString(BriefingFileName(*sheet)),
      QStringLiteral("PDF (*.pdf);;PNG picture (*.png);;SVG picture (*.svg)"));
  if (fileName.isEmpty()) return;
  ExportBriefingTo(parent, fileName, *sheet);
}

bool AskWithPrintDialog(QPrinter& printer, QWidget* parent) {
  QPrintDialog dialog(&printer, parent);
  dialog.setWindowTitle(kPrintTitle);
  return dialog.exec() == QDialog::Accepted;
}

PrintDialogHook& CurrentPrintDialog() {
  static PrintDialogHook hook = AskWithPrintDialog;
  return hook;
}

void AskAndPrint(QWidget* parent, const BriefingSource& source) {
  const auto sheet = SheetOrMessage(parent, source, kPrintTitle);
  if (!sheet) return;
  QPrinter printer(QPrinter::HighResolution);
  // The print dialog offers the document's name as the name of a file to print to.
  printer.setDocName(
      QString::fromStdString(SafeFileName("Briefing - " + sheet->title, "Briefing")));
  if (!CurrentPrintDialog()(printer, parent)) return;
  if (!PrintBriefing(printer, *sheet)) {
    QMessageBox::warning(parent, kPrintTitle, QStringLiteral("The printer could not be started."));
  }
}

}  // namespace

std::string BriefingFileName(const BriefingSheet& sheet) {
  return SafeFileName(sheet.title, "Briefing");
}

void SetPrintDialogHook(PrintDialogHook hook) {
  CurrentPrintDialog() = hook ? std::move(hook) : PrintDialogHook(AskWithPrintDialog);
}

QString ExportBriefingTo(QWidget* parent, QString fileName, const BriefingSheet& sheet) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png") &&
      suffix != QLatin1String("svg")) {
    fileName += QStringLiteral(".pdf");
  }
  std::string error = BriefingFileProblem(fileName.toStdString());
  if (error.empty() && WriteBriefing(fileName.toStdString(), sheet, error)) return fileName;
  QMessageBox::warning(parent, kExportTitle, QString::fromStdString(error));
  return {};
}

BriefingActions MakeBriefingActions(QWidget* parent, BriefingSource source) {
  BriefingActions actions;
  actions.exportBriefing = new QAction(QStringLiteral("Export &Briefing..."), parent);
  actions.print = new QAction(QStringLiteral("&Print..."), parent);
  actions.print->setShortcut(QKeySequence::Print);
  QObject::connect(actions.exportBriefing, &QAction::triggered, parent,
                   [parent, source] { AskAndExport(parent, source); });
  QObject::connect(actions.print, &QAction::triggered, parent,
                   [parent, source] { AskAndPrint(parent, source); });
  return actions;
}

}  // namespace tarnwick
