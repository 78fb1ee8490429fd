#pragma once

#include <vector>

#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/point.h"

// The swipe recogniser as it was before it was made fast: a plain reading of
// the matching rules, every point against every point, kept only so that the
// differential test can check the fast recogniser against it.
namespace reference_recogniser {

struct Measures {
  int strokeCoverage;
  int templateCoverage;
  double directionAgreement;
  double lineContact;
};

// One template's four measures of a recorded stroke and its match result, 0 to 100.
struct Evaluation {
  Measures measures;
  int score;
};

Evaluation evaluate(const std::vector<gesture::Point>& stroke,
                    const gesture::GestureTemplate& gestureTemplate, int sensitivity);

// Every template's evaluation in registration order and the id of the best
// template: 0, with no evaluations, when the stroke has fewer than two points.
struct Recognition {
  std::vector<Evaluation> evaluations;
  int id;
};

Recognition recognise(const std::vector<gesture::GestureTemplate>& templates, int sensitivity,
                      const std::vector<gesture::Point>& stroke);

}  // namespace reference_recogniser
