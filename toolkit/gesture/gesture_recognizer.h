#pragma once

#include <vector>

#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/point.h"

namespace gesture {

// Matches finished strokes against registered templates at one sensitivity.
class GestureRecognizer {
 public:
  // Templates are evaluated in the order given, which is their registration order.
  explicit GestureRecognizer(std::vector<GestureTemplate> templates = standardTemplates(),
                             int Sensitivity = defaultSensitivity);

  // The id of the template with the highest result; on equal results the
  // earlier template wins. 0 when no template matches or the stroke has fewer
  // than two points.
  int recognise(const std::vector<Point>& stroke) const;

 private:
  std::vector<GestureTemplate> templates_;
  int sensitivity_;
};

}  // namespace gesture
