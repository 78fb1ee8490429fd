#pragma once

#include <vector>

#include "deck/pictures/rgba_image.h"

namespace deck {

// All pictures side by side in a grid on mid-grey, so that their black fields
// stand out, for a person to look them over.
RgbaImage ContactSheet(const std::vector<RgbaImage>& pictures);

}  // namespace deck
