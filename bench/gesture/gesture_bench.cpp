#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "toolkit/gesture/gesture_recognizer.h"
#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/recogniser_internals.h"

namespace {

using Stroke = std::vector<gesture::Point>;

// A left swipe across the window as a mouse reports it: one point per pixel
// leftwards, whole-pixel positions, drifting up and down by up to 3 pixels.
Stroke leftSwipe(int pointCount) {
  Stroke stroke;
  stroke.reserve(static_cast<std::size_t>(pointCount));
  for (int i = 0; i < pointCount; ++i) {
    stroke.push_back({1200.0 - i, std::round(240.0 + 3.0 * std::sin(i * 0.05))});
  }
  return stroke;
}

// A scribble that matches nothing: a loop drawn back and forth over itself,
// 120 pixels wide and 80 high, so that the passes settle few points early.
Stroke scribble(int pointCount) {
  Stroke stroke;
  stroke.reserve(static_cast<std::size_t>(pointCount));
  for (int i = 0; i < pointCount; ++i) {
    const double t = 12.0 * i / pointCount;
    stroke.push_back({std::round(300 + 60 * std::sin(3 * t)), std::round(240 + 40 * std::cos(2 * t))});
  }
  return stroke;
}

void recognise(benchmark::State& state, const Stroke& stroke, int expected) {
  const gesture::GestureRecognizer recognizer;
  if (recognizer.recognise(stroke) != expected) {
    state.SkipWithError("the benchmark stroke is not recognised as intended");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(recognizer.recognise(stroke));
  }
  // The work grows with the points left after scaling to the template width,
  // where points of a wide stroke merge.
  Stroke scaled;
  gesture::internal::normaliseStroke(
      stroke, gesture::internal::templateWidth(gesture::leftSwipeTemplate), scaled);
  state.counters["scaled_points"] = static_cast<double>(scaled.size());
}

void BM_RecogniseLeftSwipe(benchmark::State& state) {
  recognise(state, leftSwipe(static_cast<int>(state.range(0))), gesture::sgiLeft);
}

void BM_RecogniseScribble(benchmark::State& state) {
  recognise(state, scribble(static_cast<int>(state.range(0))), 0);
}

BENCHMARK(BM_RecogniseLeftSwipe)->Arg(50)->Arg(200)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RecogniseScribble)->Arg(50)->Arg(200)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
