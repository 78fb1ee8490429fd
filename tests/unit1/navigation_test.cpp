#include <gtest/gtest.h>

#include <set>

#include "deck/deck.h"
#include "tests/support/toolkit_printers.h"
#include "tests/unit1/deck_form.h"

using toolkit::TTabTransition;
using toolkit::TTabTransitionDirection;
using toolkit::platform::Key;
using toolkit::platform::Modifiers;
using toolkit::platform::MouseButton;

namespace {

constexpr auto kSlide = TTabTransition::Slide;
constexpr auto kNormal = TTabTransitionDirection::Normal;
constexpr Modifiers kControl{.control = true};
constexpr Modifiers kControlShift{.shift = true, .control = true};

class Navigation : public testing::Test {
 protected:
  void ClickNext(int card) const { deck.Click(*deck.NextButtonOf(card)); }
  void ClickDot(int page, MouseButton button = MouseButton::Left) const {
    const toolkit::Rect dot = deck.Page(page)->BoundsInWindow();
    deck.Window().Click(dot.left + 4, dot.top + 4, button);
  }
  void CountChanges() {
    deck.Tabs().BindEvent("OnChange", toolkit::TNotifyEvent([this](toolkit::TObject*) { ++changes; }));
  }

  DeckForm deck;
  int changes = 0;
};

TEST_F(Navigation, TheSlideMovesBothPagesEdgeToEdgeTickByTick) {
  std::vector<std::vector<int>> frames;  // current page, outgoing x, incoming x
  deck.ScriptNextSlide({0.02, 0.04, 0.1, 0.28, 0.31},
                       [&] { frames.push_back({deck.CurrentPage(), deck.ContentX(1), deck.ContentX(2)}); });
  EXPECT_TRUE(deck.Tabs().Next(kSlide, kNormal));
  // x = start + (end - start) * t / 0.3, rounded; the late tick at 0.1 s moves further at once.
  const std::vector<std::vector<int>> expected = {
      {2, -44, 619}, {2, -88, 575}, {2, -221, 442}, {2, -619, 44}, {2, -663, 0}};
  EXPECT_EQ(frames, expected);
  EXPECT_EQ(deck.ShownPages(), std::vector<int>{2});
  EXPECT_EQ(deck.Page(2)->Content().Bounds(), (toolkit::Rect{0, 0, 663, 480}));
  EXPECT_FALSE(deck.Tabs().IsSliding());
}

TEST_F(Navigation, APageBeforeTheCurrentOneSlidesInFromTheLeft) {
  deck.Tabs().SetTabIndex(4);
  std::vector<std::vector<int>> frames;
  // No tick lands where a position is a half: the testing clock's sums are not exact to the last bit.
  deck.ScriptNextSlide({0.02, 0.16, 0.31},
                       [&] { frames.push_back({deck.CurrentPage(), deck.ContentX(5), deck.ContentX(4)}); });
  EXPECT_TRUE(deck.Tabs().Previous(kSlide, kNormal));
  const std::vector<std::vector<int>> expected = {{4, 44, -619}, {4, 354, -309}, {4, 663, 0}};
  EXPECT_EQ(frames, expected) << "card 5 leaves to the right, card 4 follows edge to edge";
  EXPECT_EQ(deck.CurrentPage(), 4);
  EXPECT_EQ(deck.ShownPages(), std::vector<int>{4});
}

TEST_F(Navigation, RefusesRequestsWithoutATargetOrToTheCurrentPage) {
  CountChanges();
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
  bool clickedAgain = false;
  deck.ScriptNextSlide({0.05, 0.1}, [&] {
    if (clickedAgain) return;
    clickedAgain = true;
    EXPECT_FALSE(deck.Tabs().Next(kSlide, kNormal));
    ClickNext(1);
  });
  ClickNext(1);
  EXPECT_TRUE(clickedAgain);
  EXPECT_EQ(deck.CurrentPage(), 2);
  EXPECT_EQ(deck.Form().Focused(), nullptr) << "the outgoing button gave up the focus";
}

TEST_F(Navigation, ACheckBoxClickedDuringASlideStillToggles) {
  bool clicked = false;
  deck.ScriptNextSlide({0.1, 0.2}, [&] {
    if (clicked) return;
    clicked = true;
    deck.Click(*deck.CheckBoxOf(2), 8, 12);
  });
  ClickNext(1);
  EXPECT_EQ(deck.CurrentPage(), 2);
  EXPECT_TRUE(deck.CheckBoxOf(2)->IsChecked());
  EXPECT_TRUE(deck.TextOf(2)->Visible());
}

TEST_F(Navigation, TheLastCardLeadsToTheEndPageAndBackToStartSlidesStraightHome) {
  deck.Tabs().SetTabIndex(118);
  std::vector<int> incomingX;
  deck.ScriptNextSlide({0.1}, [&] { incomingX.push_back(deck.ContentX(120)); });
  ClickNext(119);
  ASSERT_EQ(deck.CurrentPage(), 120);
  ASSERT_FALSE(incomingX.empty());
  EXPECT_EQ(incomingX.front(), 442) << "the end page comes in from the right";

  std::set<int> seen;
  std::vector<int> card1X;
  deck.ScriptNextSlide({0.1, 0.2}, [&] {
    for (int page : deck.ShownPages()) seen.insert(page);
    card1X.push_back(deck.ContentX(1));
  });
  deck.Click(*deck.BackToStart());
  EXPECT_EQ(deck.CurrentPage(), 1);
  EXPECT_EQ(seen, (std::set<int>{1, 120})) << "no card in between is shown";
  ASSERT_FALSE(card1X.empty());
  EXPECT_EQ(card1X.front(), -442) << "card 1 comes in from the left";
}

TEST_F(Navigation, RevealStatesSurviveEveryRoute) {
  deck.Click(*deck.CheckBoxOf(1));
  ClickNext(1);                           // the button
  deck.Tabs().Previous(kSlide, kNormal);  // a right swipe's request
  ClickDot(5);                            // a dot
  deck.Click(*deck.CheckBoxOf(5));
  deck.Window().Key(Key::Tab, kControl);  // Ctrl+Tab from the focused check box
  EXPECT_EQ(deck.CurrentPage(), 6);
  deck.Tabs().SetTabIndex(119);
  deck.Click(*deck.BackToStart());
  EXPECT_EQ(deck.CurrentPage(), 1);
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const bool revealed = card == 1 || card == 5;
    EXPECT_EQ(deck.CheckBoxOf(card)->IsChecked(), revealed) << "card " << card;
    EXPECT_EQ(deck.TextOf(card)->Visible(), revealed) << "card " << card;
  }
}

TEST_F(Navigation, DotsChangeThePageAtOnceWithTheLeftButtonOnly) {
  CountChanges();
  ClickDot(1);
  EXPECT_EQ(changes, 0) << "the current page's dot changes nothing";
  ClickDot(30, MouseButton::Right);
  ClickDot(30, MouseButton::Middle);
  EXPECT_EQ(deck.CurrentPage(), 1);

  const toolkit::Rect dot50 = deck.Page(50)->BoundsInWindow();
  deck.Window().Press(dot50.left + 4, dot50.top + 4);
  EXPECT_EQ(deck.CurrentPage(), 50) << "at the press, without a slide";
  EXPECT_EQ(deck.ShownPages(), std::vector<int>{50});
  EXPECT_TRUE(deck.Page(50)->IsFocused());
  deck.Window().Release(dot50.left + 4, dot50.top + 4);
  const toolkit::Rect dot70 = deck.Page(70)->BoundsInWindow();
  deck.Window().DoubleClick(dot70.left + 4, dot70.top + 4);
  EXPECT_EQ(deck.CurrentPage(), 70);
  EXPECT_EQ(changes, 2);
}

TEST_F(Navigation, ArrowsOnAFocusedDotStepWithoutWrapping) {
  ClickDot(1);
  deck.Window().Key(Key::Left);
  EXPECT_EQ(deck.CurrentPage(), 1);
  deck.Window().Key(Key::Right);
  deck.Window().Key(Key::Right);
  EXPECT_EQ(deck.CurrentPage(), 3);
  EXPECT_TRUE(deck.Page(3)->IsFocused()) << "the focus follows the current page's dot";
  EXPECT_EQ(deck.ShownPages(), std::vector<int>{3});
  deck.Window().Key(Key::Right, Modifiers{.shift = true});
  EXPECT_EQ(deck.CurrentPage(), 3) << "not with a modifier";

  ClickDot(120);
  deck.Window().Key(Key::Right);
  EXPECT_EQ(deck.CurrentPage(), 120);
  EXPECT_TRUE(deck.Page(120)->IsFocused());
}

TEST_F(Navigation, ArrowsAreRefusedDuringASlideWhileDotsAreNot) {
  int step = 0;
  deck.ScriptNextSlide({0.05, 0.1, 0.15}, [&] {
    if (++step != 1) return;
    deck.Page(10)->SetFocus();
    deck.Window().Key(Key::Right);
    EXPECT_EQ(deck.CurrentPage(), 2) << "the arrow is refused";
    ClickDot(40);
    EXPECT_EQ(deck.CurrentPage(), 40) << "the dot is not";
  });
  ClickNext(1);
  EXPECT_GT(step, 1);
  EXPECT_EQ(deck.CurrentPage(), 40);
  EXPECT_EQ(deck.ShownPages(), std::vector<int>{40}) << "the end of the slide shows the page current then";
  EXPECT_EQ(deck.Page(40)->Content().Bounds(), (toolkit::Rect{0, 0, 663, 480}));
}

TEST_F(Navigation, CtrlTabWrapsAroundFromAnyControlInTheDeck) {
  deck.Tabs().SetTabIndex(119);
  deck.BackToStart()->SetFocus();
  deck.Window().Key(Key::Tab, kControl);
  EXPECT_EQ(deck.CurrentPage(), 1);
  EXPECT_TRUE(deck.Page(1)->IsFocused());
  EXPECT_EQ(deck.ShownPages(), std::vector<int>{1});

  deck.CheckBoxOf(1)->SetFocus();
  deck.Window().Key(Key::Tab, kControlShift);
  EXPECT_EQ(deck.CurrentPage(), 120);
  EXPECT_TRUE(deck.Page(120)->IsFocused());
  EXPECT_FALSE(deck.CheckBoxOf(1)->IsChecked());

  deck.Form().SetFocused(nullptr);
  deck.Window().Key(Key::Tab, kControl);
  EXPECT_EQ(deck.CurrentPage(), 120) << "with no control of the deck focused, nothing happens";
}

TEST_F(Navigation, EnterOrSpaceOnAFocusedButtonClicksIt) {
  deck.NextButtonOf(1)->SetFocus();
  deck.Window().Key(Key::Enter);
  EXPECT_EQ(deck.CurrentPage(), 2);
  deck.NextButtonOf(2)->SetFocus();
  deck.Window().Key(Key::Space);
  EXPECT_EQ(deck.CurrentPage(), 3);
  deck.NextButtonOf(3)->SetFocus();
  deck.Window().Key(Key::Enter, Modifiers{.shift = true});
  EXPECT_EQ(deck.CurrentPage(), 3) << "not with a modifier";

  deck.Tabs().SetTabIndex(119);
  deck.BackToStart()->SetFocus();
  deck.Window().Key(Key::Enter);
  EXPECT_EQ(deck.CurrentPage(), 1);
}

// A press whose control leaves the screen before the release ends without a click, also when
// its page is back by the release.
struct OutlivedPress {
  const char* name;
  bool onCheckBox;
  bool pageComesBack;
};

void PrintTo(const OutlivedPress& c, std::ostream* out) { *out << c.name; }

class APressThatOutlivesItsPage : public Navigation, public testing::WithParamInterface<OutlivedPress> {};

TEST_P(APressThatOutlivesItsPage, EndsWithoutAClick) {
  const OutlivedPress& c = GetParam();
  const toolkit::TPressable& pressed = c.onCheckBox ? static_cast<const toolkit::TPressable&>(*deck.CheckBoxOf(1))
                                                    : *deck.NextButtonOf(1);
  const toolkit::Rect bounds = pressed.BoundsInWindow();
  const double x = bounds.left + 8;
  const double y = bounds.top + 12;
  deck.Window().Press(x, y);
  ASSERT_TRUE(pressed.IsPressed());
  deck.Window().Key(Key::Tab, kControl);
  ASSERT_EQ(deck.CurrentPage(), 2);
  EXPECT_FALSE(pressed.IsPressed()) << "the press ended with its page";
  if (c.pageComesBack) deck.Window().Key(Key::Tab, kControlShift);
  const int page = deck.CurrentPage();
  deck.Window().Release(x, y);
  EXPECT_EQ(deck.CurrentPage(), page) << "the page stays where Ctrl+Tab put it";
  for (int card : {1, 2}) {
    EXPECT_FALSE(deck.CheckBoxOf(card)->IsChecked()) << "card " << card;
    EXPECT_FALSE(deck.TextOf(card)->Visible()) << "card " << card;
  }
}

INSTANTIATE_TEST_SUITE_P(Controls, APressThatOutlivesItsPage,
                         testing::Values(OutlivedPress{"CheckBox", true, false},
                                         OutlivedPress{"NextButton", false, false},
                                         OutlivedPress{"CheckBoxWhosePageComesBack", true, true},
                                         OutlivedPress{"NextButtonWhosePageComesBack", false, true}),
                         [](const testing::TestParamInfo<OutlivedPress>& info) { return info.param.name; });

}  // namespace
