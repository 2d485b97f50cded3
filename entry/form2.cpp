#include "entry/form2.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "browser/details_command.h"
#include "canvas/canvas_widget.h"
#include "canvas/fit_font.h"
#include "canvas/twips.h"
#include "entry/input_table.h"
#include "entry/input_warning.h"

namespace tarnwick {
namespace {

// The results panel holds eight lines; the widest a run can print are measured with room for
// five-digit distances, so the report is never cut off at the panel's edge.
constexpr int kReportLines = 8;
const QStringList kWidestReportLines = {
    QStringLiteral(" Jumper 1 downrange -88888ft  fall time 888 sec."),
    QStringLiteral("  Between deployment points: 88888ft"),
};

QString Latin1(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* MakeLabel(const QString& text, const QRect& geometry, const char* name, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QLatin1String(name));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(true);
  label->setGeometry(geometry);
  // A caption that wraps keeps its width but may need a few more pixels of height than the
  // layout gives it, so its second line is not cut.
  const int needed = label->heightForWidth(geometry.width());
  if (needed > geometry.height()) label->resize(geometry.width(), needed);
  return label;
}

// A numeric box with its caption to the left, named and filled in as the input table says.
QLineEdit* MakeBox(Box which, const QRect& caption, const QRect& geometry, const char* labelName,
                   QWidget* parent) {
  const InputRow& row = InputFor(which);
  MakeLabel(Latin1(row.caption), caption, labelName, parent);
  auto* box = new QLineEdit(Latin1(row.defaultText), parent);
  box->setObjectName(Latin1(row.boxName));
  box->setGeometry(geometry);
  return box;
}

QComboBox* MakeList(const QStringList& items, const QRect& geometry, const char* name,
                    QWidget* parent) {
  auto* list = new QComboBox(parent);  // not editable: pick only
  list->setObjectName(QLatin1String(name));
  list->addItems(items);
  list->setGeometry(geometry);
  return list;
}

QPushButton* MakeButton(const QString& caption, const QRect& geometry, const char* name,
                        QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QLatin1String(name));
  button->setGeometry(geometry);
  return button;
}

// The layout is fixed in twips; the window's font is the system's, made smaller where that
// runs wider than the captions' places, so that no caption is cut off.
QFont WindowFont(const QWidget& window) {
  const QStyle* style = window.style();
  const double checkIndicator = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 2;
  const double buttonMargins = 2.0 * style->pixelMetric(QStyle::PM_ButtonMargin) + 4;
  const double labelWidth = TwipsToPx(1815) - 1;
  std::vector<std::pair<QString, double>> captions;
  for (const InputRow& row : kInputTable) captions.emplace_back(Latin1(row.caption), labelWidth);
  captions.insert(captions.end(),
                  {
                      {QStringLiteral("Plot rate"), TwipsToPx(855) - 1.0},
                      {QStringLiteral("Headwind?"), TwipsToPx(1215) - checkIndicator},
                      {QStringLiteral("Details (from Web)"), TwipsToPx(1935) - buttonMargins},
                  });
  return FontFitting(window.font(), captions, TwipsToPx(255));
}

}  // namespace

Form2::Form2(Scenario& scenario, std::string_view argument, QWidget* parent)
    : QWidget(parent), scenario_(scenario) {
  inputWarning = [this] { InputWarning(this); };
  BuildControls();
  SetTabOrder();
  // Connected only now, with the design values in place, so that from here on a value set
  // from code raises the same handler as a user's edit.
  ConnectHandlers();
  LoadEntry(*this, argument, scenario_);
}

void Form2::BuildControls() {
  setWindowTitle(QStringLiteral("Tarnwick data"));
  setFont(WindowFont(*this));
  // Every control sits at a fixed place in the client area below the menu bar; a larger
  // window would only add empty space.
  menuBar_ = new QMenuBar(this);
  menuBar_->setFont(QApplication::font(menuBar_));
  client_ = new QWidget(this);
  client_->setFixedSize(TwipsSize(5055, 6960));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setMenuBar(menuBar_);
  layout->addWidget(client_);
  layout->activate();  // the client area takes its place under the bar before it is shown

  frame1_ = new QGroupBox(QStringLiteral("Data Entry"), client_);
  frame1_->setObjectName(QStringLiteral("Frame1"));
  frame1_->setToolTip(QStringLiteral("data frame"));
  frame1_->setGeometry(TwipsRect(120, 240, 4815, 4215));
  QWidget* f = frame1_;

  boxes_[static_cast<int>(Box::Ias)] = MakeBox(Box::Ias, TwipsRect(720, 405, 1815, 255),
                                               TwipsRect(2640, 360, 495, 285), "Label1", f);
  boxes_[static_cast<int>(Box::UpperWind)] = MakeBox(Box::UpperWind, TwipsRect(720, 765, 1815, 255),
                                                     TwipsRect(2640, 720, 495, 285), "Label2", f);
  checks_[static_cast<int>(CheckBox::UpperHeadwind)] =
      new QCheckBox(QStringLiteral("Headwind?"), f);
  boxes_[static_cast<int>(Box::LowerWind)] =
      MakeBox(Box::LowerWind, TwipsRect(720, 1125, 1815, 255), TwipsRect(2640, 1080, 495, 285),
              "Label6", f);
  checks_[static_cast<int>(CheckBox::LowerHeadwind)] =
      new QCheckBox(QStringLiteral("Headwind?"), f);
  boxes_[static_cast<int>(Box::WindChangeAltitude)] =
      MakeBox(Box::WindChangeAltitude, TwipsRect(720, 1485, 1815, 255),
              TwipsRect(2520, 1440, 615, 285), "Label4", f);
  boxes_[static_cast<int>(Box::ExitDelay)] =
      MakeBox(Box::ExitDelay, TwipsRect(720, 1845, 1815, 255), TwipsRect(2760, 1800, 375, 285),
              "Label5", f);

  QCheckBox* check1 = checks_[static_cast<int>(CheckBox::UpperHeadwind)];
  check1->setObjectName(QStringLiteral("Check1"));
  check1->setGeometry(TwipsRect(3480, 720, 1215, 255));
  check1->setChecked(true);
  QCheckBox* check2 = checks_[static_cast<int>(CheckBox::LowerHeadwind)];
  check2->setObjectName(QStringLiteral("Check2"));
  check2->setGeometry(TwipsRect(3480, 1080, 1215, 375));
  check2->setChecked(true);

  const QStringList fallers = {QStringLiteral("Fast"), QStringLiteral("Slow")};
  MakeLabel(QStringLiteral("First to exit is slow or fast faller?"),
            TwipsRect(720, 2520, 2295, 375), "Label9", f);
  lists_[static_cast<int>(ListBox::First)] =
      MakeList(fallers, TwipsRect(3240, 2520, 1095, 315), "cmbFirst", f);
  MakeLabel(QStringLiteral("Second to exit is slow or fast faller?"),
            TwipsRect(720, 3120, 2535, 375), "Label10", f);
  lists_[static_cast<int>(ListBox::Second)] =
      MakeList(fallers, TwipsRect(3240, 3120, 1095, 315), "CmbSecond", f);
  MakeLabel(QStringLiteral("Plot rate"), TwipsRect(720, 3600, 855, 375), "Label7", f);
  // "Fast " keeps its trailing blank: it is the item's text as the list shows it.
  lists_[static_cast<int>(ListBox::PlotRate)] =
      MakeList({QStringLiteral("Fast "), QStringLiteral("Slow")}, TwipsRect(1440, 3600, 1095, 315),
               "Cmbplot", f);
  cmdFreeze_ = MakeButton(QStringLiteral("Pause"), TwipsRect(3360, 3600, 735, 375), "CmdFreeze", f);

  cmdWeb_ = MakeButton(QStringLiteral("Details (from Web)"), TwipsRect(120, 4560, 1935, 375),
                       "CmdWeb", client_);
  btnGo_ = MakeButton(QStringLiteral("Go"), TwipsRect(3000, 4560, 855, 375), "btnGo", client_);
  btnGo_->setToolTip(QStringLiteral("Press to run simulation"));
  btnGo_->setDefault(true);  // drawn as the default button; Enter is handled by the window
  cmdExit_ =
      MakeButton(QStringLiteral("Exit"), TwipsRect(4080, 4560, 855, 375), "Cmdexit", client_);
  cmdExit_->setToolTip(QStringLiteral("Quit"));

  txt_ = new CanvasWidget(client_);
  txt_->setObjectName(QStringLiteral("txt"));
  txt_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  txt_->setGeometry(TwipsRect(600, 5160, 3855, 1665));
  txt_->SyncClientSize();
  const QRect area = txt_->contentsRect();
  txt_->setFont(FontFitting(txt_->font(), kWidestReportLines, area.width() - 2,
                            static_cast<double>(area.height()) / kReportLines));
  txt_->canvas().AutoRedraw = true;
}

void Form2::SetTabOrder() {
  // Keyboard order of the design layout: the inputs top to bottom, Go, then the other
  // buttons and the plot rate list last.
  const QList<QWidget*> order = {
      boxes_[static_cast<int>(Box::Ias)],
      boxes_[static_cast<int>(Box::UpperWind)],
      checks_[static_cast<int>(CheckBox::UpperHeadwind)],
      boxes_[static_cast<int>(Box::LowerWind)],
      checks_[static_cast<int>(CheckBox::LowerHeadwind)],
      boxes_[static_cast<int>(Box::WindChangeAltitude)],
      boxes_[static_cast<int>(Box::ExitDelay)],
      lists_[static_cast<int>(ListBox::First)],
      lists_[static_cast<int>(ListBox::Second)],
      btnGo_,
      cmdExit_,
      cmdWeb_,
      lists_[static_cast<int>(ListBox::PlotRate)],
      cmdFreeze_,
  };
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

void Form2::ConnectHandlers() {
  for (int i = 0; i < static_cast<int>(kInputCount); ++i) {
    const auto box = static_cast<Box>(i);
    connect(boxes_[i], &QLineEdit::textChanged, this,
            [this, box] { OnBoxTextChanged(*this, box, scenario_); });
  }
  for (int i = 0; i < 2; ++i) {
    const auto box = static_cast<CheckBox>(i);
    connect(checks_[i], &QCheckBox::toggled, this,
            [this, box] { OnCheckChanged(*this, box, scenario_); });
  }
  for (int i = 0; i < 3; ++i) {
    const auto list = static_cast<ListBox>(i);
    connect(lists_[i], &QComboBox::currentIndexChanged, this,
            [this, list] { OnListChanged(*this, list, scenario_); });
  }
  connect(btnGo_, &QPushButton::clicked, this, &Form2::btnGo_Click);
  connect(cmdFreeze_, &QPushButton::clicked, this, &Form2::CmdFreeze_Click);
  connect(cmdWeb_, &QPushButton::clicked, this, [] { ShowDetailsBrowser(); });
  connect(cmdExit_, &QPushButton::clicked, this, &Form2::exitRequested);
}

QLineEdit* Form2::BoxWidget(Box box) const {
  return boxes_[static_cast<int>(box)];
}

QCheckBox* Form2::CheckWidget(CheckBox box) const {
  return checks_[static_cast<int>(box)];
}

QComboBox* Form2::ListWidget(ListBox list) const {
  return lists_[static_cast<int>(list)];
}

std::string Form2::Text(Box box) const {
  return BoxWidget(box)->text().toStdString();
}

void Form2::SetText(Box box, const std::string& text) {
  QLineEdit* edit = BoxWidget(box);
  const QString newText = QString::fromStdString(text);
  const QString oldText = edit->text();
  if (oldText == newText) return;
  // The wind change altitude box is rewritten while the user types in it. The insertion point
  // keeps its distance from the end of the text, so typing on goes where the user expects:
  // after a digit typed at the end it stays at the end, and in the middle of the number it
  // stays behind the same digits.
  const qsizetype fromEnd = oldText.size() - edit->cursorPosition();
  edit->setText(newText);  // raises textChanged, and so the box's handler
  if (edit->text() == newText) {
    edit->setCursorPosition(static_cast<int>(std::max<qsizetype>(0, newText.size() - fromEnd)));
  }
}

bool Form2::Checked(CheckBox box) const {
  return CheckWidget(box)->isChecked();
}

void Form2::SetChecked(CheckBox box, bool checked) {
  QCheckBox* check = CheckWidget(box);
  if (check->isChecked() == checked) return;
  check->setChecked(checked);  // raises toggled, and so the box's handler
}

int Form2::ListIndex(ListBox list) const {
  return ListWidget(list)->currentIndex();
}

void Form2::SetListIndex(ListBox list, int index) {
  QComboBox* combo = ListWidget(list);
  if (index < 0 || index >= combo->count() || combo->currentIndex() == index) return;
  combo->setCurrentIndex(index);  // raises currentIndexChanged, and so the list's handler
}

Canvas& Form2::ResultsCanvas() {
  return txt_->canvas();
}

void Form2::ResetPause() {
  cmdFreeze_->setText(QStringLiteral("Pause"));
  scenario_.paused = kFalse;
}

void Form2::btnGo_Click() {
  ApplyGoLimits(*this, scenario_, [this] {
    if (inputWarning) inputWarning();
  });
  emit goRequested();
}

void Form2::CmdFreeze_Click() {
  scenario_.paused = static_cast<std::int16_t>(~scenario_.paused);
  cmdFreeze_->setText(scenario_.paused != 0 ? QStringLiteral("Resume") : QStringLiteral("Pause"));
}

void Form2::keyPressEvent(QKeyEvent* event) {
  // A plain window has no default or cancel button of its own. Enter presses the focused
  // button if a button has the focus, Go otherwise; Esc presses Exit.
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    (focused != nullptr && focused->isEnabled() ? focused : btnGo_)->click();
    event->accept();
    return;
  }
  if (key == Qt::Key_Escape) {
    cmdExit_->click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Form2::closeEvent(QCloseEvent* event) {
  // Closing the data entry window always ends the program; it is never refused.
  event->accept();
  emit exitRequested();
}

}  // namespace tarnwick
