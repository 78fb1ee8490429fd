// The web build on a phone: a viewport of 390 x 844 CSS pixels at 3 device
// pixels each, driven by one finger on a touch screen. A swipe slides to the
// next or the previous page, a tap on a dot shows its page when the finger
// lifts, a second finger adds nothing, a double tap does not zoom, and every
// edge of the layout falls on a whole device pixel.
#include "tests/e2e/browser_program_session.h"
#include "tests/e2e/card_layout.h"
#include "tests/e2e/image_checks.h"
#include "tests/e2e/program_window.h"

#include <gtest/gtest.h>
#include <thread>

namespace e2e {
namespace {

using namespace layout;

constexpr QSize kPhone{390, 844};
constexpr int kScale = 3;
constexpr auto kStrokeDuration = 300ms;
constexpr QPoint kPictureLeft{60, 120};
constexpr QPoint kPictureRight{330, 120};

std::unique_ptr<ProgramSession> phone() {
  PageOptions options;
  options.viewport = kPhone;
  options.deviceScale = kScale;
  options.phone = true;
  return std::make_unique<BrowserProgramSession>(options);
}

const BrowserProgramSession& browser(const ProgramWindow& window) { return window.session<BrowserProgramSession>(); }

void tap(const ProgramWindow& window, QPoint at) {
  browser(window).touch({at});
  browser(window).touch({});
}

QImage pageShown(const ProgramWindow& window, int page) {
  return window.captureSettled([page](const QImage& shot) { return isDotHighlighted(shot, page, kPhone, kScale); });
}

struct TouchCase {
  const char* name;
  int from;  // the page current before, reached by a tap on its dot
  void (*perform)(const ProgramWindow&);
  int to;    // the page current afterwards
};
void PrintTo(const TouchCase& c, std::ostream* out) { *out << c.name; }

class PhoneTouch : public ::testing::TestWithParam<TouchCase> {};

TEST_P(PhoneTouch, MovesThroughTheDeckAsAPersonsFingerAsks) {
  const TouchCase& touch = GetParam();
  ProgramWindow window(phone());
  if (touch.from != 1) tap(window, centreOf(pageDot(touch.from, kPhone)));
  const QImage before = pageShown(window, touch.from);
  ASSERT_EQ(highlightedDots(before, kPhone, kScale), std::vector<int>{touch.from});

  touch.perform(window);
  const QImage after = pageShown(window, touch.to);
  EXPECT_EQ(highlightedDots(after, kPhone, kScale), std::vector<int>{touch.to});
  // Nothing panned, zoomed or scrolled the page under the finger.
  if (touch.to == touch.from) {
    EXPECT_TRUE(isIdentical(after, before));
  }
}

INSTANTIATE_TEST_SUITE_P(
    OnAPhone, PhoneTouch,
    ::testing::Values(
        TouchCase{"SwipeLeftShowsCardTwo", 1,
                  [](const ProgramWindow& w) { browser(w).swipeFinger(kPictureRight, kPictureLeft, kStrokeDuration); },
                  2},
        TouchCase{"SwipeRightOnCardTwoShowsCardOne", 2,
                  [](const ProgramWindow& w) { browser(w).swipeFinger(kPictureLeft, kPictureRight, kStrokeDuration); },
                  1},
        TouchCase{"SwipeLeftWithASecondFingerDownDoesNothing", 1,
                  [](const ProgramWindow& w) {
                    const QPoint second{200, 200};
                    browser(w).touch({kPictureRight});
                    browser(w).touch({kPictureRight, second});
                    for (int step = 1; step <= 10; ++step) {
                      std::this_thread::sleep_for(kStrokeDuration / 10);
                      const QPoint shift{(kPictureLeft.x() - kPictureRight.x()) * step / 10, 0};
                      browser(w).touch({kPictureRight + shift, second + shift});
                    }
                    browser(w).touch({});
                  },
                  1},
        TouchCase{"TapOnTheDotOfCard50ShowsItWhenTheFingerLifts", 1,
                  [](const ProgramWindow& w) {
                    const QPoint dot = centreOf(pageDot(50, kPhone));
                    browser(w).touch({dot});
                    const QImage held = w.captureSettled();
                    EXPECT_EQ(highlightedDots(held, kPhone, kScale), std::vector<int>{1}) << "with the finger down";
                    browser(w).touch({});
                  },
                  50},
        TouchCase{"DoubleTapOnThePictureDoesNothing", 1,
                  [](const ProgramWindow& w) {
                    tap(w, kPictureLeft);
                    tap(w, kPictureLeft);
                  },
                  1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PhoneLayout, PutsEveryEdgeOnAWholeDevicePixel) {
  ProgramWindow window(phone());
  const QImage shot = window.captureSettled();
  saveCapture(shot, "phone-card1.png");
  ASSERT_EQ(shot.size(), kPhone * kScale);

  // The dots in rows as many to a row as the width holds, each with its gap
  // of the answer area's fill to the right and below, inside the area's border.
  const QRect insideBorder{1, kAnswerArea.top() + 1, kPhone.width() - 2, kPhone.height() - kAnswerArea.top() - 2};
  for (int page = 1; page <= kPageCount; ++page) {
    SCOPED_TRACE("dot of page " + std::to_string(page));
    const QRect dot = pageDot(page, kPhone);
    EXPECT_TRUE(isFilledWith(shot, scaled(dot, kScale), page == 1 ? colour::kCurrentDot : colour::kDot));
    for (const QRect gap : {QRect(dot.right() + 1, dot.top(), 2, 10), QRect(dot.left(), dot.bottom() + 1, 8, 2)})
      if (const QRect inside = gap & insideBorder; !inside.isEmpty()) {
        EXPECT_TRUE(isFilledWith(shot, scaled(inside, kScale), colour::kPanelFill));
      }
  }
  EXPECT_TRUE(hasOutline(shot, kCheckBoxBox, colour::kCheckBoxBorder, kScale));
  EXPECT_TRUE(isFilledWith(shot, scaled(kCheckBoxBox.adjusted(1, 1, -1, -1), kScale), colour::kWhite));
  EXPECT_TRUE(hasOutline(shot, kNextButton, colour::kButtonBorder, kScale));
  const QRect answerArea{0, kAnswerArea.top(), kPhone.width(), kPhone.height() - kAnswerArea.top()};
  EXPECT_TRUE(hasOutline(shot, answerArea, colour::kPanelBorder, kScale));
  EXPECT_TRUE(isFilledWith(shot, scaled({1, kAnswerArea.top() + 1, kPhone.width() - 2, 100}, kScale),
                           colour::kPanelFill));
}

}  // namespace
}  // namespace e2e
