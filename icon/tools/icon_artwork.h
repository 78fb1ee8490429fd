#pragma once

#include "deck/pictures/rgba_image.h"

namespace icon {

// The program icon at `size` × `size` pixels: a rounded night-blue square
// with the three lights of a vessel seen head on, masthead white above,
// green and red sidelights below, each with a soft glow. Outside the square
// the icon is transparent.
deck::RgbaImage DrawMainIcon(int size);

}  // namespace icon
