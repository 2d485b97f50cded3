// The forecast fetched from a service on this machine: a recorded answer, silence, HTTP errors,
// redirects, answers that are not forecasts and one without end, and a fetch cancelled.
#include "forecast_fetch/forecast_fetcher.h"

#include <QTest>

#include "tests/forecast_fetch/recorded_response.h"
#include "tests/forecast_fetch/replay_server.h"
#include "winds/utc_time.h"

namespace tarnwick {
namespace {

winds::ForecastAsk AskAtDropZone(const char* time = "2026-06-13T15:00Z") {
  winds::ForecastAsk ask;
  ask.dropZone = {39.57, -104.85};
  ask.time = *winds::ParseForecastTime(time).time;
  return ask;
}

}  // namespace

class ForecastFetcherTest : public QObject {
  Q_OBJECT

 private:
  // A fetch of `server` that must fail: its one line.
  QString Refusal(test::ReplayServer& server,
                  std::chrono::milliseconds timeout = kForecastTimeout) {
    ForecastFetcher fetcher;
    fetcher.SetBaseAddress(server.Address());
    fetcher.SetTimeout(timeout);
    const winds::WindImport result = fetcher.Fetch(AskAtDropZone());
    [&] {
      QVERIFY(!result.winds);
      QVERIFY(!result.error.empty());
      QCOMPARE(result.error.find('\n'), std::string::npos);
    }();
    return QString::fromStdString(result.error);
  }

 private slots:
  void theRecordedAnswerGivesItsLevelsAndSaysWhereAndWhen() {
    test::ReplayServer server;
    QVERIFY(server.Listening());
    server.Answer("200 OK", test::RecordedResponse());
    ForecastFetcher fetcher;
    fetcher.SetBaseAddress(server.Address());
    const winds::WindImport result = fetcher.Fetch(AskAtDropZone("2026-06-13T15:20Z"));
    QVERIFY2(result.winds, result.error.c_str());
    const auto& levels = result.winds->levels;
    QCOMPARE(levels.size(), 2u);  // 850 hPa below the grid's ground
    QCOMPARE(levels[0].altitude, test::kRecordedTopAltitude);
    QCOMPARE(levels[0].speed, 40.0);
    QCOMPARE(levels[0].from, 270.0);
    QCOMPARE(levels[1].altitude, test::kRecordedLowAltitude);
    QCOMPARE(levels[1].speed, 20.0);
    QCOMPARE(levels[1].from, 250.0);
    const winds::WindSource& source = result.winds->source;
    QCOMPARE(source.station, std::string("39.57, -104.85"));
    QCOMPARE(source.valid, std::string("2026-06-13T15:00Z (nearest the asked 2026-06-13T15:20Z)"));
    QVERIFY2(source.note.find("fetched for 39.57, -104.85 at 2026-06-13T15:20Z") == 0,
             source.note.c_str());

    // The query asks for the hours around the time, at the drop zone, in knots.
    QCOMPARE(server.Requests(), 1);
    const QByteArray line = server.LastRequestLine();
    QVERIFY2(line.startsWith("GET /v1/forecast?latitude=39.57&longitude=-104.85&hourly="), line);
    QVERIFY2(line.contains("&wind_speed_unit=kn&timezone=GMT&start_hour=2026-06-13T15:00&end_hour="
                           "2026-06-13T16:00 "),
             line);
  }

  void anAnswerForAnotherHourOrPlaceIsRefused() {
    test::ReplayServer server;
    server.Answer("200 OK", test::RecordedResponse("39.57", "2026-06-13T18:00"));
    const QString otherHour = Refusal(server);
    QVERIFY2(otherHour.contains(QStringLiteral("more than an hour away")), qPrintable(otherHour));
    // One degree of latitude is 111.2 km on the earth's mean sphere (6371 km x pi / 180).
    server.Answer("200 OK", test::RecordedResponse("40.57"));
    QCOMPARE(Refusal(server),
             QStringLiteral("the forecast service answered for 40.57, -104.85, 111.2 km from the "
                            "drop zone at 39.57, -104.85; a forecast for another place is not "
                            "taken"));
  }

  void silenceEndsAtTheTimeout() {
    test::ReplayServer server;
    server.StaySilent();
    QCOMPARE(Refusal(server, std::chrono::milliseconds(100)),
             QStringLiteral("the forecast service at 127.0.0.1 did not answer within 0.1 s"));
    QCOMPARE(server.Requests(), 1);
  }

  void httpErrorsAndRedirectsElsewhereAreRefused() {
    test::ReplayServer server;
    server.Answer("500 Internal Server Error", R"({"error":true,"reason":"overloaded"})");
    QCOMPARE(Refusal(server),
             QStringLiteral("the forecast service at 127.0.0.1 answered HTTP 500 Internal Server "
                            "Error"));
    // "localhost" is this machine too, but another host: never followed.
    server.Answer("302 Found", {},
                  "Location: http://localhost:" + QByteArray::number(server.Port()) + "/\r\n");
    QCOMPARE(Refusal(server),
             QStringLiteral("the forecast service at 127.0.0.1 redirected to another address, "
                            "which is not followed"));
    QCOMPARE(server.Requests(), 2);  // the redirect's target was never asked
  }

  void answersThatAreNotTheLevelsAreRefused() {
    test::ReplayServer server;
    server.Answer("200 OK", R"({"latitude":39.57,"hourly":{"time":["2026-06-13T15:00")");
    const QString cut = Refusal(server);
    QVERIFY2(cut.startsWith(QStringLiteral("the forecast response is not JSON: ")),
             qPrintable(cut));
    server.Answer("200 OK", R"({"latitude":39.57,"longitude":-104.85,"hourly_units":{},
      "hourly":{"time":["2026-06-13T15:00"],"temperature_2m":[20]}})");
    const QString noLevels = Refusal(server);
    QVERIFY2(
        noLevels.startsWith(QStringLiteral("the forecast response has no pressure levels' winds")),
        qPrintable(noLevels));
    server.Answer("200 OK", "<html><body>Service moved</body></html>");
    QCOMPARE(Refusal(server),
             QStringLiteral("the forecast service's answer is not a forecast response: it begins "
                            "\"<html><body>Service moved</body></html>\""));
  }

  void anAnswerWithoutEndIsCutOffAtTheLimit() {
    test::ReplayServer server;
    server.SendWithoutEnd();
    QCOMPARE(Refusal(server),
             QStringLiteral("the forecast service's answer is larger than the 4 MiB a forecast "
                            "may be"));
    // Declared too large: refused before the body is read.
    server.Answer("200 OK", QByteArray(5 * 1024 * 1024, ' '));
    QCOMPARE(Refusal(server),
             QStringLiteral("the forecast service's answer is larger than the 4 MiB a forecast "
                            "may be"));
  }

  void addressesOnlyOverHttpsOrOnThisMachine() {
    const winds::ForecastAsk ask = AskAtDropZone();
    const ForecastAddress remote = ForecastAddressFor(QStringLiteral("http://example.org/f"), ask);
    QCOMPARE(remote.error,
             QStringLiteral("the forecast address \"http://example.org/f\" (TARNWICK_FORECAST_URL) "
                            "is not an https address (http is taken only on this machine)"));
    QVERIFY(!ForecastAddressFor(QStringLiteral("https://example.org/f?x=1"), ask).error.isEmpty());
    QVERIFY(!ForecastAddressFor(QStringLiteral("not an address"), ask).error.isEmpty());
    const ForecastAddress fine = ForecastAddressFor(QStringLiteral("https://example.org/f"), ask);
    QVERIFY2(fine.error.isEmpty(), qPrintable(fine.error));
    QVERIFY(
        fine.url.toString().startsWith(QStringLiteral("https://example.org/f?latitude=39.57&")));
    // The environment names the service; unset, the public endpoint.
    qputenv(kForecastUrlVariable, "http://127.0.0.1:1/replay");
    QCOMPARE(ForecastBaseAddress(), QStringLiteral("http://127.0.0.1:1/replay"));
    qunsetenv(kForecastUrlVariable);
    QCOMPARE(ForecastBaseAddress(), QStringLiteral("https://api.open-meteo.com/v1/forecast"));
  }

  void aCancelledFetchNeverAnswersAndTheNextOneDoes() {
    test::ReplayServer server;
    server.StaySilent();
    ForecastFetcher fetcher;
    fetcher.SetBaseAddress(server.Address());
    int answers = 0;
    fetcher.Start(AskAtDropZone(), [&](const winds::WindImport&) { ++answers; });
    QVERIFY(fetcher.Busy());
    QTRY_COMPARE(server.Requests(), 1);
    fetcher.Cancel();
    QVERIFY(!fetcher.Busy());

    server.Answer("200 OK", test::RecordedResponse());
    std::optional<winds::WindImport> next;
    fetcher.Start(AskAtDropZone(), [&](const winds::WindImport& result) { next = result; });
    QTRY_VERIFY(next.has_value());
    QVERIFY2(next->winds, next->error.c_str());
    QCOMPARE(answers, 0);
  }
};

}  // namespace tarnwick

QTEST_GUILESS_MAIN(tarnwick::ForecastFetcherTest)
#include "forecast_fetcher_test.moc"
