#pragma once

#include <cstdint>
#include <optional>
#include <variant>
#include <vector>

#include "deck/pictures/exact_area.h"
#include "deck/pictures/picture_table.h"

// The filled shape and colour of each kind of light.
namespace deck {

struct Rgb {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};
inline constexpr Rgb kRed{255, 0, 0};
inline constexpr Rgb kGreen{153, 204, 0};
inline constexpr Rgb kYellow{255, 255, 0};

// One single-coloured part of a light: its shape, cut to one side of a line
// where the light has two colours.
struct Patch {
  Rgb colour;
  std::variant<geometry::Ellipse, geometry::Polygon> shape;
  std::optional<geometry::HalfPlane> side;
};

// The parts of `light` as drawn on the picture of `card`.
std::vector<Patch> PatchesOf(const Light& light, int card);

}  // namespace deck
