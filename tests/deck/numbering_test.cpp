#include <gtest/gtest.h>

#include <set>

#include "deck/deck.h"

namespace {

struct NumberingCase {
  int card;
  int text;
  int checkBox;
  int nextButton;
};

class CardNumbering : public testing::TestWithParam<NumberingCase> {};

TEST_P(CardNumbering, NamesTheCardsControls) {
  const NumberingCase& c = GetParam();
  const deck::ControlNumbers numbers = deck::NumbersOf(c.card);
  EXPECT_EQ(numbers.text, c.text);
  EXPECT_EQ(numbers.checkBox, c.checkBox);
  EXPECT_EQ(numbers.nextButton, c.nextButton);
}

INSTANTIATE_TEST_SUITE_P(InAndOutOfStep, CardNumbering,
                         testing::Values(NumberingCase{1, 1, 1, 2}, NumberingCase{32, 32, 32, 33},
                                         NumberingCase{33, 33, 34, 35}, NumberingCase{34, 35, 35, 36},
                                         NumberingCase{35, 36, 36, 37}, NumberingCase{38, 39, 39, 40},
                                         NumberingCase{39, 40, 33, 41}, NumberingCase{40, 41, 40, 42},
                                         NumberingCase{67, 68, 67, 69}, NumberingCase{68, 34, 68, 34},
                                         NumberingCase{69, 69, 69, 70}, NumberingCase{119, 119, 119, 120}));

TEST(CardNumbering, UsesEveryNumberOnce) {
  std::set<int> texts, checkBoxes, buttons;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const deck::ControlNumbers numbers = deck::NumbersOf(card);
    texts.insert(numbers.text);
    checkBoxes.insert(numbers.checkBox);
    buttons.insert(numbers.nextButton);
  }
  ASSERT_EQ(texts.size(), 119u);
  ASSERT_EQ(checkBoxes.size(), 119u);
  ASSERT_EQ(buttons.size(), 119u);
  EXPECT_EQ(*texts.begin(), 1);
  EXPECT_EQ(*texts.rbegin(), 119);
  EXPECT_EQ(*checkBoxes.begin(), 1);
  EXPECT_EQ(*checkBoxes.rbegin(), 119);
  EXPECT_EQ(*buttons.begin(), 2);  // Button1 is the end page's
  EXPECT_EQ(*buttons.rbegin(), 120);
}

TEST(CardNumbering, OutsideTheDeckIsAnError) {
  EXPECT_THROW(deck::NumbersOf(0), std::out_of_range);
  EXPECT_THROW(deck::NumbersOf(120), std::out_of_range);
}

}  // namespace
