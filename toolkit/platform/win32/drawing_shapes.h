#pragma once

// The shapes both renderers draw, worked out once so that they draw the same pixels.

#include <cstdint>
#include <vector>

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// A check box's tick in a box of width × height pixels: a stroke with round ends and joint,
// down to its bottom and up to its right end, anti-aliased by how much of each pixel it
// covers. Rows of premultiplied BGRA pixels, transparent where the tick is not. The renderers
// draw it as a bitmap: neither Direct2D nor GDI+ under Wine anti-alias a stroked path, and so
// both renderers draw the very same tick everywhere.
std::vector<std::uint8_t> TickPixels(int width, int height, Color color);

}  // namespace toolkit::platform::win32
