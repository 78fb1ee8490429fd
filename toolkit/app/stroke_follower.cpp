#include "toolkit/app/stroke_follower.h"

namespace toolkit {

void StrokeFollower::UseGestures(std::vector<gesture::GestureTemplate> templates, int sensitivity) {
  recognizer_.emplace(std::move(templates), sensitivity);
}

void StrokeFollower::Press(platform::PointF position) { recorder_.press({position.x, position.y}); }

void StrokeFollower::Move(platform::PointF position) { recorder_.move({position.x, position.y}); }

std::optional<gesture::Stroke> StrokeFollower::TakeStroke() { return recorder_.release(); }

void StrokeFollower::Abandon() { recorder_.release(); }

std::optional<TGestureEventInfo> StrokeFollower::Match(const gesture::Stroke& stroke) const {
  if (!recognizer_) return std::nullopt;
  const int id = recognizer_->recognise(stroke.points);
  if (id == 0) return std::nullopt;
  return TGestureEventInfo{id, stroke.start.x, stroke.start.y};
}

}  // namespace toolkit
