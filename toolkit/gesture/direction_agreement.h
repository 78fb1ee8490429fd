#pragma once

#include <cstddef>
#include <vector>

#include "toolkit/gesture/point.h"

namespace gesture {

// For each template point, the index of the stroke point nearest to it; the
// earliest in stroke order when several are equally near.
std::vector<std::size_t> nearestStrokePoints(const std::vector<Point>& stroke,
                                             const std::vector<Point>& path);

// Direction of the step from one point to the next: the four-quadrant arc
// tangent of the x difference over the y difference.
double stepAngle(Point from, Point to);

// A stroke step agrees with a template step when its angle is exactly 0 (as
// it is when both ends are the same stroke point), or lies strictly within
// margin * pi / 100 of the template's angle.
bool directionsAgree(double templateAngle, double strokeAngle, int margin);

// How many template points step in a direction that the stroke, between the
// nearest stroke points, agrees with. The last two template points both use
// the step into the last one. The path needs at least three points.
int countAgreeingDirections(const std::vector<Point>& stroke,
                            const std::vector<Point>& path, int margin);

}  // namespace gesture
