#include "toolkit/gesture/gesture_recognizer.h"

#include <utility>

#include "toolkit/gesture/gesture_score.h"

namespace gesture {

GestureRecognizer::GestureRecognizer(std::vector<GestureTemplate> templates,
                                     int Sensitivity)
    : templates_(std::move(templates)), sensitivity_(Sensitivity) {}

int GestureRecognizer::recognise(const std::vector<Point>& stroke) const {
  if (stroke.size() < 2) {
    return 0;
  }
  int bestId = 0;
  int bestResult = 0;
  for (const GestureTemplate& gestureTemplate : templates_) {
    const int result = scoreStroke(stroke, gestureTemplate, sensitivity_);
    if (result > bestResult) {
      bestResult = result;
      bestId = gestureTemplate.id;
    }
  }
  return bestId;
}

}  // namespace gesture
