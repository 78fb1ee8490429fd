#include <gtest/gtest.h>

#include "deck_form.h"
#include "panel.h"

namespace {

struct CardRects {
  QSize client;
  QRect picture, strip, checkBox, nextButton, answerArea;
};

class CardLayout : public testing::TestWithParam<CardRects> {
 protected:
  static DeckForm& Deck() {
    static DeckForm deck;
    return deck;
  }
};

// The control strip and the answer area are the panels of the card's content.
toolkit::TPanel* PanelHolding(QWidget* control) { return qobject_cast<toolkit::TPanel*>(control->parentWidget()); }

TEST_P(CardLayout, PlacesEveryRegion) {
  const CardRects& expected = GetParam();
  DeckForm& deck = Deck();
  deck.Resize(expected.client.width(), expected.client.height());
  for (int card : {1, 22, 39, 119}) {
    SCOPED_TRACE("card " + std::to_string(card));
    deck.Tabs().SetTabIndex(card - 1);
    EXPECT_EQ(deck.InWindow(deck.ImageOf(card)), expected.picture);
    EXPECT_EQ(deck.InWindow(PanelHolding(deck.CheckBoxOf(card))), expected.strip);
    EXPECT_EQ(deck.InWindow(deck.CheckBoxOf(card)), expected.checkBox);
    EXPECT_EQ(deck.InWindow(deck.NextButtonOf(card)), expected.nextButton);
    EXPECT_EQ(deck.InWindow(PanelHolding(deck.TextOf(card))), expected.answerArea);
    deck.CheckBoxOf(card)->SetIsChecked(true);
    EXPECT_EQ(deck.InWindow(deck.TextOf(card)), expected.answerArea) << "the text fills its area";
    deck.CheckBoxOf(card)->SetIsChecked(false);
  }
}

INSTANTIATE_TEST_SUITE_P(
    ClientSizes, CardLayout,
    testing::Values(CardRects{{663, 480},
                              {0, 0, 663, 249}, {0, 249, 663, 24}, {0, 249, 137, 24}, {137, 249, 80, 24},
                              {0, 273, 663, 207}},
                    CardRects{{1024, 700},
                              {0, 0, 1024, 249}, {0, 249, 1024, 24}, {0, 249, 137, 24}, {137, 249, 80, 24},
                              {0, 273, 1024, 427}},
                    CardRects{{200, 274},
                              {0, 0, 200, 249}, {0, 249, 200, 24}, {0, 249, 137, 24}, {137, 249, 80, 24},
                              {0, 273, 200, 1}},
                    CardRects{{663, 273},
                              {0, 0, 663, 249}, {0, 249, 663, 24}, {0, 249, 137, 24}, {137, 249, 80, 24},
                              {0, 273, 663, 0}},
                    CardRects{{100, 120},
                              {0, 0, 100, 249}, {0, 249, 100, 24}, {0, 249, 137, 24}, {137, 249, 80, 24},
                              {0, 273, 100, 0}}));

TEST(EndPageLayout, ShowsItsButtonAtTheTopLeft) {
  DeckForm deck;
  deck.Tabs().SetTabIndex(119);
  for (QSize client : {QSize(663, 480), QSize(900, 300)}) {
    deck.Resize(client.width(), client.height());
    toolkit::TButton* button = deck.BackToStart();
    EXPECT_EQ(deck.InWindow(button->parentWidget()), QRect(0, 0, client.width(), 56));
    EXPECT_EQ(deck.InWindow(button), QRect(0, 0, 80, 56));
  }
}

TEST(PageArea, IsTheWholeClientAreaWithTheDotsOverIt) {
  DeckForm deck;
  EXPECT_EQ(deck.InWindow(&deck.Tabs()), QRect(0, 0, 663, 480));
  EXPECT_EQ(deck.InWindow(deck.Page(1)->Content()), QRect(0, 0, 663, 480));
  EXPECT_EQ(deck.InWindow(deck.Page(1)), QRect(3, 451, 8, 8));
  EXPECT_EQ(deck.InWindow(deck.Page(67)), QRect(3, 461, 8, 8));
  EXPECT_EQ(deck.InWindow(deck.Page(120)), QRect(533, 461, 8, 8));
  EXPECT_EQ(deck.Form().childAt(5, 455), deck.Page(1)) << "a dot is hit before the answer area under it";

  deck.Resize(1200, 600);
  EXPECT_EQ(deck.InWindow(deck.Page(1)), QRect(1, 581, 8, 8));
  EXPECT_EQ(deck.InWindow(deck.Page(1)->Content()), QRect(0, 0, 1200, 600));
  EXPECT_EQ(deck.InWindow(deck.Page(120)), QRect(1191, 581, 8, 8));
}

TEST(PageArea, ShowsOnlyTheCurrentPage) {
  DeckForm deck;
  for (int page = 1; page <= 120; ++page) {
    EXPECT_EQ(deck.Page(page)->Content()->isVisibleTo(&deck.Form()), page == 1) << "page " << page;
    EXPECT_TRUE(deck.Page(page)->isVisibleTo(&deck.Form())) << "the dot of page " << page;
  }
}

}  // namespace
