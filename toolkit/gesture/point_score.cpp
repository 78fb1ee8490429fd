#include "toolkit/gesture/point_score.h"

namespace gesture {

Tolerance toleranceFor(const GestureTemplate& gestureTemplate, int Sensitivity) {
  return {gestureTemplate.Deviation,
          effectiveMargin(gestureTemplate.ErrorMargin, Sensitivity)};
}

bool withinRadius(Point a, Point b, const Tolerance& tolerance) {
  const double radius = tolerance.radius;
  return squaredDistance(a, b) <= radius * radius;
}

double pointScore(double distance, const Tolerance& tolerance) {
  const double fullScoreReach = tolerance.radius * tolerance.margin / 100.0;
  if (distance <= fullScoreReach) {
    return 100.0;
  }
  if (distance > tolerance.radius) {
    return 0.0;
  }
  // The fraction comes first so that the score at the radius is exactly the margin.
  const double fraction = (distance - fullScoreReach) / (tolerance.radius - fullScoreReach);
  return 100.0 - (100.0 - tolerance.margin) * fraction;
}

double countedScore(double distance, const Tolerance& tolerance) {
  const double score = pointScore(distance, tolerance);
  return score > tolerance.margin ? score : 0.0;
}

}  // namespace gesture
