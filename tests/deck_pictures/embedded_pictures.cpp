#include "tests/deck_pictures/embedded_pictures.h"

#include <array>
#include <cstddef>
#include <optional>

#include "deck/deck.h"
#include "deck/pictures/card_pictures.h"

std::span<const std::uint8_t> EmbeddedPng(int card) { return deck::CardPicturePng(card); }

const DecodedPng& EmbeddedPicture(int card) {
  static std::array<std::optional<DecodedPng>, deck::kCardCount> decoded;
  std::optional<DecodedPng>& image = decoded.at(card - 1);
  if (!image) {
    image = DecodePng(EmbeddedPng(card));
  }
  return *image;
}

Rgba PixelAt(const DecodedPng& image, int column, int row) {
  const std::uint8_t* p = &image.rgba[(static_cast<std::size_t>(row) * image.width + column) * 4];
  return {p[0], p[1], p[2], p[3]};
}

void PrintTo(const Rgba& pixel, std::ostream* out) {
  *out << pixel.red << "," << pixel.green << "," << pixel.blue << "," << pixel.alpha;
}
