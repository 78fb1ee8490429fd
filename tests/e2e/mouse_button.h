#pragma once

namespace e2e {

// The buttons by their X numbers.
enum class MouseButton { Left = 1, Middle = 2, Right = 3 };

// "left", "middle" or "right", as the browsers name them too.
constexpr const char* nameOf(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return "left";
    case MouseButton::Middle: return "middle";
    case MouseButton::Right: return "right";
  }
  return "?";
}

}  // namespace e2e
