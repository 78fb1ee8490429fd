#include "toolkit/gesture/coverage_passes.h"

#include <algorithm>
#include <cstddef>

#include "toolkit/gesture/line_contact.h"

namespace gesture {
namespace {

void raise(double& best, Point a, Point b, const Tolerance& tolerance) {
  best = std::max(best, countedScore(distance(a, b), tolerance));
}

// For each template point, scores every stroke point up to the furthest one
// reached so far.
void strokePass(const std::vector<Point>& stroke, const std::vector<Point>& path,
                const Tolerance& tolerance, Coverage& coverage) {
  std::size_t reached = 0;
  for (const Point& templatePoint : path) {
    while (reached + 1 < stroke.size() &&
           withinRadius(stroke[reached + 1], templatePoint, tolerance)) {
      ++reached;
    }
    for (std::size_t k = 0; k <= reached; ++k) {
      raise(coverage.strokeBest[k], templatePoint, stroke[k], tolerance);
    }
  }
}

// For each stroke point, scores every template point up to the furthest one
// reached so far, and marks those that the line through this stroke point and
// the next passes close to. The stroke's last segment is never used.
void templatePass(const std::vector<Point>& stroke, const std::vector<Point>& path,
                  const Tolerance& tolerance, Coverage& coverage) {
  std::size_t reached = 0;
  for (std::size_t k = 0; k < stroke.size(); ++k) {
    while (reached + 1 < path.size() &&
           withinRadius(path[reached + 1], stroke[k], tolerance)) {
      ++reached;
    }
    for (std::size_t i = 0; i <= reached; ++i) {
      raise(coverage.templateBest[i], path[i], stroke[k], tolerance);
    }
    if (k + 2 < stroke.size()) {
      for (std::size_t i = 0; i <= reached; ++i) {
        if (lineCutsCircle(stroke[k], stroke[k + 1], path[i], tolerance.radius)) {
          coverage.templateContact[i] = true;
        }
      }
    }
  }
}

}  // namespace

Coverage measureCoverage(const std::vector<Point>& stroke,
                         const std::vector<Point>& path, const Tolerance& tolerance) {
  Coverage coverage{std::vector<double>(stroke.size(), 0.0),
                    std::vector<double>(path.size(), 0.0),
                    std::vector<bool>(path.size(), false)};
  strokePass(stroke, path, tolerance, coverage);
  templatePass(stroke, path, tolerance, coverage);
  return coverage;
}

}  // namespace gesture
