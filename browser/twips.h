#pragma once

#include <QtMath>

namespace tarnwick {

// Window geometry is designed in twips; Qt places widgets in logical pixels, 15 twips each.
constexpr float kTwipsPerPixel = 15.0f;

inline int TwipsToPixels(float twips) {
  return qRound(twips / kTwipsPerPixel);
}
inline float PixelsToTwips(int pixels) {
  return static_cast<float>(pixels) * kTwipsPerPixel;
}

}  // namespace tarnwick
