#include "deck/pictures/card_pictures.h"

#include <stdexcept>
#include <string>

#include "deck/pictures/card_picture_data.h"

namespace deck {

std::span<const std::uint8_t> CardPicturePng(int card) {
  if (card < 1 || card > kCardCount) {
    throw std::out_of_range("no picture for card " + std::to_string(card));
  }
  return kCardPicturePngs[card - 1];
}

}  // namespace deck
