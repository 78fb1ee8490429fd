// The page dots and their keys: a click on a dot, and the arrow keys and
// Ctrl+Tab on the dot that it focused, show a page at once, without a slide;
// the arrows stop at the ends of the deck, Ctrl+Tab and Ctrl+Shift+Tab wrap.
#include "card_layout.h"
#include "image_checks.h"
#include "page_at_rest.h"
#include "program_window.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using namespace layout;

// Long enough to see every frame of a slide, had one started.
constexpr auto kSlideWatch = 500ms;

struct DotCase {
  const char* name;
  int dot;            // the page whose dot is clicked first
  const char* chord;  // then typed, if any (xdotool notation)
  int page;           // current afterwards
};
void PrintTo(const DotCase& c, std::ostream* out) { *out << c.name; }

class PageDots : public ::testing::TestWithParam<DotCase> {};

TEST_P(PageDots, ShowThePageAtOnce) {
  const DotCase& dot = GetParam();
  ProgramWindow window;
  window.click(centreOf(pageDot(dot.dot)));
  window.moveTo({600, 150});  // over no control, so that none is drawn hovered
  const QImage clicked =
      window.captureSettled([&](const QImage& shot) { return isDotHighlighted(shot, dot.dot); });
  ASSERT_EQ(highlightedDots(clicked), std::vector<int>{dot.dot}) << "after a click on the dot";
  if (dot.chord != nullptr) window.typeKeys(dot.chord);

  const auto frames = window.captureFor(kSlideWatch);
  for (size_t i = 0; i < frames.size(); ++i)
    ASSERT_TRUE(showsPageAtRest(frames[i])) << "capture " << i << " of " << frames.size();
  const QImage after =
      window.captureSettled([&](const QImage& shot) { return isDotHighlighted(shot, dot.page); });
  EXPECT_EQ(highlightedDots(after), std::vector<int>{dot.page});
  if (dot.page == dot.dot) {
    EXPECT_TRUE(isIdentical(after, clicked));
  }
}

INSTANTIATE_TEST_SUITE_P(
    AndTheirKeys, PageDots,
    ::testing::Values(DotCase{"ClickOnTheDotOfCard50", 50, nullptr, 50},
                      DotCase{"RightOnTheDotOfCardOne", 1, "Right", 2},
                      DotCase{"LeftOnTheDotOfCardOne", 1, "Left", 1},
                      DotCase{"LeftOnTheDotOfCard50", 50, "Left", 49},
                      DotCase{"RightOnTheDotOfTheEndPage", kEndPage, "Right", kEndPage},
                      DotCase{"CtrlTabOnCardOne", 1, "ctrl+Tab", 2},
                      DotCase{"CtrlTabOnTheEndPage", kEndPage, "ctrl+Tab", 1},
                      DotCase{"CtrlShiftTabOnCardOne", 1, "ctrl+shift+Tab", kEndPage},
                      DotCase{"CtrlShiftTabOnCard50", 50, "ctrl+shift+Tab", 49}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
