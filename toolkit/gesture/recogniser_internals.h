#pragma once

// The steps of matching a stroke against a template, for the recogniser, its
// tests and its benchmark only; the rest of the program uses
// gesture_recognizer.h.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/point.h"

namespace gesture::internal {

// How far a stroke may stray from a template: the template's Deviation as
// radius, and the effective margin at the recogniser's sensitivity.
struct Tolerance {
  int radius;
  int margin;
};

// ErrorMargin + (100 - Sensitivity)^2 / 100, rounded, at most 100.
// Sensitivity is taken as a whole number from 1 to 100.
int effectiveMargin(int ErrorMargin, int Sensitivity);

Tolerance toleranceFor(const GestureTemplate& gestureTemplate, int Sensitivity);

// Horizontal extent of the template path; strokes are scaled to it.
double templateWidth(const GestureTemplate& gestureTemplate);

// The template path in steps of one unit, from its start to its end.
std::vector<Point> expandPath(const GestureTemplate& gestureTemplate);

// 100 up to radius * margin / 100, then falling linearly to the margin at the
// radius, and 0 beyond it.
double pointScore(double distance, const Tolerance& tolerance);

// The point score where it beats the margin, otherwise 0: only such scores
// count towards a coverage.
double countedScore(double distance, const Tolerance& tolerance);

// Moves a non-empty stroke so that its smallest x and y are 0, stretches x to
// the given width (y keeps its units, templates having no height), rounds
// every coordinate to a whole number and drops each point equal to the one
// before it. The result replaces the contents of `normalised`.
void normaliseStroke(std::span<const Point> stroke, double width,
                     std::vector<Point>& normalised);

// The infinite line through two distinct points, asked whether it cuts
// circles of one radius in two points. A tangent touches in one point only
// and is no contact.
class LineThrough {
 public:
  LineThrough(Point a, Point b, double radius);
  bool cutsCircleAround(Point centre) const;

 private:
  Point a_;
  double dx_;
  double dy_;
  double limit_;
};

// Direction of the step from one point to the next: the four-quadrant arc
// tangent of the x difference over the y difference.
double stepAngle(Point from, Point to);

// The stroke angles that agree with a template step: those strictly within
// margin * pi / 100 of its angle, and exactly 0 (as when both ends of the
// stroke step are the same point).
struct AgreeingDirections {
  AgreeingDirections(double templateAngle, int margin);
  bool contain(double strokeAngle) const;

  double low;
  double high;
};

// A template path of at least three points made ready for matching strokes
// at one tolerance: point scores by squared distance and the directions that
// agree with each template point's step are worked out once.
class TemplatePath {
 public:
  TemplatePath(std::vector<Point> points, Tolerance tolerance);

  std::span<const Point> points() const { return points_; }
  const Tolerance& tolerance() const { return tolerance_; }

  // Whether two points this far apart (squared) are within the radius of each
  // other, the boundary included.
  bool withinRadius(double squaredDistance) const { return squaredDistance <= squaredRadius_; }

  // The counted point score of a pair of points this far apart (squared),
  // rounded to a whole number: 0 beyond the radius, and never more for a
  // pair farther apart. So a point's best score is the score of its nearest
  // partner, and only that one needs scoring.
  int score(double squaredDistance) const;

  // Whether a pair this far apart (squared) is sure to score in full, so that
  // no nearer pair can raise its score.
  bool scoresInFull(double squaredDistance) const {
    return squaredDistance <= largestFullScoreSquare_;
  }

  // Where the template step that point i is judged by starts: the step from
  // the point into the next one, or for each of the last two points the step
  // into it.
  std::size_t stepStart(std::size_t i) const { return i + 2 < points_.size() ? i : i - 1; }

  // Whether a stroke step at the given angle agrees with point i's step.
  bool agrees(std::size_t i, double strokeAngle) const {
    return directions_[i].contain(strokeAngle);
  }

 private:
  std::vector<Point> points_;
  Tolerance tolerance_;
  double squaredRadius_;
  // Scores of the whole squared distances from 0 up to a bound; whole-number
  // points, as normalised strokes and the swipe templates have, lie a whole
  // number apart when squared.
  std::vector<int> scoreBySquaredDistance_;
  double largestFullScoreSquare_;
  std::vector<AgreeingDirections> directions_;
};

// A registered template made ready once.
struct PreparedTemplate {
  PreparedTemplate(const GestureTemplate& gestureTemplate, int Sensitivity);

  int id;
  double width;
  TemplatePath path;
};

// Finds the stroke point nearest to a given point, the earliest in stroke
// order when several are equally near, without measuring the distance to
// every stroke point: they are kept in order of x, and the search stops where
// the x distance alone exceeds the best distance found.
class NearestPointFinder {
 public:
  // Takes the stroke (non-empty) to search, reusing the space of the one before.
  void assign(std::span<const Point> stroke);

  // The index in the stroke of the point nearest to each target; quickest
  // when each target lies close to the one before, as along a template path.
  void nearestToEach(std::span<const Point> targets, std::span<std::size_t> nearest) const;

 private:
  struct NumberedPoint {
    Point point;
    std::size_t index;
  };
  std::size_t nearestByDistance(Point target) const;

  // A stroke with coordinates beyond the finite (only from an overflow)
  // cannot be ordered; it is searched point by point.
  bool ordered_ = false;
  std::vector<NumberedPoint> points_;
};

// Buffers reused from one stroke to the next, so that matching allocates
// nothing once they have grown to the longest stroke seen.
struct Workspace {
  std::vector<Point> normalised;
  std::vector<double> strokeClosest;
  std::vector<double> templateClosest;
  std::vector<std::uint8_t> templateContact;
  NearestPointFinder nearestPoints;
  std::vector<std::size_t> nearest;
};

// The two passes find, for every point of one path, the squared distance to
// its nearest partner on the other path among those that the pass pairs it
// with; `closest` starts out infinite.

// For each template point in order, moves forward through the stroke while
// the next stroke point is within the radius, then pairs the template point
// with every stroke point reached so far.
void strokePass(std::span<const Point> stroke, const TemplatePath& path,
                std::span<double> strokeClosest);

// For each stroke point in order, moves forward through the template while
// the next template point is within the radius, then pairs the stroke point
// with every template point reached so far, and marks those that the line
// through this stroke point and the next cuts the radius around. The stroke's
// last segment is never used.
void templatePass(std::span<const Point> stroke, const TemplatePath& path,
                  std::span<double> templateClosest, std::span<std::uint8_t> templateContact);

// How many template points step in a direction that the stroke, between the
// points nearest to the ends of the template step, agrees with; `nearest`
// holds the index of the stroke point nearest to each template point.
int countAgreeingDirections(std::span<const Point> stroke, const TemplatePath& path,
                            std::span<const std::size_t> nearest);

// The four ways a normalised stroke is compared with a template path, each
// from 0 to 100. The coverages are whole numbers; the two proportions of
// template points keep their fractions.
struct MatchMeasures {
  int strokeCoverage;
  int templateCoverage;
  double directionAgreement;
  double lineContact;
};

// Measures a normalised, non-empty stroke against a template path.
MatchMeasures measureMatch(std::span<const Point> stroke, const TemplatePath& path,
                           Workspace& workspace);

// Turns the four measures into a match result from 0 (no match) to 100, with
// the threshold 100 - margin:
// - all measures above it: the smallest, its fraction cut off;
// - any measure at most a quarter of it (cut to a whole number): 0;
// - otherwise the mean of the means of the measures above and of those at
//   most the threshold, its fraction cut off, and 0 unless above the
//   threshold (or when either group is empty).
int decideMatch(const MatchMeasures& measures, int margin);

}  // namespace gesture::internal
