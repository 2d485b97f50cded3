#pragma once

#include <QGroupBox>
#include <QList>

class QAction;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableView;

namespace tarnwick {

class LoadDocument;
class WindProfileView;
class WindTableModel;

// The winds part of the planner's inputs: whether the load gives its winds as layers or as
// levels (a switch, with one line saying what each means), the winds table, the profile
// picture beside it, and the buttons that add and remove a layer or a level. Each button does
// what its Edit menu entry does (the same action); only the pair for the way the winds are
// given is offered.
class WindsPanel : public QGroupBox {
  Q_OBJECT

 public:
  // `table` shows `model`; the panel lays it out and selects the row each edit concerns.
  WindsPanel(LoadDocument& document, WindTableModel& model, QTableView* table,
             QWidget* parent = nullptr);

  // Add Wind Layer, Remove Wind Layer, Add Wind Level, Remove Wind Level: for the Edit menu.
  QList<QAction*> EditActions() const;

  // Switches the load's winds to layers or levels, as the switch does.
  void GiveWindsAs(bool levels);

 signals:
  // Why an edit was refused, for the status bar.
  void note(const QString& message);

 private:
  // The switch, the buttons and the actions follow the way the load gives its winds.
  void FollowLoad();
  int SelectedRow() const;

  WindTableModel& model_;
  QTableView* table_;
  WindProfileView* profile_;
  QRadioButton* asLayers_;
  QRadioButton* asLevels_;
  QAction* addLayer_;
  QAction* removeLayer_;
  QAction* addLevel_;
  QAction* removeLevel_;
  QList<QPushButton*> layerButtons_;
  QList<QPushButton*> levelButtons_;
};

}  // namespace tarnwick
