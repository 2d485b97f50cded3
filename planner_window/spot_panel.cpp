#include "planner_window/spot_panel.h"

#include <QLabel>
#include <QVBoxLayout>

#include "planner_window/result_models.h"

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
  leastMargin_ = NoteLabel(this, QStringLiteral("leastMargin"));
  leastMargin_->setWordWrap(false);
  leastMargin_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  summary_ = NoteLabel(this, QStringLiteral("spotSummary"));
  // The lights in their own colours, dark enough to read.
  greenLight_->setStyleSheet(QStringLiteral("QLabel { color: #007000; font-weight: bold; }"));
  redLight_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
  for (QLabel* label : {heading_, greenLight_, redLight_, range_, leastMargin_, summary_}) {
    column->addWidget(label);
  }
  column->addStretch();
  SetReport(nullptr);
}

void SpotPanel::SetReport(std::shared_ptr<const load::LoadReport> report) {
  const load::SpotReport* spot = report && report->spot ? &*report->spot : nullptr;
  for (QLabel* label : {greenLight_, redLight_, range_, leastMargin_, summary_}) {
    label->clear();
    label->setVisible(spot != nullptr);
  }
  if (!spot) {
    heading_->setText(QStringLiteral("The spot shows once the load has a group."));
    return;
  }
  heading_->setText(QStringLiteral("The jump run %1 right of the landing area%2; the lights "
                                   "from abeam it (negative: before):")
                        .arg(Text(spot->offset.text), spot->offsetSearched
                                                          ? QStringLiteral(" (the best offset)")
                                                          : QString()));
  greenLight_->setText(LightLine(QStringLiteral("Green light"), spot->greenLight));
  redLight_->setText(LightLine(QStringLiteral("Red light"), spot->redLight));
  range_->setText(spot->rangeFrom ? QStringLiteral("Green lights that bring every group back: "
                                                   "%1 to %2")
                                        .arg(Text(spot->rangeFrom->text), Text(spot->rangeTo->text))
                                  : QStringLiteral("No green light brings every group back"));
  leastMargin_->setText(QStringLiteral("Least margin: %1").arg(Text(spot->leastMargin.text)));
  const QColor shade = MarginColour(ShadeOfMargin(spot->leastMargin.value, report->units));
  leastMargin_->setStyleSheet(
      QStringLiteral("QLabel { background: %1; color: black; padding: 1px 4px; }")
          .arg(shade.name()));
  summary_->setText(SummaryOf(*spot));
  summary_->setVisible(!summary_->text().isEmpty());
}

QString SpotPanel::LightsText() const {
  return greenLight_->text() + QLatin1Char('\n') + redLight_->text() + QLatin1Char('\n') +
         range_->text();
}

QString SpotPanel::SummaryText() const {
  return summary_->text().isEmpty() ? leastMargin_->text()
                                    : leastMargin_->text() + QLatin1Char('\n') + summary_->text();
}

}  // namespace tarnwick
