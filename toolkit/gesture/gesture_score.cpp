#include "toolkit/gesture/gesture_score.h"

#include "toolkit/gesture/match_decision.h"
#include "toolkit/gesture/match_measures.h"
#include "toolkit/gesture/point_score.h"
#include "toolkit/gesture/stroke_normaliser.h"

namespace gesture {

int scoreStroke(const std::vector<Point>& stroke, const GestureTemplate& gestureTemplate,
                int Sensitivity) {
  const Tolerance tolerance = toleranceFor(gestureTemplate, Sensitivity);
  const std::vector<Point> normalised =
      normaliseStroke(stroke, templateWidth(gestureTemplate));
  const std::vector<Point> path = expandPath(gestureTemplate);
  return decideMatch(measureMatch(normalised, path, tolerance), tolerance.margin);
}

}  // namespace gesture
