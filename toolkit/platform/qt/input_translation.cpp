#include "toolkit/platform/qt/input_translation.h"

#include <QList>

namespace toolkit::platform::qt {
namespace {

Key KeyFor(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return Key::Enter;
    case Qt::Key_Space:
      return Key::Space;
    case Qt::Key_Left:
      return Key::Left;
    case Qt::Key_Right:
      return Key::Right;
    case Qt::Key_Up:
      return Key::Up;
    case Qt::Key_Down:
      return Key::Down;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return Key::Tab;
    case Qt::Key_Escape:
      return Key::Escape;
    default:
      return Key::Other;
  }
}

bool IsModifierKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
      return true;
    default:
      return false;
  }
}

bool IsControlCharacter(char32_t character) { return character < 0x20 || character == 0x7F; }

}  // namespace

std::optional<KeyStroke> TranslateKey(int qtKey, Qt::KeyboardModifiers qtModifiers) {
  if (IsModifierKey(qtKey)) return std::nullopt;
  Modifiers modifiers{
      .shift = qtModifiers.testFlag(Qt::ShiftModifier),
      .control = qtModifiers.testFlag(Qt::ControlModifier),
      .alt = qtModifiers.testFlag(Qt::AltModifier),
  };
  // Qt reports Shift+Tab as Backtab, whether or not it still lists Shift.
  if (qtKey == Qt::Key_Backtab) modifiers.shift = true;
  return KeyStroke{KeyFor(qtKey), modifiers};
}

std::optional<MouseButton> TranslateButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    case Qt::MiddleButton:
      return MouseButton::Middle;
    default:
      return std::nullopt;
  }
}

std::u32string TypedCharacters(const QString& text) {
  std::u32string typed;
  for (const char32_t character : text.toUcs4()) {
    if (!IsControlCharacter(character)) typed.push_back(character);
  }
  return typed;
}

}  // namespace toolkit::platform::qt
