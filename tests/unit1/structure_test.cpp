#include <gtest/gtest.h>

#include "deck/deck.h"
#include "deck/pictures/card_pictures.h"
#include "tests/support/toolkit_printers.h"
#include "tests/unit1/deck_form.h"
#include "toolkit/app/gesture_manager.h"

namespace {

bool Holds(const toolkit::TControl& container, const toolkit::TControl* control) {
  for (; control != nullptr; control = control->Parent()) {
    if (control == &container) return true;
  }
  return false;
}

template <typename T>
int CountOf(const toolkit::TControl& container) {
  int count = dynamic_cast<const T*>(&container) != nullptr;
  for (const auto& child : container.Controls()) count += CountOf<T>(*child);
  return count;
}

class DeckStructure : public testing::Test {
 protected:
  DeckForm deck;
};

TEST_F(DeckStructure, WindowCarriesItsCaptionAndSize) {
  EXPECT_EQ(deck.Window().Caption(), "Тарвель. Zaze");
  EXPECT_EQ(deck.Form().Caption(), "Тарвель. Zaze");
  EXPECT_EQ(deck.Window().ClientWidth(), 663);
  EXPECT_EQ(deck.Window().ClientHeight(), 480);
  EXPECT_EQ(deck.Tabs().BoundsInWindow(), (toolkit::Rect{0, 0, 663, 480}));
}

TEST_F(DeckStructure, HasEveryCardWithItsNamedControlsAndCaptions) {
  ASSERT_EQ(deck.Tabs().TabCount(), 120);
  for (int card = 1; card <= deck::kCardCount; ++card) {
    SCOPED_TRACE("card " + std::to_string(card));
    toolkit::TTabItem* page = deck.Page(card);
    EXPECT_EQ(deck.Tabs().Page(card - 1), page);
    EXPECT_EQ(page->Text(), std::to_string(card));
    const toolkit::TControl& content = page->Content();
    EXPECT_TRUE(Holds(content, deck.ImageOf(card)));
    EXPECT_TRUE(Holds(content, deck.TextOf(card)));
    EXPECT_TRUE(Holds(content, deck.CheckBoxOf(card)));
    EXPECT_TRUE(Holds(content, deck.NextButtonOf(card)));
    EXPECT_EQ(deck.TextOf(card)->Text(), deck::AnswerText(card));
    EXPECT_EQ(deck.CheckBoxOf(card)->Text(), "Правильный ответ");
    EXPECT_EQ(deck.NextButtonOf(card)->Text(), "Следующий");
    EXPECT_FALSE(deck.CheckBoxOf(card)->IsChecked());
    EXPECT_FALSE(deck.TextOf(card)->Visible());
  }
}

TEST_F(DeckStructure, TheEndPageHoldsOnlyItsButton) {
  const toolkit::TTabItem* end = deck.Page(120);
  EXPECT_EQ(end->Text(), "120");
  EXPECT_TRUE(Holds(end->Content(), deck.BackToStart()));
  EXPECT_EQ(deck.BackToStart()->Text(), "В начало");
  EXPECT_EQ(CountOf<toolkit::TImage>(end->Content()), 0);
  EXPECT_EQ(CountOf<toolkit::TCheckBox>(end->Content()), 0);
  EXPECT_EQ(CountOf<toolkit::TText>(end->Content()), 0);
  EXPECT_EQ(CountOf<toolkit::TButton>(end->Content()), 1);
}

TEST_F(DeckStructure, OutOfStepControlsSitOnTheirOwnCards) {
  struct Placement {
    int card;
    const char* text;
    const char* checkBox;
    const char* button;
  };
  for (const Placement& p : {Placement{33, "Text33", "CheckBox34", "Button35"},
                             Placement{34, "Text35", "CheckBox35", "Button36"},
                             Placement{39, "Text40", "CheckBox33", "Button41"},
                             Placement{40, "Text41", "CheckBox40", "Button42"},
                             Placement{68, "Text34", "CheckBox68", "Button34"}}) {
    for (const char* name : {p.text, p.checkBox, p.button}) {
      const auto* control = deck.Form().Find<toolkit::TControl>(name);
      ASSERT_NE(control, nullptr) << name;
      EXPECT_TRUE(Holds(deck.Page(p.card)->Content(), control)) << name << " on card " << p.card;
    }
  }
}

TEST_F(DeckStructure, PublishesAChangeHandlerForEveryCheckBoxByItsName) {
  for (int checkBox = 1; checkBox <= deck::kCardCount; ++checkBox) {
    const std::string name = "CheckBox" + std::to_string(checkBox) + "Change";
    EXPECT_TRUE(std::holds_alternative<toolkit::TNotifyEvent>(deck.Form().Handler(name))) << name;
  }
  EXPECT_THROW(deck.Form().Handler("CheckBox120Change"), std::invalid_argument);
  // CheckBox33 sits on card 39: its handler, called by name, shows card 39's answer.
  deck.Form().Find<toolkit::TCheckBox>("CheckBox33")->SetIsChecked(true);
  deck.Form().Find<toolkit::TText>("Text40")->SetVisible(false);
  std::get<toolkit::TNotifyEvent>(deck.Form().Handler("CheckBox33Change"))(nullptr);
  EXPECT_TRUE(deck.Form().Find<toolkit::TText>("Text40")->Visible());
  EXPECT_FALSE(deck.Form().Find<toolkit::TText>("Text33")->Visible());
}

TEST_F(DeckStructure, KeepsTheGestureSettings) {
  const auto* manager = deck.Form().Find<toolkit::TGestureManager>("GestureManager1");
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->Sensitivity(), 80);
}

TEST(StartUp, ReadsPage99ThenSlidesBackToCard1WhileHidden) {
  TForm1 form;
  auto& window = toolkit::platform::testing::TestingPlatform::Current().LatestWindow();
  form.ReadDefinition();
  auto* tabs = form.Find<toolkit::TTabControl>("TabControl1");
  EXPECT_EQ(tabs->TabIndex(), 98) << "the definition leaves card 99 current";

  std::vector<std::pair<int, int>> positions;  // card 99's and card 1's left edges per tick
  bool shownDuringSlide = false;
  toolkit::platform::testing::TestingPlatform::Current().ScriptNextTimer({0.1, 0.2, 0.31}, [&] {
    positions.emplace_back(tabs->Page(98)->Content().Bounds().left, tabs->Page(0)->Content().Bounds().left);
    shownDuringSlide |= window.IsVisible();
  });
  form.DoCreate();

  EXPECT_EQ(tabs->TabIndex(), 0);
  EXPECT_FALSE(shownDuringSlide);
  // Reversed: card 99 leaves to the right and card 1 enters from the left.
  const std::vector<std::pair<int, int>> expected = {{221, -442}, {442, -221}, {663, 0}};
  EXPECT_EQ(positions, expected);
  EXPECT_FALSE(tabs->Page(98)->Content().Visible());
  EXPECT_TRUE(tabs->Page(0)->Content().Visible());
  EXPECT_EQ(tabs->Page(0)->Content().Bounds(), (toolkit::Rect{0, 0, 663, 480}));
}

}  // namespace
