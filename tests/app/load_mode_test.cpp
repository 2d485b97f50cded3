// The one load mode as the command line runs it: the file read once, the load planned once for
// the table and the sheet alike, the sheet written before anything is printed, and every
// failure one line on standard error, nothing on standard output and status 2.
#include "app/load_mode.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"
#include "forecast_fetch/forecast_fetcher.h"
#include "load/load_file.h"
#include "load/load_outcome.h"
#include "load/result_json.h"
#include "output/descriptor_stream.h"
#include "tests/file_size_limit.h"
#include "tests/forecast_fetch/recorded_response.h"
#include "tests/forecast_fetch/replay_server.h"

namespace tarnwick {
namespace {

// Three groups at the delays the file gives, which --recommend changes.
const std::string kLoadText = R"({ "format": "tarnwick-load", "version": 1, "name": "Test load",
  "aircraft": { "indicatedAirspeed": 80, "exitAltitude": 13500 },
  "winds": [ { "headwind": 10 } ],
  "targetSeparation": 1000, "minimumDelay": 5,
  "groups": [ { "name": "Alpha Belly", "fallRate": "slow" },
              { "name": "Bravo Freefly", "fallRate": "fast", "delay": 7 },
              { "name": "Charlie Tandem", "fallRate": "slow", "delay": 12 } ] })";

struct Output {
  int status = -1;
  std::string out, err;
};

LoadCommand CommandOf(const std::vector<std::string>& args) {
  const ParsedCommandLine parsed = ParseCommandLine(args);
  EXPECT_TRUE(parsed.commandLine) << parsed.error;
  if (!parsed.commandLine) return {};
  EXPECT_EQ(parsed.commandLine->mode, Mode::Load);
  return parsed.commandLine->load;
}

// Runs the mode with the program's own reader.
Output RunLoad(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  Output result;
  result.status = RunLoadMode(CommandOf(args), out, err);
  result.out = out.str();
  result.err = err.str();
  return result;
}

// Runs the mode with `reader`.
Output RunReading(const std::vector<std::string>& args, const LoadFileReader& reader) {
  std::ostringstream out, err;
  Output result;
  result.status = RunLoadMode(CommandOf(args), out, err, reader);
  result.out = out.str();
  result.err = err.str();
  return result;
}

// Runs the mode with a reader that hands out kLoadText and counts how often it is asked.
Output RunCounting(const std::vector<std::string>& args, int& reads) {
  return RunReading(args, [&reads](const std::string&) {
    ++reads;
    return load::ReadLoadText(kLoadText);
  });
}

std::string Contents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void Write(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// One line that begins with the program's name, with no byte that could steer the terminal.
void ExpectOneRefusal(const Output& r, const std::string& what) {
  EXPECT_EQ(r.status, 2) << what;
  EXPECT_EQ(r.out, "") << what;
  EXPECT_EQ(r.err.rfind("tarnwick: ", 0), 0u) << what << ": " << r.err;
  EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << what << ": " << r.err;
  EXPECT_EQ(r.err.find_first_of("\r\x1b\x07"), std::string::npos) << what << ": " << r.err;
}

TEST(LoadMode, ReadsTheFileOnceAndPlansOnceForTheTableAndTheSheet) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string sheet = dir.filePath("sheet.svg").toStdString();
  int reads = 0;
  const Output plain = RunCounting({"--load", "sat.json", "--recommend", "--best-order"}, reads);
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find("Recommended delays"), std::string::npos) << plain.out;

  reads = 0;
  const Output withSheet = RunCounting(
      {"--load", "sat.json", "--recommend", "--best-order", "--briefing", sheet}, reads);
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(withSheet.status, 0) << withSheet.err;
  EXPECT_EQ(withSheet.err, "");
  // The pictures' tracks change nothing of what is printed.
  EXPECT_EQ(withSheet.out, plain.out);
  const std::string svg = Contents(sheet);
  EXPECT_NE(svg.find("<svg"), std::string::npos);

  reads = 0;
  const Output json = RunCounting({"--load", "sat.json", "--json"}, reads);
  EXPECT_EQ(reads, 1);
  EXPECT_EQ(json.out.rfind("{", 0), 0u) << json.out;
}

TEST(LoadMode, TheSpotIsPrintedAsTheCorePlansIt) {
  int reads = 0;
  const Output json = RunCounting({"--load", "sat.json", "--spot", "--json"}, reads);
  EXPECT_EQ(json.status, 0) << json.err;
  load::LoadRequest request;
  request.spot = true;
  EXPECT_EQ(json.out,
            load::ResultJsonText(load::PlanLoad(*load::ReadLoadText(kLoadText).load, request)));
  EXPECT_NE(json.out.find("\"greenLightRange\""), std::string::npos) << json.out;
  const Output table = RunCounting({"--load", "sat.json", "--best-offset"}, reads);
  EXPECT_EQ(table.status, 0) << table.err;
  EXPECT_NE(table.out.find("the best offset"), std::string::npos) << table.out;
  EXPECT_NE(table.out.find("green light: "), std::string::npos) << table.out;
  // Without --spot the result keeps its shape.
  EXPECT_EQ(RunCounting({"--load", "sat.json", "--json"}, reads).out.find("\"spot\""),
            std::string::npos);
}

TEST(LoadMode, ASheetThatCannotBeWrittenIsRefusedBeforeTheFileIsRead) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  // A name is echoed on its one line, its control characters escaped.
  for (const std::string& sheet :
       {dir.filePath("sheet.txt").toStdString(), dir.filePath("a\nb\x1b]0;x\x07.txt").toStdString(),
        dir.filePath("no/such/folder/sheet.pdf").toStdString(), dir.path().toStdString()}) {
    int reads = 0;
    const Output r = RunCounting({"--load", "sat.json", "--briefing", sheet}, reads);
    ExpectOneRefusal(r, sheet);
    EXPECT_EQ(reads, 0) << sheet;
  }
}

TEST(LoadMode, EveryFailureIsOneLineAndNothingPrinted) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const auto path = [&dir](const char* name) { return dir.filePath(name).toStdString(); };
  Write(path("broken.json"), R"({ "format": "tarnwick-load", "version": 1, "groups": [)");
  Write(path("empty.json"), "");
  Write(path("no-groups.json"), R"({ "format": "tarnwick-load", "version": 1, "groups": [] })");
  ASSERT_EQ(mkfifo(path("fifo.json").c_str(), 0600), 0);
  const std::string sheet = path("sheet.pdf");
  Write(sheet, "an earlier sheet");

  const std::vector<std::vector<std::string>> cases = {
      {"--load", path("missing.json")},
      {"--load", dir.path().toStdString()},
      {"--load", path("broken.json"), "--recommend"},
      {"--load", path("empty.json"), "--json"},
      {"--load", path("no-groups.json"), "--briefing", sheet},
      // Neither read without end nor waited on: a device and a FIFO no one writes to.
      {"--load", "/dev/zero", "--briefing", sheet},
      {"--load", path("fifo.json"), "--briefing", sheet},
      {"--load", path("fifo.json")},
      // A name is echoed on its one line, its control characters escaped.
      {"--load", path("a\nb\x1b[2J.json")},
  };
  for (const auto& args : cases) {
    ExpectOneRefusal(RunLoad(args), args[1]);
  }
  EXPECT_EQ(Contents(sheet), "an earlier sheet");
  EXPECT_TRUE(RunLoad({"--load", path("missing.json")}).err.find("missing.json") !=
              std::string::npos);
}

// A sheet whose write fails halfway (here under a file-size limit, as on a full disk) prints
// nothing: the table comes only once the sheet is there, and the earlier sheet stays.
TEST(LoadMode, TheTableIsPrintedOnlyOnceTheSheetIsWritten) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string sheet = dir.filePath("sheet.pdf").toStdString();
  Write(sheet, "an earlier sheet");
  int reads = 0;
  Output r;
  {
    const test::FileSizeLimit limit(1024);
    ASSERT_TRUE(limit.Active());
    r = RunCounting({"--load", "sat.json", "--briefing", sheet}, reads);
  }
  ExpectOneRefusal(r, "a sheet under a file-size limit");
  EXPECT_NE(r.err.find("sheet.pdf"), std::string::npos) << r.err;
  EXPECT_EQ(Contents(sheet), "an earlier sheet");
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).size(), 1);
}

// Through the command line's own way in: the results that cannot reach standard output are a
// failure, as in every other mode.
TEST(LoadMode, ResultsThatCannotBeWrittenAreAFailure) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string file = dir.filePath("load.json").toStdString();
  Write(file, kLoadText);
  const int full = open("/dev/full", O_WRONLY | O_CLOEXEC);
  ASSERT_GE(full, 0);
  {
    DescriptorStreamBuffer buffer(full);
    std::ostream out(&buffer);
    std::ostringstream err;
    const ParsedCommandLine parsed = ParseCommandLine({"--load", file});
    ASSERT_TRUE(parsed.commandLine) << parsed.error;
    EXPECT_EQ(RunHeadlessMode(*parsed.commandLine, out, err), 2);
    EXPECT_EQ(err.str(), "tarnwick: cannot write to standard output: No space left on device\n");
  }
  close(full);
}

// --forecast: the test load at a drop zone (or none), its winds fetched from a service on this
// machine; a fetch that fails is one line and nothing planned.
TEST(LoadMode, TheForecastReplacesTheWindsOrNothingIsPlanned) {
  test::ReplayServer server;
  ASSERT_TRUE(server.Listening());
  qputenv(kForecastUrlVariable, server.Address().toUtf8());
  const auto run = [](bool atDropZone, const std::vector<std::string>& args) {
    return RunReading(args, [atDropZone](const std::string&) {
      load::ReadLoad read = load::ReadLoadText(kLoadText);
      read.load->jumpRunHeading = 90;  // the levels give directions
      if (atDropZone) read.load->dropZone = load::DropZone{"Test", 39.57, -104.85, 1500};
      return read;
    });
  };
  const std::vector<std::string> args = {"--load", "f.json", "--forecast", "--forecast-time",
                                         "2026-06-13T15:00Z"};

  const Output nowhere = run(false, args);
  ExpectOneRefusal(nowhere, "no drop zone");
  EXPECT_NE(nowhere.err.find("--forecast: the load gives no drop zone position"), std::string::npos)
      << nowhere.err;
  EXPECT_EQ(server.Requests(), 0);

  server.Answer("500 Internal Server Error", "{}");
  const Output failed = run(true, args);
  ExpectOneRefusal(failed, "HTTP 500");
  EXPECT_EQ(failed.err,
            "tarnwick: --forecast: the forecast service at 127.0.0.1 answered HTTP 500 Internal "
            "Server Error; the load's winds are unchanged and nothing was planned\n");

  server.Answer("200 OK", test::RecordedResponse());
  const Output planned = run(true, args);
  EXPECT_EQ(planned.status, 0) << planned.err;
  EXPECT_EQ(planned.err, "");
  EXPECT_NE(planned.out.find("Charlie Tandem"), std::string::npos);
  EXPECT_EQ(server.Requests(), 2);
  qunsetenv(kForecastUrlVariable);
}

}  // namespace
}  // namespace tarnwick

namespace tarnwick {
namespace {

// A bulletin as its published description lays it out: DEN's low levels blank (too close to
// its ground), 9900 light and variable, 7325 a direction code above 50 (230 degrees, 125 kt).
const std::string kBulletin = R"(DATA BASED ON 131200Z
VALID 131800Z   FOR USE 1400-2100Z. TEMPS NEG ABV 24000

FT  3000    6000    9000   12000   18000
ABI 2415 2418+15 2422+09 2327+03 2541-09
DEN              9900+10 2729+02 7325-12
)";

TEST(LoadMode, WindsFromAForecastReplaceTheLayersAndAreSavedWithTheLoad) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const auto path = [&dir](const char* name) { return dir.filePath(name).toStdString(); };
  std::string text = kLoadText;
  text.replace(text.find(R"("winds")"), 0, R"("jumpRunHeading": 270, )");
  Write(path("load.json"), text);
  Write(path("fb.txt"), kBulletin);

  const Output run = RunLoad({"--load", path("load.json"), "--winds", path("fb.txt"), "--station",
                              "den", "--save-load", path("saved.json")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("Winds: winds aloft bulletin DEN, DATA BASED ON 131200Z"),
            std::string::npos)
      << run.out;
  const load::ReadLoad saved = load::ReadLoadFile(path("saved.json"));
  ASSERT_TRUE(saved.load) << saved.error;
  EXPECT_TRUE(saved.load->winds.empty());
  ASSERT_EQ(saved.load->windLevels.size(), 3u);  // 18000, 12000, 9000 ft
  const auto& top = std::get<load::DirectedWind>(saved.load->windLevels[0].wind);
  EXPECT_EQ(saved.load->windLevels[0].altitude, 18000);
  EXPECT_EQ(top.speed, 125);
  EXPECT_EQ(top.from, 230);
  EXPECT_EQ(std::get<load::DirectedWind>(saved.load->windLevels[2].wind).speed, 0);

  // Refusals: one line, status 2, and no load written.
  const std::vector<std::vector<std::string>> refused = {
      {"--load", path("load.json"), "--winds", path("fb.txt")},  // two stations, none chosen
      {"--load", path("load.json"), "--winds", path("missing.txt")},
      {"--load", path("load.json"), "--winds", path("load.json"), "--save-load", path("x.json")},
      {"--load", path("load.json"), "--winds", path("fb.txt"), "--station", "DEN", "--save-load",
       dir.path().toStdString()},
  };
  for (const auto& args : refused) ExpectOneRefusal(RunLoad(args), args.back());
  EXPECT_FALSE(QFile::exists(dir.filePath("x.json")));
  // Without a jump run heading the levels' directions cannot be flown.
  Write(path("no-heading.json"), kLoadText);
  const Output noHeading =
      RunLoad({"--load", path("no-heading.json"), "--winds", path("fb.txt"), "--station", "DEN"});
  ExpectOneRefusal(noHeading, "no heading");
  EXPECT_NE(noHeading.err.find("needs jumpRunHeading"), std::string::npos) << noHeading.err;
}

}  // namespace
}  // namespace tarnwick
