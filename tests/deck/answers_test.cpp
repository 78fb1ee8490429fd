#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>

#include "deck/deck.h"

namespace {

// Code points in a UTF-8 string.
size_t CharacterCount(std::string_view text) {
  size_t count = 0;
  for (unsigned char byte : text) count += (byte & 0xC0) != 0x80;
  return count;
}

struct FragmentCase {
  int card;
  std::string_view fragment;
  const char* why;
};

class AnswerFragments : public testing::TestWithParam<FragmentCase> {};

TEST_P(AnswerFragments, AreKeptExactly) {
  const FragmentCase& c = GetParam();
  EXPECT_NE(deck::AnswerText(c.card).find(c.fragment), std::string_view::npos) << c.why;
}

INSTANTIATE_TEST_SUITE_P(
    EasyToLose, AnswerFragments,
    testing::Values(
        FragmentCase{2, "Идет  вправо.", "two spaces before вправо"},
        FragmentCase{1, "Идет на нас", "written without ё"},
        FragmentCase{10, "состоянии , длиной", "a space before the comma"},
        FragmentCase{5, "50 м.. Идёт", "two full stops"},
        FragmentCase{14, "буксировкой Идёт", "no full stop before Идёт"},
        FragmentCase{79, "50 м., ограничено", "a full stop before the comma"},
        FragmentCase{19, "24(\xD0\xB0)", "Cyrillic а in the rule reference"},
        FragmentCase{37, "25(\xD0\xB0) Судно на вёслах", "Cyrillic а in the rule reference"},
        FragmentCase{37, "25(d)(ii)", "Latin letters in the rule reference"},
        FragmentCase{47, "воды. \xD0\xB1) Рыболовное", "Cyrillic б"},
        FragmentCase{97, "бор-ту", "an ASCII hyphen-minus"},
        FragmentCase{97, "борту \xE2\x80\x93 препятствие", "an EN DASH"},
        FragmentCase{91, "борту \xE2\x80\x93 препятствие", "an EN DASH"}));

TEST(Answers, EndWithASpaceExactlyWhereWritten) {
  const std::set<int> withFinalSpace = {3, 24, 25, 98, 103, 104};
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const std::string_view text = deck::AnswerText(card);
    EXPECT_EQ(text.back() == ' ', withFinalSpace.contains(card)) << "card " << card;
    EXPECT_NE(text.substr(0, text.size() - 1).back(), ' ') << "card " << card << " ends with two spaces";
  }
}

TEST(Answers, HaveNoLineBreaksAndKnownExtremes) {
  size_t longest = 0;
  size_t shortest = SIZE_MAX;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const std::string_view text = deck::AnswerText(card);
    EXPECT_EQ(text.find_first_of("\r\n"), std::string_view::npos) << "card " << card;
    longest = std::max(longest, CharacterCount(text));
    shortest = std::min(shortest, CharacterCount(text));
  }
  EXPECT_EQ(longest, 253u);
  EXPECT_EQ(shortest, 14u);
  EXPECT_EQ(CharacterCount(deck::AnswerText(19)), 253u);
  EXPECT_EQ(deck::AnswerText(19).size(), 438u);
  EXPECT_EQ(deck::AnswerText(119), "Судно на мели.");
}

TEST(Answers, OnlyTheKnownPairsAreIdentical) {
  EXPECT_EQ(deck::AnswerText(36), "Парусное судно идёт на нас.");
  EXPECT_EQ(deck::AnswerText(40), deck::AnswerText(36));
  EXPECT_EQ(deck::AnswerText(96), deck::AnswerText(90));
  std::set<std::string_view> distinct;
  for (int card = 1; card <= deck::kCardCount; ++card) distinct.insert(deck::AnswerText(card));
  EXPECT_EQ(distinct.size(), static_cast<size_t>(deck::kCardCount - 2));
}

TEST(Answers, AreCyrillicSaveForDigitsMarksAndRuleLetters) {
  const std::string_view allowedAscii = " 0123456789.,;()-dif";
  for (int card = 1; card <= deck::kCardCount; ++card) {
    for (unsigned char byte : deck::AnswerText(card)) {
      if (byte >= 0x80) continue;
      EXPECT_NE(allowedAscii.find(static_cast<char>(byte)), std::string_view::npos)
          << "card " << card << " has '" << byte << "'";
    }
  }
}

TEST(Answers, OutsideTheDeckAreAnError) {
  EXPECT_THROW(deck::AnswerText(0), std::out_of_range);
  EXPECT_THROW(deck::AnswerText(120), std::out_of_range);
}

}  // namespace
