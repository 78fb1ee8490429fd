#include "toolkit/gesture/stroke_recorder.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "toolkit/layout/rounding.h"

namespace gesture {
namespace {

constexpr double kMinimumMove = 1.0;
constexpr double kLargestUnfilledGap = 6.0;
constexpr long long kFillSpacing = 5;

// How many parts a gap along one axis is cut into: its whole-number length
// divided by five, one less when that divides evenly.
long long fillParts(double delta) {
  const auto units = static_cast<long long>(toolkit::RoundHalfEven(std::fabs(delta)));
  const long long parts = units / kFillSpacing;
  return units % kFillSpacing == 0 ? parts - 1 : parts;
}

// Adds the whole-number points between last and next when next lies more
// than six units away along either axis.
void fillGap(std::vector<Point>& points, Point last, Point next) {
  const double dx = next.x - last.x;
  const double dy = next.y - last.y;
  if (std::fabs(dx) <= kLargestUnfilledGap && std::fabs(dy) <= kLargestUnfilledGap) {
    return;
  }
  const long long parts = std::max(fillParts(dx), fillParts(dy));
  for (long long part = 1; part < parts; ++part) {
    points.push_back({toolkit::RoundHalfEven(last.x + part * dx / parts),
                      toolkit::RoundHalfEven(last.y + part * dy / parts)});
  }
}

}  // namespace

void StrokeRecorder::press(Point position) {
  pressed_ = true;
  stroke_ = {position, {position}};
}

void StrokeRecorder::move(Point position) {
  if (!pressed_) {
    return;
  }
  const Point last = stroke_.points.back();
  const bool xStill = std::fabs(position.x - last.x) < kMinimumMove;
  const bool yStill = std::fabs(position.y - last.y) < kMinimumMove;
  if (xStill && yStill) {
    return;
  }
  const Point next{xStill ? last.x : position.x, yStill ? last.y : position.y};
  fillGap(stroke_.points, last, next);
  stroke_.points.push_back(next);
}

std::optional<Stroke> StrokeRecorder::release() {
  pressed_ = false;
  Stroke finished = std::exchange(stroke_, {});
  if (finished.points.size() < 2) {
    return std::nullopt;
  }
  return finished;
}

}  // namespace gesture
