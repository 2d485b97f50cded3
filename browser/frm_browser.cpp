#include "browser/frm_browser.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>

#include "browser/toolbar_icons.h"
#include "browser/web_engine.h"
#include "canvas/twips.h"

namespace tarnwick {
namespace {

constexpr int kToolbarHeight = 540;
constexpr int kStripTop = 540;
constexpr int kStripHeight = 675;
constexpr int kPageMargin = 50;
constexpr int kPageBottomMargin = 100;
constexpr int kBusyPollMilliseconds = 5;
constexpr int kEnterKey = 13;

// Left to right; each button's key is also its tooltip.
const char* const kToolbarKeys[] = {"Back", "Forward", "Stop", "Refresh", "Home", "Search"};

void PlaceInTwips(QWidget* widget, int left, int top, int width, int height) {
  widget->setGeometry(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

}  // namespace

frmBrowser::frmBrowser(WebEngine* engine, QWidget* parent) : QWidget(parent) {
  setObjectName("frmBrowser");
  setWindowTitle("Web Browser");
  // Closing the window unloads it: the next Details press starts afresh with an empty list.
  setAttribute(Qt::WA_DeleteOnClose);
  // The browser never decides on its own that the program should end.
  setAttribute(Qt::WA_QuitOnClose, false);
  resize(TwipsToPx(kClientWidth), TwipsToPx(kClientHeight));

  brwWebBrowser = engine;
  brwWebBrowser->setParent(this);
  brwWebBrowser->setObjectName("brwWebBrowser");
  PlaceInTwips(brwWebBrowser, 50, 1215, 5393, 3734);

  picAddress = new QFrame(this);
  picAddress->setObjectName("picAddress");
  PlaceInTwips(picAddress, 0, kStripTop, kClientWidth, kStripHeight);

  lblAddress = new QLabel("&Address:", picAddress);
  lblAddress->setObjectName("lblAddress");
  PlaceInTwips(lblAddress, 45, 60, 3075, 255);

  cboAddress = new QComboBox(picAddress);
  cboAddress->setObjectName("cboAddress");
  cboAddress->setEditable(true);
  // The list is this window's history, kept by the navigation handler alone: Enter must not add
  // the typed text, and completion must not replace what the user typed with an entry that only
  // resembles it (entries differing in letter case are distinct addresses).
  cboAddress->setInsertPolicy(QComboBox::NoInsert);
  cboAddress->setCompleter(nullptr);
  cboAddress->setEditText("Combo1");
  PlaceInTwips(cboAddress, 45, 300, 3795, 315);
  lblAddress->setBuddy(cboAddress);
  // Keys reach the box itself, which hands them to its text field without passing that field's
  // filters; an Enter sent straight to the field comes back up to the box unused.
  cboAddress->installEventFilter(this);
  // activated is raised for every pick from the list, with the mouse or stepping with the arrow
  // keys, even of the entry already shown; the program's own selections raise Click explicitly.
  connect(cboAddress, &QComboBox::activated, this, [this] { cboAddress_Click(); });

  imlToolbarIcons = ToolbarIcons();
  BuildToolbar();

  timTimer = new QTimer(this);
  timTimer->setObjectName("timTimer");
  timTimer->setInterval(kBusyPollMilliseconds);
  connect(timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);

  connect(brwWebBrowser, &WebEngine::DownloadComplete, this,
          &frmBrowser::brwWebBrowser_DownloadComplete);
  connect(brwWebBrowser, &WebEngine::NavigateComplete, this,
          &frmBrowser::brwWebBrowser_NavigateComplete2);

  // Page, address label, address box, toolbar, address strip.
  brwWebBrowser->setFocusPolicy(Qt::StrongFocus);
  setTabOrder(brwWebBrowser, cboAddress);
  setTabOrder(cboAddress, tbToolBar);
}

void frmBrowser::BuildToolbar() {
  tbToolBar = new QToolBar(this);
  tbToolBar->setObjectName("tbToolBar");
  tbToolBar->setMovable(false);
  tbToolBar->setFloatable(false);
  tbToolBar->setIconSize(QSize(24, 24));
  tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
  for (int i = 0; i < 6; ++i) {
    QAction* button = tbToolBar->addAction(imlToolbarIcons.value(i), kToolbarKeys[i]);
    button->setObjectName(kToolbarKeys[i]);
    button->setData(QString(kToolbarKeys[i]));
    button->setToolTip(kToolbarKeys[i]);
  }
  connect(tbToolBar, &QToolBar::actionTriggered, this,
          [this](QAction* button) { tbToolBar_ButtonClick(button->data().toString()); });
  PlaceInTwips(tbToolBar, 0, 0, kClientWidth, kToolbarHeight);
}

void frmBrowser::ShowWindow() {
  if (loaded_) {
    show();
    if (isMinimized()) showNormal();
    raise();
    activateWindow();
    return;
  }
  loaded_ = true;
  Form_Load();
}

void frmBrowser::Form_Load() {
  move(TwipsToPx(kDesignLeft), TwipsToPx(kDesignTop));
  // On screen before any page starts loading.
  show();
  raise();
  activateWindow();
  tbToolBar->update();
  Form_Resize();
  cboAddress->move(TwipsToPx(kPageMargin),
                   TwipsToPx(PxToTwips(lblAddress->y()) + PxToTwips(lblAddress->height()) + 15));
  if (StartingAddress.size() >= 1) {
    cboAddress->setEditText(StartingAddress);
    cboAddress->addItem(cboAddress->currentText());
    EnableTimer();
    brwWebBrowser->Navigate(StartingAddress);
  }
}

void frmBrowser::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  DockStrips();
  if (loaded_) Form_Resize();
}

void frmBrowser::DockStrips() {
  // Docked to the top edge: they always span the client width, whatever the layout below does.
  tbToolBar->setGeometry(0, 0, width(), TwipsToPx(kToolbarHeight));
  picAddress->setGeometry(0, TwipsToPx(kStripTop), width(), TwipsToPx(kStripHeight));
}

void frmBrowser::Form_Resize() {
  const float scaleWidth = PxToTwips(width());
  const float scaleHeight = PxToTwips(height());
  // A client area smaller than the margins (a minimised window, say) gives negative sizes; those
  // are skipped and the control keeps its size until the window is restored.
  const float boxWidth = scaleWidth - 2 * kPageMargin;
  if (boxWidth >= 0) cboAddress->resize(TwipsToPx(boxWidth), cboAddress->height());
  const float pageWidth = scaleWidth - 2 * kPageMargin;
  if (pageWidth >= 0) brwWebBrowser->resize(TwipsToPx(pageWidth), brwWebBrowser->height());
  const float stripBottom = PxToTwips(picAddress->y()) + PxToTwips(picAddress->height());
  const float pageHeight = scaleHeight - stripBottom - kPageBottomMargin;
  if (pageHeight >= 0) brwWebBrowser->resize(brwWebBrowser->width(), TwipsToPx(pageHeight));
}

void frmBrowser::brwWebBrowser_DownloadComplete() {
  setWindowTitle(brwWebBrowser->LocationName());
}

void frmBrowser::brwWebBrowser_NavigateComplete2() {
  setWindowTitle(brwWebBrowser->LocationName());
  // Always the engine's own current address, never the one that was asked for: the engine may
  // have completed it, redirected it or fallen back to an error page.
  const QString current = brwWebBrowser->LocationURL();
  int found = -1;
  for (int i = 0; i < cboAddress->count(); ++i) {
    if (cboAddress->itemText(i) == current) {
      found = i;
      break;
    }
  }
  updatingAddressList = true;
  if (found >= 0) cboAddress->removeItem(found);
  cboAddress->insertItem(0, current);
  cboAddress->setCurrentIndex(0);
  cboAddress->setEditText(current);
  // Selecting an entry by program counts as a pick, like one by the user; the flag makes it a
  // no-op here.
  cboAddress_Click();
  updatingAddressList = false;
}

void frmBrowser::EnableTimer() {
  // Enabling a running timer leaves its schedule alone; restarting it would postpone the poll.
  if (!timTimer->isActive()) timTimer->start();
}

void frmBrowser::cboAddress_Click() {
  if (updatingAddressList) return;
  EnableTimer();
  brwWebBrowser->Navigate(cboAddress->currentText());
}

void frmBrowser::cboAddress_KeyPress(int keyAscii) {
  if (keyAscii == kEnterKey) cboAddress_Click();
}

bool frmBrowser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cboAddress && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) cboAddress_KeyPress(kEnterKey);
  }
  // The key always reaches the box as usual.
  return QWidget::eventFilter(watched, event);
}

void frmBrowser::timTimer_Timer() {
  if (brwWebBrowser->Busy()) {
    setWindowTitle("Working...");
  } else {
    timTimer->stop();
    setWindowTitle(brwWebBrowser->LocationName());
  }
}

void frmBrowser::tbToolBar_ButtonClick(const QString& key) {
  EnableTimer();
  if (key == "Back") {
    brwWebBrowser->GoBack();
  } else if (key == "Forward") {
    brwWebBrowser->GoForward();
  } else if (key == "Refresh") {
    brwWebBrowser->Refresh();
  } else if (key == "Home") {
    brwWebBrowser->GoHome();
  } else if (key == "Search") {
    brwWebBrowser->GoSearch();
  } else if (key == "Stop") {
    timTimer->stop();
    brwWebBrowser->Stop();
    setWindowTitle(brwWebBrowser->LocationName());
  }
}

}  // namespace tarnwick
