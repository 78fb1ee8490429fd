#include <gtest/gtest.h>

#include <QApplication>
#include <cstdint>
#include <span>

#include "deck.h"
#include "deck/pictures/card_pictures.h"
#include "deck_form.h"
#include "gesture_manager.h"
#include "panel.h"

namespace {

class DeckStructure : public testing::Test {
 protected:
  DeckForm deck;
};

TEST_F(DeckStructure, WindowCarriesItsCaptionAndSize) {
  EXPECT_EQ(deck.Form().windowTitle(), QString::fromUtf8("Тарвель. Zaze"));
  EXPECT_EQ(deck.Form().size(), QSize(663, 480));
  EXPECT_EQ(deck.Form().minimumSize(), QSize(0, 0));
  EXPECT_EQ(deck.Form().maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
  const Qt::WindowFlags flags = deck.Form().windowFlags();
  EXPECT_TRUE(flags & Qt::Window);
  EXPECT_FALSE(flags & Qt::FramelessWindowHint);
}

TEST_F(DeckStructure, HasEveryCardWithItsNamedControlsAndCaptions) {
  ASSERT_EQ(deck.Tabs().TabCount(), 120);
  for (int card = 1; card <= deck::kCardCount; ++card) {
    SCOPED_TRACE("card " + std::to_string(card));
    toolkit::TTabItem* page = deck.Page(card);
    EXPECT_EQ(deck.Tabs().Page(card - 1), page);
    EXPECT_EQ(page->Text(), QString::number(card));
    const QWidget* content = page->Content();
    EXPECT_TRUE(content->isAncestorOf(deck.ImageOf(card)));
    EXPECT_TRUE(content->isAncestorOf(deck.TextOf(card)));
    EXPECT_TRUE(content->isAncestorOf(deck.CheckBoxOf(card)));
    EXPECT_TRUE(content->isAncestorOf(deck.NextButtonOf(card)));
    const std::span<const std::uint8_t> png = deck::CardPicturePng(card);
    EXPECT_EQ(deck.ImageOf(card)->Picture().constData(), reinterpret_cast<const char*>(png.data()));
    EXPECT_EQ(deck.ImageOf(card)->Picture().size(), static_cast<qsizetype>(png.size()));
    EXPECT_EQ(deck.TextOf(card)->Text().toStdString(), deck::AnswerText(card));
    EXPECT_EQ(deck.CheckBoxOf(card)->Text(), QString::fromUtf8("Правильный ответ"));
    EXPECT_EQ(deck.NextButtonOf(card)->Text(), QString::fromUtf8("Следующий"));
    EXPECT_FALSE(deck.CheckBoxOf(card)->IsChecked());
    EXPECT_FALSE(deck.TextOf(card)->Visible());
  }
}

TEST_F(DeckStructure, TheEndPageHoldsOnlyItsButton) {
  toolkit::TTabItem* end = deck.Page(120);
  EXPECT_EQ(end->Text(), "120");
  EXPECT_TRUE(end->Content()->isAncestorOf(deck.BackToStart()));
  EXPECT_EQ(deck.BackToStart()->Text(), QString::fromUtf8("В начало"));
  EXPECT_TRUE(end->Content()->findChildren<toolkit::TImage*>().isEmpty());
  EXPECT_TRUE(end->Content()->findChildren<toolkit::TCheckBox*>().isEmpty());
  EXPECT_TRUE(end->Content()->findChildren<toolkit::TText*>().isEmpty());
  EXPECT_EQ(end->Content()->findChildren<toolkit::TButton*>().size(), 1);
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
    const QWidget* content = deck.Page(p.card)->Content();
    for (const char* name : {p.text, p.checkBox, p.button}) {
      QObject* control = deck.Form().FindComponent(name);
      ASSERT_NE(control, nullptr) << name;
      EXPECT_TRUE(content->isAncestorOf(qobject_cast<QWidget*>(control))) << name << " on card " << p.card;
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
  auto* manager = deck.Form().Find<toolkit::TGestureManager>("GestureManager1");
  ASSERT_NE(manager, nullptr);
  EXPECT_EQ(manager->Sensitivity(), 80);
}

TEST(StartUp, ReadsPage99ThenSlidesBackToCard1WhileHidden) {
  std::vector<std::pair<int, int>> positions;  // card 99's and card 1's left edges per tick
  bool shownDuringSlide = false;
  TForm1* form = nullptr;
  auto clock = std::make_unique<SteppedClock>(std::vector<double>{0.1, 0.2, 0.3}, [&] {
    auto* tabs = form->Find<toolkit::TTabControl>("TabControl1");
    positions.emplace_back(tabs->Page(98)->Content()->x(), tabs->Page(0)->Content()->x());
    shownDuringSlide |= form->isVisible();
  });
  TForm1 created;
  form = &created;
  created.ReadDefinition();
  auto* tabs = created.Find<toolkit::TTabControl>("TabControl1");
  EXPECT_EQ(tabs->TabIndex(), 98) << "the definition leaves card 99 current";
  tabs->SetAnimationClock(std::move(clock));
  created.DoCreate();

  EXPECT_EQ(tabs->TabIndex(), 0);
  EXPECT_FALSE(shownDuringSlide);
  // Reversed: card 99 leaves to the right and card 1 enters from the left.
  const std::vector<std::pair<int, int>> expected = {{221, -442}, {442, -221}, {663, 0}};
  EXPECT_EQ(positions, expected);
  EXPECT_FALSE(tabs->Page(98)->Content()->isVisibleTo(&created));
  EXPECT_TRUE(tabs->Page(0)->Content()->isVisibleTo(&created));
  EXPECT_EQ(tabs->Page(0)->Content()->geometry(), QRect(0, 0, 663, 480));
}

}  // namespace
