#pragma once

#include <QGroupBox>
#include <memory>

#include "load/load_report.h"

class QLabel;
class QTableView;

namespace tarnwick {

class SpotResultsModel;

// The spot as the answer gives it: the green light and the red light on the jump run (from
// abeam the landing area, in seconds, and as latitude and longitude when the drop zone's
// position is known), the range of green lights that bring every group back, each group's
// margin (SpotResultsModel) and the least one, and with no range the group farthest out and
// where to split the load into two passes. Every number is the report's text.
class SpotPanel : public QGroupBox {
  Q_OBJECT

 public:
  explicit SpotPanel(QWidget* parent = nullptr);

  // Shows the report's spot; none (no answer, or an answer without a spot) clears the panel.
  void SetReport(std::shared_ptr<const load::LoadReport> report);

  SpotResultsModel& Margins() { return *margins_; }
  QTableView* MarginsView() const { return marginsView_; }
  QString LightsText() const;
  QString SummaryText() const;

 private:
  SpotResultsModel* margins_ = nullptr;
  QTableView* marginsView_ = nullptr;
  QLabel* heading_ = nullptr;
  QLabel* greenLight_ = nullptr;
  QLabel* redLight_ = nullptr;
  QLabel* range_ = nullptr;
  QLabel* summary_ = nullptr;
};

}  // namespace tarnwick
