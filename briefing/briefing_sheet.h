#pragma once

#include <optional>
#include <string>
#include <vector>

#include "load/load_flight.h"
#include "load/load_model.h"
#include "load/load_outcome.h"
#include "load/load_plan.h"
#include "load_pictures/load_tracks.h"

namespace tarnwick {

// One group's line of the exit order: what the jumpmaster calls and what the group flies.
struct BriefingGroupRow {
  std::string name;
  std::string call;      // the delay before it, whole seconds ("10 s"); "Go" for the first
  std::string fallRate;  // "Slow", "Fast", "drag area 3.1 sq ft", "120 mph at 6000 ft"
  std::string opening;   // "5500 ft"
  std::string fallTime;  // "48.2 s"
};

struct BriefingPairRow {
  std::string first, second;  // group names
  std::string separation;     // "1234 ft"
  bool underTarget = false;
};

// The spot's calls for the pilot and the jumpmaster, escaped.
struct BriefingSpot {
  std::vector<std::string> calls;  // "Green light 0.35 NM (650 m) before abeam ...", the red light
  std::string positions;           // "Green light at 39.57, -104.85; red light at ..."; or empty
  std::string margin;              // "Least margin 230 ft: every group gets back", or who is short
  bool allBack = false;
};

// Everything the briefing sheet says, as text in the load's units (the outcome's LoadReport
// and the load's own inputs); the pictures from the same flight. Plain C++, so that the
// sheet's words are tested without drawing it.
struct BriefingSheet {
  std::string title;  // the load's name
  std::string date;
  std::string aircraft;            // airspeed, exit altitude, jump run
  std::vector<std::string> winds;  // one line per layer or level, from the top down
  std::string windSource;          // "Winds: winds aloft bulletin DEN, ...", escaped; or empty
  std::string dropZone;            // "Drop zone: ...", escaped; or empty
  std::string target;              // target separation and minimum delay
  std::vector<BriefingGroupRow> groups;
  std::vector<BriefingPairRow> pairs;
  // "Least separation: 475 ft (target 1000 ft)", or "... none (one group)" without pairs.
  std::string leastSeparation;
  std::vector<std::string> warnings;
  std::string jumpRun;               // the time from the first exit to the last
  std::optional<BriefingSpot> spot;  // when the outcome has one
  LoadTracks tracks;
};

// The sheet of the outcome's load as flown (its flight recorded with PictureFlightOptions()).
// `name` stands in when the load has none, such as the file's name; `date` is printed as given.
BriefingSheet MakeBriefingSheet(const load::LoadOutcome& outcome, const std::string& name,
                                const std::string& date);

}  // namespace tarnwick
