#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "toolkit/platform/platform.h"

// Shapes whose every pixel is known, for every backend's canvas: solid colours with edges on
// whole pixels, painted over a white canvas of kExactCanvasWidth × kExactCanvasHeight units.
struct ExactCanvasCase {
  const char* name;
  std::function<void(toolkit::platform::Canvas&)> paint;
  // What the canvas shows: white, with these rectangles filled one after the other.
  std::vector<std::pair<toolkit::Rect, toolkit::platform::Color>> expected;
};

// The colours the canvas tests paint with.
namespace canvas_colors {
inline constexpr toolkit::platform::Color kWhite{0xFFFFFF};
inline constexpr toolkit::platform::Color kRed{0xFF0000};
inline constexpr toolkit::platform::Color kBlue{0x0000FF};
inline constexpr toolkit::platform::Color kGreen{0x00FF00};
inline constexpr toolkit::platform::Color kBlack{0x000000};
inline constexpr toolkit::platform::Color kDark{0x202020};
}  // namespace canvas_colors

inline constexpr int kExactCanvasWidth = 60;
inline constexpr int kExactCanvasHeight = 40;

const std::vector<ExactCanvasCase>& ExactCanvasCases();
