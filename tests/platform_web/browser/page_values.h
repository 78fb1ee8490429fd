#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/layout/geometry.h"

// What the page holds, read by JavaScript run in it: the DOM, the canvas's pixels, pictures the
// browser encodes.

namespace browser_tests {

// The value of a JavaScript expression, as String() gives it, or its bytes if it is a Uint8Array.
std::string PageValue(std::string_view expression);
// The same for an expression whose value is a promise, once it has settled.
std::string PageValueAwaited(std::string_view expression);
double PageNumber(std::string_view expression);
// JSON text of the expression's value.
std::string PageJson(std::string_view expression);

// The `length` bytes the page has stashed for the program (runner_bridge.js).
std::string TakeStashed(int length);

// A JavaScript string literal of the text.
std::string Quoted(std::string_view text);

// The canvas of the newest window, as JavaScript finds it.
inline constexpr std::string_view kNewestCanvas = "[...document.querySelectorAll('canvas')].pop()";

// Pixels as 0xRRGGBB, row by row.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;

  std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
  int Gray(int x, int y) const;
};

// What the newest window's canvas shows in the device-pixel rectangle.
Pixels ReadCanvas(const toolkit::Rect& devicePixels);
// The device pixels per CSS pixel of the page.
double DevicePixelRatio();

// A picture of the pixels (0xAARRGGBB, straight alpha, row by row) encoded by the browser in the
// MIME type given, "image/png" or another it can write.
std::vector<std::uint8_t> EncodeInBrowser(int width, int height, const std::vector<std::uint32_t>& argb,
                                          std::string_view type = "image/png");

}  // namespace browser_tests
