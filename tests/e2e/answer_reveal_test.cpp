// Revealing card 1's answer with real pointer and keyboard input on its check
// box "Правильный ответ".
#include "card_layout.h"
#include "image_checks.h"
#include "page_at_rest.h"
#include "program_window.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using namespace layout;

bool answerHidden(const QImage& shot) { return !answerShown(shot); }

TEST(AnswerReveal, ClickOnTheCaptionShowsTheAnswerCentredAndASecondClickHidesIt) {
  ProgramWindow window;
  const QImage start = window.captureSettled();

  window.click(kCheckBoxCaption);
  const QImage revealed = window.captureWhen(answerShown);
  saveCapture(revealed, "card1-revealed.png");
  const auto text = darkPixelBounds(revealed, kAnswerTextRegion);
  ASSERT_TRUE(text) << "no answer text after a click on the caption";
  EXPECT_NEAR(text->center().x(), kAnswerArea.center().x(), 4);
  EXPECT_NEAR(text->center().y(), kAnswerArea.center().y(), 6);
  EXPECT_TRUE(boxTicked(revealed));
  EXPECT_TRUE(isIdentical(revealed.copy(kPictureArea), start.copy(kPictureArea)))
      << "revealing the answer changed the picture area";
  EXPECT_EQ(highlightedDots(revealed), std::vector<int>{1});

  window.click(kCheckBoxCaption);
  const QImage hidden = window.captureWhen(answerHidden);
  EXPECT_TRUE(isFilledWith(hidden, kAnswerTextRegion, colour::kPanelFill));
  EXPECT_FALSE(boxTicked(hidden));
}

TEST(AnswerReveal, SpaceBarTogglesTheCheckBoxThatAClickFocused) {
  ProgramWindow window;
  window.click(kCheckBoxCaption);
  ASSERT_TRUE(answerShown(window.captureWhen(answerShown)));

  window.typeKeys("space");
  EXPECT_TRUE(answerHidden(window.captureWhen(answerHidden)));
  window.typeKeys("space");
  EXPECT_TRUE(answerShown(window.captureWhen(answerShown)));
}

struct PointerCase {
  const char* name;
  void (*perform)(const ProgramWindow&);
  bool reveals;
};
void PrintTo(const PointerCase& c, std::ostream* out) { *out << c.name; }


class AnswerRevealByPointer : public ::testing::TestWithParam<PointerCase> {};

// Afterwards a plain click on the caption must flip the state again, which
// shows that the check box took the input it was given.
TEST_P(AnswerRevealByPointer, RevealsOnlyOnAReleaseOverTheCheckBox) {
  ProgramWindow window;
  GetParam().perform(window);
  const bool reveals = GetParam().reveals;
  const QImage after = reveals ? window.captureWhen(answerShown) : window.captureSettled();
  EXPECT_EQ(answerShown(after), reveals);

  window.click(kCheckBoxCaption);
  const QImage flipped =
      window.captureWhen([&](const QImage& shot) { return answerShown(shot) != reveals; });
  EXPECT_EQ(answerShown(flipped), !reveals);
}

constexpr QPoint kInAnswerArea{60, 350};

INSTANTIATE_TEST_SUITE_P(
    OnCardOne, AnswerRevealByPointer,
    ::testing::Values(
        PointerCase{"ClickOnTheBox", [](const ProgramWindow& w) { w.click(centreOf(kCheckBoxBox)); },
                    true},
        PointerCase{"PressThenReleaseOutside",
                    [](const ProgramWindow& w) {
                      w.press(kCheckBoxCaption);
                      w.moveTo(kInAnswerArea);
                      w.release();
                    },
                    false},
        PointerCase{"PressLeaveComeBackThenRelease",
                    [](const ProgramWindow& w) {
                      w.press(kCheckBoxCaption);
                      w.moveTo(kInAnswerArea);
                      w.moveTo(kCheckBoxCaption + QPoint(30, 0));
                      w.release();
                    },
                    true},
        PointerCase{"RightClick",
                    [](const ProgramWindow& w) { w.click(kCheckBoxCaption, MouseButton::Right); },
                    false},
        PointerCase{"DoubleClick",
                    [](const ProgramWindow& w) { w.click(kCheckBoxCaption, MouseButton::Left, 2); },
                    false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
