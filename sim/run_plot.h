#pragma once

#include "canvas/canvas.h"

namespace tarnwick {

// The figures a run adds to the side view step by step. Without a canvas it draws nothing,
// so the run computes the same numbers whether or not anyone watches.
class RunPlot {
 public:
  explicit RunPlot(Canvas* canvas) : canvas_(canvas) {}

  // Moves the aircraft marker: erases the box at its old place and draws it at the new one.
  void Aircraft(double previousDownrange, double downrange);
  void TrackSegment(float fromX, double fromY, float toX, double toY, Colour colour);
  void PositionMarker(float x, double y, Colour colour);
  // The angle under which the aircraft at exit altitude sees the first jumper, plotted against
  // time, and the line of sight to that jumper.
  void SightAngle(double simTime, double sightLag, double sightDrop, double aircraftDownrange,
                  float jumperDownrange, double jumperAltitude);

 private:
  Canvas* canvas_;
};

}  // namespace tarnwick
