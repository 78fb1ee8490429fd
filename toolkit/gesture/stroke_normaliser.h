#pragma once

#include <vector>

#include "toolkit/gesture/point.h"

namespace gesture {

// Moves a non-empty stroke so that its smallest x and y are 0, stretches x to
// the given width (y keeps its units, templates having no height), rounds
// every coordinate to a whole number and drops each point equal to the one
// before it.
std::vector<Point> normaliseStroke(const std::vector<Point>& stroke, double width);

}  // namespace gesture
