#pragma once

#include <string_view>

// The fixed deck: 119 cards followed by the end page.
namespace deck {

inline constexpr int kCardCount = 119;
inline constexpr int kPageCount = kCardCount + 1;  // the last page is the end page

inline constexpr std::string_view kRevealCaption = "Правильный ответ";
inline constexpr std::string_view kNextCaption = "Следующий";
inline constexpr std::string_view kBackToStartCaption = "В начало";

// The answer of card 1..119, in UTF-8 exactly as the learner sees it.
std::string_view AnswerText(int card);

// The running numbers of a card's controls. They follow the card number,
// except on cards 33 to 68, whose controls were numbered out of step.
struct ControlNumbers {
  int text;
  int checkBox;
  int nextButton;
};
ControlNumbers NumbersOf(int card);

}  // namespace deck
