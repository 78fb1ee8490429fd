#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "deck.h"
#include "deck_form.h"

namespace {

class Reveal : public testing::Test {
 protected:
  toolkit::TCheckBox* Box() const { return deck.CheckBoxOf(1); }
  bool Shown() const { return deck.TextOf(1)->Visible(); }
  // Hidden answers of every card other than `card`.
  void ExpectOthersHidden(int card) const {
    for (int other = 1; other <= deck::kCardCount; ++other) {
      if (other == card) continue;
      EXPECT_FALSE(deck.TextOf(other)->Visible()) << "card " << other;
    }
  }

  DeckForm deck;
  const QPoint onBox{8, 12};
  const QPoint onCaption{70, 12};
};

TEST_F(Reveal, AClickOnTheBoxOrTheCaptionFlipsTheAnswer) {
  QTest::mouseClick(Box(), Qt::LeftButton, {}, onCaption);
  EXPECT_TRUE(Box()->IsChecked());
  EXPECT_TRUE(Shown());
  QTest::mouseClick(Box(), Qt::LeftButton, {}, onBox);
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_FALSE(Shown());
}

TEST_F(Reveal, AReleaseOutsideTheBoxChangesNothing) {
  QTest::mousePress(Box(), Qt::LeftButton, {}, onCaption);
  QTest::mouseMove(Box(), QPoint(200, 12));
  QTest::mouseRelease(Box(), Qt::LeftButton, {}, QPoint(200, 12));
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_FALSE(Shown());
}

TEST_F(Reveal, RightAndMiddleButtonsNeverFlipButTakeTheFocus) {
  for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
    QTest::mouseClick(Box(), button, {}, onBox);
    EXPECT_FALSE(Box()->IsChecked());
    EXPECT_FALSE(Shown());
  }
  EXPECT_TRUE(Box()->hasFocus());
}

TEST_F(Reveal, ADoubleClickFlipsTwice) {
  QTest::mouseDClick(Box(), Qt::LeftButton, {}, onBox);
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_FALSE(Shown());
}

TEST_F(Reveal, SpaceFlipsOnlyAFocusedCheckBox) {
  QTest::mouseClick(Box(), Qt::LeftButton, {}, onBox);
  ASSERT_TRUE(Box()->hasFocus());
  deck.PressKey(Qt::Key_Space);
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_FALSE(Shown());

  deck.PressKey(Qt::Key_Tab);  // the check box, then "Следующий"
  ASSERT_TRUE(deck.NextButtonOf(1)->hasFocus());
  deck.NextButtonOf(1)->clearFocus();
  deck.PressKey(Qt::Key_Space);  // nothing has the focus now
  EXPECT_FALSE(Box()->IsChecked());
  EXPECT_EQ(deck.CurrentPage(), 1);
}

TEST_F(Reveal, RevealingChangesNoGeometry) {
  const QWidget* answerArea = deck.TextOf(1)->parentWidget();
  const QRect area = deck.InWindow(answerArea);
  const QRect box = deck.InWindow(Box());
  QTest::mouseClick(Box(), Qt::LeftButton, {}, onBox);
  EXPECT_EQ(deck.InWindow(deck.TextOf(1)), area) << "the text is placed over its whole area";
  EXPECT_EQ(deck.InWindow(answerArea), area);
  EXPECT_EQ(deck.InWindow(Box()), box);
  EXPECT_EQ(deck.CurrentPage(), 1);
}

TEST_F(Reveal, EveryCheckBoxGovernsItsOwnCardOnly) {
  for (int card = 1; card <= deck::kCardCount; ++card) {
    SCOPED_TRACE("card " + std::to_string(card));
    deck.Tabs().SetTabIndex(card - 1);
    QTest::mouseClick(deck.CheckBoxOf(card), Qt::LeftButton, {}, onCaption);
    EXPECT_TRUE(deck.TextOf(card)->Visible());
    ExpectOthersHidden(card);
    QTest::mouseClick(deck.CheckBoxOf(card), Qt::LeftButton, {}, onCaption);
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
    deck.Tabs().SetTabIndex(p.card - 1);
    QTest::mouseClick(box, Qt::LeftButton, {}, onBox);
    EXPECT_TRUE(text->Visible()) << p.checkBox;
    ExpectOthersHidden(p.card);
    box->SetIsChecked(false);
  }
}

TEST_F(Reveal, IdenticalAnswersAreRevealedIndependently) {
  for (auto [card, twin] : {std::pair{36, 40}, std::pair{90, 96}}) {
    ASSERT_EQ(deck.TextOf(card)->Text(), deck.TextOf(twin)->Text());
    deck.CheckBoxOf(card)->SetIsChecked(true);
    EXPECT_TRUE(deck.TextOf(card)->Visible());
    EXPECT_FALSE(deck.TextOf(twin)->Visible());
  }
}

TEST(CheckBoxChange, IsRaisedOncePerRealChange) {
  QWidget parent;
  toolkit::TCheckBox box(&parent);
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
