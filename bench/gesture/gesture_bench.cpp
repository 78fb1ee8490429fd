#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "toolkit/gesture/gesture_recognizer.h"
#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/stroke_normaliser.h"

namespace {

// A left swipe across the window as a mouse reports it: one point per pixel
// leftwards, whole-pixel positions, drifting up and down by up to 3 pixels.
std::vector<gesture::Point> leftSwipe(int pointCount) {
  std::vector<gesture::Point> stroke;
  stroke.reserve(static_cast<std::size_t>(pointCount));
  for (int i = 0; i < pointCount; ++i) {
    stroke.push_back({1200.0 - i, std::round(240.0 + 3.0 * std::sin(i * 0.05))});
  }
  return stroke;
}

void BM_RecogniseLeftSwipe(benchmark::State& state) {
  const std::vector<gesture::Point> stroke = leftSwipe(static_cast<int>(state.range(0)));
  const gesture::GestureRecognizer recognizer;
  if (recognizer.recognise(stroke) != gesture::sgiLeft) {
    state.SkipWithError("the benchmark stroke is not recognised as a left swipe");
    return;
  }
  for (auto _ : state) {
    benchmark::DoNotOptimize(recognizer.recognise(stroke));
  }
  // The work grows with the points left after scaling to the template width,
  // where points of a wide stroke merge.
  const double width = gesture::templateWidth(gesture::leftSwipeTemplate);
  state.counters["scaled_points"] =
      static_cast<double>(gesture::normaliseStroke(stroke, width).size());
}

BENCHMARK(BM_RecogniseLeftSwipe)->Arg(50)->Arg(200)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
