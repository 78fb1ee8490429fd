#pragma once

#include <vector>

#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/point.h"

namespace gesture {

// How well a recorded stroke (window units, at least one point) matches a
// template at the given sensitivity: 0 for no match, up to 100. The stroke is
// scaled to the template's width, so a short stroke is judged by its shape,
// while its vertical wander counts in window units.
int scoreStroke(const std::vector<Point>& stroke, const GestureTemplate& gestureTemplate,
                int Sensitivity);

}  // namespace gesture
