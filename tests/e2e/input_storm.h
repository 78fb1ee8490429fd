#pragma once

#include "mouse_button.h"

#include <QPointF>
#include <QSize>
#include <chrono>
#include <cstdint>
#include <random>
#include <string>
#include <variant>

// A seeded stream of the input a restless person gives the window: clicks,
// strokes, keys, resizes and minimising. The same seed gives the same stream.
// Positions are picked inside parts of the window and only become pixels when
// an event is sent, against the window's size at that moment.
namespace e2e::storm {

enum class Area { Anywhere, CheckBox, NextButton, ToStartButton, PageDot };

struct Spot {
  Area area;
  int page;        // for Area::PageDot
  QPointF within;  // fractions of the area's width and height, each in [0, 1)
};

struct Click {
  Spot at;
  MouseButton button;
  int times;  // 2 for a double click
};
struct Drag {
  Spot from;
  double angle;  // radians, 0 to the right, growing clockwise on the screen
  int length;    // pixels, cut short at the window's edge
  std::chrono::milliseconds duration;
};
struct Key {
  std::string chord;  // xdotool notation
};
struct Resize {
  QSize clientSize;
};
struct Minimise {
  std::chrono::milliseconds hidden;  // before the window is restored
};
using Event = std::variant<Click, Drag, Key, Resize, Minimise>;

struct Step {
  Event event;
  std::chrono::milliseconds pauseAfter;
};

class Generator {
public:
  static constexpr std::uint32_t kDefaultSeed = 0x4C756D69;

  explicit Generator(std::uint32_t seed) : random_(seed) {}

  Step next();
  // A card, 1 to 119, for a check to visit.
  int card();

private:
  int between(int low, int high);  // inclusive
  double fraction();
  bool chance(double probability);
  Spot spot();
  Event event();
  std::chrono::milliseconds pause();

  std::mt19937 random_;
};

}  // namespace e2e::storm
