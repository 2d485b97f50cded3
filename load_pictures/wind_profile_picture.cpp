#include "load_pictures/wind_profile_picture.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <string>

#include "load/wind_profile.h"
#include "load_pictures/group_colours.h"
#include "load_pictures/view_frame.h"

namespace tarnwick {
namespace {

constexpr double kTickPx = 4;
constexpr double kGapPx = 3;
constexpr double kPanelGapPx = 14;  // between the speed and the direction
constexpr double kDotRadiusPx = 2.5;
constexpr double kSamplePx = 3;          // levels: the interpolated profile every few pixels
constexpr double kLeastSpeedKnots = 10;  // the speed axis reaches this far even in calm air
constexpr double kFullCircle = 360;

// The wind's speed in the load's speed unit.
double SpeedShown(const load::TrackWind& wind, const load::Units& units) {
  return load::FromKnots(std::hypot(wind.headwind, wind.cross) / load::KnotsToFeetPerSecond(1),
                         units.speed);
}

// The direction the wind blows from, degrees true (headwind = s cos(from - heading), cross =
// -s sin(from - heading)); none in calm air or without a heading.
std::optional<double> DirectionFrom(const load::TrackWind& wind, std::optional<double> heading) {
  if (!heading || (wind.headwind == 0 && wind.cross == 0)) return std::nullopt;
  return load::NormalizedHeading(*heading +
                                 std::atan2(-wind.cross, wind.headwind) * 180 / std::numbers::pi);
}

// The user scale of one panel: x from `left` to `right` over the panel's pixels, altitude up.
DataRect Panel(Canvas& canvas, double left, double right, double bottom, double top,
               const Margins& margins) {
  return FitScale(canvas, {left, right, bottom, top}, margins, false);
}

// A panel's frame (its left and lower edges), the faint altitude lines across it and the ticks
// under it; the altitudes are written beside the first panel only.
void DrawFrame(Canvas& canvas, const DataRect& shown, const std::vector<double>& xTicks,
               int labelEvery, const std::vector<double>& altitudes, bool altitudeLabels) {
  const auto& m = canvas.Metrics();
  const auto l = static_cast<float>(shown.left), r = static_cast<float>(shown.right);
  const auto b = static_cast<float>(shown.bottom), t = static_cast<float>(shown.top);
  for (const double y : altitudes) {
    const auto fy = static_cast<float>(y);
    if (y > shown.bottom) canvas.Line(l, fy, r, fy, kGridGrey);
    if (!altitudeLabels) continue;
    canvas.Line(l + static_cast<float>(UnitsX(canvas, -kTickPx)), fy, l, fy);
    const std::string text = WholeNumberText(y);
    PrintAt(canvas, l, y, -kTickPx - kGapPx - m.TextWidthPx(text), -m.LineHeightPx() / 2, text);
  }
  canvas.Line(l, b, r, b);
  canvas.Line(l, b, l, t);
  const auto tick = static_cast<float>(UnitsY(canvas, kTickPx));
  for (std::size_t k = 0; k < xTicks.size(); ++k) {
    const auto x = static_cast<float>(xTicks[k]);
    canvas.Line(x, b, x, b + tick);
    if (k % static_cast<std::size_t>(labelEvery) != 0) continue;
    const std::string text = WholeNumberText(xTicks[k]);
    PrintAt(canvas, x, b, -m.TextWidthPx(text) / 2, kTickPx + 1, text);
  }
}

// The direction from `a` to `b` as drawn: straight when they are within half a circle, else
// through the panel's edge at 0 / 360 degrees, where it comes in again from the other side.
void DirectionLine(Canvas& canvas, double fromA, double altitudeA, double fromB, double altitudeB) {
  const auto line = [&](double x1, double y1, double x2, double y2) {
    canvas.Line(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                static_cast<float>(y2), kProfileDirectionColour);
  };
  if (std::fabs(fromB - fromA) <= kFullCircle / 2) {
    line(fromA, altitudeA, fromB, altitudeB);
    return;
  }
  // Through north: unwrap b next to a, and cut where the line meets the edge.
  const double unwrapped = fromB < fromA ? fromB + kFullCircle : fromB - kFullCircle;
  const double edge = fromB < fromA ? kFullCircle : 0;
  const double share = (edge - fromA) / (unwrapped - fromA);
  const double altitude = altitudeA + share * (altitudeB - altitudeA);
  line(fromA, altitudeA, edge, altitude);
  line(kFullCircle - edge, altitude, fromB, altitudeB);
}

}  // namespace

std::vector<ProfilePoint> WindProfilePoints(const load::Load& load, double bottom, double top,
                                            double spacing) {
  std::vector<ProfilePoint> points;
  if (!(top > bottom)) return points;
  if (!load::HasWindLevels(load)) {
    if (load.winds.empty()) return {{top, {}, false}, {bottom, {}, false}};
    double upper = std::numeric_limits<double>::infinity();
    for (const load::WindLayer& layer : load.winds) {
      const double base = layer.above.value_or(-std::numeric_limits<double>::infinity());
      const double from = std::min(upper, top), to = std::max(base, bottom);
      upper = base;
      if (!(from > to)) continue;
      const load::TrackWind wind = load::TrackWindOf(layer, load.jumpRunHeading);
      points.push_back({from, wind, false});
      points.push_back({to, wind, false});
    }
    return points;
  }
  const load::WindProfile profile(load);
  load::WindProfile::Hint hint = 0;
  // The levels within the picture, and its top and bottom, from the top down.
  std::vector<std::pair<double, bool>> breaks{{top, false}};
  for (const load::WindLevel& level : load.windLevels) {
    if (level.altitude < top && level.altitude > bottom) breaks.emplace_back(level.altitude, true);
    if (level.altitude == top) breaks.front().second = true;
  }
  breaks.emplace_back(bottom, load.windLevels.back().altitude == bottom);
  for (std::size_t k = 0; k < breaks.size(); ++k) {
    const auto [altitude, isLevel] = breaks[k];
    points.push_back({altitude, profile.At(altitude, hint), isLevel});
    if (k + 1 == breaks.size()) break;
    const double below = breaks[k + 1].first;
    const int pieces =
        spacing > 0 ? std::max(1, static_cast<int>(std::ceil((altitude - below) / spacing))) : 1;
    for (int i = 1; i < pieces; ++i) {
      const double h = altitude - (altitude - below) * i / pieces;
      points.push_back({h, profile.At(h, hint), false});
    }
  }
  return points;
}

void DrawWindProfile(Canvas& canvas, const load::Load& load) {
  canvas.Cls();
  canvas.BackColour = kWhite;
  canvas.ForeColour = 0;
  const auto& m = canvas.Metrics();
  const double lineH = m.LineHeightPx();
  const load::Units& units = load.units;
  const double ground = load::LandingAreaElevation(load);
  const double top = std::max(load.exitAltitude, ground + 1);
  const double bottomShown = load::FromFeet(ground, units.altitude);
  const double topShown = load::FromFeet(top, units.altitude);

  const double labels = std::max(m.TextWidthPx(WholeNumberText(topShown)),
                                 m.TextWidthPx(WholeNumberText(bottomShown)));
  // Room on the right for half of the last direction's label.
  const double right = m.TextWidthPx("360") / 2 + 2;
  const std::string altitudeTitle = std::string(load::UnitName(units.altitude)) + " msl";
  Margins speedMargins{std::max(labels + kTickPx + kGapPx + 2, m.TextWidthPx(altitudeTitle) + 8),
                       lineH + 6, 0, kTickPx + lineH + 4};
  const double panelW =
      std::max(1.0, (canvas.ClientWidthPx() - speedMargins.left - right - kPanelGapPx) / 2);
  speedMargins.right = right + kPanelGapPx + panelW;
  const Margins directionMargins{speedMargins.left + panelW + kPanelGapPx, speedMargins.top, right,
                                 speedMargins.bottom};
  const double plotH =
      std::max(1.0, canvas.ClientHeightPx() - speedMargins.top - speedMargins.bottom);

  const std::vector<ProfilePoint> points =
      WindProfilePoints(load, ground, top, (top - ground) * kSamplePx / plotH);
  double fastest = load::FromKnots(kLeastSpeedKnots, units.speed);
  for (const ProfilePoint& p : points) fastest = std::max(fastest, SpeedShown(p.wind, units));
  const double labelRoom = m.TextWidthPx("360") + 6;
  const double speedStep = NiceStep(fastest, std::max(1, static_cast<int>(panelW / labelRoom)));
  const double speedRight = std::ceil(fastest / speedStep) * speedStep;
  const double altitudeStep =
      NiceStep(topShown - bottomShown, std::max(2, static_cast<int>(plotH / 30)));
  const std::vector<double> altitudes = TicksWithin(bottomShown, topShown, altitudeStep);
  const auto shownAltitude = [&](const ProfilePoint& p) {
    return load::FromFeet(p.altitude, units.altitude);
  };

  // Each title as long as fits over its panel.
  const auto title = [&](double leftPx, std::initializer_list<std::string> forms) {
    std::string chosen;
    for (const std::string& form : forms) {
      chosen = form;
      if (m.TextWidthPx(form) <= panelW + kPanelGapPx - 4) break;
    }
    PrintAtPixel(canvas, leftPx, 2, chosen, 0);
  };
  const std::string speedUnit(load::UnitName(units.speed));
  PrintAtPixel(canvas, 2, 2, altitudeTitle, 0);
  title(speedMargins.left + 2, {"Speed (" + speedUnit + ")", speedUnit});
  title(directionMargins.left + 2, {"From (° true)", "From (°)", "°"});

  // The speed: a line through every point, a dot on every level.
  const DataRect speedShown = Panel(canvas, 0, speedRight, bottomShown, topShown, speedMargins);
  DrawFrame(canvas, speedShown, TicksWithin(0, speedRight, speedStep), 1, altitudes, true);
  const auto dot = static_cast<float>(UnitsX(canvas, kDotRadiusPx));
  for (std::size_t k = 0; k < points.size(); ++k) {
    const auto x = static_cast<float>(SpeedShown(points[k].wind, units));
    const auto y = static_cast<float>(shownAltitude(points[k]));
    if (k > 0) {
      canvas.Line(static_cast<float>(SpeedShown(points[k - 1].wind, units)),
                  static_cast<float>(shownAltitude(points[k - 1])), x, y, kProfileSpeedColour);
    }
    if (points[k].level) canvas.Circle(x, y, dot, kProfileSpeedColour);
  }

  // The direction: the same, broken in calm air and carried across north.
  const DataRect directionShown =
      Panel(canvas, 0, kFullCircle, bottomShown, topShown, directionMargins);
  // A label on every quarter, or every other, or at the ends only: as many as have room.
  int labelEvery = 1;
  while (labelEvery < 4 && panelW / 4 * labelEvery < labelRoom) labelEvery *= 2;
  DrawFrame(canvas, directionShown, TicksWithin(0, kFullCircle, kFullCircle / 4), labelEvery,
            altitudes, false);
  if (!load.jumpRunHeading) {
    // Only headwinds can be given without a heading, and a headwind has no compass direction.
    double y = speedMargins.top + 4;
    for (const char* line : {"Directions", "need the jump", "run heading"}) {
      PrintAtPixel(canvas, directionMargins.left + 6, y, line, 0);
      y += lineH;
    }
    return;
  }
  const auto directionDot = static_cast<float>(UnitsX(canvas, kDotRadiusPx));
  std::optional<double> before;
  for (std::size_t k = 0; k < points.size(); ++k) {
    const std::optional<double> from = DirectionFrom(points[k].wind, load.jumpRunHeading);
    const double y = shownAltitude(points[k]);
    if (from && before) DirectionLine(canvas, *before, shownAltitude(points[k - 1]), *from, y);
    if (from && points[k].level) {
      canvas.Circle(static_cast<float>(*from), static_cast<float>(y), directionDot,
                    kProfileDirectionColour);
    }
    before = from;
  }
}

}  // namespace tarnwick
