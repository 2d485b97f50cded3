#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace tarnwick {

// The windows are laid out in twips, 1440 to the inch; at 96 logical dots per inch that is 15
// twips per logical pixel, and Qt's device-pixel ratio takes care of high-DPI screens.
inline constexpr double kTwipsPerPixel = 15.0;

constexpr int TwipsToPx(int twips) {
  return static_cast<int>(twips / kTwipsPerPixel + 0.5);
}

inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(TwipsToPx(left), TwipsToPx(top), TwipsToPx(width), TwipsToPx(height));
}

inline QSize TwipsSize(int width, int height) {
  return QSize(TwipsToPx(width), TwipsToPx(height));
}

inline QPoint TwipsPoint(int left, int top) {
  return QPoint(TwipsToPx(left), TwipsToPx(top));
}

}  // namespace tarnwick
