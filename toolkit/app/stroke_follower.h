#pragma once

#include <optional>
#include <vector>

#include "toolkit/components/events.h"
#include "toolkit/gesture/gesture_recognizer.h"
#include "toolkit/gesture/stroke_recorder.h"
#include "toolkit/platform/platform.h"

namespace toolkit {

// Follows the strokes made over one window, beside the normal input, and recognises the
// window's gestures in a finished stroke.
class StrokeFollower {
 public:
  // The gestures the window recognises, in registration order; none until this is called.
  void UseGestures(std::vector<gesture::GestureTemplate> templates, int sensitivity);

  void Press(platform::PointF position);
  void Move(platform::PointF position);
  // Ends the stroke: the recognised gesture, if any. The stroke is taken before the release
  // is handled elsewhere, so the evaluation afterwards sees this stroke whatever happens
  // meanwhile.
  std::optional<gesture::Stroke> TakeStroke();
  // Drops the stroke under way.
  void Abandon();
  std::optional<TGestureEventInfo> Match(const gesture::Stroke& stroke) const;

 private:
  std::optional<gesture::GestureRecognizer> recognizer_;
  gesture::StrokeRecorder recorder_;
};

}  // namespace toolkit
