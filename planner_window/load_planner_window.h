#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "load/load_plan.h"
#include "load/load_report.h"
#include "planner_window/latest_only.h"
#include "planner_window/load_answer.h"

class QAction;
class QLabel;
class QGroupBox;
class QMenu;
class QPushButton;
class QScrollArea;
class QSplitter;
class QTableView;
class QComboBox;

namespace tarnwick {

class GroupResultsModel;
class GroupTableModel;
class LoadDocument;
class LoadFieldEdit;
class PairResultsModel;
class SpotPanel;
class WindTableModel;
class WindsMenu;
class WindsPanel;

// "Tarnwick load planner": a whole load's inputs on the left (aircraft, jump run, the drop zone
// and the canopies, winds aloft, the groups in exit order, target and minimum delay, units),
// its answer on the right (each group's exit, fall time, opening and margin back to the landing
// area, every pair against the target, the warnings, the spot), answered again after every
// edit, off the interface thread. "Recommend Delays", "Best Order" and "Best Offset" plan the
// load; every change is undoable; loads open from and save to .tarnwick-load.json files.
//
// Places left for other parts of the program:
// - Pictures: SetPictures(side, top) puts the side view and the top view into the area under
//   the answer (they then belong to the window). They read Answer() whenever answerChanged()
//   is emitted; the answer's flight is recorded with PictureFlightOptions().
// - File menu entries such as exporting a briefing or printing: AddFileAction(action) puts
//   the action into the File menu, in the group after Save As.
class LoadPlannerWindow : public QMainWindow {
  Q_OBJECT

 public:
  enum class SaveChoice { Save, Discard, Cancel };

  explicit LoadPlannerWindow(QWidget* parent = nullptr);
  ~LoadPlannerWindow() override;

  // The window's first size on a screen whose room for windows is `available`: all of it fits.
  static QSize DefaultSize(const QSize& available);

  // A new history on `load`, not saved anywhere yet (it may come from the data entry window).
  // A load that cannot be flown is refused with the reason (showError); false then.
  bool StartWith(const load::Load& load);
  // Opens a load file; on failure says why (showError) and keeps the load that was open.
  bool OpenFile(const QString& path);
  // File > Open...: asks for the file (askOpenFileName), after the unsaved-changes question.
  bool OpenWithDialog();
  bool Save();
  bool SaveAs();
  bool SaveTo(const QString& path);
  // The unsaved-changes question, when there are any: false when the user cancelled or the
  // save failed, so whatever was about to replace the load (or end the program) must not
  // happen.
  bool MaybeSave();

  void SetPictures(QWidget* side, QWidget* top);
  void AddFileAction(QAction* action);

  LoadDocument& Document() { return *document_; }
  // The answer for the load as it was at the latest finished computation; null before the
  // first one. Equal to the current load once no computation is pending.
  std::shared_ptr<const LoadAnswer> Answer() const { return answer_; }
  bool AnswerPending() const { return live_.Busy(); }
  // Computes every answer at once on the interface thread: for measurements and tests of
  // what is shown rather than of the threading.
  void SetSynchronous(bool synchronous);

  GroupTableModel& Groups() { return *groups_; }
  WindTableModel& Winds() { return *winds_; }
  // The Winds menu: imports, pastes and the fetched forecast, with their hooks.
  WindsMenu& WindsImport() { return *windsMenu_; }
  GroupResultsModel& GroupResults() { return *groupResults_; }
  PairResultsModel& PairResults() { return *pairResults_; }
  QTableView* GroupView() const { return groupView_; }
  QTableView* WindView() const { return windView_; }
  SpotPanel& Spot() { return *spotPanel_; }
  QString BestOffsetText() const;
  QStringList WarningTexts() const;
  QString BestOrderText() const;

  // The planning commands, as the buttons and menu entries do them.
  void RecommendDelays();
  void FindBestOrder();
  void UseBestOrder();
  // Plans with the best jump run offset; UseBestOffset takes the offset found into the load as
  // one undoable edit.
  void FindBestOffset();
  void UseBestOffset();
  void MoveSelectedGroup(int by);

  // Dialogs and questions, replaced by tests so that nothing modal ever waits for a click.
  std::function<SaveChoice(QWidget* parent, bool mayCancel)> askSaveChanges;
  std::function<QString(QWidget* parent)> askOpenFileName;
  std::function<QString(QWidget* parent, const QString& suggested)> askSaveFileName;
  std::function<void(QWidget* parent, const QString& message)> showError;

 signals:
  void answerChanged();
  // The best order's search finished (shown beside the current order).
  void bestOrderShown();
  // The best offset's search finished; Use This Offset takes it.
  void bestOffsetShown();
  // The window was closed, after the unsaved-changes question; it then holds a new, empty
  // load, so that opening it again starts afresh.
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct PlanResult {
    enum class Kind { Recommendation, BestOrder, BestOffset } kind = Kind::Recommendation;
    load::LoadOutcome outcome;  // of the load as it was when asked
    load::LoadReport report;    // of `outcome`
  };

  void BuildEditActions();
  void BuildMenus();
  QWidget* BuildInputs();
  QWidget* BuildAnswer();
  // Sizes the panes to what they hold: the inputs' width, every group of the answer.
  void FitPanes();
  void FitGroupsPane(bool keepPictures);
  // Sizes the warnings to their text.
  void FitWarnings();
  void Recompute();
  void ShowAnswer(std::shared_ptr<const LoadAnswer> answer);
  // Plans the load as it stands off the interface thread; ShowPlan shows what comes back.
  void Plan(PlanResult::Kind kind, const load::LoadRequest& request);
  void ShowPlan(const PlanResult& plan);
  void ShowBestOffset(const PlanResult& plan);
  // Says why the load cannot be saved (showError), if it cannot: true then.
  bool RefusedToSave();
  void UpdateTitle();
  void FillRecentMenu();
  void Report(const QString& message);

  std::unique_ptr<LoadDocument> document_;
  GroupTableModel* groups_ = nullptr;
  WindTableModel* winds_ = nullptr;
  WindsMenu* windsMenu_ = nullptr;
  WindsPanel* windsPanel_ = nullptr;  // the winds' table, switch, picture and buttons
  GroupResultsModel* groupResults_ = nullptr;
  PairResultsModel* pairResults_ = nullptr;
  std::shared_ptr<const LoadAnswer> answer_;
  LatestOnly<std::shared_ptr<const LoadAnswer>> live_;
  LatestOnly<PlanResult> planner_;
  std::optional<load::BestOrder> shownBestOrder_;
  std::optional<double> shownBestOffset_;  // ft right of the landing area

  // The edits of the groups, each one action for its menu entry and its button (the winds'
  // are the winds panel's).
  QAction* addGroup_ = nullptr;
  QAction* removeGroup_ = nullptr;
  QAction* moveGroupUp_ = nullptr;
  QAction* moveGroupDown_ = nullptr;
  QAction* bestOffset_ = nullptr;  // Plan > Best Offset and its button
  QMenu* fileMenu_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  QAction* fileActionsEnd_ = nullptr;  // the separator that ends the group after Save As
  QTableView* windView_ = nullptr;
  QTableView* groupView_ = nullptr;
  QGroupBox* warningsBox_ = nullptr;
  QLabel* warnings_ = nullptr;
  QScrollArea* warningsScroll_ = nullptr;
  QStringList warningTexts_;
  QLabel* leastSeparation_ = nullptr;
  QLabel* windSource_ = nullptr;  // the report's wind source line, escaped
  QLabel* currentOrder_ = nullptr;
  QLabel* bestOrder_ = nullptr;
  QLabel* planNote_ = nullptr;
  QPushButton* useBestOrder_ = nullptr;
  QPushButton* useBestOffset_ = nullptr;
  SpotPanel* spotPanel_ = nullptr;
  QPushButton* recommendButton_ = nullptr;
  QPushButton* bestOrderButton_ = nullptr;
  QComboBox* lengthUnit_ = nullptr;
  QComboBox* speedUnit_ = nullptr;
  QSplitter* picturesArea_ = nullptr;
  QSplitter* mainSplit_ = nullptr;
  QSplitter* answerSplit_ = nullptr;
  QTableView* results_ = nullptr;
  bool panesFitted_ = false;
  std::size_t fittedGroups_ = 0;  // the number of groups the answer's panes were sized for
  QWidget* picturesPlaceholder_ = nullptr;
};

}  // namespace tarnwick
