#pragma once

#include "deck/pictures/picture_table.h"
#include "deck/pictures/rgba_image.h"

// Draws a card picture from its table row.
namespace deck {

// A black opaque field with every light filled and anti-aliased by the exact
// fraction of each pixel it covers (an edge pixel is the light's colour times
// that fraction), then the frame lines in white over everything; the corners
// are plain frame white.
RgbaImage RenderPicture(const PictureSpec& picture);

}  // namespace deck
