#include "sim/run_plot.h"

#include <cmath>

#include "sim/angle_plot.h"
#include "sim/constants.h"

namespace tarnwick {
namespace {

constexpr float kMarkerRadius = 50;
constexpr float kAnglePointRadii[] = {30, 45};

}  // namespace

void RunPlot::Aircraft(double previousDownrange, double downrange) {
  if (!canvas_) return;
  // The erasing box is a little larger than the marker so no red edge survives the move.
  canvas_->FilledBox(static_cast<float>(previousDownrange), 13900,
                     static_cast<float>(previousDownrange + 260), 14070, kButtonFace);
  canvas_->FilledBox(static_cast<float>(downrange), 13940, static_cast<float>(downrange + 250),
                     14060, kRed);
}

void RunPlot::TrackSegment(float fromX, double fromY, float toX, double toY, Colour colour) {
  if (!canvas_) return;
  canvas_->Line(fromX, static_cast<float>(fromY), toX, static_cast<float>(toY), colour);
}

void RunPlot::PositionMarker(float x, double y, Colour colour) {
  if (!canvas_) return;
  canvas_->Circle(x, static_cast<float>(y), kMarkerRadius, colour);
}

void RunPlot::SightAngle(double simTime, double sightLag, double sightDrop,
                         double aircraftDownrange, float jumperDownrange, double jumperAltitude) {
  if (!canvas_) return;
  const double sightAngle = std::atan(sightLag / sightDrop) * 180 / model::kPi;
  const auto x = static_cast<float>(angle_plot::TimeX(simTime));
  const auto y = static_cast<float>(angle_plot::AngleY(sightAngle));
  for (const float radius : kAnglePointRadii) canvas_->Circle(x, y, radius, kRed);
  canvas_->Line(static_cast<float>(aircraftDownrange), static_cast<float>(model::kExitAltitude),
                jumperDownrange, static_cast<float>(jumperAltitude), kDarkRed);
}

}  // namespace tarnwick
