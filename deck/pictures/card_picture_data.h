#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "deck/deck.h"

namespace deck {

// Each card's PNG stream in card order. Defined by the source that
// lumivor_render_pictures writes into the build tree.
extern const std::array<std::span<const std::uint8_t>, kCardCount> kCardPicturePngs;

}  // namespace deck
