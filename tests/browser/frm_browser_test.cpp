// The details browser window's rules, driven through a scripted engine.
#include "browser/frm_browser.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "browser/details_browser_host.h"
#include "browser/site_address.h"
#include "tests/browser/fake_web_engine.h"

namespace tarnwick {
namespace {

const QString kShortAddress = "tarnwick.local/details/";
const QString kFullAddress = "http://tarnwick.local/details/";

QStringList ListOf(const QComboBox* box) {
  QStringList entries;
  for (int i = 0; i < box->count(); ++i) entries << box->itemText(i);
  return entries;
}

// A loaded window on a fake engine, deleted with the fixture unless the test closed it.
struct OpenWindow {
  FakeWebEngine* engine = new FakeWebEngine;
  QPointer<frmBrowser> window = new frmBrowser(engine);

  explicit OpenWindow(const QString& startingAddress = kShortAddress) {
    window->StartingAddress = startingAddress;
    window->ShowWindow();
  }
  ~OpenWindow() { delete window; }

  void Press(const char* key) const { window->tbToolBar->findChild<QAction*>(key)->trigger(); }
};

}  // namespace

class FrmBrowserTest : public QObject {
  Q_OBJECT

 private slots:
  void loadNavigatesToTheStartingAddress() {
    OpenWindow w;
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.window->windowTitle(), "Web Browser");
    QCOMPARE(w.window->cboAddress->currentText(), kShortAddress);
    QCOMPARE(ListOf(w.window->cboAddress), QStringList{kShortAddress});
    QVERIFY(w.window->timTimer->isActive());
    QCOMPARE(w.engine->navigations, QStringList{kShortAddress});
  }

  void emptyStartingAddressLaysOutButNavigatesNowhere() {
    OpenWindow w("");
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.window->cboAddress->currentText(), "Combo1");
    QCOMPARE(w.window->cboAddress->count(), 0);
    QVERIFY(!w.window->timTimer->isActive());
    QVERIFY(w.engine->navigations.isEmpty());
    // The box still moves below its label, 50 twips in.
    QCOMPARE(w.window->cboAddress->pos(), QPoint(3, 22));
    QCOMPARE(w.window->cboAddress->width(), (8535 - 100) / 15);
  }

  void designGeometryAndToolbar() {
    OpenWindow w;
    QCOMPARE(w.window->size(), QSize(569, 413));
    QCOMPARE(w.window->brwWebBrowser->geometry(), QRect(3, 81, 562, 325));
    QCOMPARE(w.window->lblAddress->text(), "&Address:");
    QCOMPARE(w.window->lblAddress->buddy(), w.window->cboAddress);
    QStringList keys;
    for (QAction* button : w.window->tbToolBar->actions()) {
      keys << button->data().toString();
      QCOMPARE(button->toolTip(), button->data().toString());
      QVERIFY(!button->icon().pixmap(24, 24).isNull());
    }
    QCOMPARE(keys, (QStringList{"Back", "Forward", "Stop", "Refresh", "Home", "Search"}));
  }

  void reachedAddressGoesOnTopAboveTheShortForm() {
    OpenWindow w;
    w.engine->Reach(kFullAddress, "Details");
    QCOMPARE(ListOf(w.window->cboAddress), (QStringList{kFullAddress, kShortAddress}));
    QCOMPARE(w.window->cboAddress->currentIndex(), 0);
    QCOMPARE(w.window->cboAddress->currentText(), kFullAddress);
    QCOMPARE(w.window->windowTitle(), "Details");
    // Selecting the new top entry is no request to go there again.
    QCOMPARE(w.engine->navigations.size(), 1);
  }

  void revisitedAddressMovesToTheTopOnce() {
    OpenWindow w;
    w.engine->Reach("http://a.invalid/", "A");
    w.engine->Reach("http://b.invalid/", "B");
    w.engine->Reach("http://c.invalid/", "C");
    w.engine->Reach("http://a.invalid/", "A");
    QCOMPARE(ListOf(w.window->cboAddress), (QStringList{"http://a.invalid/", "http://c.invalid/",
                                                        "http://b.invalid/", kShortAddress}));
    w.engine->Reach("http://a.invalid/", "A");
    QCOMPARE(w.window->cboAddress->count(), 4);
    QCOMPARE(w.engine->navigations.size(), 1);
  }

  void addressesDifferingInCaseAreDistinct() {
    OpenWindow w;
    w.engine->Reach("http://a.invalid/Page", "Upper");
    w.engine->Reach("http://a.invalid/page", "Lower");
    QCOMPARE(ListOf(w.window->cboAddress),
             (QStringList{"http://a.invalid/page", "http://a.invalid/Page", kShortAddress}));
  }

  void listTakesTheEngineAddressNotTheRequestedOne() {
    OpenWindow w;
    w.window->cboAddress->setEditText("example.invalid");
    QTest::keyClick(w.window->cboAddress, Qt::Key_Return);
    w.engine->Reach("http://example.invalid/", "Example");
    QCOMPARE(ListOf(w.window->cboAddress), (QStringList{"http://example.invalid/", kShortAddress}));
  }

  void enterNavigatesToTheTextAsTypedAndOtherKeysDoNot() {
    OpenWindow w;
    w.engine->Reach("http://a.invalid/Page", "Page");
    w.window->timTimer->stop();
    // Keys arrive at the box, which has the focus, as the window system delivers them.
    QComboBox* box = w.window->cboAddress;
    box->lineEdit()->clear();
    // Matches a list entry except in letter case: must not be replaced by that entry.
    QTest::keyClicks(box, "http://a.invalid/page");
    QCOMPARE(w.engine->navigations.size(), 1);
    QVERIFY(!w.window->timTimer->isActive());
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(w.engine->navigations, (QStringList{kShortAddress, "http://a.invalid/page"}));
    QVERIFY(w.window->timTimer->isActive());
    QTest::keyClick(box, Qt::Key_Enter);
    QCOMPARE(w.engine->navigations.size(), 3);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    QCOMPARE(w.engine->navigations.size(), 4);
    // The box still receives the keys it is given.
    QTest::keyClick(box, Qt::Key_X);
    QCOMPARE(box->currentText(), "http://a.invalid/pagex");
  }

  void steppingThroughTheListNavigatesAtEachStep() {
    OpenWindow w;
    w.engine->Reach("http://b.invalid/", "B");
    w.engine->Reach("http://a.invalid/", "A");
    QTest::keyClick(w.window->cboAddress, Qt::Key_Down);
    QTest::keyClick(w.window->cboAddress, Qt::Key_Down);
    QCOMPARE(w.engine->navigations,
             (QStringList{kShortAddress, "http://b.invalid/", kShortAddress}));
  }

  void pickingWithTheMouseNavigatesEvenToTheEntryShown() {
    OpenWindow w;
    w.engine->Reach("http://b.invalid/", "B");
    w.engine->Reach("http://a.invalid/", "A");
    const auto pick = [&](int row) {
      QComboBox* box = w.window->cboAddress;
      box->showPopup();
      QAbstractItemView* list = box->view();
      QTRY_VERIFY(list->isVisible());
      const QRect entry = list->visualRect(list->model()->index(row, 0));
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, entry.center());
      QTRY_VERIFY(!list->isVisible());
    };
    pick(1);
    QCOMPARE(w.engine->navigations.last(), "http://b.invalid/");
    pick(1);
    QCOMPARE(w.engine->navigations,
             (QStringList{kShortAddress, "http://b.invalid/", "http://b.invalid/"}));
  }

  void stopSetsThePageNameAtOnce() {
    OpenWindow w;
    w.engine->busy = true;
    w.engine->name = "Half loaded";
    w.Press("Stop");
    QVERIFY(!w.window->timTimer->isActive());
    QCOMPARE(w.window->windowTitle(), "Half loaded");
    QCOMPARE(w.engine->commands, QStringList{"Stop"});
  }

  void backWithNoHistoryOnlyRestoresTheCaptionOnTheNextTick() {
    OpenWindow w;
    w.engine->Reach(kFullAddress, "Details");
    w.window->timTimer->stop();
    w.window->setWindowTitle("Something else");
    w.Press("Back");
    QCOMPARE(w.engine->commands, QStringList{"GoBack"});
    QCOMPARE(w.window->windowTitle(), "Something else");
    QVERIFY(w.window->timTimer->isActive());
    QTRY_VERIFY(!w.window->timTimer->isActive());
    QCOMPARE(w.window->windowTitle(), "Details");
  }

  void captionReadsWorkingWhileBusyThenThePageName() {
    OpenWindow w;
    w.engine->busy = true;
    QTRY_COMPARE(w.window->windowTitle(), "Working...");
    // Polled a few more times while the engine stays busy: the caption holds.
    const int polls = w.engine->busyPolls;
    QTRY_VERIFY(w.engine->busyPolls >= polls + 3);
    QVERIFY(w.window->timTimer->isActive());
    QCOMPARE(w.window->windowTitle(), "Working...");
    w.engine->name = "Loaded";
    w.engine->busy = false;
    QTRY_COMPARE(w.window->windowTitle(), "Loaded");
    QVERIFY(!w.window->timTimer->isActive());
  }

  void toolbarButtonsReachTheirCommandsAndStartThePoll() {
    OpenWindow w;
    for (const char* key : {"Back", "Forward", "Refresh", "Home", "Search"}) {
      w.window->timTimer->stop();
      w.Press(key);
      QVERIFY2(w.window->timTimer->isActive(), key);
    }
    QCOMPARE(w.engine->commands,
             (QStringList{"GoBack", "GoForward", "Refresh", "GoHome", "GoSearch"}));
    w.window->timTimer->stop();
    w.window->tbToolBar_ButtonClick("back");
    QVERIFY(w.window->timTimer->isActive());
    QCOMPARE(w.engine->commands.size(), 5);
  }

  void tooSmallClientAreaKeepsTheLastSizes() {
    OpenWindow w;
    w.window->resize(600, 450);
    QCOMPARE(w.window->cboAddress->width(), 593);
    QCOMPARE(w.window->brwWebBrowser->size(), QSize(593, 362));
    QCOMPARE(w.window->tbToolBar->width(), 600);
    // 75 twips wide, 750 high: every layout size comes out negative.
    w.window->resize(5, 50);
    QCOMPARE(w.window->cboAddress->width(), 593);
    QCOMPARE(w.window->brwWebBrowser->size(), QSize(593, 362));
    // Wide enough, still too low for the page area.
    w.window->resize(400, 60);
    QCOMPARE(w.window->cboAddress->width(), 393);
    QCOMPARE(w.window->brwWebBrowser->size(), QSize(393, 362));
    w.window->resize(569, 413);
    QCOMPARE(w.window->brwWebBrowser->size(), QSize(562, 325));
  }
};

class DetailsBrowserHostTest : public QObject {
  Q_OBJECT

 private slots:
  void secondPressBringsTheSameWindowToTheFront() {
    int enginesMade = 0;
    FakeWebEngine* engine = nullptr;
    DetailsBrowserHost host([&] {
      ++enginesMade;
      return engine = new FakeWebEngine;
    });
    host.Show(kShortAddress);
    frmBrowser* first = host.Window();
    engine->Reach(kFullAddress, "Details");

    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_VERIFY(other.isActiveWindow());

    // Whatever StartingAddress now holds, an open window neither navigates nor clears its list.
    host.Show("elsewhere.invalid/");
    QCOMPARE(host.Window(), first);
    QCOMPARE(enginesMade, 1);
    QCOMPARE(engine->navigations, QStringList{kShortAddress});
    QCOMPARE(ListOf(first->cboAddress), (QStringList{kFullAddress, kShortAddress}));
    QTRY_VERIFY(first->isActiveWindow());
  }

  void closingUnloadsTheWindowAndTheNextPressStartsAfresh() {
    FakeWebEngine* engine = nullptr;
    DetailsBrowserHost host([&] { return engine = new FakeWebEngine; });
    host.Show(kShortAddress);
    engine->Reach(kFullAddress, "Details");
    QPointer<frmBrowser> first = host.Window();
    QVERIFY(!first->testAttribute(Qt::WA_QuitOnClose));
    first->close();
    QTRY_VERIFY(!first);
    QVERIFY(!host.Window());

    host.Show(kShortAddress);
    QVERIFY(host.Window());
    QCOMPARE(ListOf(host.Window()->cboAddress), QStringList{kShortAddress});
    host.Close();
    QVERIFY(!host.Window());
    host.Close();
  }

  // Details pressed right after the close box, before the closed window is deleted (in the middle
  // of a run that can be long): a fresh window loads, and the closed one is not brought back.
  void pressRightAfterClosingLoadsAFreshWindow() {
    FakeWebEngine* engine = nullptr;
    DetailsBrowserHost host([&] { return engine = new FakeWebEngine; });
    host.Show(kShortAddress);
    QPointer<frmBrowser> closed = host.Window();
    closed->close();
    host.Show(kShortAddress);
    QPointer<frmBrowser> fresh = host.Window();
    QVERIFY(fresh);
    QVERIFY(fresh != closed);
    QVERIFY(fresh->isVisible());
    QCOMPARE(engine->navigations, QStringList{kShortAddress});
    QTRY_VERIFY(!closed);
    QVERIFY(fresh);
    QVERIFY(fresh->isVisible());
  }
};

// What an engine loads for a typed or picked address: the web and the site, completed as
// browsers complete them, and nothing else.
class SiteAddressTest : public QObject {
  Q_OBJECT

 private slots:
  void typedAddressesAreCompletedOrRefused_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("loaded");
    QTest::newRow("site without scheme") << kShortAddress << kFullAddress;
    QTest::newRow("site, spaces around") << "  " + kShortAddress + " " << kFullAddress;
    QTest::newRow("https") << "https://a.invalid/x"
                           << "https://a.invalid/x";
    QTest::newRow("web host") << "example.invalid"
                              << "http://example.invalid";
    const char* refused[] = {"file:///etc/hostname",
                             "/etc/hostname",
                             "qrc:/tarnwick/site/details/index.html",
                             "data:text/html,<b>x</b>",
                             "javascript:alert(1)",
                             "chrome://version",
                             "view-source:http://tarnwick.local/details/",
                             "about:blank",
                             "tarnwick-site://tarnwick.local/details/",
                             "ftp://a.invalid/",
                             "http://",
                             ""};
    for (const char* address : refused) QTest::addRow("refused %s", address) << address << "";
  }

  void typedAddressesAreCompletedOrRefused() {
    QFETCH(QString, typed);
    QFETCH(QString, loaded);
    QCOMPARE(AddressToLoad(typed).toString(), loaded);
  }

  void siteHostIsMatchedWhateverTheLetterCase() {
    QVERIFY(IsSiteHost(QUrl("http://Tarnwick.Local/details/")));
    QVERIFY(!IsSiteHost(QUrl("http://tarnwick.local.invalid/")));
    QCOMPARE(DetailsHomeUrl().toString(), kFullAddress);
    QCOMPARE(DetailsSearchUrl().toString(), kFullAddress + "topics.html");
  }
};

}  // namespace tarnwick

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  int failures = 0;
  {
    tarnwick::FrmBrowserTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    tarnwick::DetailsBrowserHostTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  {
    tarnwick::SiteAddressTest test;
    failures += QTest::qExec(&test, argc, argv);
  }
  return failures;
}

#include "frm_browser_test.moc"
