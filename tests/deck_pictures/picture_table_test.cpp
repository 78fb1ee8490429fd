#include "deck/pictures/picture_table.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <stdexcept>
#include <tuple>

namespace {

using deck::LightKind;
using deck::PictureOf;

TEST(PictureTable, HoldsOneRowPerCardWithinTheDecksSizes) {
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const deck::PictureSpec& picture = PictureOf(card);
    SCOPED_TRACE(card);
    EXPECT_EQ(picture.card, card);
    EXPECT_GE(picture.width, 209);
    EXPECT_LE(picture.width, 350);
    EXPECT_GE(picture.height, 243);
    EXPECT_LE(picture.height, 327);
    EXPECT_GE(picture.lights.size(), 1u);
    EXPECT_LE(picture.lights.size(), 11u);
    for (const deck::Light& light : picture.lights) {
      EXPECT_TRUE(light.x > 0 && light.x < picture.width && light.y > 0 &&
                  light.y < picture.height);
    }
  }
}

TEST(PictureTable, RejectsNumbersOutsideTheDeck) {
  EXPECT_THROW(PictureOf(0), std::out_of_range);
  EXPECT_THROW(PictureOf(deck::kCardCount + 1), std::out_of_range);
}

TEST(PictureTable, CountsLightsByKind) {
  std::map<LightKind, int> counts;
  int total = 0;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    for (const deck::Light& light : PictureOf(card).lights) {
      ++counts[light.kind];
      ++total;
    }
  }
  EXPECT_EQ(total, 557);
  EXPECT_EQ(counts[LightKind::White], 236);
  EXPECT_EQ(counts[LightKind::Red], 193);
  EXPECT_EQ(counts[LightKind::Green], 119);
  EXPECT_EQ(counts[LightKind::Yellow], 4);
  EXPECT_EQ(counts[LightKind::Star], 4);
  EXPECT_EQ(counts[LightKind::TwoColour], 1);
}

TEST(PictureTable, RareLightsAreOnTheirCards) {
  std::map<LightKind, std::set<int>> cards;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    for (const deck::Light& light : PictureOf(card).lights) {
      cards[light.kind].insert(card);
    }
  }
  EXPECT_EQ(cards[LightKind::Star], (std::set<int>{6, 9, 10, 11}));
  EXPECT_EQ(cards[LightKind::Yellow], (std::set<int>{14, 18, 22, 84}));
  EXPECT_EQ(cards[LightKind::TwoColour], (std::set<int>{39}));
}

TEST(PictureTable, CommonestFrameSetsOccurAsOften) {
  std::map<std::tuple<int, int, int, int>, int> sets;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const deck::FrameLines& f = PictureOf(card).frame;
    ++sets[{f.top, f.bottom, f.left, f.right}];
  }
  EXPECT_EQ((sets[{1, 1, 0, 2}]), 43);
  EXPECT_EQ((sets[{1, 1, 1, 2}]), 26);
  EXPECT_EQ((sets[{1, 1, 1, 1}]), 21);
  EXPECT_EQ((sets[{1, 1, 0, 1}]), 21);
}

struct RowCase {
  int card;
  int width;
  int height;
  deck::FrameLines frame;
  std::size_t lightCount;
  deck::Light first;
  deck::Light last;
};

TEST(PictureTable, RowsReadAsDrawn) {
  const RowCase cases[] = {
      {1, 285, 299, {0, 0, 0, 0}, 3, {LightKind::White, 142, 87}, {LightKind::Red, 222, 207}},
      {2, 290, 303, {0, 2, 1, 2}, 2, {LightKind::White, 231, 67}, {LightKind::Green, 98, 199}},
      {39,
       209,
       267,
       {1, 1, 0, 1},
       1,
       {LightKind::TwoColour, 107, 169},
       {LightKind::TwoColour, 107, 169}},
      {80, 326, 301, {0, 1, 0, 0}, 5, {LightKind::Red, 146, 95}, {LightKind::White, 286, 240}},
      {92, 327, 243, {0, 2, 0, 2}, 7, {LightKind::White, 185, 12}, {LightKind::Red, 272, 192}},
      {95, 329, 291, {1, 1, 0, 1}, 11, {LightKind::White, 167, 13}, {LightKind::Green, 48, 242}},
      {119, 329, 303, {1, 1, 0, 1}, 4, {LightKind::Red, 128, 86}, {LightKind::White, 288, 230}},
  };
  const auto same = [](const deck::Light& a, const deck::Light& b) {
    return a.kind == b.kind && a.x == b.x && a.y == b.y;
  };
  for (const RowCase& c : cases) {
    const deck::PictureSpec& picture = PictureOf(c.card);
    SCOPED_TRACE(c.card);
    EXPECT_EQ(picture.width, c.width);
    EXPECT_EQ(picture.height, c.height);
    EXPECT_EQ(
        std::tie(picture.frame.top, picture.frame.bottom, picture.frame.left, picture.frame.right),
        std::tie(c.frame.top, c.frame.bottom, c.frame.left, c.frame.right));
    ASSERT_EQ(picture.lights.size(), c.lightCount);
    EXPECT_TRUE(same(picture.lights.front(), c.first));
    EXPECT_TRUE(same(picture.lights.back(), c.last));
  }
}

}  // namespace
