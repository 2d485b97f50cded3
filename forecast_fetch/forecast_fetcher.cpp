#include "forecast_fetch/forecast_fetcher.h"

#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <optional>
#include <string>

#include "output/input_file.h"
#include "output/printable_text.h"
#include "winds/forecast_query.h"
#include "winds/text_lines.h"
#include "winds/wind_levels.h"
#include "winds/winds_limits.h"

namespace tarnwick {
namespace {

// How much of the answer Qt holds before the fetcher has counted it.
constexpr qint64 kReadChunk = 64 * 1024;
constexpr int kMaxSameHostRedirects = 3;

std::string Quoted(const QString& text) {
  return QuotedText(text.toStdString());
}

std::string Escaped(const QString& text) {
  return PrintableText(text.toStdString());
}

bool OnThisMachine(const QString& host) {
  return host.compare(QStringLiteral("localhost"), Qt::CaseInsensitive) == 0 ||
         QHostAddress(host).isLoopback();
}

std::string SizeLimitText() {
  return ByteCountText(winds::limits::kMaxTextBytes);
}

std::string SecondsText(std::chrono::milliseconds time) {
  return winds::MessageNumber(static_cast<double>(time.count()) / 1000) + " s";
}

}  // namespace

QString ForecastBaseAddress() {
  const QString set = qEnvironmentVariable(kForecastUrlVariable);
  return set.isEmpty() ? QString::fromUtf8(winds::kForecastEndpoint.data(),
                                           static_cast<qsizetype>(winds::kForecastEndpoint.size()))
                       : set;
}

ForecastAddress ForecastAddressFor(const QString& base, const winds::ForecastAsk& ask) {
  const auto fail = [&base](const std::string& why) {
    return ForecastAddress{{},
                           QString::fromStdString("the forecast address " + Quoted(base) + " (" +
                                                  kForecastUrlVariable + ") " + why)};
  };
  QUrl url(base, QUrl::StrictMode);
  if (!url.isValid() || url.host().isEmpty()) return fail("is not an address");
  const QString scheme = url.scheme().toLower();
  if (scheme != QStringLiteral("https") &&
      !(scheme == QStringLiteral("http") && OnThisMachine(url.host()))) {
    return fail("is not an https address (http is taken only on this machine)");
  }
  if (url.hasQuery() || url.hasFragment()) {
    return fail("has a query of its own; the program appends its query");
  }
  const auto query = winds::ForecastQuery(ask.dropZone.latitude, ask.dropZone.longitude, ask.time);
  if (!query)
    return ForecastAddress{{}, QStringLiteral("the drop zone's position is not on the globe")};
  url.setQuery(QString::fromStdString(*query));
  return ForecastAddress{url, {}};
}

ForecastFetcher::ForecastFetcher(QObject* parent)
    : QObject(parent), network_(new QNetworkAccessManager(this)), base_(ForecastBaseAddress()) {
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, [this] {
    Deliver(winds::Refusal("the forecast service at " + Escaped(host_) + " did not answer within " +
                           SecondsText(timeout_)));
  });
}

ForecastFetcher::~ForecastFetcher() {
  Cancel();
}

void ForecastFetcher::Start(const winds::ForecastAsk& ask, Done done) {
  Cancel();
  ask_ = ask;
  done_ = std::move(done);
  answer_.clear();
  const ForecastAddress address = ForecastAddressFor(base_, ask);
  if (!address.error.isEmpty()) {
    // Later, as every answer comes: a caller never sees `done` run inside Start.
    QMetaObject::invokeMethod(
        this, [this, error = address.error.toStdString()] { Deliver(winds::Refusal(error)); },
        Qt::QueuedConnection);
    return;
  }
  host_ = address.url.host();
  QNetworkRequest request(address.url);
  // A redirect is followed only to the same scheme, host and port; one elsewhere is an error.
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::SameOriginRedirectPolicy);
  request.setMaximumRedirectsAllowed(kMaxSameHostRedirects);
  request.setRawHeader("Accept", "application/json");
  request.setHeader(QNetworkRequest::UserAgentHeader, QStringLiteral("Tarnwick"));
  reply_ = network_->get(request);
  reply_->setReadBufferSize(kReadChunk);
  connect(reply_, &QNetworkReply::metaDataChanged, this, &ForecastFetcher::CheckDeclaredLength);
  connect(reply_, &QIODevice::readyRead, this, &ForecastFetcher::ReadAvailable);
  connect(reply_, &QNetworkReply::finished, this, &ForecastFetcher::ReplyFinished);
  deadline_.start(timeout_);
}

void ForecastFetcher::Cancel() {
  DropReply();
  done_ = nullptr;
}

void ForecastFetcher::DropReply() {
  deadline_.stop();
  if (reply_ == nullptr) return;
  QNetworkReply* reply = reply_;
  reply_ = nullptr;
  reply->disconnect(this);
  reply->abort();
  reply->deleteLater();
}

winds::WindImport ForecastFetcher::Fetch(const winds::ForecastAsk& ask) {
  std::optional<winds::WindImport> result;
  QEventLoop loop;
  Start(ask, [&](const winds::WindImport& answer) {
    result = answer;
    loop.quit();
  });
  loop.exec();
  return result.value_or(winds::Refusal("the forecast was cancelled"));
}

void ForecastFetcher::CheckDeclaredLength() {
  const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
  if (length.isValid() && length.toLongLong() > static_cast<qint64>(winds::limits::kMaxTextBytes)) {
    Deliver(winds::Refusal("the forecast service's answer is larger than the " + SizeLimitText() +
                           " a forecast may be"));
  }
}

void ForecastFetcher::ReadAvailable() {
  answer_ += reply_->readAll();
  if (static_cast<std::size_t>(answer_.size()) > winds::limits::kMaxTextBytes) {
    Deliver(winds::Refusal("the forecast service's answer is larger than the " + SizeLimitText() +
                           " a forecast may be"));
  }
}

QString ForecastFetcher::FailureText() const {
  const int status = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  const std::string service = "the forecast service at " + Escaped(host_);
  switch (reply_->error()) {
    case QNetworkReply::InsecureRedirectError:
    case QNetworkReply::TooManyRedirectsError:
      return QString::fromStdString(service +
                                    " redirected to another address, which is not "
                                    "followed");
    default:
      break;
  }
  if (status != 0 && (status < 200 || status > 299)) {
    const QString reason =
        reply_->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString().left(80);
    return QString::fromStdString(service + " answered HTTP " + std::to_string(status) +
                                  (reason.isEmpty() ? std::string() : " " + Escaped(reason)));
  }
  if (reply_->error() != QNetworkReply::NoError) {
    return QString::fromStdString("cannot reach " + service + ": " +
                                  Escaped(reply_->errorString().left(200)));
  }
  return {};
}

void ForecastFetcher::ReplyFinished() {
  if (reply_ == nullptr) return;
  const QString failure = FailureText();
  if (!failure.isEmpty()) {
    Deliver(winds::Refusal(failure.toStdString()));
    return;
  }
  ReadAvailable();
  if (reply_ == nullptr) return;  // too large: already told
  const std::string body(answer_.constData(), static_cast<std::size_t>(answer_.size()));
  Deliver(winds::ImportForecastAnswer(body, ask_));
}

void ForecastFetcher::Deliver(winds::WindImport result) {
  DropReply();
  answer_.clear();
  Done done = std::move(done_);
  done_ = nullptr;
  if (done) done(result);
}

}  // namespace tarnwick
