// The system taking the pointer away in the middle of a press, as a dialog coming to the front
// does, and a press whose release never came.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/toolkit_printers.h"
#include "tests/unit1/deck_form.h"

using toolkit::Rect;
using toolkit::platform::Color;
using toolkit::platform::PointF;
using toolkit::platform::TouchPhase;

namespace {

enum class Target { NextButton, CheckBox, Picture };

struct LostPress {
  const char* name;
  Target target;
  bool finger;
  bool looksPressed;  // the check box draws no pressed look
};

void PrintTo(const LostPress& c, std::ostream* out) { *out << c.name; }

// On card 2, where a right stroke would go back to page 1.
class CaptureLost : public testing::TestWithParam<LostPress> {
 protected:
  void SetUp() override { deck.Tabs().SetTabIndex(1); }

  toolkit::TPressable* Pressable() const {
    switch (GetParam().target) {
      case Target::NextButton: return deck.NextButtonOf(2);
      case Target::CheckBox: return deck.CheckBoxOf(2);
      case Target::Picture: return nullptr;
    }
    return nullptr;
  }
  PointF Start() const {
    const toolkit::TPressable* pressable = Pressable();
    if (pressable == nullptr) return {150, 120};
    const Rect bounds = pressable->BoundsInWindow();
    return {(bounds.left + bounds.right) / 2.0, (bounds.top + bounds.bottom) / 2.0};
  }
  // Steps 0 to 20 of a right stroke from the start, a swipe when made in full.
  PointF Step(int step) const { return {Start().x + step * 15.0, Start().y + step * 0.25}; }

  void Down(PointF at) const {
    GetParam().finger ? deck.Window().Touch(TouchPhase::Down, 1, at.x, at.y) : deck.Window().Press(at.x, at.y);
  }
  void MoveTo(PointF at) const {
    GetParam().finger ? deck.Window().Touch(TouchPhase::Move, 1, at.x, at.y) : deck.Window().MoveTo(at.x, at.y);
  }
  void Up(PointF at) const {
    GetParam().finger ? deck.Window().Touch(TouchPhase::Up, 1, at.x, at.y) : deck.Window().Release(at.x, at.y);
  }
  void Stroke(int fromStep, int toStep) const {
    for (int step = fromStep; step <= toStep; ++step) MoveTo(Step(step));
  }
  std::vector<Color> LookOf(const toolkit::TControl& control) const {
    const toolkit::platform::testing::RecordingCanvas canvas = deck.Window().Render();
    const Rect bounds = control.BoundsInWindow();
    std::vector<Color> pixels;
    for (int y = bounds.top; y < bounds.bottom; ++y) {
      for (int x = bounds.left; x < bounds.right; ++x) pixels.push_back(canvas.Pixel(x, y));
    }
    return pixels;
  }

  DeckForm deck;
};

TEST_P(CaptureLost, EndsThePressWithoutAClickOrAGestureAndTheNextPressStartsClean) {
  toolkit::TPressable* pressable = Pressable();
  // The look of the control under the pointer with the focus a press gives it, unpressed.
  deck.Window().MoveTo(Start().x, Start().y);
  if (pressable != nullptr) pressable->SetFocus();
  const std::vector<Color> normal = pressable ? LookOf(*pressable) : std::vector<Color>{};
  const bool looksPressed = GetParam().looksPressed;

  Down(Start());
  if (pressable != nullptr) {
    ASSERT_TRUE(pressable->IsPressed());
    if (looksPressed) {
      ASSERT_NE(LookOf(*pressable), normal) << "a pressed button looks pressed";
    }
  }
  Stroke(1, 10);
  ASSERT_TRUE(deck.Window().HasPointerCapture());
  deck.Window().LoseCapture();

  EXPECT_FALSE(deck.Window().HasPointerCapture());
  if (pressable != nullptr) {
    EXPECT_FALSE(pressable->IsPressed());
  }
  // The rest of the stroke, and the release that belongs to no press any more.
  Stroke(11, 20);
  Up(Step(20));
  EXPECT_EQ(deck.CurrentPage(), 2) << "no click, no swipe";
  EXPECT_FALSE(deck.CheckBoxOf(2)->IsChecked());
  EXPECT_FALSE(deck.TextOf(2)->Visible());
  deck.Window().MoveTo(Start().x, Start().y);  // back over the control, no button held
  if (looksPressed) {
    EXPECT_EQ(LookOf(*pressable), normal) << "back to its normal look";
  }

  Down(Start());
  Stroke(1, 20);
  Up(Step(20));
  EXPECT_EQ(deck.CurrentPage(), 1) << "the same stroke made again is one swipe back";
  EXPECT_FALSE(deck.Window().HasPointerCapture());
}

INSTANTIATE_TEST_SUITE_P(Presses, CaptureLost,
                         testing::Values(LostPress{"NextButton", Target::NextButton, false, true},
                                         LostPress{"CheckBox", Target::CheckBox, false, false},
                                         LostPress{"Picture", Target::Picture, false, false},
                                         LostPress{"NextButtonByFinger", Target::NextButton, true, true},
                                         LostPress{"CheckBoxByFinger", Target::CheckBox, true, false}),
                         [](const testing::TestParamInfo<LostPress>& info) { return info.param.name; });

TEST(CaptureLostWithoutAPress, ChangesNothing) {
  DeckForm deck;
  deck.Window().LoseCapture();
  deck.Click(*deck.NextButtonOf(1));
  EXPECT_EQ(deck.CurrentPage(), 2);
}

// A press whose release was lost on the way: the next press ends it unclicked, and its stroke
// with it.
TEST(APressWhoseReleaseWasLost, EndsUnclickedAtTheNextPress) {
  DeckForm deck;
  const toolkit::TButton& next = *deck.NextButtonOf(1);
  const Rect button = next.BoundsInWindow();
  deck.Window().Press(button.left + 10, button.top + 10);
  for (int step = 1; step <= 20; ++step) deck.Window().MoveTo(button.left + 10 - step * 15.0, button.top + 10);
  ASSERT_TRUE(next.IsPressed());

  deck.Click(*deck.CheckBoxOf(1), 8, 12);

  EXPECT_FALSE(next.IsPressed());
  EXPECT_TRUE(deck.CheckBoxOf(1)->IsChecked()) << "the second press is a click of its own";
  EXPECT_EQ(deck.CurrentPage(), 1) << "the first press clicked nothing and its stroke was no swipe";
  deck.Window().Release(button.left + 10, button.top + 10);
  EXPECT_EQ(deck.CurrentPage(), 1) << "a late release of the first press";
}

}  // namespace
