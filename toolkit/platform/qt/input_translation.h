#pragma once

#include <QString>
#include <optional>
#include <string>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::qt {

struct KeyStroke {
  Key key = Key::Other;
  Modifiers modifiers;
};

// Nothing for a modifier key pressed on its own: the toolkit learns of it with the next key.
std::optional<KeyStroke> TranslateKey(int qtKey, Qt::KeyboardModifiers qtModifiers);

// Only the buttons the toolkit knows; others are not passed on.
std::optional<MouseButton> TranslateButton(Qt::MouseButton button);

// The characters a key press types, without the control characters some keys carry
// (Tab, Enter, Escape, Backspace, Delete, Ctrl+letter).
std::u32string TypedCharacters(const QString& text);

}  // namespace toolkit::platform::qt
