#include "tests/gesture/reference_recogniser.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "toolkit/layout/rounding.h"

namespace reference_recogniser {
namespace {

using gesture::GestureTemplate;
using gesture::Point;
using gesture::distance;
using gesture::squaredDistance;

struct Tolerance {
  int radius;
  int margin;
};

int effectiveMargin(int ErrorMargin, int Sensitivity) {
  const int slack = 100 - std::clamp(Sensitivity, 1, 100);
  const int widening = static_cast<int>(toolkit::RoundHalfEven(slack * slack / 100.0));
  return std::min(ErrorMargin + widening, 100);
}

double templateWidth(const GestureTemplate& gestureTemplate) {
  return std::fabs(gestureTemplate.to.x - gestureTemplate.from.x);
}

std::vector<Point> expandPath(const GestureTemplate& gestureTemplate) {
  const Point from = gestureTemplate.from;
  const Point to = gestureTemplate.to;
  const int steps = static_cast<int>(toolkit::RoundHalfEven(distance(from, to)));
  std::vector<Point> path;
  path.reserve(static_cast<std::size_t>(steps) + 1);
  for (int step = 0; step <= steps; ++step) {
    path.push_back({from.x + (to.x - from.x) * step / steps,
                    from.y + (to.y - from.y) * step / steps});
  }
  return path;
}

Tolerance toleranceFor(const GestureTemplate& gestureTemplate, int Sensitivity) {
  return {gestureTemplate.Deviation,
          effectiveMargin(gestureTemplate.ErrorMargin, Sensitivity)};
}

bool withinRadius(Point a, Point b, const Tolerance& tolerance) {
  const double radius = tolerance.radius;
  return squaredDistance(a, b) <= radius * radius;
}

double pointScore(double distance, const Tolerance& tolerance) {
  const double fullScoreReach = tolerance.radius * tolerance.margin / 100.0;
  if (distance <= fullScoreReach) {
    return 100.0;
  }
  if (distance > tolerance.radius) {
    return 0.0;
  }
  const double fraction = (distance - fullScoreReach) / (tolerance.radius - fullScoreReach);
  return 100.0 - (100.0 - tolerance.margin) * fraction;
}

double countedScore(double distance, const Tolerance& tolerance) {
  const double score = pointScore(distance, tolerance);
  return score > tolerance.margin ? score : 0.0;
}

std::vector<Point> normaliseStroke(const std::vector<Point>& stroke, double width) {
  const auto [left, right] = std::minmax_element(
      stroke.begin(), stroke.end(), [](Point a, Point b) { return a.x < b.x; });
  const auto top = std::min_element(
      stroke.begin(), stroke.end(), [](Point a, Point b) { return a.y < b.y; });
  const double span = right->x - left->x;
  const double scale = span == 0.0 ? 1.0 : width / span;

  std::vector<Point> normalised;
  normalised.reserve(stroke.size());
  for (const Point& point : stroke) {
    const Point scaled{toolkit::RoundHalfEven((point.x - left->x) * scale),
                       toolkit::RoundHalfEven(point.y - top->y)};
    if (normalised.empty() || !(normalised.back() == scaled)) {
      normalised.push_back(scaled);
    }
  }
  return normalised;
}

bool lineCutsCircle(Point a, Point b, Point centre, double radius) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double cross = dx * (centre.y - a.y) - dy * (centre.x - a.x);
  return cross * cross < radius * radius * (dx * dx + dy * dy);
}

struct Coverage {
  std::vector<double> strokeBest;
  std::vector<double> templateBest;
  std::vector<bool> templateContact;
};

void raise(double& best, Point a, Point b, const Tolerance& tolerance) {
  best = std::max(best, countedScore(distance(a, b), tolerance));
}

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

Coverage measureCoverage(const std::vector<Point>& stroke, const std::vector<Point>& path,
                         const Tolerance& tolerance) {
  Coverage coverage{std::vector<double>(stroke.size(), 0.0),
                    std::vector<double>(path.size(), 0.0),
                    std::vector<bool>(path.size(), false)};
  strokePass(stroke, path, tolerance, coverage);
  templatePass(stroke, path, tolerance, coverage);
  return coverage;
}

std::vector<std::size_t> nearestStrokePoints(const std::vector<Point>& stroke,
                                             const std::vector<Point>& path) {
  std::vector<std::size_t> nearest;
  nearest.reserve(path.size());
  for (const Point& templatePoint : path) {
    std::size_t best = 0;
    for (std::size_t k = 1; k < stroke.size(); ++k) {
      if (squaredDistance(stroke[k], templatePoint) <
          squaredDistance(stroke[best], templatePoint)) {
        best = k;
      }
    }
    nearest.push_back(best);
  }
  return nearest;
}

double stepAngle(Point from, Point to) { return std::atan2(from.x - to.x, from.y - to.y); }

bool directionsAgree(double templateAngle, double strokeAngle, int margin) {
  const double spread = margin * std::numbers::pi / 100.0;
  return strokeAngle == 0.0 ||
         (templateAngle - spread < strokeAngle && strokeAngle < templateAngle + spread);
}

int countAgreeingDirections(const std::vector<Point>& stroke, const std::vector<Point>& path,
                            int margin) {
  const std::vector<std::size_t> nearest = nearestStrokePoints(stroke, path);
  int agreeing = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const std::size_t from = i + 2 < path.size() ? i : i - 1;
    const std::size_t to = from + 1;
    const double templateAngle = stepAngle(path[from], path[to]);
    const double strokeAngle = stepAngle(stroke[nearest[from]], stroke[nearest[to]]);
    if (directionsAgree(templateAngle, strokeAngle, margin)) {
      ++agreeing;
    }
  }
  return agreeing;
}

int coverageOf(const std::vector<double>& bestScores) {
  long long sum = 0;
  for (const double score : bestScores) {
    sum += static_cast<long long>(toolkit::RoundHalfEven(score));
  }
  return static_cast<int>(sum / static_cast<long long>(bestScores.size()));
}

double percentOfPath(long long count, const std::vector<Point>& path) {
  return 100.0 * static_cast<double>(count) / static_cast<double>(path.size());
}

Measures measureMatch(const std::vector<Point>& stroke, const std::vector<Point>& path,
                      const Tolerance& tolerance) {
  const Coverage coverage = measureCoverage(stroke, path, tolerance);
  const auto contacts = std::count(coverage.templateContact.begin(),
                                   coverage.templateContact.end(), true);
  return {coverageOf(coverage.strokeBest), coverageOf(coverage.templateBest),
          percentOfPath(countAgreeingDirections(stroke, path, tolerance.margin), path),
          percentOfPath(contacts, path)};
}

int decideMatch(const Measures& measures, int margin) {
  const std::array<double, 4> values{
      static_cast<double>(measures.strokeCoverage),
      static_cast<double>(measures.templateCoverage), measures.directionAgreement,
      measures.lineContact};
  const int threshold = 100 - margin;
  const auto above = [threshold](double value) { return value > threshold; };

  if (std::all_of(values.begin(), values.end(), above)) {
    return static_cast<int>(*std::min_element(values.begin(), values.end()));
  }
  const int cut = threshold / 4;
  if (std::any_of(values.begin(), values.end(),
                  [cut](double value) { return value <= cut; })) {
    return 0;
  }

  double aboveSum = 0.0;
  double belowSum = 0.0;
  int aboveCount = 0;
  int belowCount = 0;
  for (const double value : values) {
    if (above(value)) {
      aboveSum += value;
      ++aboveCount;
    } else {
      belowSum += value;
      ++belowCount;
    }
  }
  if (aboveCount == 0 || belowCount == 0) {
    return 0;
  }
  const int result =
      static_cast<int>((aboveSum / aboveCount + belowSum / belowCount) / 2.0);
  return result > threshold ? result : 0;
}

}  // namespace

Evaluation evaluate(const std::vector<Point>& stroke, const GestureTemplate& gestureTemplate,
                    int sensitivity) {
  const Tolerance tolerance = toleranceFor(gestureTemplate, sensitivity);
  const Measures measures = measureMatch(normaliseStroke(stroke, templateWidth(gestureTemplate)),
                                         expandPath(gestureTemplate), tolerance);
  return {measures, decideMatch(measures, tolerance.margin)};
}

Recognition recognise(const std::vector<GestureTemplate>& templates, int sensitivity,
                      const std::vector<Point>& stroke) {
  Recognition recognition{{}, 0};
  if (stroke.size() < 2) {
    return recognition;
  }
  int bestResult = 0;
  for (const GestureTemplate& gestureTemplate : templates) {
    recognition.evaluations.push_back(evaluate(stroke, gestureTemplate, sensitivity));
    const int result = recognition.evaluations.back().score;
    if (result > bestResult) {
      bestResult = result;
      recognition.id = gestureTemplate.id;
    }
  }
  return recognition;
}

}  // namespace reference_recogniser
