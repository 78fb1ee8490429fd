#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "deck_form.h"

namespace {

class Swipes : public testing::Test {
 protected:
  // A stroke made with one mouse button across the window, in window coordinates.
  // The events go to the window, which hands them to the control under the pointer.
  void Drag(QPoint from, QPoint to, Qt::MouseButton button = Qt::LeftButton, int steps = 20) {
    QWindow* window = deck.Form().windowHandle();
    QTest::mousePress(window, button, {}, from);
    for (int step = 1; step <= steps; ++step) QTest::mouseMove(window, from + (to - from) * step / steps);
    QTest::mouseRelease(window, button, {}, to);
  }
  void SwipeLeft() { Drag({500, 120}, {150, 125}); }
  void SwipeRight() { Drag({150, 120}, {500, 115}); }

  DeckForm deck;
};

TEST_F(Swipes, ALeftSwipeGoesForwardAndARightSwipeBack) {
  SwipeLeft();
  EXPECT_EQ(deck.CurrentPage(), 2);
  SwipeLeft();
  EXPECT_EQ(deck.CurrentPage(), 3);
  SwipeRight();
  EXPECT_EQ(deck.CurrentPage(), 2);
}

TEST_F(Swipes, OverTheAnswerAreaToo) {
  Drag({600, 350}, {60, 360});
  EXPECT_EQ(deck.CurrentPage(), 2);
}

TEST_F(Swipes, StopAtTheEndsOfTheDeck) {
  SwipeRight();
  EXPECT_EQ(deck.CurrentPage(), 1);
  deck.Tabs().SetTabIndex(119);
  SwipeLeft();
  EXPECT_EQ(deck.CurrentPage(), 120);
  SwipeRight();
  EXPECT_EQ(deck.CurrentPage(), 119);
}

TEST_F(Swipes, OtherStrokesDoNothing) {
  deck.Tabs().SetTabIndex(4);
  Drag({300, 20}, {305, 230});                         // vertical
  Drag({500, 120}, {150, 125}, Qt::RightButton);       // not the left button
  Drag({300, 100}, {300, 100}, Qt::LeftButton, 0);     // a press and release without movement
  Drag({300, 100}, {300, 100}, Qt::LeftButton, 3);  // moves of less than a unit
  EXPECT_EQ(deck.CurrentPage(), 5);
}

TEST_F(Swipes, AFastSwipeOfOneJumpCountsToo) {
  Drag({550, 100}, {100, 104}, Qt::LeftButton, 1);  // the gap is filled with whole points
  EXPECT_EQ(deck.CurrentPage(), 2);
}

TEST_F(Swipes, OtherGesturesReachTheHandlerAndDoNothing) {
  bool handled = false;
  for (int id : {0, 3, 4, 255}) deck.Form().FormGesture(&deck.Form(), {id, 10, 10}, handled);
  EXPECT_EQ(deck.CurrentPage(), 1);
  EXPECT_FALSE(handled);
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
  const QPoint dot10 = deck.InWindow(deck.Page(10)).center();
  Drag(dot10, dot10 - QPoint(300, 0));
  EXPECT_EQ(deck.CurrentPage(), 11);
}

TEST_F(Swipes, DuringASlideAreRefused) {
  bool swiped = false;
  deck.UseClock(std::make_unique<SteppedClock>(std::vector<double>{0.05, 0.1}, [&] {
    if (swiped) return;
    swiped = true;
    SwipeLeft();
  }));
  SwipeLeft();
  EXPECT_TRUE(swiped);
  EXPECT_EQ(deck.CurrentPage(), 2);
}

}  // namespace
