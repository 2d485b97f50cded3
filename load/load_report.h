#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "load/load_outcome.h"
#include "load/quantity_text.h"

namespace tarnwick::load {

// A column of the report's tables: its title and the unit of its numbers, each given once
// here for every view (empty for a column of names).
struct ReportColumn {
  std::string title;
  std::string unit;
};

// One group as flown, in exit order.
struct GroupRow {
  std::string name;                    // as given; each view makes it safe and short for its medium
  std::optional<ShownQuantity> delay;  // none for the first group
  std::optional<ShownQuantity> call;   // the whole seconds called before it; none for the first
  bool callRounds = false;             // the call is longer than the delay flown
  ShownQuantity exitTime, fallTime, opening, downrange, crossrange;
  bool opened = false;  // it passed below its opening altitude
};

// One pair, first and second in exit order.
struct PairRow {
  int first = 0, second = 0;
  std::string firstName, secondName;
  ShownQuantity whenFirstOpens, betweenOpenings, whenSecondOpens;
  ShownQuantity separation;  // the least of the three
  bool meetsTarget = false;
};

// One gap of a recommendation: the delay before `group`.
struct GapRow {
  std::string group;
  bool reachable = true;
  std::optional<ShownQuantity> delay;  // on the 0.1 s grid; none when the gap cannot be met
  std::optional<ShownQuantity> call;
  std::optional<std::string> decidedBy;  // the earlier group it keeps from; none: minimum delay
  std::optional<std::string> inTheWay;   // unmet: the group closest at the longest delay
};

struct PlanReport {
  std::vector<GapRow> gaps;              // one per group after the first
  std::optional<ShownQuantity> jumpRun;  // the sum of the calls; none when a gap is unmet
};

// One place of the best order.
struct OrderRow {
  std::string name;
  std::optional<ShownQuantity> call;  // none for the first out
};

struct BestOrderReport {
  bool found = false;
  bool heuristic = false;       // too many groups to try every order
  bool everyGroupBack = false;  // the spot was asked: the order must bring every group back
  std::vector<OrderRow> order;
  std::optional<ShownQuantity> leastMargin;   // then, at the order's recommended green light
  std::optional<ShownQuantity> jumpRun;       // when found
  std::optional<ShownQuantity> givenJumpRun;  // the given order's; none when a gap is unmet
};

// One wind level in the load's units.
struct LevelRow {
  ShownQuantity altitude;                    // msl
  std::optional<ShownQuantity> speed, from;  // a level given with a direction
  std::optional<ShownQuantity> headwind;     // a level given as a headwind, negative: tailwind
};

// A light of the spot: where on the jump run, from the point abeam the landing area.
struct SpotPointRow {
  ShownQuantity alongTrack;              // negative before abeam
  std::optional<ShownQuantity> seconds;  // at the aircraft's ground speed
  std::optional<std::string> position;   // "39.570000, -104.850000" with the drop zone's
};

struct SpotGroupRow {
  std::string name;
  ShownQuantity reachRadius;
  ShownQuantity margin;  // at the green light; negative: it cannot get back
};

struct SpotReport {
  ShownQuantity offset;  // right of the landing area
  bool offsetSearched = false;
  SpotPointRow greenLight, redLight;
  // The calls for the pilot and the jumpmaster (LightCall): "Green light 0.35 NM (650 m) before
  // abeam the landing area, 13 s at 95 kt over the ground", and the red light's.
  std::string greenLightCall, redLightCall;
  // "Least margin 230 ft: every group gets back", or which group falls short and what to do.
  std::string marginLine;
  std::optional<ShownQuantity> rangeFrom, rangeTo;  // none: no green light brings all back
  std::vector<SpotGroupRow> groups;
  ShownQuantity leastMargin;
  bool allBack = false;
  std::optional<std::string> farthestOut;      // the group farthest out of reach
  std::optional<ShownQuantity> farthestOutBy;  // how far it falls short
  std::optional<std::string> splitBefore;      // the first group of the second pass
};

// What every view of a load's outcome shows (the text table, the window, the briefing sheet),
// in the load's display units with each number written once by its quantity's rule.
struct LoadReport {
  std::string name;  // the load's, possibly empty
  Units units;
  // Group, Delay, Exit, Fall, Opens, Downrange, Crossrange.
  std::array<ReportColumn, 7> groupColumns;
  // First out, Second out, When first opens, Between openings, When second opens, Separation.
  std::array<ReportColumn, 6> pairColumns;
  std::vector<GroupRow> groups;
  std::vector<PairRow> pairs;
  std::optional<ShownQuantity> leastSeparation;  // none with fewer than two groups
  ShownQuantity target;
  // "Least separation: 475 ft (target 1000 ft)", or "Least separation: none (one group)".
  std::string leastSeparationLine;
  ShownQuantity jumpRun;       // the sum of the calls as flown, from the first exit to the last
  ShownQuantity longestDelay;  // what an unmet gap was tried up to
  std::optional<PlanReport> recommendation;
  std::optional<BestOrderReport> bestOrder;  // names in the given load's order
  std::optional<SpotReport> spot;
  std::vector<std::string> warnings;
  std::vector<LevelRow> windLevels;  // from the top down; empty when the winds are layers
  // The lines below hold the file's and the forecast's text as given: each view escapes them.
  // "Winds: winds aloft bulletin DEN, DATA BASED ON 131200Z, VALID ..."; empty without a source.
  std::string windSourceLine;
  // "Jump run 270° true (259° magnetic)", magnetic once a variation is given; empty without one.
  std::string jumpRunLine;
  // "Drop zone: Meadow, 39.57, -104.85, elevation 5500 ft"; empty without one.
  std::string dropZoneLine;
};

// The report's line of a wind source, as above.
std::string WindSourceLine(const WindSource& source);

LoadReport MakeLoadReport(const LoadOutcome& outcome);

}  // namespace tarnwick::load
