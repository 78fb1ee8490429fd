#pragma once

#include <optional>
#include <string_view>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::web {

// A key press as the window tells it: the key, and the character it types, if any.
struct KeyStroke {
  Key key = Key::Other;
  Modifiers modifiers;
  std::optional<char32_t> typed;
};

// From a KeyboardEvent's `key` and the modifier bits the page reports; nothing for a modifier
// key pressed on its own.
std::optional<KeyStroke> TranslateKey(std::string_view key, int modifierBits);

}  // namespace toolkit::platform::web
