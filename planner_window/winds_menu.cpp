#include "planner_window/winds_menu.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>

#include "output/input_file.h"
#include "output/printable_text.h"
#include "planner_window/load_document.h"
#include "winds/forecast_answer.h"
#include "winds/load_winds.h"
#include "winds/wind_import.h"
#include "winds/winds_limits.h"

namespace tarnwick {
namespace {

QString AskWindsFileName(QWidget* parent) {
  return QFileDialog::getOpenFileName(
      parent, QStringLiteral("Import Winds"), QString(),
      QStringLiteral("Forecasts (*.txt *.json *.csv);;All files (*)"));
}

QString AskStation(QWidget* parent, const QStringList& stations, const QString& last) {
  bool chosen = false;
  const QString station = QInputDialog::getItem(
      parent, QStringLiteral("Import Winds"),
      QStringLiteral("The bulletin holds %1 stations. Winds of:").arg(stations.size()), stations,
      std::max<qsizetype>(0, stations.indexOf(last)), false, &chosen);
  return chosen ? station : QString();
}

void ShowError(QWidget* parent, const QString& message) {
  QMessageBox::warning(parent, QStringLiteral("Tarnwick load planner"), message);
}

QSettings Store() {
  return QSettings(QStringLiteral("Tarnwick"), QStringLiteral("Tarnwick"));
}

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

// Where the levels came from, in a few words: "forecast API, 39.57, -104.85".
QString SourceSummary(const winds::WindSource& source) {
  QStringList parts{Text(source.format)};
  if (!source.station.empty()) parts << Text(source.station);
  if (!source.valid.empty()) parts << Text(source.valid);
  return Text(PrintableText(parts.join(QStringLiteral(", ")).toStdString()));
}

}  // namespace

const QString WindsMenu::kLastStationKey = QStringLiteral("winds/lastStation");

WindsMenu::WindsMenu(LoadDocument& document, QWidget* window)
    : QObject(window),
      askWindsFileName(AskWindsFileName),
      askStation(AskStation),
      showError(ShowError),
      document_(document),
      window_(window),
      menu_(new QMenu(QStringLiteral("&Winds"), window)),
      progress_(new QWidget(window)),
      progressText_(new QLabel(progress_)),
      getForecast_(nullptr),
      fetcher_(this) {
  menu_->setObjectName(QStringLiteral("windsMenu"));
  menu_->addAction(QStringLiteral("&Import Winds..."), this, [this] { ImportFile(); });
  QAction* paste = menu_->addAction(QStringLiteral("&Paste Winds"), this, [this] { PasteWinds(); });
  paste->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
  getForecast_ =
      menu_->addAction(QStringLiteral("Get &Forecast..."), this, [this] { GetForecast(); });
  getForecast_->setToolTip(
      QStringLiteral("The forecast service's winds for the drop zone's position"));

  progress_->setObjectName(QStringLiteral("forecastProgress"));
  auto* row = new QHBoxLayout(progress_);
  row->setContentsMargins(0, 0, 0, 0);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), progress_);
  cancel->setObjectName(QStringLiteral("cancelForecast"));
  connect(cancel, &QPushButton::clicked, this, &WindsMenu::CancelForecast);
  row->addWidget(progressText_);
  row->addWidget(cancel);
  progress_->hide();
}

WindsMenu::~WindsMenu() = default;

void WindsMenu::ShowFailure(const QString& what, const QString& reason) {
  showError(window_, QStringLiteral("%1: %2; the winds are unchanged").arg(what, reason));
}

QString WindsMenu::ImportText(const std::string& text, const QString& what) {
  const load::Load& load = document_.Load();
  winds::ImportOptions options;
  if (load.dropZone) options.dropZoneElevation = load.dropZone->elevation;
  const std::vector<std::string> stations = winds::BulletinStations(text);
  if (stations.size() > 1) {
    QStringList names;
    for (const std::string& station : stations) names << Text(station);
    QSettings store = Store();
    const QString chosen = askStation(window_, names, store.value(kLastStationKey).toString());
    if (chosen.isEmpty()) return {};
    store.setValue(kLastStationKey, chosen);
    options.station = chosen.toStdString();
  }
  const winds::WindImport imported = winds::ImportWinds(text, options);
  if (!imported.winds) return Text(imported.error);
  return Replace(*imported.winds, what);
}

QString WindsMenu::Replace(const winds::ImportedWinds& imported, const QString& what) {
  const winds::LoadWithLevels replaced = winds::WithWindLevels(document_.Load(), imported);
  if (!replaced.load) return Text(replaced.error);
  if (QString refused = document_.Propose(*replaced.load, what); !refused.isEmpty()) return refused;
  emit note(QStringLiteral("Winds replaced by %1 levels: %2")
                .arg(imported.levels.size())
                .arg(SourceSummary(imported.source)));
  return {};
}

void WindsMenu::ImportFile() {
  const QString path = askWindsFileName(window_);
  if (path.isEmpty()) return;
  const QString what = QStringLiteral("Import winds");
  const InputFileBytes file = ReadInputFile(path.toStdString(), winds::limits::kMaxTextBytes);
  const QString shown = Text(QuotedText(QFileInfo(path).fileName().toStdString()));
  if (!file.bytes) {
    ShowFailure(QStringLiteral("The winds were not imported"), shown + ": " + Text(file.problem));
    return;
  }
  if (const QString refused = ImportText(*file.bytes, what + QStringLiteral(" from ") + shown);
      !refused.isEmpty()) {
    ShowFailure(QStringLiteral("The winds were not imported"), shown + ": " + refused);
  }
}

void WindsMenu::PasteWinds() {
  const QString text = QApplication::clipboard()->text();
  const QByteArray bytes = text.toUtf8();
  if (const QString refused =
          ImportText(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                     QStringLiteral("Paste winds"));
      !refused.isEmpty()) {
    ShowFailure(QStringLiteral("The pasted winds were not taken"), refused);
  }
}

void WindsMenu::GetForecast() {
  const winds::ForecastAskReading reading =
      winds::ForecastAskFor(document_.Load(), std::nullopt, winds::CurrentTime());
  if (!reading.ask) {
    ShowFailure(QStringLiteral("No forecast was fetched"), Text(reading.error));
    return;
  }
  const winds::ForecastAsk ask = *reading.ask;
  progressText_->setText(
      QStringLiteral("Fetching the forecast for %1 at %2...")
          .arg(Text(winds::PositionText(ask.dropZone)), Text(winds::UtcText(ask.time))));
  progress_->show();
  getForecast_->setEnabled(false);
  fetcher_.Start(ask, [this, ask](const winds::WindImport& result) { FetchFinished(ask, result); });
}

void WindsMenu::CancelForecast() {
  fetcher_.Cancel();
  progress_->hide();
  getForecast_->setEnabled(true);
  emit note(QStringLiteral("The forecast was cancelled; the winds are unchanged"));
}

void WindsMenu::FetchFinished(const winds::ForecastAsk& ask, const winds::WindImport& result) {
  progress_->hide();
  getForecast_->setEnabled(true);
  const QString what = QStringLiteral("The forecast was not used");
  if (!result.winds) {
    ShowFailure(what, Text(result.error));
    return;
  }
  // The load may have been edited while the forecast came: its drop zone must still be the
  // place the forecast was asked for.
  const load::Load& load = document_.Load();
  const winds::ForecastAskReading now = winds::ForecastAskFor(load, std::nullopt, ask.time);
  if (!now.ask || now.ask->dropZone.latitude != ask.dropZone.latitude ||
      now.ask->dropZone.longitude != ask.dropZone.longitude) {
    ShowFailure(what, QStringLiteral("the drop zone changed while it was fetched"));
    return;
  }
  if (const QString refused = Replace(*result.winds, QStringLiteral("Get forecast"));
      !refused.isEmpty()) {
    ShowFailure(what, refused);
  }
}

}  // namespace tarnwick
