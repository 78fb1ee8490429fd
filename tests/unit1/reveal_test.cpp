#include <gtest/gtest.h>

#include <algorithm>

#include "deck/deck.h"
#include "tests/support/toolkit_printers.h"
#include "tests/unit1/deck_form.h"

using toolkit::platform::AccessibleChange;
using toolkit::platform::Key;
using toolkit::platform::Modifiers;
using toolkit::platform::MouseButton;

namespace {

class Reveal : public testing::Test {
 protected:
  toolkit::TCheckBox* Box() const { return deck.CheckBoxOf(1); }
  bool Shown() const { return deck.TextOf(1)->Visible(); }
  void ClickOnBox(const toolkit::TCheckBox& box, MouseButton button = MouseButton::Left) const {
    const toolkit::Rect bounds = box.BoundsInWindow();
    deck.Window().Click(bounds.left + 8, bounds.top + 12, button);
  }
  void ClickOnCaption(const toolkit::TCheckBox& box) const { deck.Click(box, 70, 12); }
  // Hidden answers of every card other than `card`.
  void ExpectOthersHidden(int card) const {
    for (int other = 1; other <= deck::kCardCount; ++other) {
      if (other == card) continue;
      EXPECT_FALSE(deck.TextOf(other)->Visible()) << "card " << other;
    }
  }

  DeckForm deck;
};

TEST_F(Reveal, AClickOnTheBoxOrTheCaptionFlipsTheAnswer) {
  ClickOnCaption(*Box());
  EXPECT_TRUE(Box()->IsChecked());
  EXPECT_TRUE(Shown());
  ClickOnBox(*Box());
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_FALSE(Shown());
}

TEST_F(Reveal, AReleaseOutsideTheBoxChangesNothing) {
  deck.Window().Press(70, 261);
  deck.Window().MoveTo(200, 261);
  deck.Window().Release(200, 261);
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_FALSE(Shown());
  EXPECT_EQ(deck.CurrentPage(), 1) << "nor is the button it was released on clicked";
}

TEST_F(Reveal, RightAndMiddleButtonsNeverFlipButTakeTheFocus) {
  for (MouseButton button : {MouseButton::Right, MouseButton::Middle}) {
    deck.Form().SetFocused(nullptr);
    ClickOnBox(*Box(), button);
    EXPECT_FALSE(Box()->IsChecked());
    EXPECT_FALSE(Shown());
    EXPECT_TRUE(Box()->IsFocused());
  }
}

TEST_F(Reveal, ADoubleClickFlipsTwice) {
  const auto& notifications = deck.Window().Notifications();
  const size_t before = notifications.size();
  deck.Window().DoubleClick(8, 261);
  const auto flips = std::count_if(notifications.begin() + static_cast<long>(before), notifications.end(),
                                   [&](const auto& n) { return n.node == Box() && n.change == AccessibleChange::State; });
  EXPECT_EQ(flips, 2) << "shown, then hidden again";
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_FALSE(Shown());
}

TEST_F(Reveal, SpaceFlipsOnlyAFocusedCheckBox) {
  ClickOnBox(*Box());
  ASSERT_TRUE(Box()->IsFocused());
  deck.Window().Key(Key::Space);
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_FALSE(Shown());

  deck.Window().Key(Key::Tab);  // the check box, then "Следующий"
  ASSERT_TRUE(deck.NextButtonOf(1)->IsFocused());
  deck.Form().SetFocused(nullptr);
  deck.Window().Key(Key::Space);  // nothing has the focus now
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_EQ(deck.CurrentPage(), 1);
}

TEST_F(Reveal, ASpaceTypedWithShiftFlipsButWithControlOrAltDoesNot) {
  Box()->SetFocus();
  deck.Window().Key(Key::Space, Modifiers{.shift = true});
  EXPECT_TRUE(Box()->IsChecked());
  EXPECT_TRUE(Shown());
  deck.Window().Key(Key::Space, Modifiers{.control = true});
  deck.Window().Key(Key::Space, Modifiers{.alt = true});
  EXPECT_TRUE(Box()->IsChecked());
  EXPECT_TRUE(Shown());
}

TEST_F(Reveal, RevealingChangesNoGeometry) {
  const toolkit::TControl* answerArea = deck.TextOf(1)->Parent();
  const toolkit::Rect area = answerArea->BoundsInWindow();
  const toolkit::Rect box = Box()->BoundsInWindow();
  ClickOnBox(*Box());
  EXPECT_EQ(deck.TextOf(1)->BoundsInWindow(), area) << "the text is placed over its whole area";
  EXPECT_EQ(answerArea->BoundsInWindow(), area);
  EXPECT_EQ(Box()->BoundsInWindow(), box);
  EXPECT_EQ(deck.CurrentPage(), 1);
}

TEST_F(Reveal, EveryCheckBoxGovernsItsOwnCardOnly) {
  for (int card = 1; card <= deck::kCardCount; ++card) {
    SCOPED_TRACE("card " + std::to_string(card));
    deck.Tabs().SetTabIndex(card - 1);
    ClickOnCaption(*deck.CheckBoxOf(card));
    EXPECT_TRUE(deck.TextOf(card)->Visible());
    ExpectOthersHidden(card);
    ClickOnCaption(*deck.CheckBoxOf(card));
    EXPECT_FALSE(deck.TextOf(card)->Visible());
  }
}

TEST_F(Reveal, TheOutOfStepCheckBoxesRevealTheirOwnCards) {
  struct Pairing {
    const char* checkBox;
    const char* text;
    int card;
  };
  for (const Pairing& p : {Pairing{"CheckBox33", "Text40", 39}, Pairing{"CheckBox34", "Text33", 33},
                           Pairing{"CheckBox68", "Text34", 68}, Pairing{"CheckBox40", "Text41", 40}}) {
    auto* box = deck.Form().Find<toolkit::TCheckBox>(p.checkBox);
    auto* text = deck.Form().Find<toolkit::TText>(p.text);
    ASSERT_NE(box, nullptr);
    ASSERT_NE(text, nullptr);
    deck.Tabs().SetTabIndex(p.card - 1);
    ClickOnBox(*box);
    EXPECT_TRUE(text->Visible()) << p.checkBox;
    ExpectOthersHidden(p.card);
    ClickOnBox(*box);
  }
}

TEST_F(Reveal, IdenticalAnswersAreRevealedIndependently) {
  for (auto [card, twin] : {std::pair{36, 40}, std::pair{90, 96}}) {
    ASSERT_EQ(deck.TextOf(card)->Text(), deck.TextOf(twin)->Text());
    deck.Tabs().SetTabIndex(card - 1);
    ClickOnBox(*deck.CheckBoxOf(card));
    EXPECT_TRUE(deck.TextOf(card)->Visible());
    EXPECT_FALSE(deck.TextOf(twin)->Visible()) << "card " << twin;
    EXPECT_FALSE(deck.CheckBoxOf(twin)->IsChecked()) << "card " << twin;
  }
}

TEST(CheckBoxChange, IsRaisedOncePerRealChange) {
  toolkit::TCheckBox box;
  int changes = 0;
  box.BindEvent("OnChange", toolkit::TNotifyEvent([&](toolkit::TObject* sender) {
    EXPECT_EQ(sender, &box);
    ++changes;
  }));
  box.SetIsChecked(false);
  EXPECT_EQ(changes, 0);
  box.SetIsChecked(true);
  box.SetIsChecked(true);
  EXPECT_EQ(changes, 1);
  box.SetIsChecked(false);
  EXPECT_EQ(changes, 2);
}

}  // namespace
