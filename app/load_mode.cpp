#include "app/load_mode.h"

#include <QGuiApplication>
#include <ostream>

#include "app/exit_status.h"
#include "briefing/briefing_file.h"
#include "briefing/briefing_sheet.h"
#include "load/load_file.h"
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
  request.spot = command.spot;
  request.bestOffset = command.bestOffset;
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
  return RunLoadMode(command, out, err, load::ReadLoadFile);
}

}  // namespace tarnwick
