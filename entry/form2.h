#pragma once

#include <QWidget>
#include <functional>
#include <string_view>

#include "entry/entry_controls.h"
#include "sim/scenario.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenuBar;
class QPushButton;

namespace tarnwick {

class Canvas;
class CanvasWidget;

// The data entry window: the scenario's inputs, the Go, Pause, Details and Exit commands and
// the results panel. Every edit, check and choice is stored in the scenario at once, whether
// the user makes it or the program sets it.
class Form2 : public QWidget, public EntryControls {
  Q_OBJECT

 public:
  // Builds the window and loads it with the preset that `argument` selects.
  Form2(Scenario& scenario, std::string_view argument, QWidget* parent = nullptr);

  // EntryControls over the widgets. Setting a value that differs from the current one raises
  // the control's change handler, as a user edit does; setting the same value does nothing.
  std::string Text(Box box) const override;
  void SetText(Box box, const std::string& text) override;
  bool Checked(CheckBox box) const override;
  void SetChecked(CheckBox box, bool checked) override;
  int ListIndex(ListBox list) const override;
  void SetListIndex(ListBox list, int index) override;

  // The menu bar above the designed client area, which keeps its size and its controls'
  // places. The window leaves it empty; the program fills it.
  QMenuBar* MenuBar() const { return menuBar_; }
  QWidget* ClientArea() const { return client_; }

  Canvas& ResultsCanvas();
  CanvasWidget* ResultsView() const { return txt_; }

  // Go's "not paused" state: caption "Pause", flag cleared.
  void ResetPause();

  // What Go calls for each correction it makes. The beep and the modal box by default; tests
  // put a counter in its place so that nothing ever waits for a click.
  std::function<void()> inputWarning;

 signals:
  // Go has limited and written back the inputs; the run is to start (or to restart).
  void goRequested();
  void exitRequested();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void SetTabOrder();
  void ConnectHandlers();
  void btnGo_Click();
  void CmdFreeze_Click();
  QLineEdit* BoxWidget(Box box) const;
  QCheckBox* CheckWidget(CheckBox box) const;
  QComboBox* ListWidget(ListBox list) const;

  Scenario& scenario_;
  QMenuBar* menuBar_ = nullptr;
  QWidget* client_ = nullptr;
  QGroupBox* frame1_ = nullptr;
  QLineEdit* boxes_[kInputCount] = {};  // in the order of Box
  QCheckBox* checks_[2] = {};
  QComboBox* lists_[3] = {};
  QPushButton* cmdFreeze_ = nullptr;
  QPushButton* cmdWeb_ = nullptr;
  QPushButton* btnGo_ = nullptr;
  QPushButton* cmdExit_ = nullptr;
  CanvasWidget* txt_ = nullptr;
};

}  // namespace tarnwick
