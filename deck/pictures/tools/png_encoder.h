#pragma once

#include <cstdint>
#include <vector>

#include "deck/pictures/rgba_image.h"

namespace deck {

// A PNG stream of `image`: 8 bits per channel with alpha, not interlaced.
// Rows are left unfiltered, which suits large black fields best, and
// deflated at the strongest level.
std::vector<std::uint8_t> EncodePng(const RgbaImage& image);

}  // namespace deck
