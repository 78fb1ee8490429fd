#pragma once

#include <array>

#include "toolkit/layout/geometry.h"

namespace toolkit::platform {

// A border of `width` pixels inside `rect`, as four filled strips: top and bottom across the
// whole width, left and right between them. A border too wide for the rectangle fills it, its
// strips overlapping, never reaching outside. Every backend frames with these strips, so that
// each edge covers whole pixels however wide the border is.
std::array<Rect, 4> FrameStrips(const Rect& rect, int width);

}  // namespace toolkit::platform
