#pragma once

#include <cstdint>
#include <vector>

namespace deck {

// 8-bit red, green, blue, alpha per pixel, not premultiplied, row by row
// without padding.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bytes;
};

}  // namespace deck
