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

// The call on one line; where the light is on the Earth, when the drop zone's position is
// known, in its tooltip (the text table and the briefing sheet print it).
void ShowLight(QLabel* label, const std::string& call, const load::SpotPointRow& light) {
  label->setText(Text(call));
  label->setToolTip(light.position ? QStringLiteral("At %1").arg(Text(*light.position))
                                   : QString());
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
  // The two calls and the least margin at the least: more scrolls where the window is short.
  QSize minimumSizeHint() const override {
    return {QScrollArea::minimumSizeHint().width(), 3 * fontMetrics().lineSpacing() + 4};
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
  // The offset and the range share the row of the commands; the calls under them scroll within
  // the panel rather than squeeze the answer's other panes.
  range_ = NoteLabel(this, QStringLiteral("greenLightRange"));
  auto* lines = new QWidget;
  auto* column = new QVBoxLayout(lines);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(2);
  greenLight_ = NoteLabel(lines, QStringLiteral("greenLight"));
  redLight_ = NoteLabel(lines, QStringLiteral("redLight"));
  leastMargin_ = NoteLabel(lines, QStringLiteral("leastMargin"));
  // What a command found stays in sight, under its buttons.
  commandNote_ = NoteLabel(this, QStringLiteral("spotCommandNote"));
  // The lights in their own colours, dark enough to read.
  greenLight_->setStyleSheet(QStringLiteral("QLabel { color: #007000; font-weight: bold; }"));
  redLight_->setStyleSheet(QStringLiteral("QLabel { color: #b00000; font-weight: bold; }"));
  for (QLabel* label : {greenLight_, redLight_, leastMargin_}) column->addWidget(label);
  column->addStretch();
  scroll_ = new FittingScroll(this);
  auto* scroll = scroll_;
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(lines);
  auto* box = new QVBoxLayout(this);
  buttons_ = new QHBoxLayout;
  buttons_->addWidget(range_, 1);
  box->addLayout(buttons_);
  box->addWidget(commandNote_);
  commandNote_->hide();
  box->addWidget(scroll);
  SetReport(nullptr);
}

void SpotPanel::SetReport(std::shared_ptr<const load::LoadReport> report) {
  const load::SpotReport* spot = report && report->spot ? &*report->spot : nullptr;
  for (QLabel* label : {greenLight_, redLight_, leastMargin_}) {
    label->clear();
    label->setVisible(spot != nullptr);
  }
  if (!spot) {
    range_->setText(QStringLiteral("The spot shows once the load has a group."));
    return;
  }
  const QString offset =
      QStringLiteral("Jump run %1 right of the landing area%2")
          .arg(Text(spot->offset.text),
               spot->offsetSearched ? QStringLiteral(" (the best offset)") : QString());
  range_->setText(
      spot->rangeFrom
          ? QStringLiteral("%1; every group back from green lights %2 to %3 (from abeam it, "
                           "negative before)")
                .arg(offset, Text(spot->rangeFrom->text), Text(spot->rangeTo->text))
          : offset + QStringLiteral("; no green light brings every group back"));
  ShowLight(greenLight_, spot->greenLightCall, spot->greenLight);
  ShowLight(redLight_, spot->redLightCall, spot->redLight);
  leastMargin_->setText(Text(spot->marginLine));
  const QColor shade = MarginColour(ShadeOfMargin(spot->leastMargin.value, report->units));
  leastMargin_->setStyleSheet(
      QStringLiteral("QLabel { background: %1; color: black; padding: 1px 4px; }")
          .arg(shade.name()));
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
  buttons_->addWidget(button, 0, Qt::AlignTop);
}

QString SpotPanel::LightsText() const {
  return range_->text() + QLatin1Char('\n') + greenLight_->text() + QLatin1Char('\n') +
         redLight_->text();
}

QString SpotPanel::SummaryText() const {
  return leastMargin_->text();
}

}  // namespace tarnwick
