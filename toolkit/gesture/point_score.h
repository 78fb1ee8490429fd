#pragma once

#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/point.h"

namespace gesture {

// How far a stroke may stray from a template: the template's Deviation as
// radius, and the effective margin at the recogniser's sensitivity.
struct Tolerance {
  int radius;
  int margin;
};

Tolerance toleranceFor(const GestureTemplate& gestureTemplate, int Sensitivity);

// Whether two points are within the radius of each other, the boundary included.
bool withinRadius(Point a, Point b, const Tolerance& tolerance);

// 100 up to radius * margin / 100, then falling linearly to the margin at the
// radius, and 0 beyond it.
double pointScore(double distance, const Tolerance& tolerance);

// The point score where it beats the margin, otherwise 0: only such scores
// count towards a coverage.
double countedScore(double distance, const Tolerance& tolerance);

}  // namespace gesture
