#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QUrl>
#include <chrono>
#include <functional>

#include "winds/forecast_answer.h"
#include "winds/winds_limits.h"

class QNetworkAccessManager;
class QNetworkReply;

namespace tarnwick {

// How long a fetch may take in all, from the request to the last byte of the answer.
inline constexpr std::chrono::milliseconds kForecastTimeout =
    std::chrono::seconds(winds::limits::kForecastTimeoutSeconds);
// The environment variable that gives the forecast service's address; the program appends its
// query. Tests point it at a server of their own.
inline constexpr char kForecastUrlVariable[] = "TARNWICK_FORECAST_URL";

// The service's address: TARNWICK_FORECAST_URL when it is set and not empty, otherwise the
// public endpoint (winds::kForecastEndpoint).
QString ForecastBaseAddress();

// The address that asks `base` for `ask`, or the one-line reason it cannot be asked: the base
// must be an https address, or an http one on this machine (a local replay), with no query of
// its own; the drop zone must lie on the globe.
struct ForecastAddress {
  QUrl url;
  QString error;
};
ForecastAddress ForecastAddressFor(const QString& base, const winds::ForecastAsk& ask);

// Fetches a drop zone's forecast from the forecast service with Qt Network and reads the
// answer (winds::ImportForecastAnswer). Every failure is one line and no winds: no network, no
// whole answer within the timeout, an HTTP error, a redirect to another host (never followed),
// an answer larger than a forecast may be (counted while reading; the transfer is then
// aborted), or an answer that is not the levels asked for.
class ForecastFetcher : public QObject {
  Q_OBJECT

 public:
  using Done = std::function<void(const winds::WindImport&)>;

  explicit ForecastFetcher(QObject* parent = nullptr);
  ~ForecastFetcher() override;

  // kForecastTimeout unless a test needs a shorter one.
  void SetTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
  // ForecastBaseAddress() unless set.
  void SetBaseAddress(const QString& base) { base_ = base; }

  // Starts a fetch, cancelling one under way. `done` is called once, from the event loop and
  // never from within Start, unless Cancel comes first. It must not delete the fetcher.
  void Start(const winds::ForecastAsk& ask, Done done);
  // Ends the fetch under way; its `done` is not called.
  void Cancel();
  bool Busy() const { return static_cast<bool>(done_); }

  // Fetches and waits for the answer in a local event loop: for the command line. Needs the
  // process's QCoreApplication.
  winds::WindImport Fetch(const winds::ForecastAsk& ask);

 private:
  void ReadAvailable();
  void CheckDeclaredLength();
  void ReplyFinished();
  // Ends the transfer (if any) and hands `result` to the fetch's `done`.
  void Deliver(winds::WindImport result);
  void DropReply();
  QString FailureText() const;

  QNetworkAccessManager* network_ = nullptr;
  QNetworkReply* reply_ = nullptr;
  QTimer deadline_;
  QByteArray answer_;
  winds::ForecastAsk ask_;
  QString host_;  // of the address asked, for messages
  Done done_;
  QString base_;
  std::chrono::milliseconds timeout_ = kForecastTimeout;
};

}  // namespace tarnwick
