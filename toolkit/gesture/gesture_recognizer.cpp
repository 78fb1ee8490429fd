#include "toolkit/gesture/gesture_recognizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <numbers>
#include <utility>

#include "toolkit/gesture/recogniser_internals.h"
#include "toolkit/layout/rounding.h"

namespace gesture {
namespace internal {

int effectiveMargin(int ErrorMargin, int Sensitivity) {
  const int slack = 100 - std::clamp(Sensitivity, 1, 100);
  const int widening = static_cast<int>(toolkit::RoundHalfEven(slack * slack / 100.0));
  return std::min(ErrorMargin + widening, 100);
}

Tolerance toleranceFor(const GestureTemplate& gestureTemplate, int Sensitivity) {
  return {gestureTemplate.Deviation,
          effectiveMargin(gestureTemplate.ErrorMargin, Sensitivity)};
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

double pointScore(double distance, const Tolerance& tolerance) {
  const double fullScoreReach = tolerance.radius * tolerance.margin / 100.0;
  if (distance <= fullScoreReach) {
    return 100.0;
  }
  if (distance > tolerance.radius) {
    return 0.0;
  }
  // The fraction comes first so that the score at the radius is exactly the margin.
  const double fraction = (distance - fullScoreReach) / (tolerance.radius - fullScoreReach);
  return 100.0 - (100.0 - tolerance.margin) * fraction;
}

double countedScore(double distance, const Tolerance& tolerance) {
  const double score = pointScore(distance, tolerance);
  return score > tolerance.margin ? score : 0.0;
}

void normaliseStroke(std::span<const Point> stroke, double width,
                     std::vector<Point>& normalised) {
  const auto [left, right] = std::minmax_element(
      stroke.begin(), stroke.end(), [](Point a, Point b) { return a.x < b.x; });
  const auto top = std::min_element(
      stroke.begin(), stroke.end(), [](Point a, Point b) { return a.y < b.y; });
  const double span = right->x - left->x;
  const double scale = span == 0.0 ? 1.0 : width / span;

  normalised.clear();
  for (const Point& point : stroke) {
    const Point scaled{toolkit::RoundHalfEven((point.x - left->x) * scale),
                       toolkit::RoundHalfEven(point.y - top->y)};
    if (normalised.empty() || !(normalised.back() == scaled)) {
      normalised.push_back(scaled);
    }
  }
}

LineThrough::LineThrough(Point a, Point b, double radius)
    : a_(a), dx_(b.x - a.x), dy_(b.y - a.y), limit_(radius * radius * (dx_ * dx_ + dy_ * dy_)) {}

bool LineThrough::cutsCircleAround(Point centre) const {
  // cross / |b - a| is the distance from the centre to the line.
  const double cross = dx_ * (centre.y - a_.y) - dy_ * (centre.x - a_.x);
  return cross * cross < limit_;
}

namespace {

// The step from one point to the next, as from - to.
Point stepBetween(Point from, Point to) { return {from.x - to.x, from.y - to.y}; }

double angleOf(Point step) { return std::atan2(step.x, step.y); }

}  // namespace

double stepAngle(Point from, Point to) { return angleOf(stepBetween(from, to)); }

AgreeingDirections::AgreeingDirections(double templateAngle, int margin) {
  const double spread = margin * std::numbers::pi / 100.0;
  low = templateAngle - spread;
  high = templateAngle + spread;
}

bool AgreeingDirections::contain(double strokeAngle) const {
  return strokeAngle == 0.0 || (low < strokeAngle && strokeAngle < high);
}

namespace {

// No point scores more.
constexpr int kFullScore = 100;

// Squared distances up to this are looked up rather than scored; beyond it
// (only for deviations above 64) the score is worked out each time.
constexpr double kLargestTabledSquare = 4096;

// The rounded counted score, or 0 where that is negative (as it can be for a
// negative margin), which is where a point's best score starts.
int roundedScore(double distance, const Tolerance& tolerance) {
  return std::max(0, static_cast<int>(toolkit::RoundHalfEven(countedScore(distance, tolerance))));
}

std::vector<int> scoresBySquaredDistance(const Tolerance& tolerance) {
  const double radius = tolerance.radius;
  const auto count = static_cast<std::size_t>(std::min(radius * radius, kLargestTabledSquare)) + 1;
  std::vector<int> scores(count);
  for (std::size_t square = 0; square < count; ++square) {
    scores[square] = roundedScore(std::sqrt(static_cast<double>(square)), tolerance);
  }
  return scores;
}

// The end of the leading run of full scores; -1 when there is none. Scores
// never rise with the distance, so every nearer pair scores in full too.
double largestFullScoreSquare(const std::vector<int>& scores) {
  const auto run = std::find_if(scores.begin(), scores.end(),
                                [](int score) { return score != kFullScore; });
  return static_cast<double>(run - scores.begin()) - 1.0;
}

}  // namespace

TemplatePath::TemplatePath(std::vector<Point> points, Tolerance tolerance)
    : points_(std::move(points)),
      tolerance_(tolerance),
      squaredRadius_(static_cast<double>(tolerance.radius) * tolerance.radius),
      scoreBySquaredDistance_(scoresBySquaredDistance(tolerance)),
      largestFullScoreSquare_(largestFullScoreSquare(scoreBySquaredDistance_)) {
  directions_.reserve(points_.size());
  for (std::size_t i = 0; i < points_.size(); ++i) {
    const std::size_t from = stepStart(i);
    directions_.emplace_back(stepAngle(points_[from], points_[from + 1]), tolerance.margin);
  }
}

int TemplatePath::score(double squaredDistance) const {
  // Beyond the radius the score is at most the margin, which does not count.
  if (!withinRadius(squaredDistance)) {
    return 0;
  }
  if (squaredDistance < static_cast<double>(scoreBySquaredDistance_.size())) {
    const auto square = static_cast<std::size_t>(squaredDistance);
    if (static_cast<double>(square) == squaredDistance) {
      return scoreBySquaredDistance_[square];
    }
  }
  return roundedScore(std::sqrt(squaredDistance), tolerance_);
}

PreparedTemplate::PreparedTemplate(const GestureTemplate& gestureTemplate, int Sensitivity)
    : id(gestureTemplate.id),
      width(templateWidth(gestureTemplate)),
      path(expandPath(gestureTemplate), toleranceFor(gestureTemplate, Sensitivity)) {}

namespace {

// Moves `first` past the leading entries already at the closest that can
// matter, as far as `last`.
void skipSettled(std::span<const double> closest, const TemplatePath& path, std::size_t& first,
                 std::size_t last) {
  while (first <= last && path.scoresInFull(closest[first])) {
    ++first;
  }
}

void pairWith(Point point, std::span<const Point> partners, std::span<double> closest) {
  for (std::size_t k = 0; k < partners.size(); ++k) {
    closest[k] = std::min(closest[k], squaredDistance(point, partners[k]));
  }
}

}  // namespace

// Both passes leave out the leading points that already score in full: in a
// good match these are most of the points reached.
void strokePass(std::span<const Point> stroke, const TemplatePath& path,
                std::span<double> strokeClosest) {
  std::size_t reached = 0;
  std::size_t firstOpen = 0;
  for (const Point& templatePoint : path.points()) {
    while (reached + 1 < stroke.size() &&
           path.withinRadius(squaredDistance(stroke[reached + 1], templatePoint))) {
      ++reached;
    }
    skipSettled(strokeClosest, path, firstOpen, reached);
    if (firstOpen <= reached) {
      const std::size_t count = reached + 1 - firstOpen;
      pairWith(templatePoint, stroke.subspan(firstOpen, count),
               strokeClosest.subspan(firstOpen, count));
    }
  }
}

void templatePass(std::span<const Point> stroke, const TemplatePath& path,
                  std::span<double> templateClosest, std::span<std::uint8_t> templateContact) {
  const std::span<const Point> points = path.points();
  std::size_t reached = 0;
  std::size_t firstOpen = 0;
  std::size_t firstUncut = 0;
  for (std::size_t k = 0; k < stroke.size(); ++k) {
    const Point strokePoint = stroke[k];
    while (reached + 1 < points.size() &&
           path.withinRadius(squaredDistance(points[reached + 1], strokePoint))) {
      ++reached;
    }
    skipSettled(templateClosest, path, firstOpen, reached);
    if (firstOpen <= reached) {
      const std::size_t count = reached + 1 - firstOpen;
      pairWith(strokePoint, points.subspan(firstOpen, count),
               templateClosest.subspan(firstOpen, count));
    }
    if (k + 2 < stroke.size()) {
      while (firstUncut <= reached && templateContact[firstUncut] != 0) {
        ++firstUncut;
      }
      const LineThrough line(strokePoint, stroke[k + 1], path.tolerance().radius);
      for (std::size_t i = firstUncut; i <= reached; ++i) {
        templateContact[i] |= static_cast<std::uint8_t>(line.cutsCircleAround(points[i]));
      }
    }
  }
}

void NearestPointFinder::assign(std::span<const Point> stroke) {
  points_.clear();
  ordered_ = true;
  for (std::size_t k = 0; k < stroke.size(); ++k) {
    points_.push_back({stroke[k], k});
    ordered_ = ordered_ && std::isfinite(stroke[k].x) && std::isfinite(stroke[k].y);
  }
  if (!ordered_) {
    return;
  }
  const auto byX = [](const NumberedPoint& a, const NumberedPoint& b) {
    return a.point.x < b.point.x;
  };
  // A swipe drawn leftwards only needs turning round.
  if (std::is_sorted(points_.rbegin(), points_.rend(), byX)) {
    std::reverse(points_.begin(), points_.end());
  } else {
    std::sort(points_.begin(), points_.end(), byX);
  }
}

std::size_t NearestPointFinder::nearestByDistance(Point target) const {
  std::size_t best = 0;
  for (std::size_t k = 1; k < points_.size(); ++k) {
    if (squaredDistance(points_[k].point, target) <
        squaredDistance(points_[best].point, target)) {
      best = k;
    }
  }
  return best;
}

void NearestPointFinder::nearestToEach(std::span<const Point> targets,
                                       std::span<std::size_t> nearest) const {
  if (!ordered_) {
    for (std::size_t i = 0; i < targets.size(); ++i) {
      nearest[i] = nearestByDistance(targets[i]);
    }
    return;
  }
  // Where the stroke points of smaller x end. Consecutive targets along a
  // template path lie close together, so it moves only a little each time.
  std::size_t split = 0;
  for (std::size_t i = 0; i < targets.size(); ++i) {
    const Point target = targets[i];
    while (split < points_.size() && points_[split].point.x < target.x) {
      ++split;
    }
    while (split > 0 && !(points_[split - 1].point.x < target.x)) {
      --split;
    }
    // Finite distances (infinite at most, never undefined) order every pair:
    // the nearest is the least distance, then the least index.
    double bestSquared = std::numeric_limits<double>::infinity();
    std::size_t best = points_.size();
    const auto consider = [&](const NumberedPoint& candidate) {
      const double dx = candidate.point.x - target.x;
      // The squared distance is never below the squared x distance.
      if (dx * dx > bestSquared) {
        return false;
      }
      const double squared = squaredDistance(candidate.point, target);
      if (squared < bestSquared || (squared == bestSquared && candidate.index < best)) {
        bestSquared = squared;
        best = candidate.index;
      }
      return true;
    };
    for (std::size_t right = split; right < points_.size() && consider(points_[right]);
         ++right) {
    }
    for (std::size_t left = split; left > 0 && consider(points_[left - 1]); --left) {
    }
    nearest[i] = best;
  }
}

int countAgreeingDirections(std::span<const Point> stroke, const TemplatePath& path,
                            std::span<const std::size_t> nearest) {
  // Neighbouring template points mostly see the same stroke step, so the
  // last step's angle is kept. Steps are compared bit for bit: the angles of
  // +0 and -0 differ.
  Point lastStep{};
  double lastAngle = std::numeric_limits<double>::quiet_NaN();
  int agreeing = 0;
  for (std::size_t i = 0; i < nearest.size(); ++i) {
    const std::size_t from = path.stepStart(i);
    const Point step = stepBetween(stroke[nearest[from]], stroke[nearest[from + 1]]);
    if (std::isnan(lastAngle) || std::memcmp(&step, &lastStep, sizeof step) != 0) {
      lastStep = step;
      lastAngle = angleOf(step);
    }
    if (path.agrees(i, lastAngle)) {
      ++agreeing;
    }
  }
  return agreeing;
}

namespace {

// The mean score of the points, by whole-number division, each scored by
// the squared distance to its closest partner.
int coverageOf(std::span<const double> closest, const TemplatePath& path) {
  long long sum = 0;
  for (const double squared : closest) {
    sum += path.score(squared);
  }
  return static_cast<int>(sum / static_cast<long long>(closest.size()));
}

double percentOfPath(long long count, const TemplatePath& path) {
  return 100.0 * static_cast<double>(count) / static_cast<double>(path.points().size());
}

}  // namespace

MatchMeasures measureMatch(std::span<const Point> stroke, const TemplatePath& path,
                           Workspace& workspace) {
  constexpr double kUnpaired = std::numeric_limits<double>::infinity();
  const std::span<const Point> points = path.points();
  workspace.strokeClosest.assign(stroke.size(), kUnpaired);
  workspace.templateClosest.assign(points.size(), kUnpaired);
  workspace.templateContact.assign(points.size(), 0);
  workspace.nearest.resize(points.size());

  strokePass(stroke, path, workspace.strokeClosest);
  templatePass(stroke, path, workspace.templateClosest, workspace.templateContact);
  workspace.nearestPoints.assign(stroke);
  workspace.nearestPoints.nearestToEach(points, workspace.nearest);
  const auto contacts = std::count(workspace.templateContact.begin(),
                                   workspace.templateContact.end(), std::uint8_t{1});
  return {coverageOf(workspace.strokeClosest, path),
          coverageOf(workspace.templateClosest, path),
          percentOfPath(countAgreeingDirections(stroke, path, workspace.nearest), path),
          percentOfPath(contacts, path)};
}

int decideMatch(const MatchMeasures& measures, int margin) {
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

}  // namespace internal

struct GestureRecognizer::State {
  std::vector<internal::PreparedTemplate> templates;
  internal::Workspace workspace;
};

GestureRecognizer::GestureRecognizer(std::vector<GestureTemplate> templates, int Sensitivity)
    : state_(std::make_unique<State>()) {
  state_->templates.reserve(templates.size());
  for (const GestureTemplate& gestureTemplate : templates) {
    state_->templates.emplace_back(gestureTemplate, Sensitivity);
  }
}

// Copied, never moved, so that no recogniser is ever left without its state.
GestureRecognizer::GestureRecognizer(const GestureRecognizer& other)
    : state_(std::make_unique<State>(*other.state_)) {}

GestureRecognizer& GestureRecognizer::operator=(const GestureRecognizer& other) {
  *state_ = *other.state_;
  return *this;
}

GestureRecognizer::~GestureRecognizer() = default;

int GestureRecognizer::recognise(const std::vector<Point>& stroke) const {
  if (stroke.size() < 2) {
    return 0;
  }
  internal::Workspace& workspace = state_->workspace;
  int bestId = 0;
  int bestResult = 0;
  bool normalised = false;
  double normalisedWidth = 0.0;
  for (const internal::PreparedTemplate& prepared : state_->templates) {
    // Templates of one width, like the two swipes, share the scaled stroke.
    if (!normalised || prepared.width != normalisedWidth) {
      internal::normaliseStroke(stroke, prepared.width, workspace.normalised);
      normalised = true;
      normalisedWidth = prepared.width;
    }
    const int result = internal::decideMatch(
        internal::measureMatch(workspace.normalised, prepared.path, workspace),
        prepared.path.tolerance().margin);
    if (result > bestResult) {
      bestResult = result;
      bestId = prepared.id;
    }
  }
  return bestId;
}

}  // namespace gesture
