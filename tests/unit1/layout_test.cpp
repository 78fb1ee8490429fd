#include <gtest/gtest.h>

#include <string>

#include "tests/support/toolkit_printers.h"
#include "tests/unit1/deck_form.h"

using toolkit::Rect;

namespace {

struct CardRects {
  const char* name;
  int width, height;
  Rect picture, strip, checkBox, nextButton, answerArea;
};

void PrintTo(const CardRects& c, std::ostream* out) { *out << c.name; }

class CardLayout : public testing::TestWithParam<CardRects> {
 protected:
  DeckForm deck;
};

TEST_P(CardLayout, PlacesEveryRegion) {
  const CardRects& expected = GetParam();
  deck.Resize(expected.width, expected.height);
  for (int card : {1, 22, 39, 119}) {  // card 22 stores its strip before its answer area
    SCOPED_TRACE("card " + std::to_string(card));
    deck.Tabs().SetTabIndex(card - 1);
    toolkit::TCheckBox* box = deck.CheckBoxOf(card);
    EXPECT_EQ(deck.ImageOf(card)->BoundsInWindow(), expected.picture);
    EXPECT_EQ(box->Parent()->BoundsInWindow(), expected.strip);
    EXPECT_EQ(box->BoundsInWindow(), expected.checkBox);
    EXPECT_EQ(deck.NextButtonOf(card)->BoundsInWindow(), expected.nextButton);
    EXPECT_EQ(deck.TextOf(card)->Parent()->BoundsInWindow(), expected.answerArea);
    box->SetIsChecked(true);
    EXPECT_EQ(deck.TextOf(card)->BoundsInWindow(), expected.answerArea) << "the text fills its area";
    box->SetIsChecked(false);
  }
}

INSTANTIATE_TEST_SUITE_P(
    ClientSizes, CardLayout,
    testing::Values(CardRects{"Designed663x480", 663, 480, {0, 0, 663, 249}, {0, 249, 663, 273},
                              {0, 249, 137, 273}, {137, 249, 217, 273}, {0, 273, 663, 480}},
                    CardRects{"Larger1024x700", 1024, 700, {0, 0, 1024, 249}, {0, 249, 1024, 273},
                              {0, 249, 137, 273}, {137, 249, 217, 273}, {0, 273, 1024, 700}},
                    CardRects{"OneRowOfAnswer200x274", 200, 274, {0, 0, 200, 249}, {0, 249, 200, 273},
                              {0, 249, 137, 273}, {137, 249, 217, 273}, {0, 273, 200, 274}},
                    CardRects{"NoAnswerArea663x273", 663, 273, {0, 0, 663, 249}, {0, 249, 663, 273},
                              {0, 249, 137, 273}, {137, 249, 217, 273}, {0, 273, 663, 273}},
                    CardRects{"TooSmall100x120", 100, 120, {0, 0, 100, 249}, {0, 249, 100, 273},
                              {0, 249, 137, 273}, {137, 249, 217, 273}, {0, 273, 100, 273}}),
    [](const testing::TestParamInfo<CardRects>& info) { return info.param.name; });

TEST(EndPageLayout, ShowsItsButtonAtTheTopLeft) {
  DeckForm deck;
  deck.Tabs().SetTabIndex(119);
  for (auto [width, height] : {std::pair{663, 480}, std::pair{900, 300}}) {
    deck.Resize(width, height);
    const toolkit::TButton* button = deck.BackToStart();
    EXPECT_EQ(button->Parent()->BoundsInWindow(), (Rect{0, 0, width, 56}));
    EXPECT_EQ(button->BoundsInWindow(), (Rect{0, 0, 80, 56}));
  }
}

TEST(PageArea, IsTheWholeClientAreaWithTheDotsOverIt) {
  DeckForm deck;
  EXPECT_EQ(deck.Tabs().BoundsInWindow(), (Rect{0, 0, 663, 480}));
  EXPECT_EQ(deck.Page(1)->Content().BoundsInWindow(), (Rect{0, 0, 663, 480}));
  deck.Window().Click(15, 455);  // page 2's dot, over card 1's answer area
  EXPECT_EQ(deck.CurrentPage(), 2) << "a dot is hit before the answer area under it";

  deck.Resize(1200, 600);
  EXPECT_EQ(deck.Page(2)->Content().BoundsInWindow(), (Rect{0, 0, 1200, 600}));
}

struct DotCase {
  int width, height;
  int page;
  Rect dot;
};

class DotsInTheWindow : public testing::TestWithParam<DotCase> {
 protected:
  DeckForm deck;
};

TEST_P(DotsInTheWindow, FollowTheClientSize) {
  const DotCase& c = GetParam();
  deck.Resize(c.width, c.height);
  EXPECT_EQ(deck.Page(c.page)->BoundsInWindow(), c.dot);
}

INSTANTIATE_TEST_SUITE_P(
    ClientSizes, DotsInTheWindow,
    testing::Values(DotCase{663, 480, 1, {3, 451, 11, 459}}, DotCase{663, 480, 66, {653, 451, 661, 459}},
                    DotCase{663, 480, 67, {3, 461, 11, 469}}, DotCase{663, 480, 120, {533, 461, 541, 469}},
                    DotCase{1200, 600, 1, {1, 581, 9, 589}}, DotCase{1200, 600, 120, {1191, 581, 1199, 589}},
                    DotCase{1920, 1080, 1, {361, 1061, 369, 1069}}, DotCase{1199, 480, 119, {1186, 451, 1194, 459}},
                    DotCase{1199, 480, 120, {6, 461, 14, 469}}, DotCase{400, 300, 1, {1, 261, 9, 269}},
                    DotCase{400, 300, 41, {1, 271, 9, 279}}, DotCase{400, 300, 120, {391, 281, 399, 289}}),
    [](const testing::TestParamInfo<DotCase>& info) {
      const DotCase& c = info.param;
      return "W" + std::to_string(c.width) + "H" + std::to_string(c.height) + "Page" + std::to_string(c.page);
    });

TEST(PageArea, ShowsOnlyTheCurrentPage) {
  DeckForm deck;
  for (int page = 1; page <= 120; ++page) {
    EXPECT_EQ(deck.Page(page)->Content().Visible(), page == 1) << "page " << page;
    EXPECT_TRUE(deck.Page(page)->IsShowing()) << "the dot of page " << page;
  }
}

}  // namespace
