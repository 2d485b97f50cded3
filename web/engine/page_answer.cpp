#include "web/engine/page_answer.h"

#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <variant>

#include "briefing/briefing_sheet.h"
#include "load/load_edits.h"
#include "load/load_file.h"
#include "load/load_outcome.h"
#include "load/load_report.h"
#include "load/number_text.h"
#include "load/quantity_text.h"
#include "load/result_json.h"
#include "load_pictures/tracks_of_flight.h"

namespace tarnwick::web {
namespace {

using Json = nlohmann::ordered_json;

// The pictures' points every second of the run (the flight samples every 0.1 s): enough for a
// phone's screen at a tenth of the text, with each group's opening and last point always kept.
constexpr std::size_t kPointEvery = 10;

// Picture coordinates to a tenth of the display unit keep the text short; the numbers a user
// reads come from the result JSON at full precision.
double Tenth(double value) {
  return std::round(value * 10) / 10;
}

std::string CssColour(Colour colour) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string text = "#";
  for (const int part : {RedOf(colour), GreenOf(colour), BlueOf(colour)}) {
    text += kHex[(part >> 4) & 15];
    text += kHex[part & 15];
  }
  return text;
}

Json TracksJson(const LoadTracks& tracks, const load::Load& load) {
  Json groups = Json::array();
  for (const GroupTrack& track : tracks.groups) {
    Json points = Json::array();
    for (std::size_t i = 0; i < track.path.size(); ++i) {
      if (i % kPointEvery != 0 && i != track.opening && i + 1 != track.path.size()) continue;
      const TrackPoint& p = track.path[i];
      points.push_back({Tenth(p.time), Tenth(p.along), Tenth(p.across), Tenth(p.altitude)});
    }
    Json opening = nullptr;
    if (track.opening < track.path.size()) {
      const TrackPoint& p = track.path[track.opening];
      opening = {Tenth(p.along), Tenth(p.across), Tenth(p.altitude)};
    }
    groups.push_back({{"name", track.name},
                      {"colour", CssColour(track.colour)},
                      {"exitTime", track.exitTime},
                      {"opening", opening},
                      {"points", points}});
  }
  // The ground the side view stands on: the landing area's elevation, in the altitude unit.
  const double ground = load::FromFeet(load::LandingAreaElevation(load), load.units.altitude);
  return {{"exitAltitude", Tenth(tracks.exitAltitude)},
          {"groundAltitude", Tenth(ground)},
          {"firstExitAlong", Tenth(tracks.firstExitAlong)},
          {"lastExitAlong", Tenth(tracks.lastExitAlong)},
          {"targetSeparation", tracks.targetSeparation},
          {"distanceUnit", tracks.distanceUnit},
          {"altitudeUnit", tracks.altitudeUnit},
          {"jumpRunHeading", tracks.jumpRunHeading ? Json(*tracks.jumpRunHeading) : Json(nullptr)},
          {"groups", groups}};
}

Json SpotPointJson(const load::SpotPointRow& point) {
  return {{"alongTrack", point.alongTrack.text},
          {"seconds", point.seconds ? Json(point.seconds->text) : Json(nullptr)},
          {"position", point.position ? Json(*point.position) : Json(nullptr)}};
}

// The spot's texts as the desktop shows them; the numbers are the result's "spot".
Json SpotJson(const load::SpotReport& spot) {
  Json groups = Json::array();
  for (const load::SpotGroupRow& row : spot.groups) {
    groups.push_back({{"reachRadius", row.reachRadius.text}, {"margin", row.margin.text}});
  }
  const auto text = [](const std::optional<load::ShownQuantity>& q) {
    return q ? Json(q->text) : Json(nullptr);
  };
  return {{"offset", spot.offset.text},
          {"greenLightCall", spot.greenLightCall},
          {"redLightCall", spot.redLightCall},
          {"marginLine", spot.marginLine},
          {"greenLight", SpotPointJson(spot.greenLight)},
          {"redLight", SpotPointJson(spot.redLight)},
          {"rangeFrom", text(spot.rangeFrom)},
          {"rangeTo", text(spot.rangeTo)},
          {"groups", groups},
          {"leastMargin", spot.leastMargin.text},
          {"farthestOut", spot.farthestOut ? Json(*spot.farthestOut) : Json(nullptr)},
          {"farthestOutBy", text(spot.farthestOutBy)},
          {"splitBefore", spot.splitBefore ? Json(*spot.splitBefore) : Json(nullptr)}};
}

// The calls for the door and the report's texts for each group, written by the desktop's own
// rules (load/quantity_text.h), so the page never rounds a call by a rule of its own.
Json ReportJson(const load::LoadReport& report) {
  Json groups = Json::array();
  for (const load::GroupRow& row : report.groups) {
    groups.push_back({{"delay", row.delay ? Json(row.delay->text) : Json(nullptr)},
                      {"call", row.call ? Json(row.call->value) : Json(nullptr)},
                      {"callText", row.call ? Json(row.call->text) : Json(nullptr)},
                      {"callRounds", row.callRounds},
                      {"exitTime", row.exitTime.text},
                      {"fallTime", row.fallTime.text},
                      {"opening", row.opening.text},
                      {"downrange", row.downrange.text},
                      {"crossrange", row.crossrange.text}});
  }
  Json pairs = Json::array();
  for (const load::PairRow& row : report.pairs) pairs.push_back(row.separation.text);
  return {{"groups", groups},
          {"pairSeparations", pairs},
          {"leastSeparationLine", report.leastSeparationLine},
          {"jumpRun", report.jumpRun.text},
          {"windSourceLine", report.windSourceLine},
          {"spot", report.spot ? SpotJson(*report.spot) : Json(nullptr)}};
}

// The load's inputs in the briefing sheet's own words, and each group's canopy, for the page's
// printed sheet.
Json BriefingJson(const load::LoadOutcome& outcome) {
  const BriefingSheet sheet = MakeBriefingSheet(outcome, outcome.flown.name, {});
  const load::Load& load = outcome.flown;
  Json groups = Json::array();
  for (std::size_t k = 0; k < sheet.groups.size(); ++k) {
    const BriefingGroupRow& row = sheet.groups[k];
    const load::Canopy& canopy = load::CanopyOf(load, k);
    const std::string canopyText =
        load::QuantityText(load::Quantity::Speed, canopy.airspeed, load.units) + ", sink " +
        load::QuantityText(load::Quantity::Altitude, canopy.sinkRate, load.units) + "/s";
    groups.push_back({{"name", row.name},
                      {"call", row.call},
                      {"fallRate", row.fallRate},
                      {"opening", row.opening},
                      {"canopy", canopyText}});
  }
  const std::string spotInputs =
      "Jump run " + load::QuantityText(load::Quantity::Distance, load.jumpRunOffset, load.units) +
      " right of the landing area, pattern altitude " +
      load::QuantityText(load::Quantity::Altitude, load.patternAltitude, load.units) +
      " above it, reach factor " + load::NumberText(load.reachFactor);
  return {{"aircraft", sheet.aircraft},
          {"spotInputs", spotInputs},
          {"winds", sheet.winds},
          {"windSource", sheet.windSource},
          {"dropZone", sheet.dropZone},
          {"target", sheet.target},
          {"groups", groups}};
}

// A row of the edit, or none for -1; a missing or malformed row is refused.
std::optional<std::optional<std::size_t>> RowOf(const Json& edit, const char* field) {
  const auto found = edit.find(field);
  if (found == edit.end() || !found->is_number_integer()) return std::nullopt;
  const auto row = found->get<long long>();
  if (row == -1) return std::optional<std::size_t>();
  if (row < 0) return std::nullopt;
  return std::optional<std::size_t>(static_cast<std::size_t>(row));
}

load::EditOutcome Edited(const load::Load& load, const Json& edit, const std::string& name) {
  const auto row = RowOf(edit, "row");
  if (!row) return load::EditRefusal{"the edit names no row"};
  if (name == "addGroup") return load::InsertGroup(load, *row);
  if (name == "addWind") return load::InsertWindLayer(load, *row);
  if (name == "addLevel") return load::InsertWindLevel(load, *row);
  if (!*row) return load::EditRefusal{"the edit names no row"};
  if (name == "removeGroup") return load::RemoveGroup(load, **row);
  if (name == "removeWind") return load::RemoveWindLayer(load, **row);
  if (name == "removeLevel") return load::RemoveWindLevel(load, **row);
  if (name == "windAs") {
    const auto as = edit.find("as");
    if (as == edit.end() || !as->is_string()) return load::EditRefusal{"unknown edit"};
    if (*as == "headwind") return load::GiveWindAs(load, **row, load::WindGiven::AsHeadwind);
    if (*as == "direction") return load::GiveWindAs(load, **row, load::WindGiven::FromDirection);
    return load::EditRefusal{"unknown edit"};
  }
  const auto to = RowOf(edit, "to");
  if (name == "moveGroup" && to && *to) return load::MoveGroup(load, **row, **to);
  return load::EditRefusal{"unknown edit"};
}

std::optional<load::Units> UnitsOf(const Json& edit) {
  const auto text = [&](const char* field) {
    const auto found = edit.find(field);
    return found != edit.end() && found->is_string() ? found->get<std::string>() : std::string();
  };
  const auto altitude = load::LengthUnitNamed(text("altitude"));
  const auto distance = load::LengthUnitNamed(text("distance"));
  const auto speed = load::SpeedUnitNamed(text("speed"));
  if (!altitude || !distance || !speed) return std::nullopt;
  return load::Units{*altitude, *distance, *speed};
}

}  // namespace

PlanAnswer EditLoadText(std::string_view loadText, std::string_view editText) {
  const load::ReadLoad read = load::ReadLoadText(loadText);
  if (!read.load) return {{}, read.error};
  const Json edit = Json::parse(editText, nullptr, false);
  if (!edit.is_object() || !edit.contains("edit") || !edit["edit"].is_string()) {
    return {{}, "the edit is not understood"};
  }
  const std::string name = edit["edit"].get<std::string>();
  if (name == "read") return {load::WriteLoadText(*read.load), {}};
  if (name == "units") {
    const auto units = UnitsOf(edit);
    if (!units) return {{}, "unknown units"};
    return {load::WriteLoadText(load::WithUnits(*read.load, *units)), {}};
  }
  if (name == "windsGivenAs") {
    // The desktop's own switch, so that the page's layers and levels fly as the window's do.
    const auto as = edit.find("as");
    if (as == edit.end() || !as->is_string() || (*as != "layers" && *as != "levels")) {
      return {{}, "unknown edit"};
    }
    const load::EditOutcome outcome = load::GiveWindsAs(
        *read.load, *as == "levels" ? load::WindsGiven::Levels : load::WindsGiven::Layers);
    if (const auto* refusal = std::get_if<load::EditRefusal>(&outcome)) {
      return {{}, refusal->reason};
    }
    return {load::WriteLoadText(std::get<load::EditedLoad>(outcome).load), {}};
  }
  const load::EditOutcome outcome = Edited(*read.load, edit, name);
  if (const auto* refusal = std::get_if<load::EditRefusal>(&outcome)) return {{}, refusal->reason};
  return {load::WriteLoadText(std::get<load::EditedLoad>(outcome).load), {}};
}

PlanAnswer PlanLoadText(std::string_view loadText, const PlanOptions& options) {
  const load::ReadLoad read = load::ReadLoadText(loadText);
  if (!read.load) return {{}, read.error};
  load::LoadRequest request;
  request.recommend = options.recommend;
  request.bestOrder = options.bestOrder;
  request.spot = options.spot;
  if (options.forPage) request.flight = PictureFlightOptions();
  const load::LoadOutcome outcome = load::PlanLoad(*read.load, request);
  std::string result = load::ResultJsonText(outcome);
  if (!options.forPage) return {std::move(result), {}};
  const Json page = {
      {"report", ReportJson(load::MakeLoadReport(outcome))},
      {"briefing", BriefingJson(outcome)},
      {"tracks", TracksJson(TracksOfFlight(outcome.flown, outcome.flight), outcome.flown)}};
  // The result's text as the command line writes it, inside the page's object.
  while (!result.empty() && result.back() == '\n') result.pop_back();
  return {"{\"result\": " + result + ",\n\"page\": " + page.dump() + "}\n", {}};
}

}  // namespace tarnwick::web
