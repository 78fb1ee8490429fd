#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "deck/pictures/rgba_image.h"

namespace icon {

// One square image of an icon: its pixels, and the same as a PNG stream.
struct IcoImage {
  deck::RgbaImage pixels;
  std::vector<std::uint8_t> png;
};

// A Windows icon file (.ico) holding `images` in order, 32 bits per pixel
// with alpha. Images of 256 pixels are stored as their PNG stream (the
// directory gives their size as 0); smaller ones as a device-independent
// bitmap: a BITMAPINFOHEADER of twice the height, the colour rows bottom-up
// in blue, green, red, alpha order, then a 1-bit mask, set where a pixel is
// fully transparent, in rows padded to 32 bits. Throws std::invalid_argument
// for an image that is not square or larger than 256 pixels.
std::vector<std::uint8_t> IcoFile(std::span<const IcoImage> images);

}  // namespace icon
