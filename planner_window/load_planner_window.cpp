#include "planner_window/load_planner_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "load/load_edits.h"
#include "load/load_limits.h"
#include "load/load_report.h"
#include "output/printable_text.h"
#include "output/safe_file_name.h"
#include "planner_window/cell_delegates.h"
#include "planner_window/cell_text.h"
#include "planner_window/group_table_model.h"
#include "planner_window/load_document.h"
#include "planner_window/load_field_edit.h"
#include "planner_window/load_file_io.h"
#include "planner_window/recent_loads.h"
#include "planner_window/result_models.h"
#include "planner_window/save_changes_box.h"
#include "planner_window/spot_inputs.h"
#include "planner_window/spot_panel.h"
#include "planner_window/table_rows.h"
#include "planner_window/wind_table_model.h"
#include "planner_window/winds_menu.h"
#include "planner_window/winds_panel.h"

namespace tarnwick {
namespace {

const QString kWindowName = QStringLiteral("Tarnwick load planner");
// How long a note about a refused command stays in the status bar.
constexpr int kNoteMs = 8000;

// The boxes' merge keys, one per box.
enum Field { LoadName, Airspeed, ExitAltitude, Heading, Target, MinimumDelay };

LoadPlannerWindow::SaveChoice AskSaveChanges(QWidget* parent, bool mayCancel) {
  const std::unique_ptr<QMessageBox> box = MakeSaveChangesBox(parent, kWindowName, mayCancel);
  box->exec();
  const auto answer = box->standardButton(box->clickedButton());
  if (answer == QMessageBox::Save) return LoadPlannerWindow::SaveChoice::Save;
  if (answer == QMessageBox::Discard) return LoadPlannerWindow::SaveChoice::Discard;
  return LoadPlannerWindow::SaveChoice::Cancel;
}

QString AskOpenFileName(QWidget* parent) {
  return QFileDialog::getOpenFileName(parent, QStringLiteral("Open Load"), QString(),
                                      kLoadFileFilter);
}

QString AskSaveFileName(QWidget* parent, const QString& suggested) {
  QString name = QFileDialog::getSaveFileName(parent, QStringLiteral("Save Load As"), suggested,
                                              kLoadFileFilter);
  if (!name.isEmpty() && !name.endsWith(QStringLiteral(".json"))) name += kLoadFileSuffix;
  return name;
}

void ShowError(QWidget* parent, const QString& message) {
  QMessageBox::warning(parent, kWindowName, message);
}

// The rows a table shows without scrolling, at most: a real load's groups (and every group of
// the answer) are read at once; only the pairs table scrolls.
constexpr int kRowsShown = 8;
constexpr int kWindRowsShown = 4;
// The narrowest either side of the window may be made by its splitter.
constexpr int kNarrowestPanel = 240;
// The pictures are never squeezed below this height, in which they can still be read.
constexpr int kLowestPictures = 120;

// A compact table whose every column is as wide as its title and cells need (the last one
// takes the room left): a header is never cut, and a table too narrow for its columns scrolls
// sideways instead.
QTableView* MakeCompactTable(QAbstractItemModel* model, QWidget* parent) {
  auto* view = new QTableView(parent);
  view->setModel(model);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setMinimumSectionSize(0);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 8);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  view->horizontalHeader()->setStretchLastSection(true);
  view->setWordWrap(false);
  return view;
}

QTableView* MakeTable(QAbstractItemModel* model, QWidget* parent) {
  QTableView* view = MakeCompactTable(model, parent);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::SingleSelection);
  view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
  return view;
}

// The height `view` needs to show `rows` rows (at least two) without scrolling.
int TableHeight(const QTableView* view, int rows) {
  return view->horizontalHeader()->sizeHint().height() +
         std::max(rows, 2) * view->verticalHeader()->defaultSectionSize() + 2 * view->frameWidth() +
         view->horizontalScrollBar()->sizeHint().height();
}

// Keeps `view` tall enough for its rows, up to `rows` of them, so that it is read without
// scrolling.
void FitRows(QTableView* view, int rows) {
  const auto fit = [view, rows] {
    view->setMinimumHeight(TableHeight(view, std::min(view->model()->rowCount(), rows)));
  };
  QAbstractItemModel* model = view->model();
  QObject::connect(model, &QAbstractItemModel::rowsInserted, view, fit);
  QObject::connect(model, &QAbstractItemModel::rowsRemoved, view, fit);
  QObject::connect(model, &QAbstractItemModel::modelReset, view, fit);
  QObject::connect(model, &QAbstractItemModel::headerDataChanged, view, fit);
  fit();
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

template <typename Rows>
QString Names(const Rows& rows) {
  QStringList names;
  for (const auto& row : rows) names << Text(row.name);
  return names.join(QStringLiteral(", "));
}

QString JumpRun(const std::optional<load::ShownQuantity>& jumpRun) {
  return jumpRun ? QStringLiteral("jump run %1").arg(Text(jumpRun->text))
                 : QStringLiteral("a gap cannot be met");
}

// What decided each gap, in the words a jumpmaster reads out.
QString PlanSummary(const load::LoadReport& report) {
  QStringList lines;
  for (const load::GapRow& gap : report.recommendation->gaps) {
    if (!gap.reachable) {
      lines << QStringLiteral("%1: no delay up to %2 keeps the target%3")
                   .arg(Text(gap.group), Text(report.longestDelay.text),
                        gap.inTheWay ? QStringLiteral("; %1 is in the way").arg(Text(*gap.inTheWay))
                                     : QString());
      continue;
    }
    const QString why = gap.decidedBy ? QStringLiteral("from %1").arg(Text(*gap.decidedBy))
                                      : QStringLiteral("the minimum delay");
    lines << QStringLiteral("%1: %2 (%3; %4)")
                 .arg(Text(gap.group), Text(gap.call->text), Text(gap.delay->text), why);
  }
  return lines.join(QLatin1Char('\n'));
}

}  // namespace

LoadPlannerWindow::LoadPlannerWindow(QWidget* parent)
    : QMainWindow(parent),
      askSaveChanges(AskSaveChanges),
      askOpenFileName(AskOpenFileName),
      askSaveFileName(AskSaveFileName),
      showError(ShowError),
      document_(std::make_unique<LoadDocument>()),
      live_([this](std::shared_ptr<const LoadAnswer> answer) { ShowAnswer(std::move(answer)); }),
      planner_([this](PlanResult plan) { ShowPlan(plan); }) {
  setObjectName(QStringLiteral("LoadPlannerWindow"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  groups_ = new GroupTableModel(*document_, this);
  winds_ = new WindTableModel(*document_, this);
  groupResults_ = new GroupResultsModel(this);
  pairResults_ = new PairResultsModel(this);

  auto* split = new QSplitter(Qt::Horizontal, this);
  split->setObjectName(QStringLiteral("plannerSplitter"));
  mainSplit_ = split;
  BuildEditActions();
  split->addWidget(BuildInputs());
  split->addWidget(BuildAnswer());
  split->setChildrenCollapsible(false);
  split->setStretchFactor(0, 0);
  split->setStretchFactor(1, 1);
  setCentralWidget(split);
  BuildMenus();
  statusBar();
  // Every box close around what it holds: a real load needs the height.
  for (QGroupBox* box : findChildren<QGroupBox*>()) box->layout()->setContentsMargins(6, 4, 6, 4);

  connect(document_.get(), &LoadDocument::loadChanged, this, &LoadPlannerWindow::Recompute);
  // A new load has its own number of groups: the panes fit it once it is on screen.
  connect(document_.get(), &LoadDocument::loadReset, this, [this] {
    if (isVisible()) FitPanes();
  });
  // A group more or less: the groups as flown still show every one.
  connect(document_.get(), &LoadDocument::loadChanged, this, [this] {
    if (isVisible() && document_->Load().groups.size() != fittedGroups_) FitGroupsPane(true);
  });
  connect(document_.get(), &LoadDocument::pathChanged, this, &LoadPlannerWindow::UpdateTitle);
  connect(&document_->UndoStack(), &QUndoStack::cleanChanged, this,
          &LoadPlannerWindow::UpdateTitle);
  if (const QScreen* shown = screen()) resize(DefaultSize(shown->availableGeometry().size()));
  UpdateTitle();
  Recompute();
}

LoadPlannerWindow::~LoadPlannerWindow() {
  // The window's widgets and models refer to the document and the answers: they go while
  // those still exist, before the window closes as it is destroyed and moves the focus.
  const QObjectList children = this->children();
  for (const QPointer<QObject> child : children) {
    if (child && child->isWidgetType()) delete child.data();
  }
}

QSize LoadPlannerWindow::DefaultSize(const QSize& available) {
  // Room for a window frame and its title bar, which the size does not include.
  const QSize frame(16, 48);
  return QSize(1500, 920).boundedTo(available - frame);
}

void LoadPlannerWindow::BuildEditActions() {
  const auto action = [this](const QString& text, const QKeySequence& shortcut, auto slot) {
    auto* a = new QAction(text, this);
    a->setShortcut(shortcut);
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  addGroup_ = action(QStringLiteral("Add &Group"), QKeySequence(Qt::CTRL | Qt::Key_G),
                     [this] { Report(groups_->AddGroup(CurrentRow(groupView_))); });
  removeGroup_ = action(QStringLiteral("Remove Group"), QKeySequence::Delete, [this] {
    if (CurrentRow(groupView_) >= 0) Report(groups_->RemoveGroup(CurrentRow(groupView_)));
  });
  // Delete removes a group only from the groups table; elsewhere it edits text as always.
  removeGroup_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  moveGroupUp_ = action(QStringLiteral("Move Group &Up"), QKeySequence(Qt::CTRL | Qt::Key_Up),
                        [this] { MoveSelectedGroup(-1); });
  moveGroupDown_ = action(QStringLiteral("Move Group &Down"), QKeySequence(Qt::CTRL | Qt::Key_Down),
                          [this] { MoveSelectedGroup(1); });
  bestOffset_ = action(QStringLiteral("Best &Offset"), QKeySequence(Qt::CTRL | Qt::Key_J),
                       [this] { FindBestOffset(); });
  bestOffset_->setObjectName(QStringLiteral("bestOffsetAction"));
  bestOffset_->setToolTip(
      QStringLiteral("The jump run offset that brings every group back with the most to spare, "
                     "tried every %1 ft within %2 ft of the landing area")
          .arg(QString::number(load::limits::kBestOffsetStep),
               QString::number(load::limits::kBestOffsetSpan)));
  // After an add, a removal or a move the selection is on the row the edit concerns.
  connect(groups_, &LoadRowsModel::rowEdited, this,
          [this](int row) { SelectRow(groupView_, row); });
}

void LoadPlannerWindow::BuildMenus() {
  fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
  fileMenu_->addAction(QStringLiteral("&New Load"), QKeySequence::New, this, [this] {
    if (MaybeSave()) StartWith(load::Load{});  // no groups yet: nothing to refuse
  });
  fileMenu_->addAction(QStringLiteral("&Open..."), QKeySequence::Open, this,
                       [this] { OpenWithDialog(); });
  recentMenu_ = fileMenu_->addMenu(recent_loads::kMenuText);
  connect(recentMenu_, &QMenu::aboutToShow, this, &LoadPlannerWindow::FillRecentMenu);
  fileMenu_->addSeparator();
  fileMenu_->addAction(QStringLiteral("&Save"), QKeySequence::Save, this, [this] { Save(); });
  fileMenu_->addAction(QStringLiteral("Save &As..."), QKeySequence::SaveAs, this,
                       [this] { SaveAs(); });
  fileMenu_->addSeparator();
  // Entries added later (AddFileAction) go in before this separator.
  fileActionsEnd_ = fileMenu_->addSeparator();
  fileActionsEnd_->setVisible(false);
  fileMenu_->addAction(QStringLiteral("&Close"), QKeySequence::Close, this, [this] { close(); });

  QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
  QAction* undo = document_->UndoStack().createUndoAction(this, QStringLiteral("&Undo"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = document_->UndoStack().createRedoAction(this, QStringLiteral("&Redo"));
  redo->setShortcut(QKeySequence::Redo);
  edit->addAction(undo);
  edit->addAction(redo);
  edit->addSeparator();
  edit->addActions({addGroup_, removeGroup_, moveGroupUp_, moveGroupDown_});
  edit->addSeparator();
  edit->addActions(windsPanel_->EditActions());

  windsMenu_ = new WindsMenu(*document_, this);
  menuBar()->addMenu(windsMenu_->Menu());
  statusBar()->addPermanentWidget(windsMenu_->ProgressNote());
  connect(windsMenu_, &WindsMenu::note, this, &LoadPlannerWindow::Report);

  QMenu* plan = menuBar()->addMenu(QStringLiteral("&Plan"));
  plan->addAction(QStringLiteral("&Recommend Delays"), QKeySequence(Qt::CTRL | Qt::Key_R), this,
                  [this] { RecommendDelays(); });
  plan->addAction(QStringLiteral("&Best Order"), QKeySequence(Qt::CTRL | Qt::Key_B), this,
                  [this] { FindBestOrder(); });
  plan->addAction(bestOffset_);
}

QWidget* LoadPlannerWindow::BuildInputs() {
  auto* panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("inputs"));
  auto* column = new QVBoxLayout(panel);

  LoadDocument& doc = *document_;
  const auto box = [this, &doc](Field field, const QString& what, LoadFieldEdit::Show show,
                                LoadFieldEdit::Apply apply) {
    auto* edit = new LoadFieldEdit(doc, field, what, std::move(show), std::move(apply), this);
    edit->setMaximumWidth(140);
    connect(edit, &LoadFieldEdit::refused, this, &LoadPlannerWindow::Report);
    return edit;
  };
  // A reading's value, or its reason in `problem`.
  const auto take = [](const CellReading<double>& reading, double& into) -> QString {
    if (const auto* why = std::get_if<QString>(&reading)) return *why;
    into = std::get<double>(reading);
    return {};
  };

  auto* aircraft = new QGroupBox(QStringLiteral("Load and aircraft"), panel);
  auto* form = new QFormLayout(aircraft);
  auto* name = box(
      LoadName, QStringLiteral("Rename load"),
      [](const load::Load& l) { return QString::fromStdString(l.name); },
      [](const QString& text, load::Load& l) {
        l.name = text.trimmed().toStdString();
        return QString();
      });
  name->setMaximumWidth(QWIDGETSIZE_MAX);
  name->setObjectName(QStringLiteral("loadName"));
  form->addRow(QStringLiteral("Name"), name);
  auto* airspeed = box(
      Airspeed, QStringLiteral("Change airspeed"),
      [](const load::Load& l) { return SpeedCell(l.indicatedAirspeed, l.units); },
      [take](const QString& text, load::Load& l) {
        return take(ReadSpeed(text, l.units), l.indicatedAirspeed);
      });
  airspeed->setObjectName(QStringLiteral("airspeed"));
  auto* airspeedLabel = new QLabel(panel);
  form->addRow(airspeedLabel, airspeed);
  auto* exitAltitude = box(
      ExitAltitude, QStringLiteral("Change exit altitude"),
      [](const load::Load& l) { return AltitudeCell(l.exitAltitude, l.units); },
      [take](const QString& text, load::Load& l) {
        return take(ReadAltitude(text, l.units), l.exitAltitude);
      });
  exitAltitude->setObjectName(QStringLiteral("exitAltitude"));
  auto* exitLabel = new QLabel(panel);
  form->addRow(exitLabel, exitAltitude);
  auto* heading = box(
      Heading, QStringLiteral("Change jump run heading"),
      [](const load::Load& l) {
        return l.jumpRunHeading ? NumberCell(*l.jumpRunHeading) : QString();
      },
      [](const QString& text, load::Load& l) {
        if (text.trimmed().isEmpty()) {
          l.jumpRunHeading.reset();
          return QString();
        }
        const std::optional<double> degrees = ReadNumber(text);
        if (!degrees) return QStringLiteral("Type the heading in degrees, or leave it empty");
        l.jumpRunHeading = *degrees;
        return QString();
      });
  heading->setObjectName(QStringLiteral("jumpRunHeading"));
  heading->setPlaceholderText(QStringLiteral("none"));
  heading->setToolTip(QStringLiteral("Degrees; needed by winds given with a direction"));
  form->addRow(QStringLiteral("Jump run heading (°)"), heading);
  column->addWidget(aircraft);

  auto* planning = new QGroupBox(QStringLiteral("Separation and units"), panel);
  auto* planForm = new QFormLayout(planning);
  auto* target = box(
      Target, QStringLiteral("Change target separation"),
      [](const load::Load& l) { return DistanceCell(l.targetSeparation, l.units); },
      [take](const QString& text, load::Load& l) {
        return take(ReadDistance(text, l.units), l.targetSeparation);
      });
  target->setObjectName(QStringLiteral("targetSeparation"));
  auto* targetLabel = new QLabel(panel);
  planForm->addRow(targetLabel, target);
  auto* minimum = box(
      MinimumDelay, QStringLiteral("Change minimum delay"),
      [](const load::Load& l) { return NumberCell(l.minimumDelay); },
      [take](const QString& text, load::Load& l) {
        return take(ReadSeconds(text), l.minimumDelay);
      });
  minimum->setObjectName(QStringLiteral("minimumDelay"));
  minimum->setToolTip(QStringLiteral(
      "A group needs time to leave the door, and a fast group that lands in slow air must not "
      "be on top of the group before it"));
  planForm->addRow(QStringLiteral("Minimum delay (s)"), minimum);

  lengthUnit_ = new QComboBox(panel);
  lengthUnit_->setObjectName(QStringLiteral("lengthUnit"));
  for (const auto unit : {load::LengthUnit::Feet, load::LengthUnit::Metres}) {
    lengthUnit_->addItem(QString::fromUtf8(load::UnitName(unit).data()), static_cast<int>(unit));
  }
  speedUnit_ = new QComboBox(panel);
  speedUnit_->setObjectName(QStringLiteral("speedUnit"));
  for (const auto unit : {load::SpeedUnit::Knots, load::SpeedUnit::KilometresPerHour,
                          load::SpeedUnit::MetresPerSecond, load::SpeedUnit::MilesPerHour}) {
    speedUnit_->addItem(QString::fromUtf8(load::UnitName(unit).data()), static_cast<int>(unit));
  }
  auto* units = new QHBoxLayout;
  units->addWidget(new QLabel(QStringLiteral("Altitudes and distances"), panel));
  units->addWidget(lengthUnit_);
  units->addSpacing(12);
  units->addWidget(new QLabel(QStringLiteral("Speeds"), panel));
  units->addWidget(speedUnit_);
  units->addStretch();
  planForm->addRow(units);
  // The labels that name a unit follow the load's units.
  const auto relabel = [this, airspeedLabel, exitLabel, targetLabel] {
    const load::Units& u = document_->Load().units;
    airspeedLabel->setText(QStringLiteral("Indicated airspeed (%1)").arg(SpeedUnitName(u)));
    exitLabel->setText(QStringLiteral("Exit altitude (%1)").arg(AltitudeUnitName(u)));
    targetLabel->setText(QStringLiteral("Target separation (%1)").arg(DistanceUnitName(u)));
    lengthUnit_->setCurrentIndex(lengthUnit_->findData(static_cast<int>(u.altitude)));
    speedUnit_->setCurrentIndex(speedUnit_->findData(static_cast<int>(u.speed)));
  };
  const auto unitsChosen = [this, relabel] {
    load::Units units;
    units.altitude = static_cast<load::LengthUnit>(lengthUnit_->currentData().toInt());
    units.distance = units.altitude;
    units.speed = static_cast<load::SpeedUnit>(speedUnit_->currentData().toInt());
    const load::Units& now = document_->Load().units;
    if (units.altitude == now.altitude && units.distance == now.distance &&
        units.speed == now.speed) {
      return;
    }
    // Converted values are rounded to their new units' steps: the file holds what is shown.
    const QString refused = document_->Propose(load::WithUnits(document_->Load(), units),
                                               QStringLiteral("Change units"));
    Report(refused);
    if (!refused.isEmpty()) relabel();  // the lists show the units the load kept
  };
  connect(lengthUnit_, &QComboBox::activated, this, unitsChosen);
  connect(speedUnit_, &QComboBox::activated, this, unitsChosen);
  column->addWidget(planning);
  connect(document_.get(), &LoadDocument::loadChanged, this, relabel);
  auto* spotInputs = new SpotInputs(doc, panel);
  connect(spotInputs, &SpotInputs::refused, this, &LoadPlannerWindow::Report);
  column->addWidget(spotInputs);
  relabel();

  // Each button does what its menu entry does: it triggers the same action.
  const auto buttons = [panel](std::initializer_list<std::pair<QString, QAction*>> entries) {
    auto* row = new QHBoxLayout;
    for (const auto& [caption, action] : entries) {
      auto* button = new QPushButton(caption, panel);
      QObject::connect(button, &QPushButton::clicked, action, &QAction::trigger);
      row->addWidget(button);
    }
    row->addStretch();
    return row;
  };

  windView_ = MakeTable(winds_, panel);
  windView_->setObjectName(QStringLiteral("winds"));
  windView_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  windView_->setItemDelegate(new CellDelegate(windView_));
  windView_->setItemDelegateForColumn(WindTableModel::Kind,
                                      new ChoiceDelegate(WindTableModel::KindNames(), windView_));
  FitRows(windView_, kWindRowsShown);
  windsPanel_ = new WindsPanel(*document_, *winds_, windView_, panel);
  connect(windsPanel_, &WindsPanel::note, this, &LoadPlannerWindow::Report);
  column->addWidget(windsPanel_, 1);

  auto* groupsBox = new QGroupBox(QStringLiteral("Groups in exit order"), panel);
  auto* groupsColumn = new QVBoxLayout(groupsBox);
  groupView_ = MakeTable(groups_, groupsBox);
  groupView_->setObjectName(QStringLiteral("groups"));
  groupView_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
  groupView_->setItemDelegate(new CellDelegate(groupView_));
  groupView_->setItemDelegateForColumn(GroupTableModel::FallRate, new FallRateDelegate(groupView_));
  groupView_->setDragEnabled(true);
  groupView_->setAcceptDrops(true);
  groupView_->setDropIndicatorShown(true);
  groupView_->setDragDropMode(QAbstractItemView::DragDrop);
  groupView_->setDefaultDropAction(Qt::CopyAction);
  FitRows(groupView_, kRowsShown);
  groupView_->setToolTip(QStringLiteral(
      "Drag a group to its place in the exit order, or move it with Ctrl+Up and Ctrl+Down"));
  groupsColumn->addWidget(groupView_);
  groupView_->addAction(removeGroup_);
  groupsColumn->addLayout(buttons({{QStringLiteral("Add Group"), addGroup_},
                                   {QStringLiteral("Remove Group"), removeGroup_},
                                   {QStringLiteral("Move Up"), moveGroupUp_},
                                   {QStringLiteral("Move Down"), moveGroupDown_}}));
  column->addWidget(groupsBox, 1);
  // The panel narrows as far as the user wants: what no longer fits scrolls.
  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("inputsScroll"));
  scroll->setWidgetResizable(true);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(panel);
  scroll->setMinimumWidth(kNarrowestPanel);
  return scroll;
}

QWidget* LoadPlannerWindow::BuildAnswer() {
  // The answer in three panes of a splitter the user may move: the groups as flown (all of
  // them); the pairs (the one table that scrolls) over the warnings and the planning, which
  // take the room their text needs; and the pictures.
  auto* split = new QSplitter(Qt::Vertical, this);
  split->setObjectName(QStringLiteral("answerSplitter"));
  answerSplit_ = split;
  split->setChildrenCollapsible(false);

  auto* resultsBox = new QGroupBox(QStringLiteral("Groups as flown"), split);
  auto* resultsColumn = new QVBoxLayout(resultsBox);
  auto* results = MakeCompactTable(groupResults_, resultsBox);
  results->setObjectName(QStringLiteral("groupResults"));
  results->verticalHeader()->hide();
  results->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FitRows(results, 2);  // FitPanes gives it the height of the groups
  resultsColumn->addWidget(results);

  auto* middle = new QWidget(split);
  auto* middleColumn = new QVBoxLayout(middle);
  middleColumn->setContentsMargins(0, 0, 0, 0);
  auto* pairsBox = new QGroupBox(QStringLiteral("Pairs against the target separation"), middle);
  auto* pairsColumn = new QVBoxLayout(pairsBox);
  auto* pairs = MakeCompactTable(pairResults_, pairsBox);
  pairs->setObjectName(QStringLiteral("pairResults"));
  pairs->verticalHeader()->hide();
  pairs->setEditTriggers(QAbstractItemView::NoEditTriggers);
  FitRows(pairs, 1);  // the one table that scrolls: a short screen keeps the spot in sight
  results_ = results;
  pairsColumn->addWidget(pairs);
  leastSeparation_ = new QLabel(pairsBox);
  leastSeparation_->setObjectName(QStringLiteral("leastSeparation"));
  pairsColumn->addWidget(leastSeparation_);
  // Where the levels flown came from; plain text, since it echoes a forecast's words.
  windSource_ = new QLabel(pairsBox);
  windSource_->setObjectName(QStringLiteral("windSource"));
  windSource_->setTextFormat(Qt::PlainText);
  windSource_->setWordWrap(true);
  windSource_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  windSource_->hide();
  pairsColumn->addWidget(windSource_);

  middleColumn->addWidget(pairsBox, 1);
  auto* lowerPane = middle;
  auto* lower = new QHBoxLayout;
  middleColumn->addLayout(lower, 0);
  // The warnings take the room their text needs, and none without any.
  warningsBox_ = new QGroupBox(QStringLiteral("Warnings"), lowerPane);
  warningsBox_->setObjectName(QStringLiteral("warningsBox"));
  auto* warningsColumn = new QVBoxLayout(warningsBox_);
  warnings_ = new QLabel(warningsBox_);
  warnings_->setObjectName(QStringLiteral("warnings"));
  warnings_->setWordWrap(true);
  warnings_->setTextFormat(Qt::PlainText);
  warnings_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  warnings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  warningsScroll_ = new QScrollArea(warningsBox_);
  warningsScroll_->setWidgetResizable(true);
  warningsScroll_->setFrameShape(QFrame::NoFrame);
  warningsScroll_->setWidget(warnings_);
  warningsColumn->addWidget(warningsScroll_);
  warningsColumn->addStretch();
  warningsBox_->hide();
  lower->addWidget(warningsBox_, 3);
  // The spot over the warnings and the planning, as wide as the answer, so that each call
  // reads on one line: what the pilot and the jumpmaster call.
  spotPanel_ = new SpotPanel(lowerPane);
  middleColumn->insertWidget(1, spotPanel_, 0);
  // Best Offset's button triggers the Plan menu's action; what it finds is said in the spot.
  auto* bestOffsetButton = new QPushButton(QStringLiteral("Best Offset"), spotPanel_);
  bestOffsetButton->setObjectName(QStringLiteral("bestOffsetButton"));
  bestOffsetButton->setToolTip(bestOffset_->toolTip());
  connect(bestOffsetButton, &QPushButton::clicked, bestOffset_, &QAction::trigger);
  useBestOffset_ = new QPushButton(QStringLiteral("Use This Offset"), spotPanel_);
  useBestOffset_->setObjectName(QStringLiteral("useBestOffset"));
  useBestOffset_->setFocusPolicy(Qt::TabFocus);
  useBestOffset_->setEnabled(false);
  spotPanel_->AddButton(bestOffsetButton);
  spotPanel_->AddButton(useBestOffset_);

  auto* planBox = new QGroupBox(QStringLiteral("Planning"), lowerPane);
  auto* planColumn = new QVBoxLayout(planBox);
  recommendButton_ = new QPushButton(QStringLiteral("Recommend Delays"), planBox);
  recommendButton_->setToolTip(QStringLiteral(
      "Fill in each gap's shortest delay that keeps every earlier group at the target, rounded "
      "up to whole seconds"));
  bestOrderButton_ = new QPushButton(QStringLiteral("Best Order"), planBox);
  bestOrderButton_->setObjectName(QStringLiteral("bestOrderButton"));
  bestOrderButton_->setToolTip(
      QStringLiteral("The exit order with the shortest jump run that meets every gap and brings "
                     "every group back"));
  useBestOrder_ = new QPushButton(QStringLiteral("Use This Order"), planBox);
  useBestOrder_->setObjectName(QStringLiteral("useBestOrder"));
  // Used, it goes grey at once: a click leaves the focus where the user was working.
  useBestOrder_->setFocusPolicy(Qt::TabFocus);
  useBestOrder_->setEnabled(false);
  auto* planButtons = new QHBoxLayout;
  planButtons->addWidget(recommendButton_);
  planButtons->addWidget(bestOrderButton_);
  planButtons->addWidget(useBestOrder_);
  planButtons->addStretch();
  planColumn->addLayout(planButtons);

  planNote_ = new QLabel(planBox);
  planNote_->setObjectName(QStringLiteral("planNote"));
  planNote_->setWordWrap(true);
  currentOrder_ = new QLabel(planBox);
  currentOrder_->setObjectName(QStringLiteral("currentOrder"));
  currentOrder_->setWordWrap(true);
  bestOrder_ = new QLabel(planBox);
  bestOrder_->setObjectName(QStringLiteral("bestOrder"));
  bestOrder_->setWordWrap(true);

  // The notes scroll within the panel rather than squeeze the pairs above them.
  auto* notes = new QWidget;
  auto* notesColumn = new QVBoxLayout(notes);
  notesColumn->setContentsMargins(0, 0, 0, 0);
  for (QLabel* label : {planNote_, currentOrder_, bestOrder_}) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    notesColumn->addWidget(label);
  }
  notesColumn->addStretch();
  auto* notesScroll = new QScrollArea(planBox);
  notesScroll->setWidgetResizable(true);
  notesScroll->setFrameShape(QFrame::NoFrame);
  notesScroll->setWidget(notes);
  notesScroll->setMinimumHeight(notesScroll->fontMetrics().lineSpacing());
  planColumn->addWidget(notesScroll, 1);
  lower->addWidget(planBox, 2);
  connect(recommendButton_, &QPushButton::clicked, this, &LoadPlannerWindow::RecommendDelays);
  connect(bestOrderButton_, &QPushButton::clicked, this, &LoadPlannerWindow::FindBestOrder);
  connect(useBestOrder_, &QPushButton::clicked, this, &LoadPlannerWindow::UseBestOrder);
  connect(useBestOffset_, &QPushButton::clicked, this, &LoadPlannerWindow::UseBestOffset);

  // The pictures' place: empty until SetPictures fills it.
  picturesArea_ = new QSplitter(Qt::Horizontal, split);
  picturesArea_->setObjectName(QStringLiteral("picturesArea"));
  picturesArea_->setChildrenCollapsible(false);
  picturesArea_->setMinimumHeight(kLowestPictures);
  picturesPlaceholder_ = new QWidget(picturesArea_);
  // The groups keep their height; the pairs and the pictures share what the window gains.
  split->setStretchFactor(0, 0);
  split->setStretchFactor(1, 1);
  split->setStretchFactor(2, 1);
  return split;
}

void LoadPlannerWindow::FitPanes() {
  // The inputs as wide as they ask (the winds table beside its picture), within nine
  // twentieths of the window: the answer needs more.
  const QWidget* inputs = static_cast<QScrollArea*>(mainSplit_->widget(0))->widget();
  const int wide = mainSplit_->width();
  const int left =
      std::min(inputs->sizeHint().width() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 4,
               wide * 9 / 20);
  mainSplit_->setSizes({left, wide - left});

  FitGroupsPane(false);
}

void LoadPlannerWindow::FitGroupsPane(bool keepPictures) {
  // All the groups as flown (up to a real load's), the pictures a quarter (or as high as the
  // user made them) unless the pairs, the spot and the notes would then lack their least room,
  // the pairs and the notes the rest.
  fittedGroups_ = document_->Load().groups.size();
  const int high = answerSplit_->height();
  const QWidget* resultsBox = answerSplit_->widget(0);
  const int groups = std::min(static_cast<int>(document_->Load().groups.size()), kRowsShown);
  const int middleLeast =
      answerSplit_->widget(1)->minimumSizeHint().height() + 2 * answerSplit_->handleWidth();
  // On a short screen the groups scroll rather than squeeze the panes under them.
  const int results =
      std::max(std::min(resultsBox->sizeHint().height() - results_->sizeHint().height() +
                            TableHeight(results_, groups),
                        high - middleLeast - kLowestPictures),
               resultsBox->minimumSizeHint().height());
  const int pictures =
      keepPictures ? answerSplit_->sizes().value(2)
                   : std::max(kLowestPictures, std::min(high / 4, high - results - middleLeast));
  answerSplit_->setSizes({results, std::max(high - results - pictures, 0), pictures});
}

void LoadPlannerWindow::FitWarnings() {
  // As high as the warnings' text at the width they have, up to a few lines; more scroll.
  const int lines = 3;
  const int most = lines * warnings_->fontMetrics().lineSpacing();
  const int needed = warnings_->heightForWidth(warningsScroll_->viewport()->width());
  warningsScroll_->setFixedHeight(std::clamp(needed, warnings_->fontMetrics().lineSpacing(), most));
}

void LoadPlannerWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  FitWarnings();
}

void LoadPlannerWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!panesFitted_) {
    panesFitted_ = true;
    FitPanes();
  }
}

void LoadPlannerWindow::SetPictures(QWidget* side, QWidget* top) {
  delete picturesPlaceholder_;
  picturesPlaceholder_ = nullptr;
  for (QWidget* picture : {side, top}) {
    if (picture) picturesArea_->addWidget(picture);
  }
}

void LoadPlannerWindow::AddFileAction(QAction* action) {
  fileMenu_->insertAction(fileActionsEnd_, action);
  fileActionsEnd_->setVisible(true);
}

void LoadPlannerWindow::SetSynchronous(bool synchronous) {
  live_.synchronous = synchronous;
  planner_.synchronous = synchronous;
}

void LoadPlannerWindow::Recompute() {
  // Whatever the Planning panel shows was made for the load before this change: the delays a
  // recommendation filled in (whose note the recommendation writes again after applying
  // them), the best order, and a plan still being worked out.
  planner_.Invalidate();
  shownBestOrder_.reset();
  if (useBestOrder_->hasFocus()) bestOrderButton_->setFocus(Qt::OtherFocusReason);
  useBestOrder_->setEnabled(false);
  bestOrder_->clear();
  currentOrder_->clear();
  planNote_->clear();
  shownBestOffset_.reset();
  if (useBestOffset_->hasFocus()) bestOrderButton_->setFocus(Qt::OtherFocusReason);
  useBestOffset_->setEnabled(false);
  spotPanel_->SetCommandNote({});
  if (document_->Load().groups.empty()) {
    ShowAnswer(nullptr);
    return;
  }
  live_.Run(
      [load = document_->Load()] { return std::make_shared<const LoadAnswer>(AnswerFor(load)); });
}

void LoadPlannerWindow::ShowAnswer(std::shared_ptr<const LoadAnswer> answer) {
  answer_ = std::move(answer);
  std::shared_ptr<const load::LoadReport> report;
  if (answer_) report = std::make_shared<const load::LoadReport>(load::MakeLoadReport(*answer_));
  groupResults_->SetReport(report);
  pairResults_->SetReport(report);
  spotPanel_->SetReport(report);
  warningTexts_.clear();
  leastSeparation_->clear();
  if (report) {
    for (const std::string& warning : report->warnings) warningTexts_ << Text(warning);
    leastSeparation_->setText(Text(report->leastSeparationLine));
  } else {
    leastSeparation_->setText(QStringLiteral("Add a group to plan the load"));
  }
  const std::string source = report ? report->windSourceLine : std::string();
  windSource_->setText(Text(PrintableText(source)));
  windSource_->setVisible(!source.empty());
  warnings_->setText(warningTexts_.join(QLatin1Char('\n')));
  warningsBox_->setVisible(!warningTexts_.isEmpty());
  FitWarnings();
  emit answerChanged();
}

QStringList LoadPlannerWindow::WarningTexts() const {
  return warningTexts_;
}

QString LoadPlannerWindow::BestOffsetText() const {
  return spotPanel_->CommandNote();
}

QString LoadPlannerWindow::BestOrderText() const {
  return currentOrder_->text() + QLatin1Char('\n') + bestOrder_->text();
}

void LoadPlannerWindow::RecommendDelays() {
  if (document_->Load().groups.size() < 2) return;
  planNote_->setText(QStringLiteral("Working out the delays..."));
  load::LoadRequest request;
  request.recommend = true;
  Plan(PlanResult::Kind::Recommendation, request);
}

void LoadPlannerWindow::FindBestOrder() {
  if (document_->Load().groups.size() < 2) return;
  bestOrder_->setText(QStringLiteral("Trying the orders..."));
  // The spot is part of every answer here, so the best order is the shortest that also brings
  // every group back to the landing area.
  load::LoadRequest request;
  request.bestOrder = true;
  request.spot = true;
  Plan(PlanResult::Kind::BestOrder, request);
}

void LoadPlannerWindow::FindBestOffset() {
  if (document_->Load().groups.empty()) return;
  spotPanel_->SetCommandNote(QStringLiteral("Trying the offsets..."));
  load::LoadRequest request;
  request.spot = true;
  request.bestOffset = true;
  Plan(PlanResult::Kind::BestOffset, request);
}

void LoadPlannerWindow::UseBestOffset() {
  if (!shownBestOffset_) return;
  load::Load next = document_->Load();
  next.jumpRunOffset = *shownBestOffset_;
  Report(document_->Propose(next, QStringLiteral("Use best offset")));
}

void LoadPlannerWindow::ShowBestOffset(const PlanResult& plan) {
  const load::SpotReport& spot = *plan.report.spot;
  spotPanel_->SetCommandNote(
      QStringLiteral("Best offset: %1 (negative: left of the landing area), least margin %2%3")
          .arg(Text(spot.offset.text), Text(spot.leastMargin.text),
               spot.allBack ? QString() : QStringLiteral("; not every group gets back")));
  shownBestOffset_ = plan.outcome.spot->offset;
  useBestOffset_->setEnabled(true);
  emit bestOffsetShown();
}

void LoadPlannerWindow::Plan(PlanResult::Kind kind, const load::LoadRequest& request) {
  planner_.Run([kind, request, load = document_->Load()] {
    PlanResult result;
    result.kind = kind;
    result.outcome = load::PlanLoad(load, request);
    result.report = load::MakeLoadReport(result.outcome);
    return result;
  });
}

void LoadPlannerWindow::ShowPlan(const PlanResult& plan) {
  const load::LoadReport& report = plan.report;
  if (plan.kind == PlanResult::Kind::Recommendation) {
    const QString summary = PlanSummary(report);
    const QString refused =
        document_->Propose(plan.outcome.flown, QStringLiteral("Recommend delays"));
    // Applying the delays recomputes, which clears the plan labels; the note comes after.
    planNote_->setText(refused.isEmpty()
                           ? QStringLiteral("Recommended delays filled in:\n") + summary
                           : QStringLiteral("The recommended delays cannot be used: ") + refused +
                                 QLatin1Char('\n') + summary);
    return;
  }
  if (plan.kind == PlanResult::Kind::BestOffset) {
    ShowBestOffset(plan);
    return;
  }
  const load::BestOrderReport& best = *report.bestOrder;
  currentOrder_->setText(QStringLiteral("Current order: %1; %2")
                             .arg(Names(report.groups), JumpRun(best.givenJumpRun)));
  if (!best.found) {
    bestOrder_->setText(
        best.everyGroupBack
            ? QStringLiteral("Best order: no order meets every gap with every group back")
            : QStringLiteral("Best order: no order meets every gap"));
    useBestOrder_->setEnabled(false);
  } else {
    bestOrder_->setText(
        QStringLiteral("Best order: %1; %2%3%4")
            .arg(
                Names(best.order), JumpRun(best.jumpRun),
                best.leastMargin ? QStringLiteral("; every group back, least margin %1")
                                       .arg(QString::fromStdString(best.leastMargin->text))
                                 : QString(),
                best.heuristic ? QStringLiteral(" (searched, not every order tried)") : QString()));
    shownBestOrder_ = *plan.outcome.bestOrder;
    useBestOrder_->setEnabled(true);
  }
  emit bestOrderShown();
}

void LoadPlannerWindow::UseBestOrder() {
  if (!shownBestOrder_) return;
  // The order with the delays its jump run time was worked out for.
  const load::BestOrder best = *shownBestOrder_;
  const load::Load ordered = load::Reordered(document_->Load(), best.order);
  Report(document_->Propose(load::WithRoundedDelays(ordered, best.plan),
                            QStringLiteral("Use best order")));
}

void LoadPlannerWindow::MoveSelectedGroup(int by) {
  const int from = CurrentRow(groupView_);
  const int to = from + by;
  if (from < 0 || to < 0 || to >= groups_->rowCount()) return;
  Report(groups_->MoveGroup(from, to));
}

void LoadPlannerWindow::Report(const QString& message) {
  if (!message.isEmpty()) statusBar()->showMessage(message, kNoteMs);
}

bool LoadPlannerWindow::StartWith(const load::Load& load) {
  if (const auto problem = load::DraftLoadProblem(load)) {
    showError(this, QStringLiteral("This cannot be planned as a load: ") +
                        QString::fromStdString(*problem));
    return false;
  }
  document_->Reset(load, QString());
  return true;
}

bool LoadPlannerWindow::OpenFile(const QString& path) {
  OpenedLoad opened = ReadLoadFile(path);
  if (!opened.load) {
    showError(this, QStringLiteral("The load was not opened: ") + opened.error);
    return false;
  }
  document_->Reset(*opened.load, QFileInfo(path).absoluteFilePath());
  recent_loads::Add(path);
  return true;
}

bool LoadPlannerWindow::OpenWithDialog() {
  if (!MaybeSave()) return false;
  const QString path = askOpenFileName(this);
  return !path.isEmpty() && OpenFile(path);
}

bool LoadPlannerWindow::Save() {
  if (document_->Path().isEmpty()) return SaveAs();
  return SaveTo(document_->Path());
}

bool LoadPlannerWindow::SaveAs() {
  if (RefusedToSave()) return false;
  QString suggested = document_->Path();
  if (suggested.isEmpty()) {
    const std::string& name = document_->Load().name;
    suggested = QString::fromStdString(SafeFileName(name, "load")) + kLoadFileSuffix;
  }
  const QString path = askSaveFileName(this, suggested);
  return !path.isEmpty() && SaveTo(path);
}

bool LoadPlannerWindow::SaveTo(const QString& path) {
  if (RefusedToSave()) return false;
  const QString error = WriteLoadFile(path, document_->Load());
  if (!error.isEmpty()) {
    showError(this, QStringLiteral("The load was not saved: %1: %2").arg(path, error));
    return false;
  }
  document_->MarkSaved(QFileInfo(path).absoluteFilePath());
  recent_loads::Add(path);
  return true;
}

bool LoadPlannerWindow::RefusedToSave() {
  // A file holds a load that flies: one being built is saved once it has a group.
  const auto problem = load::LoadProblem(document_->Load());
  if (problem) showError(this, QStringLiteral("The load was not saved: ") + Text(*problem));
  return problem.has_value();
}

bool LoadPlannerWindow::MaybeSave() {
  if (!document_->IsModified()) return true;
  switch (askSaveChanges(this, true)) {
    case SaveChoice::Save:
      return Save();
    case SaveChoice::Discard:
      return true;
    case SaveChoice::Cancel:
      break;
  }
  return false;
}

void LoadPlannerWindow::UpdateTitle() {
  const QString path = document_->Path();
  const QString file = path.isEmpty() ? QStringLiteral("Untitled") : QFileInfo(path).fileName();
  setWindowTitle(QStringLiteral("%1[*] - %2").arg(file, kWindowName));
  setWindowModified(document_->IsModified());
}

void LoadPlannerWindow::FillRecentMenu() {
  recent_loads::FillMenu(*recentMenu_, [this](const QString& path) {
    if (MaybeSave() && !OpenFile(path) && !QFileInfo::exists(path)) recent_loads::Remove(path);
  });
}

void LoadPlannerWindow::closeEvent(QCloseEvent* event) {
  if (!MaybeSave()) {
    event->ignore();
    return;
  }
  event->accept();
  // Whatever was answered has been done: the window forgets the load, so that nothing left
  // behind in a window that is not on screen is asked about or saved later.
  document_->Reset(load::Load{}, QString());
  emit closed();
}

}  // namespace tarnwick
