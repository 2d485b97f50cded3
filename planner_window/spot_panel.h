#pragma once

#include <QGroupBox>
#include <memory>

#include "load/load_report.h"

class QHBoxLayout;
class QLabel;
class QPushButton;
class QScrollArea;

namespace tarnwick {

// The spot as the answer gives it: the green light and the red light on the jump run (from
// abeam the landing area, in seconds, and as latitude and longitude when the drop zone's
// position is known), the range of green lights that bring every group back, the least margin
// (each group's is in the groups as flown), and with no range the group farthest out and where
// to split the load into two passes. Every number is the report's text.
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
  QLabel* heading_ = nullptr;
  QLabel* greenLight_ = nullptr;
  QLabel* redLight_ = nullptr;
  QLabel* range_ = nullptr;
  QLabel* leastMargin_ = nullptr;  // in its margin's colour
  QLabel* summary_ = nullptr;
  QLabel* commandNote_ = nullptr;
  QHBoxLayout* buttons_ = nullptr;
  QScrollArea* scroll_ = nullptr;
};

}  // namespace tarnwick
