#include "sim/plot_frame.h"

#include "sim/angle_plot.h"
#include "sim/constants.h"

namespace tarnwick {
namespace {

constexpr float kAxisLeft = static_cast<float>(angle_plot::kAxisLeft);
constexpr float kAxisRight = static_cast<float>(angle_plot::kAxisRight);
constexpr float kBaselineAltitude = 2600;  // below the opening altitude, where the axis ends
constexpr float kAxisBottom = static_cast<float>(model::kOpeningAltitude);
constexpr float kAxisTop = static_cast<float>(model::kExitAltitude);
constexpr float kFortyFiveDegreeY =
    static_cast<float>(angle_plot::AngleY(angle_plot::kReferenceDegrees));

}  // namespace

bool ShowsAnglePlot(const Scenario& scenario) {
  return scenario.exitDelay == 0 && scenario.firstSlow == scenario.secondSlow;
}

float AltitudeAxisX(const Scenario& scenario) {
  return ShowsAnglePlot(scenario) ? kAxisLeft : 0.0f;
}

void DrawPlotFrame(Canvas& plot, const Scenario& scenario) {
  plot.Line(kAxisLeft, kBaselineAltitude, kAxisRight, kBaselineAltitude);
  for (float x = kAxisLeft; x <= kAxisRight; x += 200) {
    plot.Line(x, kBaselineAltitude, x, 2700);
  }
  for (float x = kAxisLeft; x <= kAxisRight; x += 1000) {
    plot.Line(x, kBaselineAltitude, x, 2900);
  }

  const float a = AltitudeAxisX(scenario);
  plot.Line(a, kAxisBottom, a, kAxisTop);
  for (float y = kAxisBottom; y <= kAxisTop; y += 200) {
    plot.Line(a - 40, y, a + 50, y);
  }
  for (float y = kAxisBottom; y <= kAxisTop; y += 1000) {
    plot.Line(a - 120, y, a + 120, y, kNearlyBlack);
  }

  // The labels stay put whichever side the axis stands on.
  plot.CurrentX = -1100;
  plot.CurrentY = 14100;
  plot.Print("14000 msl");
  plot.CurrentY = 5100;
  plot.CurrentX = -1000;
  plot.Print("5000 msl");

  // A zero wind of either direction counts as the same calm air.
  const float upperWind = scenario.upperWindSign * scenario.upperWind;
  const float lowerWind = scenario.lowerWindSign * scenario.lowerWind;
  if (a != 0) {
    plot.Line(kAxisLeft, kFortyFiveDegreeY, kAxisRight, kFortyFiveDegreeY, kRed);
    plot.CurrentX = -5900;
    plot.CurrentY = kFortyFiveDegreeY;
    plot.Print("45 degrees");
  } else if (upperWind != lowerWind) {
    const float w = scenario.windChangeAltitude;
    plot.Line(kAxisLeft, w, kAxisRight, w, kRed);
    plot.CurrentX = 2300;
    plot.CurrentY = w;
    plot.Print("Wind Shear Line");
  }
}

}  // namespace tarnwick
