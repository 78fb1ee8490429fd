#pragma once

#include <QByteArray>

#include "pictures/picture_raster.h"

namespace deck {

// A PNG stream of `image`: 8 bits per channel with alpha, not interlaced.
// Rows are left unfiltered, which suits large black fields best, and
// deflated at the strongest level.
QByteArray EncodePng(const RgbaImage& image);

}  // namespace deck
