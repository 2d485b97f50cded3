#include "load/drift.h"

#include <algorithm>
#include <utility>

#include "load/wind_profile.h"

namespace tarnwick::load {
namespace {

WindVelocity VelocityOf(const TrackWind& wind) {
  return {-wind.headwind, wind.cross};
}

// The layers' pieces. A point at altitude h is in the first layer whose base is strictly below
// it, so a layer holds from its base up to the base of the layer above; the top layer holds
// up to `top` and the last layer down to `bottom`.
std::vector<WindPiece> LayerPieces(const Load& load, double bottom, double top) {
  std::vector<WindPiece> pieces;
  double ceiling = top;
  for (const WindLayer& layer : load.winds) {
    const double base = std::max(layer.above.value_or(bottom), bottom);
    if (base < ceiling) {
      const WindVelocity wind = VelocityOf(TrackWindOf(layer, load.jumpRunHeading));
      pieces.push_back({base, ceiling, wind, wind});
    }
    ceiling = std::min(ceiling, base);
    if (ceiling <= bottom) break;
  }
  if (pieces.empty()) pieces.push_back({bottom, top, {}, {}});  // calm air
  std::reverse(pieces.begin(), pieces.end());
  return pieces;
}

// The levels' pieces: the wind is continuous and linear between two neighbouring levels, and
// constant beyond the highest and the lowest, so between the band's ends and the levels within
// it each piece is linear, and the wind at its two ends is WindAt's there.
std::vector<WindPiece> LevelPieces(const Load& load, double bottom, double top) {
  const WindProfile winds(load);
  std::vector<double> heights{bottom, top};
  for (const WindLevel& level : load.windLevels) {
    if (level.altitude > bottom && level.altitude < top) heights.push_back(level.altitude);
  }
  std::sort(heights.begin(), heights.end());
  std::vector<WindPiece> pieces;
  for (std::size_t i = 0; i + 1 < heights.size(); ++i) {
    pieces.push_back({heights[i], heights[i + 1], VelocityOf(winds.At(heights[i])),
                      VelocityOf(winds.At(heights[i + 1]))});
  }
  return pieces;
}

// The integral of one piece's wind over [from, to] within it: the trapezoid of the wind at the
// two ends, exact for a linear wind.
WindVelocity PieceIntegral(const WindPiece& piece, double from, double to) {
  const double span = piece.high - piece.low;
  const auto at = [&](double h) {
    const double t = span > 0 ? (h - piece.low) / span : 0;
    return WindVelocity{piece.atLow.x + t * (piece.atHigh.x - piece.atLow.x),
                        piece.atLow.y + t * (piece.atHigh.y - piece.atLow.y)};
  };
  const WindVelocity a = at(from), b = at(to);
  const double height = to - from;
  return {0.5 * (a.x + b.x) * height, 0.5 * (a.y + b.y) * height};
}

}  // namespace

std::vector<WindPiece> WindPieces(const Load& load, double bottom, double top) {
  return HasWindLevels(load) ? LevelPieces(load, bottom, top) : LayerPieces(load, bottom, top);
}

WindVelocity DriftIntegral(const Load& load, double from, double to) {
  if (from == to) return {};
  const double sign = to > from ? 1 : -1;
  const double low = std::min(from, to), high = std::max(from, to);
  WindVelocity sum;
  for (const WindPiece& piece : WindPieces(load, low, high)) {
    const WindVelocity part =
        PieceIntegral(piece, std::max(piece.low, low), std::min(piece.high, high));
    sum.x += part.x;
    sum.y += part.y;
  }
  return {sign * sum.x, sign * sum.y};
}

}  // namespace tarnwick::load
