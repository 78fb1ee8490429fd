#pragma once

#include <cstdint>
#include <span>

#include "deck/deck.h"

// The card pictures as the program carries them.
namespace deck {

// The picture of card 1..kCardCount as a PNG stream (8 bits per channel with
// alpha, not interlaced), rendered from the picture table when the program
// was built; throws std::out_of_range for any other number.
std::span<const std::uint8_t> CardPicturePng(int card);

}  // namespace deck
