#pragma once

#include "canvas/canvas.h"
#include "sim/scenario.h"

namespace tarnwick {

// True when both jumpers leave together and fall alike: the run then plots the angle under
// which the aircraft sees the first jumper, and the frame makes room for it.
bool ShowsAnglePlot(const Scenario& scenario);

// The x at which the altitude axis stands: the left end for the angle plot, else the exit point.
float AltitudeAxisX(const Scenario& scenario);

// Draws the fixed frame of the side view: distance and altitude axes with their ticks, the
// altitude labels, and the 45-degree line of the angle plot or the wind shear line.
void DrawPlotFrame(Canvas& plot, const Scenario& scenario);

}  // namespace tarnwick
