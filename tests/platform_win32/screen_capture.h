#pragma once

#include <cstdint>
#include <vector>

#include "toolkit/platform/win32/windows_api.h"

namespace lumivor::win32_tests {

// A window's client area as it is on the screen, 0xRRGGBB per pixel. Read from the screen
// rather than from the window: under Wine a Direct2D window's own pixels may read back black.
struct ClientPixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;

  std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
  bool operator==(const ClientPixels&) const = default;
};

ClientPixels CaptureClientArea(HWND window);

// Dispatches messages and captures the client area until the pixel at (x, y) has the colour
// `rgb`, for at most a few seconds (the first Direct2D frame takes about a second under Wine).
ClientPixels CaptureWhenPixelIs(HWND window, int x, int y, std::uint32_t rgb);

}  // namespace lumivor::win32_tests
