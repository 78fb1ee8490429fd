#pragma once

#include <vector>

#include "toolkit/gesture/point.h"

namespace gesture {

// Identifiers of the standard swipe gestures.
inline constexpr int sgiLeft = 1;
inline constexpr int sgiRight = 2;

// The recogniser's sensitivity when nothing else is configured.
inline constexpr int defaultSensitivity = 80;

// A straight template path in template units. Deviation is the distance
// within which a stroke point is near a template point; ErrorMargin is the
// template's share of the score margin, widened by a low sensitivity.
// The path must be at least two units long.
struct GestureTemplate {
  int id;
  Point from;
  Point to;
  int Deviation;
  int ErrorMargin;
};

inline constexpr GestureTemplate leftSwipeTemplate{sgiLeft, {200, 0}, {0, 0}, 30, 20};
inline constexpr GestureTemplate rightSwipeTemplate{sgiRight, {0, 0}, {200, 0}, 30, 20};

// The swipe templates in the order the main window registers them.
inline std::vector<GestureTemplate> standardTemplates() {
  return {leftSwipeTemplate, rightSwipeTemplate};
}

}  // namespace gesture
