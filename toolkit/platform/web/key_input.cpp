#include "toolkit/platform/web/key_input.h"

#include <array>

#include "toolkit/platform/web/page_events.h"

namespace toolkit::platform::web {
namespace {

struct NamedKey {
  std::string_view name;
  Key key;
};
// Both the standard names and those older browsers gave the same keys.
constexpr std::array<NamedKey, 14> kNamedKeys{{
    {"Enter", Key::Enter},
    {" ", Key::Space},
    {"Spacebar", Key::Space},
    {"ArrowLeft", Key::Left},
    {"Left", Key::Left},
    {"ArrowRight", Key::Right},
    {"Right", Key::Right},
    {"ArrowUp", Key::Up},
    {"Up", Key::Up},
    {"ArrowDown", Key::Down},
    {"Down", Key::Down},
    {"Tab", Key::Tab},
    {"Escape", Key::Escape},
    {"Esc", Key::Escape},
}};

constexpr std::array<std::string_view, 9> kModifierKeys{
    "Shift", "Control", "Alt", "AltGraph", "Meta", "OS", "Super", "Hyper", "Fn",
};

// The one character a key's name stands for, when the name is a single UTF-8 code point.
std::optional<char32_t> SingleCharacter(std::string_view text) {
  if (text.empty()) return std::nullopt;
  const auto lead = static_cast<unsigned char>(text[0]);
  const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
  if (length == 0 || text.size() != length) return std::nullopt;
  char32_t character = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    character = (character << 6) | (next & 0x3F);
  }
  return character;
}

bool IsControlCharacter(char32_t character) { return character < 0x20 || character == 0x7F; }

}  // namespace

std::optional<KeyStroke> TranslateKey(std::string_view key, int modifierBits) {
  for (const std::string_view modifier : kModifierKeys) {
    if (key == modifier) return std::nullopt;
  }
  KeyStroke stroke;
  stroke.modifiers = {
      .shift = (modifierBits & kShiftBit) != 0,
      .control = (modifierBits & kControlBit) != 0,
      .alt = (modifierBits & kAltBit) != 0,
  };
  for (const NamedKey& named : kNamedKeys) {
    if (key == named.name) stroke.key = named.key;
  }
  if (const auto character = SingleCharacter(key); character && !IsControlCharacter(*character)) {
    stroke.typed = character;
  }
  return stroke;
}

}  // namespace toolkit::platform::web
