#pragma once

#include <memory>
#include <vector>

#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/point.h"

namespace gesture {

// Matches finished strokes against registered templates at one sensitivity.
// The templates are made ready once, and the buffers of one evaluation are
// kept for the next, so a recogniser serves one thread at a time.
class GestureRecognizer {
 public:
  // Templates are evaluated in the order given, which is their registration order.
  explicit GestureRecognizer(std::vector<GestureTemplate> templates = standardTemplates(),
                             int Sensitivity = defaultSensitivity);
  GestureRecognizer(const GestureRecognizer& other);
  GestureRecognizer& operator=(const GestureRecognizer& other);
  ~GestureRecognizer();

  // The id of the template with the highest result; on equal results the
  // earlier template wins. 0 when no template matches or the stroke has fewer
  // than two points.
  int recognise(const std::vector<Point>& stroke) const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace gesture
