#include "app/load_mode.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <cerrno>
#include <cstring>
#include <ostream>

#include "app/exit_status.h"
#include "briefing/briefing_file.h"
#include "briefing/briefing_sheet.h"
#include "load/load_outcome.h"
#include "load/load_table.h"
#include "load/result_json.h"
#include "load_pictures/tracks_of_flight.h"
#include "output/printable_text.h"

namespace tarnwick {
namespace {

int Refuse(std::ostream& err, const std::string& message) {
  err << "tarnwick: " << message << '\n';
  return exit_status::kUnusable;
}

// TEMPORARY: stands in for load::ReadLoadFile (load/load_file.h), which a change made beside
// this one adds. When that lands, this function goes and RunLoadMode below passes
// load::ReadLoadFile. Like it, it reads only a regular file, never blocks on a FIFO or a
// device, stops at a size limit counted while reading, and names the file in its one line.
load::ReadLoad ReadLoadFileForNow(const std::string& path) {
  constexpr std::size_t kLimit = 4 * 1024 * 1024;
  const auto refuse = [&path](const std::string& why) {
    return load::ReadLoad{std::nullopt, QuotedText(path) + ": " + why};
  };
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return refuse(std::strerror(errno));
  struct stat status {};
  std::string text;
  std::string problem;
  if (::fstat(fd, &status) != 0) {
    problem = std::strerror(errno);
  } else if (S_ISDIR(status.st_mode)) {
    problem = "is a folder, not a load file";
  } else if (!S_ISREG(status.st_mode)) {
    problem = "is not a regular file";
  } else {
    char block[65536];
    while (problem.empty() && text.size() <= kLimit) {
      const ssize_t got = ::read(fd, block, sizeof block);
      if (got == 0) break;
      if (got < 0 && errno != EINTR) problem = std::strerror(errno);
      if (got > 0) text.append(block, static_cast<std::size_t>(got));
    }
    if (problem.empty() && text.size() > kLimit) problem = "is larger than 4 MiB";
  }
  ::close(fd);
  if (!problem.empty()) return refuse(problem);
  load::ReadLoad read = load::ReadLoadText(text);
  if (!read.load) read.error = QuotedText(path) + ": " + read.error;
  return read;
}

}  // namespace

int RunLoadMode(const LoadCommand& command, std::ostream& out, std::ostream& err,
                const LoadFileReader& readFile) {
  const bool briefing = !command.briefingFile.empty();
  // Refused before the work, not after a plan that may take a while.
  if (briefing) {
    if (const std::string problem = BriefingFileProblem(command.briefingFile); !problem.empty()) {
      return Refuse(err, "--briefing: " + problem);
    }
    if (qGuiApp == nullptr) {
      return Refuse(err, "--briefing: drawing needs the graphical application");
    }
  }

  const load::ReadLoad read = readFile(command.file);
  if (!read.load) return Refuse(err, read.error);

  // One plan for everything printed and drawn: with a sheet, the flight also records the
  // tracks its pictures show.
  load::LoadRequest request;
  request.recommend = command.recommend;
  request.bestOrder = command.bestOrder;
  if (briefing) request.flight = PictureFlightOptions();
  const load::LoadOutcome outcome = load::PlanLoad(*read.load, request);

  if (briefing) {
    const BriefingSheet sheet =
        MakeBriefingSheet(outcome, BriefingNameForFile(command.file), BriefingDateToday());
    std::string error;
    if (!WriteBriefing(command.briefingFile, sheet, error)) {
      return Refuse(err, "--briefing: " + error);
    }
  }
  // Only now, so that a failure above is the one line and nothing else.
  out << (command.json ? load::ResultJsonText(outcome) : load::LoadTableText(outcome));
  return exit_status::kSuccess;
}

int RunLoadMode(const LoadCommand& command, std::ostream& out, std::ostream& err) {
  return RunLoadMode(command, out, err, ReadLoadFileForNow);
}

}  // namespace tarnwick
