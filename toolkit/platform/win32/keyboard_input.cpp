#include "toolkit/platform/win32/keyboard_input.h"

namespace toolkit::platform::win32 {

namespace {

bool IsHighSurrogate(wchar_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(wchar_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

bool IsPrintable(char32_t character) {
  const bool c0 = character < 0x20;
  const bool deleteOrC1 = character >= 0x7F && character <= 0x9F;
  return !c0 && !deleteOrC1;
}

bool IsDown(int virtualKey) { return (GetKeyState(virtualKey) & 0x8000) != 0; }

}  // namespace

Key KeyFromVirtualKey(WPARAM virtualKey) {
  switch (virtualKey) {
    case VK_RETURN: return Key::Enter;
    case VK_SPACE: return Key::Space;
    case VK_LEFT: return Key::Left;
    case VK_RIGHT: return Key::Right;
    case VK_UP: return Key::Up;
    case VK_DOWN: return Key::Down;
    case VK_TAB: return Key::Tab;
    case VK_ESCAPE: return Key::Escape;
    default: return Key::Other;
  }
}

Modifiers CurrentModifiers() {
  return Modifiers{.shift = IsDown(VK_SHIFT), .control = IsDown(VK_CONTROL), .alt = IsDown(VK_MENU)};
}

std::optional<char32_t> TypedCharacters::Add(wchar_t unit) {
  if (IsHighSurrogate(unit)) {
    highSurrogate_ = unit;
    return std::nullopt;
  }
  const wchar_t high = highSurrogate_;
  highSurrogate_ = 0;
  if (IsLowSurrogate(unit)) {
    // A low surrogate without its high half is no character.
    if (!high) return std::nullopt;
    return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) + (static_cast<char32_t>(unit) - 0xDC00);
  }
  const char32_t character = unit;
  if (!IsPrintable(character)) return std::nullopt;
  return character;
}

}  // namespace toolkit::platform::win32
