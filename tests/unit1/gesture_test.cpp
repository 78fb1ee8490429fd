#include <gtest/gtest.h>

#include <string>

#include "tests/support/toolkit_printers.h"
#include "tests/unit1/deck_form.h"

using toolkit::platform::MouseButton;
using toolkit::platform::PointF;
using toolkit::platform::TouchPhase;

namespace {

class Swipes : public testing::Test {
 protected:
  // A stroke made with one mouse button across the window, in window coordinates.
  void Drag(PointF from, PointF to, MouseButton button = MouseButton::Left, int steps = 20) const {
    deck.Window().Press(from.x, from.y, button);
    for (int step = 1; step <= steps; ++step) {
      deck.Window().MoveTo(from.x + (to.x - from.x) * step / steps, from.y + (to.y - from.y) * step / steps);
    }
    deck.Window().Release(to.x, to.y, button);
  }
  // The same stroke made with one finger.
  void FingerStroke(PointF from, PointF to, int steps = 20) const {
    deck.Window().Touch(TouchPhase::Down, 1, from.x, from.y);
    for (int step = 1; step <= steps; ++step) {
      deck.Window().Touch(TouchPhase::Move, 1, from.x + (to.x - from.x) * step / steps,
                          from.y + (to.y - from.y) * step / steps);
    }
    deck.Window().Touch(TouchPhase::Up, 1, to.x, to.y);
  }
  void SwipeLeft() const { Drag({500, 120}, {150, 125}); }
  void SwipeRight() const { Drag({150, 120}, {500, 115}); }
  PointF CentreOf(const toolkit::TControl& control) const {
    const toolkit::Rect bounds = control.BoundsInWindow();
    return {(bounds.left + bounds.right) / 2.0, (bounds.top + bounds.bottom) / 2.0};
  }

  DeckForm deck;
};

struct StrokeCase {
  const char* name;
  int startPage;
  PointF from, to;
  int endPage;
};

void PrintTo(const StrokeCase& c, std::ostream* out) { *out << c.name; }

class Strokes : public Swipes, public testing::WithParamInterface<StrokeCase> {};

TEST_P(Strokes, MoveByTheirDirection) {
  const StrokeCase& c = GetParam();
  deck.Tabs().SetTabIndex(c.startPage - 1);
  Drag(c.from, c.to);
  EXPECT_EQ(deck.CurrentPage(), c.endPage);
}

INSTANTIATE_TEST_SUITE_P(
    OverThePage, Strokes,
    testing::Values(StrokeCase{"LeftOverThePicture", 5, {500, 120}, {150, 125}, 6},
                    StrokeCase{"RightOverThePicture", 5, {150, 120}, {500, 115}, 4},
                    StrokeCase{"LeftOverTheAnswerArea", 5, {600, 350}, {60, 360}, 6},
                    StrokeCase{"RightOverTheAnswerArea", 5, {60, 350}, {600, 340}, 4},
                    StrokeCase{"RightOnCard1", 1, {150, 120}, {500, 115}, 1},
                    StrokeCase{"LeftOnTheEndPage", 120, {500, 120}, {150, 125}, 120},
                    StrokeCase{"RightOnTheEndPage", 120, {150, 120}, {500, 115}, 119},
                    StrokeCase{"Vertical", 5, {300, 20}, {305, 230}, 5}),
    [](const testing::TestParamInfo<StrokeCase>& info) { return info.param.name; });

TEST_F(Swipes, EachSwipeMovesExactlyOnePage) {
  SwipeLeft();
  EXPECT_EQ(deck.CurrentPage(), 2);
  SwipeLeft();
  EXPECT_EQ(deck.CurrentPage(), 3);
  SwipeRight();
  EXPECT_EQ(deck.CurrentPage(), 2);
}

TEST_F(Swipes, OnlyTheLeftButtonStrokes) {
  deck.Tabs().SetTabIndex(4);
  Drag({500, 120}, {150, 125}, MouseButton::Right);
  Drag({500, 120}, {150, 125}, MouseButton::Middle);
  EXPECT_EQ(deck.CurrentPage(), 5);
}

TEST_F(Swipes, APressWithoutMovementIsNoStroke) {
  deck.Tabs().SetTabIndex(4);
  Drag({300, 100}, {300, 100}, MouseButton::Left, 0);
  Drag({300, 100}, {300.4, 100.3}, MouseButton::Left, 3);  // moves of less than a unit
  EXPECT_EQ(deck.CurrentPage(), 5);
}

TEST_F(Swipes, AFastSwipeOfOneJumpCountsToo) {
  Drag({550, 100}, {100, 104}, MouseButton::Left, 1);  // the gap is filled with whole points
  EXPECT_EQ(deck.CurrentPage(), 2);
}

TEST_F(Swipes, OtherGesturesReachTheHandlerAndDoNothing) {
  for (int id : {0, 3, 4, 255}) {
    bool handled = false;
    deck.Form().FormGesture(&deck.Form(), {id, 10, 10}, handled);
    EXPECT_FALSE(handled) << "gesture " << id;
  }
  EXPECT_EQ(deck.CurrentPage(), 1);
}

TEST_F(Swipes, StartedOnTheNextButtonAndReleasedOutsideMovesOnePage) {
  Drag({200, 260}, {20, 266});
  EXPECT_EQ(deck.CurrentPage(), 2) << "the swipe alone; the button was not clicked";
}

TEST_F(Swipes, PressedAndReleasedOnTheNextButtonClicksFirstThenSwipes) {
  Drag({210, 261}, {145, 262});
  EXPECT_EQ(deck.CurrentPage(), 3);
  Drag({145, 261}, {210, 262});
  EXPECT_EQ(deck.CurrentPage(), 3) << "the click went forward, the right swipe back";
}

TEST_F(Swipes, OverTheCheckBoxTogglesItAndMovesOn) {
  Drag({130, 261}, {5, 262});
  EXPECT_TRUE(deck.CheckBoxOf(1)->IsChecked());
  EXPECT_TRUE(deck.TextOf(1)->Visible());
  EXPECT_EQ(deck.CurrentPage(), 2);
}

TEST_F(Swipes, StartedOnADotMovesOnFromThatDotsPage) {
  const PointF dot60 = CentreOf(*deck.Page(60));
  Drag(dot60, {dot60.x - 300, dot60.y});
  EXPECT_EQ(deck.CurrentPage(), 61) << "dot 60 made its page current, the left swipe went on one";
}

TEST_F(Swipes, DuringASlideAreRefused) {
  bool swiped = false;
  deck.ScriptNextSlide({0.05, 0.1}, [&] {
    if (swiped) return;
    swiped = true;
    SwipeLeft();
  });
  SwipeLeft();
  EXPECT_TRUE(swiped);
  EXPECT_EQ(deck.CurrentPage(), 2);
}

class Touch : public Swipes {};

TEST_F(Touch, AFingerFlipsTheCheckBoxWhenItLiftsInside) {
  const PointF box{8, 261};
  deck.Window().Touch(TouchPhase::Down, 7, box.x, box.y);
  EXPECT_FALSE(deck.CheckBoxOf(1)->IsChecked()) << "not yet when the finger lands";
  deck.Window().Touch(TouchPhase::Up, 7, box.x, box.y);
  EXPECT_TRUE(deck.CheckBoxOf(1)->IsChecked());
  EXPECT_TRUE(deck.TextOf(1)->Visible());

  deck.Window().Touch(TouchPhase::Down, 8, box.x, box.y);
  deck.Window().Touch(TouchPhase::Move, 8, 300, box.y + 100);
  deck.Window().Touch(TouchPhase::Up, 8, 300, box.y + 100);
  EXPECT_TRUE(deck.CheckBoxOf(1)->IsChecked()) << "lifted outside: no flip";
}

TEST_F(Touch, AFingerStrokeIsASwipe) {
  FingerStroke({500, 120}, {150, 125});
  EXPECT_EQ(deck.CurrentPage(), 2);
  FingerStroke({150, 120}, {500, 115});
  EXPECT_EQ(deck.CurrentPage(), 1);
}

TEST_F(Touch, MovesWhileTwoFingersTouchAddNoPoints) {
  deck.Window().Touch(TouchPhase::Down, 1, 500, 120);
  deck.Window().Touch(TouchPhase::Down, 2, 300, 400);
  for (int step = 1; step <= 20; ++step) deck.Window().Touch(TouchPhase::Move, 1, 500 - step * 17.5, 120);
  deck.Window().Touch(TouchPhase::Up, 2, 300, 400);
  deck.Window().Touch(TouchPhase::Up, 1, 150, 120);
  EXPECT_EQ(deck.CurrentPage(), 1);
}

TEST_F(Touch, ATapOnADotChangesThePageWhenTheFingerLifts) {
  const PointF dot10 = CentreOf(*deck.Page(10));
  deck.Window().Touch(TouchPhase::Down, 1, dot10.x, dot10.y);
  EXPECT_EQ(deck.CurrentPage(), 1) << "not when the finger lands";
  deck.Window().Touch(TouchPhase::Up, 1, dot10.x, dot10.y);
  EXPECT_EQ(deck.CurrentPage(), 10);
  EXPECT_TRUE(deck.Page(10)->IsFocused());
}

TEST_F(Touch, AFingerThatLiftsOffTheDotChangesNothing) {
  const PointF dot30 = CentreOf(*deck.Page(30));
  deck.Window().Touch(TouchPhase::Down, 1, dot30.x, dot30.y);
  deck.Window().Touch(TouchPhase::Move, 1, dot30.x + 3, dot30.y);
  deck.Window().Touch(TouchPhase::Move, 1, dot30.x + 6, dot30.y);
  deck.Window().Touch(TouchPhase::Up, 1, dot30.x + 6, dot30.y);
  EXPECT_EQ(deck.CurrentPage(), 1);
}

TEST_F(Touch, ACancelEndsThePressWithoutAClick) {
  const PointF box{8, 261};
  const PointF next = CentreOf(*deck.NextButtonOf(1));
  for (PointF at : {box, next}) {
    deck.Window().Touch(TouchPhase::Down, 1, at.x, at.y);
    deck.Window().Touch(TouchPhase::Cancel, 1, at.x, at.y);
    deck.Window().Touch(TouchPhase::Up, 1, at.x, at.y);  // a late lift of the cancelled finger
  }
  EXPECT_FALSE(deck.CheckBoxOf(1)->IsChecked());
  EXPECT_FALSE(deck.NextButtonOf(1)->IsPressed());
  EXPECT_EQ(deck.CurrentPage(), 1);
}

}  // namespace
