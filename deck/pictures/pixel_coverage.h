#pragma once

#include "deck/pictures/light_shapes.h"

// How much of each pixel a light's patch covers.
namespace deck {

// The pixels a patch can reach: columns [left, right), rows [top, bottom).
struct PixelSpan {
  int left;
  int top;
  int right;
  int bottom;
};

PixelSpan PixelsTouchedBy(const Patch& patch);

// The exact fraction, 0 to 1, of pixel (column, row) that the patch covers.
double CoverageOf(const Patch& patch, int column, int row);

}  // namespace deck
