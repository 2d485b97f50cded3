#include "app/load_briefing_command.h"

#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>

#include "app/exit_status.h"
#include "briefing/briefing_file.h"
#include "briefing/briefing_sheet.h"
#include "load/load_command.h"
#include "load/load_file.h"
#include "load/load_flight.h"
#include "load/load_plan.h"
#include "load/load_warnings.h"
#include "load_pictures/tracks_of_flight.h"

namespace tarnwick {
namespace {

constexpr const char* kBriefing = "--briefing";

int Refuse(std::ostream& err, const std::string& message) {
  err << "tarnwick: " << message << '\n';
  return exit_status::kUnusable;
}

// The value of option `name` given as "name VALUE" or "name=VALUE", taken out of `arguments`.
struct TakenOption {
  bool present = false;
  std::optional<std::string> value;
};
TakenOption TakeOption(std::vector<std::string>& arguments, const std::string& name) {
  TakenOption taken;
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& a = arguments[i];
    if (a == name) {
      taken.present = true;
      if (i + 1 < arguments.size()) taken.value = arguments[++i];
    } else if (a.rfind(name + "=", 0) == 0) {
      taken.present = true;
      taken.value = a.substr(name.size() + 1);
    } else {
      rest.push_back(a);
    }
  }
  arguments = std::move(rest);
  return taken;
}

std::optional<std::string> ValueOf(const std::vector<std::string>& arguments,
                                   const std::string& name) {
  std::vector<std::string> copy = arguments;
  return TakeOption(copy, name).value;
}

bool HasSwitch(const std::vector<std::string>& arguments, const std::string& name) {
  for (const std::string& a : arguments) {
    if (a == name) return true;
  }
  return false;
}

std::optional<std::string> FileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return std::nullopt;
  std::ostringstream text;
  text << file.rdbuf();
  if (file.bad()) return std::nullopt;
  return text.str();
}

}  // namespace

bool AsksForBriefing(const std::vector<std::string>& arguments) {
  std::vector<std::string> copy = arguments;
  return TakeOption(copy, kBriefing).present;
}

int RunLoadBriefingCommand(const std::vector<std::string>& arguments, std::ostream& out,
                           std::ostream& err) {
  std::vector<std::string> loadArguments = arguments;
  const TakenOption briefing = TakeOption(loadArguments, kBriefing);
  if (!briefing.value || briefing.value->empty()) {
    return Refuse(err, "--briefing needs a value: FILE.pdf, FILE.png or FILE.svg");
  }
  const std::optional<std::string> loadFile = ValueOf(loadArguments, "--load");
  if (!loadFile) return Refuse(err, "--briefing goes with --load");
  if (const std::string problem = BriefingFileProblem(*briefing.value); !problem.empty()) {
    return Refuse(err, "--briefing: " + problem);
  }

  // The load command checks the load and the rest of the command line and prints the table;
  // what it prints is held back until the sheet is written, so that a failure is one line.
  std::ostringstream table, notes;
  const int status = load::RunLoadCommand(loadArguments, table, notes);
  if (status != 0) {
    err << notes.str();
    return status;
  }

  const std::optional<std::string> text = FileText(*loadFile);
  if (!text) return Refuse(err, "cannot read \"" + *loadFile + "\"");
  load::ReadLoad read = load::ReadLoadText(*text);
  if (!read.load) return Refuse(err, *loadFile + ": " + read.error);
  load::LoadRequest request;
  request.recommend = HasSwitch(loadArguments, "--recommend");
  request.flight = PictureFlightOptions();
  const BriefingSheet sheet = MakeBriefingSheet(
      load::PlanLoad(*read.load, request), BriefingNameForFile(*loadFile), BriefingDateToday());
  std::string error;
  if (!WriteBriefing(*briefing.value, sheet, error)) {
    return Refuse(err, "--briefing: " + error);
  }

  out << table.str();
  err << notes.str();
  out.flush();
  if (!out) return Refuse(err, "cannot write to standard output");
  return 0;
}

}  // namespace tarnwick
