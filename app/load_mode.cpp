#include "app/load_mode.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <ostream>

#include "app/exit_status.h"
#include "briefing/briefing_file.h"
#include "briefing/briefing_sheet.h"
#include "forecast_fetch/forecast_fetcher.h"
#include "load/load_file.h"
#include "load/load_outcome.h"
#include "load/load_table.h"
#include "load/result_json.h"
#include "load_pictures/tracks_of_flight.h"
#include "output/input_file.h"
#include "output/output_file.h"
#include "output/printable_text.h"
#include "winds/forecast_answer.h"
#include "winds/load_winds.h"
#include "winds/wind_import.h"
#include "winds/winds_limits.h"

namespace tarnwick {
namespace {

int Refuse(std::ostream& err, const std::string& message) {
  err << "tarnwick: " << message << '\n';
  return exit_status::kUnusable;
}

// The load with its winds replaced by the levels of the forecast file --winds names, or the
// one line why not.
winds::LoadWithLevels WithForecastFile(const load::Load& load, const LoadCommand& command) {
  const std::string named = "--winds " + QuotedText(command.windsFile) + ": ";
  const InputFileBytes file = ReadInputFile(command.windsFile, winds::limits::kMaxTextBytes);
  if (!file.bytes) return {std::nullopt, named + file.problem};
  winds::ImportOptions options;
  if (!command.station.empty()) options.station = command.station;
  if (!command.forecastTime.empty()) options.forecastTime = command.forecastTime;
  if (load.dropZone) options.dropZoneElevation = load.dropZone->elevation;
  const winds::WindImport imported = winds::ImportWinds(*file.bytes, options);
  if (!imported.winds) return {std::nullopt, named + imported.error};
  winds::LoadWithLevels replaced = winds::WithWindLevels(load, *imported.winds);
  if (!replaced.load)
    replaced.error = named + "the load cannot fly these levels: " + replaced.error;
  return replaced;
}

// The load's winds replaced by the forecast fetched for its drop zone; the one-line reason
// when they cannot be, the load then as it was.
std::string ReplaceWithForecast(const LoadCommand& command, load::Load& load) {
  if (QCoreApplication::instance() == nullptr) return "fetching needs the Qt application";
  const winds::ForecastAskReading reading = winds::ForecastAskFor(
      load,
      command.forecastTime.empty() ? std::nullopt
                                   : std::optional<std::string>(command.forecastTime),
      winds::CurrentTime());
  if (!reading.ask) return reading.error;
  ForecastFetcher fetcher;
  const winds::WindImport fetched = fetcher.Fetch(*reading.ask);
  const auto unchanged = [](const std::string& why) {
    return why + "; the load's winds are unchanged and nothing was planned";
  };
  if (!fetched.winds) return unchanged(fetched.error);
  winds::LoadWithLevels replaced = winds::WithWindLevels(load, *fetched.winds);
  if (!replaced.load) return unchanged(replaced.error);
  load = std::move(*replaced.load);
  return {};
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

  load::ReadLoad read = readFile(command.file);
  if (!read.load) return Refuse(err, read.error);
  load::Load load = *read.load;
  if (!command.windsFile.empty()) {
    winds::LoadWithLevels replaced = WithForecastFile(load, command);
    if (!replaced.load) return Refuse(err, replaced.error);
    load = std::move(*replaced.load);
  }
  if (command.forecast) {
    std::string problem = ReplaceWithForecast(command, load);
    if (!problem.empty()) return Refuse(err, "--forecast: " + problem);
  }

  // One plan for everything printed and drawn: with a sheet, the flight also records the
  // tracks its pictures show.
  load::LoadRequest request;
  request.recommend = command.recommend;
  request.bestOrder = command.bestOrder;
  request.spot = command.spot;
  request.bestOffset = command.bestOffset;
  if (briefing) request.flight = PictureFlightOptions();
  const load::LoadOutcome outcome = load::PlanLoad(load, request);

  if (briefing) {
    const BriefingSheet sheet =
        MakeBriefingSheet(outcome, BriefingNameForFile(command.file), BriefingDateToday());
    std::string error;
    if (!WriteBriefing(command.briefingFile, sheet, error)) {
      return Refuse(err, "--briefing: " + error);
    }
  }
  if (!command.saveLoadFile.empty()) {
    std::string error;
    if (!WriteWholeFile(command.saveLoadFile, load::WriteLoadText(outcome.flown), error)) {
      return Refuse(err, "--save-load: " + error);
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
