// Differential test: the recogniser against its former, plain implementation
// (reference_recogniser), over many seeded random strokes of every kind that
// the pointer can make, and some that it cannot.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <numbers>
#include <ostream>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/gesture/reference_recogniser.h"
#include "toolkit/gesture/gesture_recognizer.h"
#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/recogniser_internals.h"
#include "toolkit/gesture/stroke_recorder.h"

namespace gesture {
namespace {

using Random = std::mt19937_64;

double uniform(Random& random, double low, double high) {
  return std::uniform_real_distribution<double>(low, high)(random);
}

int uniformInt(Random& random, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random);
}

// Mostly short, now and then up to the longest: the reference's time grows
// with the length.
int pointCount(Random& random, int longest) {
  const double u = uniform(random, 0, 1);
  return 2 + static_cast<int>((longest - 2) * u * u * u);
}

bool chance(Random& random, double probability) {
  return std::bernoulli_distribution(probability)(random);
}

// Half of the generated strokes keep whole-pixel positions, as a mouse reports them.
Point maybeWhole(Point point, bool whole) {
  return whole ? Point{std::round(point.x), std::round(point.y)} : point;
}

// A straight swipe either way, with a wave and jitter across it.
std::vector<Point> straightSwipe(Random& random) {
  const int count = pointCount(random, 400);
  const double length = uniform(random, 5, 1200) * (chance(random, 0.5) ? 1 : -1);
  const double slope = uniform(random, -0.3, 0.3);
  const double wave = uniform(random, 0, 25);
  const double jitter = uniform(random, 0, 6);
  const Point start{uniform(random, -100, 1400), uniform(random, -100, 900)};
  const bool whole = chance(random, 0.5);
  std::vector<Point> stroke;
  for (int k = 0; k < count; ++k) {
    const double along = count == 1 ? 0.0 : static_cast<double>(k) / (count - 1);
    const double across = wave * std::sin(along * 2 * std::numbers::pi) +
                          uniform(random, -jitter, jitter);
    stroke.push_back(maybeWhole(
        {start.x + length * along, start.y + slope * length * along + across}, whole));
  }
  return stroke;
}

// Steps in any direction.
std::vector<Point> randomWalk(Random& random) {
  const int count = pointCount(random, 300);
  const double step = uniform(random, 0.5, 20);
  const bool whole = chance(random, 0.5);
  Point at{uniform(random, 0, 600), uniform(random, 0, 480)};
  std::vector<Point> stroke{maybeWhole(at, whole)};
  for (int k = 1; k < count; ++k) {
    at = {at.x + uniform(random, -step, step), at.y + uniform(random, -step, step)};
    stroke.push_back(maybeWhole(at, whole));
  }
  return stroke;
}

// A few points within a few pixels, down to fractions of one.
std::vector<Point> shortStroke(Random& random) {
  const int count = uniformInt(random, 2, 8);
  const double span = chance(random, 0.3) ? uniform(random, 0, 1) : uniform(random, 0, 12);
  const bool whole = chance(random, 0.5);
  const Point origin{uniform(random, 0, 600), uniform(random, 0, 480)};
  std::vector<Point> stroke;
  for (int k = 0; k < count; ++k) {
    stroke.push_back(maybeWhole(
        {origin.x + uniform(random, -span, span), origin.y + uniform(random, -span, span)},
        whole));
  }
  return stroke;
}

// A swipe or a walk whose points come in runs of equal points.
std::vector<Point> repeatedPoints(Random& random) {
  const std::vector<Point> base = chance(random, 0.5) ? straightSwipe(random) : randomWalk(random);
  std::vector<Point> stroke;
  for (const Point& point : base) {
    const int copies = uniformInt(random, 1, 4);
    stroke.insert(stroke.end(), static_cast<std::size_t>(copies), point);
    if (stroke.size() >= 400) {
      break;
    }
  }
  return stroke;
}

// Up or down, with x still or wandering by a pixel or two.
std::vector<Point> verticalStroke(Random& random) {
  const int count = pointCount(random, 200);
  const double length = uniform(random, 2, 500) * (chance(random, 0.5) ? 1 : -1);
  const double wander = chance(random, 0.5) ? 0.0 : uniform(random, 0, 2);
  const Point start{uniform(random, 0, 600), uniform(random, 0, 480)};
  std::vector<Point> stroke;
  for (int k = 0; k < count; ++k) {
    const double along = static_cast<double>(k) / (count - 1);
    stroke.push_back({std::round(start.x + uniform(random, -wander, wander)),
                      std::round(start.y + length * along)});
  }
  return stroke;
}

std::vector<Point> twoPoints(Random& random) {
  const double reach = chance(random, 0.5) ? 40.0 : 800.0;
  return {{uniform(random, -reach, reach), uniform(random, -reach, reach)},
          {uniform(random, -reach, reach), uniform(random, -reach, reach)}};
}

// Swipes and walks far from the origin, or stretched over huge distances.
std::vector<Point> hugeCoordinates(Random& random) {
  std::vector<Point> stroke = chance(random, 0.5) ? straightSwipe(random) : randomWalk(random);
  const double offset = std::pow(10.0, uniform(random, 6, 200)) * (chance(random, 0.5) ? 1 : -1);
  const double stretch = chance(random, 0.5) ? 1.0 : std::pow(10.0, uniform(random, 0, 100));
  const bool stretchY = chance(random, 0.5);
  for (Point& point : stroke) {
    point = {point.x * stretch + offset, (stretchY ? point.y * stretch : point.y) + offset};
  }
  return stroke;
}

// What no pointer makes: strokes spread wider than the largest double, so
// that their normalisation overflows, and strokes holding infinities or
// undefined values.
std::vector<Point> beyondFinite(Random& random) {
  std::vector<Point> stroke = chance(random, 0.5) ? straightSwipe(random) : randomWalk(random);
  const bool alongX = chance(random, 0.5);
  switch (uniformInt(random, 0, 2)) {
    case 0:
      for (Point& point : stroke) {
        (alongX ? point.x : point.y) = ((alongX ? point.x : point.y) - 300) * 5e305;
      }
      break;
    case 1: {
      constexpr double kInfinity = std::numeric_limits<double>::infinity();
      const double oddValues[]{kInfinity, -kInfinity, std::numeric_limits<double>::quiet_NaN()};
      const auto where = static_cast<std::size_t>(
          uniformInt(random, 0, static_cast<int>(stroke.size()) - 1));
      (alongX ? stroke[where].x : stroke[where].y) =
          oddValues[static_cast<std::size_t>(uniformInt(random, 0, 2))];
      break;
    }
    default:
      stroke[0] = {std::numeric_limits<double>::max(), -std::numeric_limits<double>::max()};
      break;
  }
  return stroke;
}

// What the recorder keeps of a drag made of a few pointer moves.
std::vector<Point> recordedDrag(Random& random) {
  StrokeRecorder recorder;
  Point at{uniform(random, 0, 663), uniform(random, 0, 480)};
  recorder.press(at);
  const Point heading{uniform(random, -40, 40), uniform(random, -12, 12)};
  const int moves = pointCount(random, 60) - 1;
  for (int m = 0; m < moves; ++m) {
    at = {at.x + heading.x + uniform(random, -4, 4), at.y + heading.y + uniform(random, -4, 4)};
    recorder.move({std::round(at.x), std::round(at.y)});
  }
  const std::optional<Stroke> stroke = recorder.release();
  return stroke ? stroke->points : std::vector<Point>{at, {at.x + 1, at.y}};
}

struct Family {
  std::string name;
  std::function<std::vector<Point>(Random&)> make;
  int strokes;
};

void PrintTo(const Family& family, std::ostream* os) { *os << family.name; }

// Besides the two swipes: a lifted copy, a sloping path whose points are not
// whole numbers, a vertical path (no width), a narrow and a wide deviation,
// and a deviation of zero.
const std::vector<GestureTemplate> kOtherTemplates{
    {5, {200, 10}, {0, 10}, 30, 20},   {6, {0, 0}, {150, 80}, 25, 15},
    {7, {0, 0}, {0, 120}, 30, 20},     {8, {300, 0}, {0, 0}, 10, 10},
    {9, {0, 0}, {100, 0}, 80, 30},     {10, {0, 0}, {50, 0}, 0, 20},
};

std::vector<GestureTemplate> templatesFor(Random& random) {
  std::vector<GestureTemplate> templates = standardTemplates();
  if (chance(random, 0.25)) {
    templates.push_back(kOtherTemplates[static_cast<std::size_t>(
        uniformInt(random, 0, static_cast<int>(kOtherTemplates.size()) - 1))]);
  }
  return templates;
}

int sensitivityFor(Random& random) {
  static const std::vector<int> kNotable{defaultSensitivity, defaultSensitivity, 100, 85, 65,
                                         50, 11, 10, 1};
  return chance(random, 0.8)
             ? kNotable[static_cast<std::size_t>(
                   uniformInt(random, 0, static_cast<int>(kNotable.size()) - 1))]
             : uniformInt(random, 1, 100);
}

std::string describe(const std::vector<Point>& stroke) {
  std::ostringstream text;
  text.precision(17);
  text << stroke.size() << " points:";
  for (const Point& point : stroke) {
    text << " (" << point.x << ", " << point.y << ")";
  }
  return text.str();
}

// The library's side, kept from stroke to stroke as in the program, so that
// anything one stroke leaves in the reused buffers would show in the next.
class Library {
 public:
  internal::MatchMeasures measure(const std::vector<Point>& stroke,
                                  const GestureTemplate& gestureTemplate, int sensitivity) {
    const std::pair key{gestureTemplate.id, sensitivity};
    auto found = prepared_.find(key);
    if (found == prepared_.end()) {
      found = prepared_.emplace(key, internal::PreparedTemplate(gestureTemplate, sensitivity)).first;
    }
    internal::normaliseStroke(stroke, found->second.width, normalised_);
    return internal::measureMatch(normalised_, found->second.path, workspace_);
  }

  int recognise(const std::vector<GestureTemplate>& templates, int sensitivity,
                const std::vector<Point>& stroke) {
    // The last template is the only one that varies.
    const std::pair key{templates.back().id, sensitivity};
    auto found = recognisers_.find(key);
    if (found == recognisers_.end()) {
      found = recognisers_.emplace(key, GestureRecognizer(templates, sensitivity)).first;
    }
    return found->second.recognise(stroke);
  }

 private:
  std::vector<Point> normalised_;
  internal::Workspace workspace_;
  // Made ready once, by template id (each id has one template) and sensitivity.
  std::map<std::pair<int, int>, internal::PreparedTemplate> prepared_;
  std::map<std::pair<int, int>, GestureRecognizer> recognisers_;
};

void expectSameEvaluation(const reference_recogniser::Evaluation& expected,
                          const internal::MatchMeasures& actual, int margin) {
  EXPECT_EQ(actual.strokeCoverage, expected.measures.strokeCoverage);
  EXPECT_EQ(actual.templateCoverage, expected.measures.templateCoverage);
  EXPECT_EQ(actual.directionAgreement, expected.measures.directionAgreement);
  EXPECT_EQ(actual.lineContact, expected.measures.lineContact);
  EXPECT_EQ(internal::decideMatch(actual, margin), expected.score);
}

class MatchesReference : public ::testing::TestWithParam<Family> {};

TEST_P(MatchesReference, OnEveryMeasureAndResult) {
  const Family& family = GetParam();
  Random random(std::hash<std::string>{}(family.name) ^ 0x5eed'2024'0611ULL);
  Library library;
  for (int c = 0; c < family.strokes; ++c) {
    const std::vector<Point> stroke = family.make(random);
    const std::vector<GestureTemplate> templates = templatesFor(random);
    const int sensitivity = sensitivityFor(random);
    SCOPED_TRACE(family.name + " stroke " + std::to_string(c) + ", sensitivity " +
                 std::to_string(sensitivity));

    const reference_recogniser::Recognition expected =
        reference_recogniser::recognise(templates, sensitivity, stroke);
    ASSERT_EQ(expected.evaluations.size(), templates.size());
    for (std::size_t t = 0; t < templates.size(); ++t) {
      SCOPED_TRACE("template " + std::to_string(templates[t].id));
      expectSameEvaluation(expected.evaluations[t],
                           library.measure(stroke, templates[t], sensitivity),
                           internal::toleranceFor(templates[t], sensitivity).margin);
    }
    EXPECT_EQ(library.recognise(templates, sensitivity, stroke), expected.id);
    if (::testing::Test::HasFailure()) {
      FAIL() << "stroke " << describe(stroke);
    }
  }
}

std::string familyName(const ::testing::TestParamInfo<Family>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(
    SeededStrokes, MatchesReference,
    ::testing::Values(Family{"StraightSwipes", straightSwipe, 600},
                      Family{"RandomWalks", randomWalk, 400},
                      Family{"ShortStrokes", shortStroke, 2000},
                      Family{"RepeatedPoints", repeatedPoints, 300},
                      Family{"VerticalStrokes", verticalStroke, 400},
                      Family{"TwoPointStrokes", twoPoints, 2000},
                      Family{"HugeCoordinates", hugeCoordinates, 400},
                      Family{"BeyondFinite", beyondFinite, 300},
                      Family{"RecordedDrags", recordedDrag, 600}),
    familyName);

TEST(MatchesReference, StrokesTooShortToEvaluate) {
  const std::vector<GestureTemplate> templates = standardTemplates();
  for (const std::vector<Point>& stroke : {std::vector<Point>{}, std::vector<Point>{{3, 4}}}) {
    EXPECT_EQ(GestureRecognizer().recognise(stroke),
              reference_recogniser::recognise(templates, defaultSensitivity, stroke).id);
  }
}

}  // namespace
}  // namespace gesture
