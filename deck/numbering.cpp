#include "deck/deck.h"

#include <array>
#include <stdexcept>
#include <string>

namespace deck {
namespace {

// Cards first..last number their controls card + offset.
struct NumberingRun {
  int first;
  int last;
  ControlNumbers offset;
};

constexpr std::array<NumberingRun, 7> kNumbering = {{
    {1, 32, {0, 0, 1}},
    {33, 33, {0, 1, 2}},
    {34, 38, {1, 1, 2}},
    {39, 39, {1, -6, 2}},   // CheckBox33 sits on card 39
    {40, 67, {1, 0, 2}},
    {68, 68, {-34, 0, -34}},  // Text34 and Button34 sit on card 68
    {69, 119, {0, 0, 1}},
}};

}  // namespace

ControlNumbers NumbersOf(int card) {
  for (const NumberingRun& run : kNumbering) {
    if (card >= run.first && card <= run.last) {
      return {card + run.offset.text, card + run.offset.checkBox, card + run.offset.nextButton};
    }
  }
  throw std::out_of_range("no card " + std::to_string(card));
}

}  // namespace deck
