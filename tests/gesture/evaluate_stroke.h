#pragma once

#include <vector>

#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/point.h"
#include "toolkit/gesture/recogniser_internals.h"

namespace gesture::internal {

// One template's measures of a recorded stroke and the result they give.
struct Evaluation {
  MatchMeasures measures;
  int score;
};

// Evaluates a recorded stroke (at least one point) against one template, step
// by step as the recogniser does.
inline Evaluation evaluateStroke(const std::vector<Point>& stroke,
                                 const GestureTemplate& gestureTemplate, int Sensitivity) {
  const PreparedTemplate prepared(gestureTemplate, Sensitivity);
  Workspace workspace;
  normaliseStroke(stroke, prepared.width, workspace.normalised);
  const MatchMeasures measures = measureMatch(workspace.normalised, prepared.path, workspace);
  return {measures, decideMatch(measures, prepared.path.tolerance().margin)};
}

}  // namespace gesture::internal
