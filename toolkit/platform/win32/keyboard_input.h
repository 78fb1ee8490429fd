#pragma once

#include "toolkit/platform/win32/windows_api.h"

#include <optional>


namespace toolkit::platform::win32 {

// The toolkit's name for the key of a WM_KEYDOWN or WM_SYSKEYDOWN.
Key KeyFromVirtualKey(WPARAM virtualKey);

// Shift, Ctrl and Alt as they were when the message being handled was sent.
Modifiers CurrentModifiers();

// Turns the UTF-16 units of WM_CHAR messages into the characters typed: a character beyond
// the Basic Multilingual Plane comes as two messages, its surrogates.
class TypedCharacters {
 public:
  // The character completed by `unit`, when it is one that prints (not a control character
  // such as Tab, Enter, Escape or Backspace).
  std::optional<char32_t> Add(wchar_t unit);

 private:
  wchar_t highSurrogate_ = 0;
};

}  // namespace toolkit::platform::win32
