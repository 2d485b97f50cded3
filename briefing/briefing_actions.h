#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <string>

#include "briefing/briefing_sheet.h"

class QAction;
class QPrinter;
class QWidget;

namespace tarnwick {

// The sheet of the load as it stands when the user asks for it; empty when the load cannot be
// flown, and then `why` says what is wrong.
using BriefingSource = std::function<std::optional<BriefingSheet>(QString& why)>;

struct BriefingActions {
  QAction* exportBriefing = nullptr;  // "Export Briefing...", access key B
  QAction* print = nullptr;           // "Print...", access key P
};

// The file name "Export Briefing..." offers: the sheet's title made safe for a file name.
std::string BriefingFileName(const BriefingSheet& sheet);

// "Export Briefing..." and "Print..." for `parent`'s menu, owned by `parent`, which also owns
// their dialogs and messages. Both ask `source` for the sheet when triggered.
BriefingActions MakeBriefingActions(QWidget* parent, BriefingSource source);

// What "Print..." asks before printing: true to print on `printer` as set up. By default the
// print dialog; a test sets its own so that nothing waits for a user. Empty restores the dialog.
using PrintDialogHook = std::function<bool(QPrinter& printer, QWidget* parent)>;
void SetPrintDialogHook(PrintDialogHook hook);

// Writes the sheet to `fileName` (a name without .pdf, .png or .svg gets .pdf) and tells the
// user in a message box when that fails. Returns the name written, empty on failure.
QString ExportBriefingTo(QWidget* parent, QString fileName, const BriefingSheet& sheet);

}  // namespace tarnwick
