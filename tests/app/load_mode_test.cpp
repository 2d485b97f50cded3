// The one load mode as the command line runs it: the file read once, the load planned once for
// the table and the sheet alike, the sheet written before anything is printed, and every
// failure one line on standard error, nothing on standard output and status 2.
#include "app/load_mode.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/headless.h"
#include "load/load_file.h"
#include "load/load_outcome.h"
#include "load/result_json.h"
#include "output/descriptor_stream.h"
#include "tests/file_size_limit.h"

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

// Runs the mode with a reader that hands out kLoadText and counts how often it is asked.
Output RunCounting(const std::vector<std::string>& args, int& reads) {
  const LoadFileReader reader = [&reads](const std::string&) {
    ++reads;
    return load::ReadLoadText(kLoadText);
  };
  std::ostringstream out, err;
  Output result;
  result.status = RunLoadMode(CommandOf(args), out, err, reader);
  result.out = out.str();
  result.err = err.str();
  return result;
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

}  // namespace
}  // namespace tarnwick
