#pragma once

#include <optional>
#include <vector>

#include "toolkit/gesture/point.h"

namespace gesture {

// A finished stroke: its points in the order they were made, starting with
// the press point.
struct Stroke {
  Point start;
  std::vector<Point> points;
};

// Records the pointer positions of one stroke, from press to release.
class StrokeRecorder {
 public:
  // Starts a new, empty stroke at the press point.
  void press(Point position);

  // Adds a pointer position while pressed; ignored otherwise. Positions less
  // than one unit from the last point are dropped, an axis that moved less
  // than one unit keeps the last value, and jumps of more than six units are
  // filled with whole-number points first.
  void move(Point position);

  // Ends the stroke. The release position itself adds no point. Returns the
  // stroke when it holds at least two points; either way the recorder is
  // cleared.
  std::optional<Stroke> release();

 private:
  bool pressed_ = false;
  Stroke stroke_;
};

}  // namespace gesture
