#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <string>

#include "forecast_fetch/forecast_fetcher.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;

namespace tarnwick {

class LoadDocument;

// The planner window's Winds menu: Import Winds... (a file), Paste Winds (the clipboard's
// text) and Get Forecast... (fetched for the drop zone, with a progress note and Cancel while
// the window keeps working). Every text goes through the one detection of its format
// (winds::ImportWinds); each import replaces the load's winds with levels as ONE undoable
// edit, or changes nothing and says why in one line.
class WindsMenu : public QObject {
  Q_OBJECT

 public:
  WindsMenu(LoadDocument& document, QWidget* window);
  ~WindsMenu() override;

  // The menu, for the window's menu bar, and the progress note with its Cancel button, for
  // its status bar (hidden unless a forecast is being fetched).
  QMenu* Menu() const { return menu_; }
  QWidget* ProgressNote() const { return progress_; }
  ForecastFetcher& Fetcher() { return fetcher_; }

  void ImportFile();
  void PasteWinds();
  void GetForecast();
  void CancelForecast();
  bool Fetching() const { return fetcher_.Busy(); }

  // Imports `text` (a file's or a paste) as the edit `what`; for a bulletin of several
  // stations, asks which (askStation). Returns the one-line refusal, empty when the winds were
  // replaced or the user chose no station.
  QString ImportText(const std::string& text, const QString& what);

  // Dialogs, replaced by tests so that nothing modal ever waits.
  std::function<QString(QWidget* parent)> askWindsFileName;
  // One of `stations` (sorted), `last` chosen first when it is among them; empty: cancelled.
  std::function<QString(QWidget* parent, const QStringList& stations, const QString& last)>
      askStation;
  std::function<void(QWidget* parent, const QString& message)> showError;

  // The settings key of the last station chosen.
  static const QString kLastStationKey;

 signals:
  // A one-line note for the status bar: what was imported, from where.
  void note(const QString& message);

 private:
  void ShowFailure(const QString& what, const QString& reason);
  // The load's winds replaced by `imported` as the edit `what`, or the one-line refusal.
  QString Replace(const winds::ImportedWinds& imported, const QString& what);
  void FetchFinished(const winds::ForecastAsk& ask, const winds::WindImport& result);

  LoadDocument& document_;
  QWidget* window_;
  QMenu* menu_;
  QWidget* progress_;
  QLabel* progressText_;
  QAction* getForecast_;
  ForecastFetcher fetcher_;
};

}  // namespace tarnwick
