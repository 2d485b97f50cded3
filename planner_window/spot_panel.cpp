#include "planner_window/spot_panel.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QVBoxLayout>

#include "planner_window/spot_results_model.h"

namespace tarnwick {
namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// "Green light: -2150 ft, -23.0 s, 39.561234, -104.850000"
QString LightLine(const QString& name, const load::SpotPointRow& light) {
  QString line = QStringLiteral("%1: %2").arg(name, Text(light.alongTrack.text));
  if (light.seconds) line += QStringLiteral(", ") + Text(light.seconds->text);
  if (light.position) line += QStringLiteral(" at ") + Text(*light.position);
  return line;
}

QString SummaryOf(const load::SpotReport& spot) {
  QStringList lines;
  lines << QStringLiteral("Least margin: %1").arg(Text(spot.leastMargin.text));
  if (spot.farthestOut) {
    lines << QStringLiteral("Farthest out: %1, %2 short")
                 .arg(Text(*spot.farthestOut), Text(spot.farthestOutBy->text));
  }
  if (spot.splitBefore) {
    lines
        << QStringLiteral("Split the load: a second pass from %1 on").arg(Text(*spot.splitBefore));
  } else if (!spot.rangeFrom) {
    lines << QStringLiteral("No split into two passes brings every group back");
  }
  return lines.join(QLatin1Char('\n'));
}

QLabel* NoteLabel(QWidget* parent, const QString& name) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

SpotPanel::SpotPanel(QWidget* parent) : QGroupBox(QStringLiteral("Spot"), parent) {
  setObjectName(QStringLiteral("spotPanel"));
  auto* column = new QVBoxLayout(this);
  heading_ = NoteLabel(this, QStringLiteral("spotHeading"));
  greenLight_ = NoteLabel(this, QStringLiteral("greenLight"));
  redLight_ = NoteLabel(this, QStringLiteral("redLight"));
  range_ = NoteLabel(this, QStringLiteral("greenLightRange"));
  summary_ = NoteLabel(this, QStringLiteral("spotSummary"));
  // The lights in their own colours, dark enough to read.
  greenLight_->setStyleSheet(QStringLiteral("QLabel { color: #007000; font-weight: bold; }"));
  redLight_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
  margins_ = new SpotResultsModel(this);
  marginsView_ = new QTableView(this);
  marginsView_->setObjectName(QStringLiteral("spotMargins"));
  marginsView_->setModel(margins_);
  marginsView_->verticalHeader()->hide();
  marginsView_->verticalHeader()->setDefaultSectionSize(marginsView_->fontMetrics().height() + 6);
  marginsView_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  marginsView_->horizontalHeader()->setStretchLastSection(true);
  marginsView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  marginsView_->setSelectionMode(QAbstractItemView::NoSelection);
  marginsView_->setWordWrap(false);
  for (QLabel* label : {heading_, greenLight_, redLight_, range_}) column->addWidget(label);
  column->addWidget(marginsView_, 1);
  column->addWidget(summary_);
  SetReport(nullptr);
}

void SpotPanel::SetReport(std::shared_ptr<const load::LoadReport> report) {
  const load::SpotReport* spot = report && report->spot ? &*report->spot : nullptr;
  margins_->SetReport(spot ? report : nullptr);
  for (QLabel* label : {greenLight_, redLight_, range_, summary_}) {
    label->clear();
    label->setVisible(spot != nullptr);
  }
  marginsView_->setVisible(spot != nullptr);
  if (!spot) {
    heading_->setText(QStringLiteral("The spot shows once the load has a group."));
    return;
  }
  heading_->setText(QStringLiteral("Along the jump run from abeam the landing area "
                                   "(negative: before it), the jump run %1 right of it%2:")
                        .arg(Text(spot->offset.text), spot->offsetSearched
                                                          ? QStringLiteral(" (the best offset)")
                                                          : QString()));
  greenLight_->setText(LightLine(QStringLiteral("Green light"), spot->greenLight));
  redLight_->setText(LightLine(QStringLiteral("Red light"), spot->redLight));
  range_->setText(spot->rangeFrom ? QStringLiteral("Green lights that bring every group back: "
                                                   "%1 to %2")
                                        .arg(Text(spot->rangeFrom->text), Text(spot->rangeTo->text))
                                  : QStringLiteral("No green light brings every group back"));
  summary_->setText(SummaryOf(*spot));
}

QString SpotPanel::LightsText() const {
  return greenLight_->text() + QLatin1Char('\n') + redLight_->text() + QLatin1Char('\n') +
         range_->text();
}

QString SpotPanel::SummaryText() const {
  return summary_->text();
}

}  // namespace tarnwick
