#pragma once

#include <QGroupBox>
#include <memory>

#include "load/load_report.h"

class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tarnwick {

// The spot as the answer gives it: the jump run's offset and the range of green lights that
// bring every group back, beside the spot's commands; the calls for the green and the red light
// (from abeam the landing area, in seconds at the ground speed, and as latitude and longitude
// when the drop zone's position is known); the least margin in its colour (each group's is in
// the groups as flown), with who falls short and where to split the load. Every word is the
// report's, as the text table and the briefing sheet give it.
class SpotPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SpotPanel(QWidget* parent = nullptr);

  // Shows the report's spot; none (no answer, or an answer without a spot) clears the panel.
  void SetReport(std::shared_ptr<const load::LoadReport> report);

  QString LightsText() const;
  QString SummaryText() const;

  // A button of the spot's commands, in the row over the lines.
  void AddButton(QPushButton* button);
  // The line under the buttons where a command says what it found; none when empty.
  void SetCommandNote(const QString& note);
  QString CommandNote() const;

 private:
  QLabel* range_ = nullptr;  // the offset and the green lights that bring every group back
  QLabel* greenLight_ = nullptr;
  QLabel* redLight_ = nullptr;
  QLabel* leastMargin_ = nullptr;  // in its margin's colour
  QLabel* commandNote_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
  QScrollArea* scroll_ = nullptr;
};

}  // namespace tarnwick
