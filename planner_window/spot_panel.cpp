#include "planner_window/spot_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <QScrollArea>
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

// A scroll area that asks for the height of what it holds at its width: the spot's lines show
// whole where the window has the room, and scroll only where it has not.
class FittingScroll : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    QSize hint = QScrollArea::sizeHint();
    if (const QWidget* lines = widget()) {
      const int width = viewport()->width();
      const int high = lines->hasHeightForWidth() && width > 0 ? lines->heightForWidth(width)
                                                               : lines->sizeHint().height();
      hint.setHeight(high + 2 * frameWidth());
    }
    return hint;
  }

 protected:
  // The lines' height follows the width they are given: the layout asks again.
  void resizeEvent(QResizeEvent* event) override {
    QScrollArea::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) updateGeometry();
  }
};

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
  // The lines scroll within the panel rather than squeeze the answer's other panes.
  auto* lines = new QWidget;
  auto* column = new QVBoxLayout(lines);
  column->setContentsMargins(0, 0, 0, 0);
  heading_ = NoteLabel(lines, QStringLiteral("spotHeading"));
  greenLight_ = NoteLabel(lines, QStringLiteral("greenLight"));
  redLight_ = NoteLabel(lines, QStringLiteral("redLight"));
  range_ = NoteLabel(lines, QStringLiteral("greenLightRange"));
  leastMargin_ = NoteLabel(lines, QStringLiteral("leastMargin"));
  leastMargin_->setWordWrap(false);
  leastMargin_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
  summary_ = NoteLabel(lines, QStringLiteral("spotSummary"));
  // What a command found stays in sight, under its buttons.
  commandNote_ = NoteLabel(this, QStringLiteral("spotCommandNote"));
  // The lights in their own colours, dark enough to read.
  greenLight_->setStyleSheet(QStringLiteral("QLabel { color: #007000; font-weight: bold; }"));
  redLight_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
  for (QLabel* label : {heading_, greenLight_, redLight_, range_, leastMargin_, summary_}) {
    column->addWidget(label);
  }
  column->addStretch();
  scroll_ = new FittingScroll(this);
  auto* scroll = scroll_;
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(lines);
  auto* box = new QVBoxLayout(this);
  buttons_ = new QHBoxLayout;
  buttons_->addStretch();
  box->addLayout(buttons_);
  box->addWidget(commandNote_);
  commandNote_->hide();
  box->addWidget(scroll);
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
  heading_->setText(QStringLiteral("Jump run offset %1%2 (negative: left of the landing area); "
                                   "the lights from abeam it, negative before:")
                        .arg(Text(spot->offset.text),
                             spot->offsetSearched ? QStringLiteral(", the best") : QString()));
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
  scroll_->updateGeometry();
}

void SpotPanel::SetCommandNote(const QString& note) {
  commandNote_->setText(note);
  commandNote_->setVisible(!note.isEmpty());
}

QString SpotPanel::CommandNote() const {
  return commandNote_->text();
}

void SpotPanel::AddButton(QPushButton* button) {
  buttons_->insertWidget(buttons_->count() - 1, button);
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
