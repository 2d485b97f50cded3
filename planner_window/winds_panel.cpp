#include "planner_window/winds_panel.h"

#include <QAction>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "planner_window/load_document.h"
#include "planner_window/table_rows.h"
#include "planner_window/wind_profile_view.h"
#include "planner_window/wind_table_model.h"

namespace tarnwick {

WindsPanel::WindsPanel(LoadDocument& document, WindTableModel& model, QTableView* table,
                       QWidget* parent)
    : QGroupBox(QStringLiteral("Winds aloft, from the top down"), parent),
      model_(model),
      table_(table),
      profile_(new WindProfileView(document, this)),
      asLayers_(new QRadioButton(QStringLiteral("Layers"), this)),
      asLevels_(new QRadioButton(QStringLiteral("Levels"), this)) {
  setObjectName(QStringLiteral("windsPanel"));
  const auto action = [this](const QString& text, auto edit) {
    auto* a = new QAction(text, this);
    connect(a, &QAction::triggered, this, [this, edit] { emit note(edit()); });
    return a;
  };
  addLayer_ =
      action(QStringLiteral("Add &Wind Layer"), [this] { return model_.AddLayer(SelectedRow()); });
  removeLayer_ = action(QStringLiteral("Remove Wind Layer"), [this] {
    return SelectedRow() < 0 ? QString() : model_.RemoveLayer(SelectedRow());
  });
  addLevel_ =
      action(QStringLiteral("Add Wind &Level"), [this] { return model_.AddLevel(SelectedRow()); });
  removeLevel_ = action(QStringLiteral("Remove Wind Level"), [this] {
    return SelectedRow() < 0 ? QString() : model_.RemoveLevel(SelectedRow());
  });

  auto* column = new QVBoxLayout(this);
  auto* meaning = new QLabel(QStringLiteral("Layers: one wind from each base up. Levels: winds at "
                                            "altitudes, interpolated between."),
                             this);
  meaning->setObjectName(QStringLiteral("windsMeaning"));
  meaning->setWordWrap(true);
  column->addWidget(meaning);
  asLayers_->setObjectName(QStringLiteral("windsAsLayers"));
  asLayers_->setToolTip(QStringLiteral("Each wind holds from its base up to the next base"));
  asLevels_->setObjectName(QStringLiteral("windsAsLevels"));
  asLevels_->setToolTip(QStringLiteral(
      "The wind at each altitude, as a forecast gives it; between two levels it changes "
      "evenly"));
  auto* choice = new QButtonGroup(this);
  choice->addButton(asLayers_);
  choice->addButton(asLevels_);

  // Every column of the table stays in sight, each as wide as its contents (with room for the
  // scroll bar that many levels bring); the picture beside it takes the rest.
  table_->horizontalHeader()->setStretchLastSection(false);
  const auto fitColumns = [this] {
    table_->setMinimumWidth(table_->verticalHeader()->sizeHint().width() +
                            table_->horizontalHeader()->length() + 2 * table_->frameWidth() +
                            table_->verticalScrollBar()->sizeHint().width());
  };
  connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this, fitColumns);
  connect(&model_, &QAbstractItemModel::modelReset, this, fitColumns);
  fitColumns();
  auto* tableAndPicture = new QHBoxLayout;
  tableAndPicture->addWidget(table_, 0);
  tableAndPicture->addWidget(profile_, 1);
  column->addLayout(tableAndPicture, 1);

  auto* buttons = new QHBoxLayout;
  const auto button = [this, buttons](const QString& caption, QAction* a) {
    auto* b = new QPushButton(caption, this);
    connect(b, &QPushButton::clicked, a, &QAction::trigger);
    buttons->addWidget(b);
    return b;
  };
  layerButtons_ = {button(QStringLiteral("Add Layer"), addLayer_),
                   button(QStringLiteral("Remove Layer"), removeLayer_)};
  levelButtons_ = {button(QStringLiteral("Add Level"), addLevel_),
                   button(QStringLiteral("Remove Level"), removeLevel_)};
  buttons->addStretch();
  buttons->addWidget(new QLabel(QStringLiteral("Give winds as:"), this));
  buttons->addWidget(asLayers_);
  buttons->addWidget(asLevels_);
  column->addLayout(buttons);

  // A click on the switch asks for the edit; the switch shows what the load then holds.
  connect(asLayers_, &QRadioButton::clicked, this, [this] { GiveWindsAs(false); });
  connect(asLevels_, &QRadioButton::clicked, this, [this] { GiveWindsAs(true); });
  connect(&document, &LoadDocument::loadChanged, this, &WindsPanel::FollowLoad);
  // After an add, a removal or a move the selection is on the row the edit concerns.
  connect(&model_, &WindTableModel::rowEdited, this, [this](int row) { SelectRow(table_, row); });
  FollowLoad();
}

QList<QAction*> WindsPanel::EditActions() const {
  return {addLayer_, removeLayer_, addLevel_, removeLevel_};
}

void WindsPanel::GiveWindsAs(bool levels) {
  emit note(model_.GiveWindsAs(levels ? load::WindsGiven::Levels : load::WindsGiven::Layers));
  FollowLoad();  // a refused switch goes back
}

int WindsPanel::SelectedRow() const {
  return CurrentRow(table_);
}

void WindsPanel::FollowLoad() {
  const bool levels = model_.Levels();
  asLevels_->setChecked(levels);
  asLayers_->setChecked(!levels);
  for (QAction* a : {addLayer_, removeLayer_}) a->setEnabled(!levels);
  for (QAction* a : {addLevel_, removeLevel_}) a->setEnabled(levels);
  for (QPushButton* b : layerButtons_) b->setVisible(!levels);
  for (QPushButton* b : levelButtons_) b->setVisible(levels);
}

}  // namespace tarnwick
