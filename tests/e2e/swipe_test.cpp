// Swipes over a card's picture with the real pointer: a stroke to the left
// slides on to the next page, one to the right back to the previous one, and
// neither goes past the ends of the deck.
#include "card_layout.h"
#include "image_checks.h"
#include "page_at_rest.h"
#include "program_window.h"
#include "slide_frames.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using namespace layout;

// Long enough to see every frame of a slide that starts at the release.
constexpr auto kSlideWatch = 1s;
constexpr auto kStrokeDuration = 300ms;
constexpr QPoint kPictureLeft{140, 120};
constexpr QPoint kPictureRight{520, 120};

enum class Stroke { Leftwards, Rightwards };

struct SwipeCase {
  const char* name;
  int from;  // the page the stroke is made on, reached by a click on its dot
  Stroke stroke;
  int to;    // the page current afterwards
};
void PrintTo(const SwipeCase& c, std::ostream* out) { *out << c.name; }

class SwipesOverThePicture : public ::testing::TestWithParam<SwipeCase> {};

TEST_P(SwipesOverThePicture, SlideOnePageOrNoneAtTheEnds) {
  const SwipeCase& swipe = GetParam();
  ProgramWindow window;
  if (swipe.from != 1) window.click(centreOf(pageDot(swipe.from)));
  const bool leftwards = swipe.stroke == Stroke::Leftwards;
  const QPoint start = leftwards ? kPictureRight : kPictureLeft;
  const QPoint end = leftwards ? kPictureLeft : kPictureRight;
  window.moveTo(start);
  const QImage before =
      window.captureSettled([&](const QImage& shot) { return showsPageAtRest(shot, swipe.from); });
  ASSERT_EQ(highlightedDots(before), std::vector<int>{swipe.from});

  window.drag(start, end, kStrokeDuration);
  const auto frames = window.captureFor(kSlideWatch);
  const QImage after =
      window.captureSettled([&](const QImage& shot) { return showsPageAtRest(shot, swipe.to); });
  EXPECT_EQ(highlightedDots(after), std::vector<int>{swipe.to});

  if (swipe.to == swipe.from) {
    for (size_t i = 0; i < frames.size(); ++i)
      EXPECT_TRUE(isIdentical(frames[i], before)) << "capture " << i << " after the stroke";
    return;
  }
  // The page that comes in follows the stroke: from the right for a stroke to
  // the left, from the left for one to the right.
  const QImage& leftPage = leftwards ? before : after;
  const QImage& rightPage = leftwards ? after : before;
  const auto midSlide = firstSeamFrame(frames, leftPage, rightPage);
  EXPECT_TRUE(midSlide) << "none of " << frames.size() << " captures shows page " << swipe.to
                        << " entering from the " << (leftwards ? "right" : "left");
}

INSTANTIATE_TEST_SUITE_P(
    AcrossTheDeck, SwipesOverThePicture,
    ::testing::Values(SwipeCase{"LeftOnCardOneShowsCardTwo", 1, Stroke::Leftwards, 2},
                      SwipeCase{"RightOnCardTwoShowsCardOne", 2, Stroke::Rightwards, 1},
                      SwipeCase{"RightOnCardOneDoesNothing", 1, Stroke::Rightwards, 1},
                      SwipeCase{"LeftOnTheEndPageDoesNothing", kEndPage, Stroke::Leftwards, kEndPage},
                      SwipeCase{"RightOnTheEndPageShowsCard119", kEndPage, Stroke::Rightwards, 119}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
