#pragma once

#include <cstdint>
#include <ostream>
#include <span>

#include "tests/support/png_reader.h"

// The card pictures as built into the program, read back with the tests'
// own PNG reader.

// The stored PNG stream of card 1..119.
std::span<const std::uint8_t> EmbeddedPng(int card);

// That stream decoded (once).
const DecodedPng& EmbeddedPicture(int card);

struct Rgba {
  int red;
  int green;
  int blue;
  int alpha;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

// For test messages: "r,g,b,a".
void PrintTo(const Rgba& pixel, std::ostream* out);

Rgba PixelAt(const DecodedPng& image, int column, int row);
