// Geometry in twips, the unit the windows are laid out in: 15 twips make one
// pixel on the screens the layouts were drawn for.
#pragma once

#include <QPoint>
#include <QRect>
#include <cmath>

namespace forms {

inline constexpr int kTwipsPerPixel = 15;

inline int ToPixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

inline QRect ToPixels(int left, int top, int width, int height) {
  return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
}

inline float ToTwips(int pixels) { return static_cast<float>(pixels * kTwipsPerPixel); }

}  // namespace forms
