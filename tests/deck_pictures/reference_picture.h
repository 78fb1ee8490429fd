#pragma once

#include <array>
#include <vector>

#include "deck/pictures/picture_table.h"

// An independent model of a card picture for checking the rendered one:
// each light's covered fraction of a pixel is integrated numerically, as the
// mean length of the light's horizontal chords through many rows of the
// pixel, and the frame lines are white.
using ReferenceColour = std::array<double, 3>;  // red, green, blue, 0..255, unrounded

// Row by row, width × height.
std::vector<ReferenceColour> ReferencePicture(const deck::PictureSpec& picture);
