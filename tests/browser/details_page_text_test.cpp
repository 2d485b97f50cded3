// The details browser of a build without a web engine, offscreen, through the same entry points
// the data entry window uses: the window keeps its behaviour, the text browser shows the bundled
// site and its topics index, and any other address gets a page that says it cannot be shown.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include "browser/details_command.h"

namespace tarnwick {
namespace {

const QString kDetailsTitle = "Tarnwick Simulation: how the model works";
const QString kTopicsTitle = "Tarnwick Simulation: topics";
const QString kDetails = "http://tarnwick.local/details/";

// The window lives in the late-loaded module, so it is reached by the names of its controls.
struct Browser {
  QWidget* window = nullptr;
  QComboBox* cboAddress = nullptr;
  QTimer* timTimer = nullptr;
  QTextBrowser* page = nullptr;

  QString windowTitle() const { return window->windowTitle(); }
  QString top() const { return cboAddress->itemText(0); }
  void Press(const char* key) const { window->findChild<QAction*>(key)->trigger(); }
  void Type(const QString& address) const {
    cboAddress->setEditText(address);
    QTest::keyClick(cboAddress, Qt::Key_Return);
  }
  // Waits for the busy poll to end, and says how many ticks that took.
  int PollTicks() const {
    int ticks = 0;
    const auto counter = QObject::connect(timTimer, &QTimer::timeout, [&] { ++ticks; });
    [&] { QTRY_VERIFY(!timTimer->isActive()); }();
    QObject::disconnect(counter);
    return ticks;
  }
};

Browser OpenBrowser() {
  Browser browser;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == "frmBrowser" && window->isVisible()) browser.window = window;
  }
  if (browser.window) {
    browser.cboAddress = browser.window->findChild<QComboBox*>("cboAddress");
    browser.timTimer = browser.window->findChild<QTimer*>("timTimer");
    browser.page = browser.window->findChild<QTextBrowser*>();
  }
  return browser;
}

}  // namespace

class DetailsPageTextTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanupTestCase() { CloseDetailsBrowser(); }

  void detailsPressShowsTheBundledPageAndItsFigure() {
    ShowDetailsBrowser();
    const Browser browser = OpenBrowser();
    QVERIFY(browser.window);
    QVERIFY(browser.page);
    QCOMPARE(browser.windowTitle(), "Web Browser");
    // Busy until the request is carried out from the event loop, then the page's name.
    QVERIFY(browser.timTimer->isActive());
    QVERIFY(browser.PollTicks() >= 1);
    QCOMPARE(browser.windowTitle(), kDetailsTitle);
    QCOMPARE(browser.cboAddress->count(), 2);
    QCOMPARE(browser.top(), kDetails);
    QCOMPARE(browser.cboAddress->itemText(1), "tarnwick.local/details/");
    const QVariant figure = browser.page->loadResource(QTextDocument::ImageResource,
                                                       QUrl(kDetails + "trajectories.png"));
    QVERIFY(!QImage::fromData(figure.toByteArray()).isNull());
    QVERIFY(browser.page->toPlainText().contains("A picture of two exits"));
  }

  void searchBackForwardAndHomeStayOnTheSite() {
    const Browser browser = OpenBrowser();
    browser.Press("Search");
    browser.PollTicks();
    QCOMPARE(browser.windowTitle(), kTopicsTitle);
    QCOMPARE(browser.top(), kDetails + "topics.html");
    browser.Press("Back");
    browser.PollTicks();
    QCOMPARE(browser.windowTitle(), kDetailsTitle);
    QCOMPARE(browser.top(), kDetails);
    browser.Press("Forward");
    browser.PollTicks();
    QCOMPARE(browser.windowTitle(), kTopicsTitle);
    browser.Press("Home");
    browser.PollTicks();
    QCOMPARE(browser.windowTitle(), kDetailsTitle);
  }

  // A link starts no poll of the window's; the engine reports where it went.
  void linksAreFollowedWithinTheSiteAndTheWeb() {
    const Browser browser = OpenBrowser();
    emit browser.page->anchorClicked(QUrl("topics.html"));
    QTRY_COMPARE(browser.top(), kDetails + "topics.html");
    QCOMPARE(browser.windowTitle(), kTopicsTitle);
    emit browser.page->anchorClicked(QUrl("./#limits"));
    QTRY_COMPARE(browser.top(), kDetails + "#limits");
    QCOMPARE(browser.windowTitle(), kDetailsTitle);
    // A link out of the web goes nowhere, also once the event loop has run; the next link is
    // the next place reached.
    const int reached = browser.cboAddress->count();
    emit browser.page->anchorClicked(QUrl("file:///etc/hostname"));
    QCoreApplication::processEvents();
    QCOMPARE(browser.cboAddress->count(), reached);
    QCOMPARE(browser.top(), kDetails + "#limits");
    emit browser.page->anchorClicked(QUrl("#purpose"));
    QTRY_COMPARE(browser.top(), kDetails + "#purpose");
    QCOMPARE(browser.cboAddress->count(), reached + 1);
  }

  void otherAddressesGetAClearPage() {
    const Browser browser = OpenBrowser();
    browser.Type("example.invalid/page");
    browser.PollTicks();
    QCOMPARE(browser.top(), "http://example.invalid/page");
    QCOMPARE(browser.windowTitle(), "This page cannot be shown");
    QVERIFY(browser.page->toPlainText().contains("http://example.invalid/page"));
    browser.Type("tarnwick.local/details/no-such-page.html");
    browser.PollTicks();
    QCOMPARE(browser.windowTitle(), "Page not found");
    // A folder without its slash is its page.
    browser.Type("tarnwick.local/details");
    browser.PollTicks();
    QCOMPARE(browser.top(), kDetails);
    QCOMPARE(browser.windowTitle(), kDetailsTitle);
  }

  void addressesOutsideTheWebAreRefused_data() {
    QTest::addColumn<QString>("address");
    for (const char* address : {"file:///etc/hostname", "qrc:/tarnwick/site/details/index.html",
                                "data:text/html,<title>inline</title>", "javascript:alert(1)",
                                "chrome://version", "about:blank"}) {
      QTest::newRow(address) << QString(address);
    }
  }

  void addressesOutsideTheWebAreRefused() {
    QFETCH(QString, address);
    const Browser browser = OpenBrowser();
    browser.Press("Home");
    browser.PollTicks();
    browser.Type(address);
    QCOMPARE(browser.PollTicks(), 1);
    QCOMPARE(browser.windowTitle(), kDetailsTitle);
    QCOMPARE(browser.top(), kDetails);
  }
};

}  // namespace tarnwick

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tarnwick::DetailsPageTextTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "details_page_text_test.moc"
