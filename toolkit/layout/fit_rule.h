#pragma once

#include "toolkit/layout/geometry.h"

namespace toolkit {

// The rectangle into which a picture of width x height is drawn in an area of
// areaWidth x areaHeight: scaled to just fit, proportions kept, centred.
Rect FitInto(int width, int height, int areaWidth, int areaHeight);

}  // namespace toolkit
