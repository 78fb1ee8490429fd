#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <set>

#include "deck.h"
#include "deck_form.h"

using toolkit::TTabTransition;
using toolkit::TTabTransitionDirection;

namespace {

constexpr auto kSlide = TTabTransition::Slide;
constexpr auto kNormal = TTabTransitionDirection::Normal;

class Navigation : public testing::Test {
 protected:
  // Steps the next slide through the given elapsed times, calling back after each tick.
  void NextSlideSteps(std::vector<double> times, std::function<void()> afterTick) {
    deck.UseClock(std::make_unique<SteppedClock>(std::move(times), std::move(afterTick)));
  }
  int ContentX(int page) const { return deck.Page(page)->Content()->x(); }
  std::vector<int> VisiblePages() const {
    std::vector<int> pages;
    for (int page = 1; page <= deck::kPageCount; ++page) {
      if (deck.Page(page)->Content()->isVisibleTo(&deck.Form())) pages.push_back(page);
    }
    return pages;
  }
  void ClickNext(int card) { QTest::mouseClick(deck.NextButtonOf(card), Qt::LeftButton, {}, QPoint(40, 12)); }

  DeckForm deck;
};

TEST_F(Navigation, TheSlideMovesBothPagesEdgeToEdgeTickByTick) {
  std::vector<std::vector<int>> frames;  // current page, outgoing x, incoming x
  NextSlideSteps({0.02, 0.04, 0.1, 0.28, 0.31}, [&] { frames.push_back({deck.CurrentPage(), ContentX(1), ContentX(2)}); });
  EXPECT_TRUE(deck.Tabs().Next(kSlide, kNormal));
  // x = start + (end - start) * t / 0.3, rounded; the late tick at 0.1 s moves further at once.
  const std::vector<std::vector<int>> expected = {
      {2, -44, 619}, {2, -88, 575}, {2, -221, 442}, {2, -619, 44}, {2, -663, 0}};
  EXPECT_EQ(frames, expected);
  EXPECT_EQ(VisiblePages(), std::vector<int>{2});
  EXPECT_EQ(deck.Page(2)->Content()->geometry(), QRect(0, 0, 663, 480));
  EXPECT_FALSE(deck.Tabs().IsSliding());
}

TEST_F(Navigation, APageBeforeTheCurrentOneSlidesInFromTheLeft) {
  deck.Tabs().SetTabIndex(4);
  std::vector<std::vector<int>> frames;
  NextSlideSteps({0.02, 0.15}, [&] { frames.push_back({deck.CurrentPage(), ContentX(5), ContentX(4)}); });
  EXPECT_TRUE(deck.Tabs().Previous(kSlide, kNormal));
  ASSERT_GE(frames.size(), 2u);
  EXPECT_EQ(frames[0], (std::vector<int>{4, 44, -619}));
  EXPECT_EQ(frames[1][1] - frames[1][2], 663) << "edge to edge";
  EXPECT_EQ(deck.CurrentPage(), 4);
}

TEST_F(Navigation, RefusesRequestsWithoutATargetOrToTheCurrentPage) {
  int changes = 0;
  deck.Tabs().BindEvent("OnChange", toolkit::TNotifyEvent([&](toolkit::TObject*) { ++changes; }));
  EXPECT_FALSE(deck.Tabs().Previous(kSlide, kNormal));
  EXPECT_FALSE(deck.Tabs().First(kSlide, kNormal));
  EXPECT_EQ(deck.CurrentPage(), 1);
  deck.Tabs().SetTabIndex(119);
  EXPECT_FALSE(deck.Tabs().Next(kSlide, kNormal));
  EXPECT_FALSE(deck.Tabs().Next(TTabTransition::None, kNormal));
  EXPECT_EQ(deck.CurrentPage(), 120);
  deck.Tabs().SetTabIndex(119);
  deck.Tabs().SetTabIndex(500);
  deck.Tabs().SetTabIndex(-1);
  EXPECT_EQ(deck.CurrentPage(), 120);
  EXPECT_EQ(changes, 1);
}

TEST_F(Navigation, ASecondClickDuringTheSlideIsDropped) {
  bool secondAccepted = true;
  bool clicked = false;
  NextSlideSteps({0.05, 0.1}, [&] {
    if (clicked) return;
    clicked = true;
    EXPECT_FALSE(deck.Tabs().Next(kSlide, kNormal));
    secondAccepted = false;
    ClickNext(1);
  });
  ClickNext(1);
  EXPECT_FALSE(secondAccepted);
  EXPECT_EQ(deck.CurrentPage(), 2);
  EXPECT_EQ(QApplication::focusWidget(), nullptr) << "the outgoing button gave up the focus";
}

TEST_F(Navigation, ACheckBoxClickedDuringASlideStillToggles) {
  bool clicked = false;
  NextSlideSteps({0.1, 0.2}, [&] {
    if (clicked) return;
    clicked = true;
    QTest::mouseClick(deck.CheckBoxOf(2), Qt::LeftButton, {}, QPoint(8, 12));
  });
  ClickNext(1);
  EXPECT_EQ(deck.CurrentPage(), 2);
  EXPECT_TRUE(deck.CheckBoxOf(2)->IsChecked());
  EXPECT_TRUE(deck.TextOf(2)->Visible());
}

TEST_F(Navigation, TheLastCardLeadsToTheEndPageAndBackToStartSlidesStraightHome) {
  deck.Tabs().SetTabIndex(118);
  std::vector<int> incomingX;
  NextSlideSteps({0.1}, [&] { incomingX.push_back(ContentX(120)); });
  ClickNext(119);
  ASSERT_EQ(deck.CurrentPage(), 120);
  EXPECT_GT(incomingX.front(), 0) << "the end page comes in from the right";

  std::set<int> seen;
  std::vector<int> card1X;
  NextSlideSteps({0.1, 0.2}, [&] {
    for (int page : VisiblePages()) seen.insert(page);
    card1X.push_back(ContentX(1));
  });
  QTest::mouseClick(deck.BackToStart(), Qt::LeftButton, {}, QPoint(40, 28));
  EXPECT_EQ(deck.CurrentPage(), 1);
  EXPECT_EQ(seen, (std::set<int>{1, 120})) << "no card in between is shown";
  EXPECT_LT(card1X.front(), 0) << "card 1 comes in from the left";
}

TEST_F(Navigation, RevealStatesSurviveEveryRoute) {
  deck.CheckBoxOf(1)->SetIsChecked(true);
  ClickNext(1);                                                  // the button
  deck.Tabs().Previous(kSlide, kNormal);                          // a right swipe's request
  QTest::mouseClick(deck.Page(5), Qt::LeftButton, {}, QPoint(4, 4));  // a dot
  deck.CheckBoxOf(5)->SetIsChecked(true);
  deck.PressKey(Qt::Key_Tab, Qt::ControlModifier);               // Ctrl+Tab
  EXPECT_EQ(deck.CurrentPage(), 6);
  deck.Tabs().SetTabIndex(119);
  QTest::mouseClick(deck.BackToStart(), Qt::LeftButton, {}, QPoint(40, 28));
  EXPECT_EQ(deck.CurrentPage(), 1);
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const bool revealed = card == 1 || card == 5;
    EXPECT_EQ(deck.CheckBoxOf(card)->IsChecked(), revealed) << "card " << card;
    EXPECT_EQ(deck.TextOf(card)->Visible(), revealed) << "card " << card;
  }
}

TEST_F(Navigation, DotsChangeThePageAtOnceWithTheLeftButtonOnly) {
  int changes = 0;
  deck.Tabs().BindEvent("OnChange", toolkit::TNotifyEvent([&](toolkit::TObject*) { ++changes; }));
  QTest::mouseClick(deck.Page(1), Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_EQ(changes, 0) << "the current page's dot changes nothing";
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mouseClick(deck.Page(30), button, {}, QPoint(4, 4));
  }
  EXPECT_EQ(deck.CurrentPage(), 1);

  QTest::mousePress(deck.Page(50), Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_EQ(deck.CurrentPage(), 50) << "at the press, without a slide";
  EXPECT_EQ(VisiblePages(), std::vector<int>{50});
  EXPECT_TRUE(deck.Page(50)->hasFocus());
  QTest::mouseRelease(deck.Page(50), Qt::LeftButton, {}, QPoint(4, 4));
  QTest::mouseDClick(deck.Page(70), Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_EQ(deck.CurrentPage(), 70);
  EXPECT_EQ(changes, 2);
}

TEST_F(Navigation, ArrowsOnAFocusedDotStepWithoutWrapping) {
  QTest::mouseClick(deck.Page(1), Qt::LeftButton, {}, QPoint(4, 4));
  deck.PressKey(Qt::Key_Left);
  EXPECT_EQ(deck.CurrentPage(), 1);
  deck.PressKey(Qt::Key_Right);
  deck.PressKey(Qt::Key_Right);
  EXPECT_EQ(deck.CurrentPage(), 3);
  EXPECT_TRUE(deck.Page(3)->hasFocus()) << "the focus follows the current page's dot";
  EXPECT_EQ(VisiblePages(), std::vector<int>{3});

  QTest::mouseClick(deck.Page(120), Qt::LeftButton, {}, QPoint(4, 4));
  deck.PressKey(Qt::Key_Right);
  EXPECT_EQ(deck.CurrentPage(), 120);
  EXPECT_TRUE(deck.Page(120)->hasFocus());
}

TEST_F(Navigation, ArrowsAreRefusedDuringASlideWhileDotsAreNot) {
  int step = 0;
  NextSlideSteps({0.05, 0.1, 0.15}, [&] {
    if (++step == 1) {
      deck.Page(10)->setFocus();
      deck.PressKey(Qt::Key_Right);
      EXPECT_EQ(deck.CurrentPage(), 2) << "the arrow is refused";
      QTest::mouseClick(deck.Page(40), Qt::LeftButton, {}, QPoint(4, 4));
      EXPECT_EQ(deck.CurrentPage(), 40) << "the dot is not";
    }
  });
  ClickNext(1);
  EXPECT_EQ(deck.CurrentPage(), 40);
  EXPECT_EQ(VisiblePages(), std::vector<int>{40}) << "the end of the slide shows the page current then";
  EXPECT_EQ(deck.Page(40)->Content()->geometry(), QRect(0, 0, 663, 480));
}

TEST_F(Navigation, CtrlTabWrapsAroundFromAnyControlInTheDeck) {
  deck.Tabs().SetTabIndex(119);
  deck.BackToStart()->setFocus();
  deck.PressKey(Qt::Key_Tab, Qt::ControlModifier);
  EXPECT_EQ(deck.CurrentPage(), 1);
  EXPECT_TRUE(deck.Page(1)->hasFocus());
  EXPECT_EQ(VisiblePages(), std::vector<int>{1});

  deck.CheckBoxOf(1)->setFocus();
  deck.PressKey(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(deck.CurrentPage(), 120);
  EXPECT_TRUE(deck.Page(120)->hasFocus());
  EXPECT_FALSE(deck.CheckBoxOf(1)->IsChecked());
}

TEST_F(Navigation, EnterOrSpaceOnAFocusedButtonClicksIt) {
  deck.NextButtonOf(1)->setFocus();
  deck.PressKey(Qt::Key_Return);
  EXPECT_EQ(deck.CurrentPage(), 2);
  deck.NextButtonOf(2)->setFocus();
  deck.PressKey(Qt::Key_Space);
  EXPECT_EQ(deck.CurrentPage(), 3);
  deck.NextButtonOf(3)->setFocus();
  deck.PressKey(Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(deck.CurrentPage(), 3) << "not with a modifier";
}

TEST_F(Navigation, TheWheelChangesNothing) {
  QWheelEvent wheel(QPointF(300, 100), deck.Form().mapToGlobal(QPointF(300, 100)), QPoint(0, -120), QPoint(0, -120),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(deck.ImageOf(1), &wheel);
  QApplication::sendEvent(deck.Page(1), &wheel);
  EXPECT_EQ(deck.CurrentPage(), 1);
}

}  // namespace
