#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QtMath>

#include "canvas/twips_scale.h"

namespace tarnwick {

constexpr int TwipsToPx(double twips) {
  return qRound(twips / kTwipsPerPixel);
}
constexpr float PxToTwips(int px) {
  return static_cast<float>(px * kTwipsPerPixel);
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
