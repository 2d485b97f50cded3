#pragma once

#include <QList>
#include <QString>
#include <QWidget>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QTimer;
class QToolBar;

namespace tarnwick {

class WebEngine;

// The details browser window: a toolbar, an address box with the addresses reached in this
// window (most recent first) and the page area. The controls are public so that the program, and
// its tests, can reach them the way a user would.
class frmBrowser : public QWidget {
  Q_OBJECT

 public:
  // Takes ownership of the engine, which becomes the page area.
  explicit frmBrowser(WebEngine* engine, QWidget* parent = nullptr);

  // Shows the window. The first call loads it: lays it out and navigates to StartingAddress.
  // Later calls only bring it to the front; they navigate nowhere and keep the address list.
  void ShowWindow();
  bool IsLoaded() const { return loaded_; }

  // Read only when the window loads; the opener sets it before showing the window.
  QString StartingAddress;

  // Design values, in twips.
  static constexpr int kClientWidth = 8535;
  static constexpr int kClientHeight = 6195;
  static constexpr int kDesignLeft = 3060;
  static constexpr int kDesignTop = 3345;

  QToolBar* tbToolBar;
  QList<QIcon> imlToolbarIcons;
  QFrame* picAddress;
  QLabel* lblAddress;
  QComboBox* cboAddress;
  WebEngine* brwWebBrowser;
  QTimer* timTimer;

  // The handlers, one per event the window reacts to.
  void Form_Load();
  void Form_Resize();
  void brwWebBrowser_DownloadComplete();
  void brwWebBrowser_NavigateComplete2();
  void cboAddress_Click();
  void cboAddress_KeyPress(int keyAscii);
  void timTimer_Timer();
  void tbToolBar_ButtonClick(const QString& key);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildToolbar();
  void DockStrips();
  void EnableTimer();

  bool loaded_ = false;
  // Set only while the address list is being rewritten, so that selecting the new top entry
  // does not navigate to the page just reached.
  bool updatingAddressList = false;
};

}  // namespace tarnwick
