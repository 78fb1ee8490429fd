#pragma once

#include <cstdint>
#include <vector>

#include "pictures/picture_table.h"

// Draws a card picture from its table row.
namespace deck {

// 8-bit red, green, blue, alpha per pixel, row by row without padding.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> bytes;
};

// A black opaque field with every light filled and anti-aliased by the exact
// fraction of each pixel it covers (an edge pixel is the light's colour times
// that fraction), then the frame lines in white over everything; the corners
// are plain frame white.
RgbaImage RenderPicture(const PictureSpec& picture);

}  // namespace deck
