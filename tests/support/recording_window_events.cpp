#include "tests/support/recording_window_events.h"

#include <cstdio>
#include <sstream>

namespace {

using toolkit::platform::Key;
using toolkit::platform::Modifiers;
using toolkit::platform::MouseButton;
using toolkit::platform::PointF;

std::string Text(MouseButton button) {
  switch (button) {
    case MouseButton::Left:
      return "Left";
    case MouseButton::Right:
      return "Right";
    case MouseButton::Middle:
      return "Middle";
  }
  return "?";
}

std::string Text(Key key) {
  switch (key) {
    case Key::Other:
      return "Other";
    case Key::Enter:
      return "Enter";
    case Key::Space:
      return "Space";
    case Key::Left:
      return "Left";
    case Key::Right:
      return "Right";
    case Key::Up:
      return "Up";
    case Key::Down:
      return "Down";
    case Key::Tab:
      return "Tab";
    case Key::Escape:
      return "Escape";
  }
  return "?";
}

std::string Text(PointF position) {
  std::ostringstream text;
  text << position.x << ',' << position.y;
  return text.str();
}

std::string Text(Modifiers modifiers) {
  std::string text;
  if (modifiers.shift) text += " shift";
  if (modifiers.control) text += " ctrl";
  if (modifiers.alt) text += " alt";
  return text;
}

}  // namespace

void RecordingWindowEvents::Paint(toolkit::platform::Canvas& canvas) {
  ++paints;
  if (paint) paint(canvas);
}

void RecordingWindowEvents::Resized(int clientWidth, int clientHeight) {
  log.push_back("resize " + std::to_string(clientWidth) + "x" + std::to_string(clientHeight));
}

void RecordingWindowEvents::PointerPressed(MouseButton button, PointF position) {
  log.push_back("press " + Text(button) + " " + Text(position));
}

void RecordingWindowEvents::PointerDoubleClicked(MouseButton button, PointF position) {
  log.push_back("double " + Text(button) + " " + Text(position));
}

void RecordingWindowEvents::PointerMoved(PointF position) { log.push_back("move " + Text(position)); }

void RecordingWindowEvents::PointerReleased(MouseButton button, PointF position) {
  log.push_back("release " + Text(button) + " " + Text(position));
}

void RecordingWindowEvents::PointerLeft() { log.push_back("leave"); }

void RecordingWindowEvents::PointerCaptureLost() { log.push_back("capture lost"); }

void RecordingWindowEvents::Touch(toolkit::platform::TouchPhase phase, int id, PointF position) {
  touches.push_back({phase, id, position});
}

void RecordingWindowEvents::KeyDown(Key key, Modifiers modifiers) {
  log.push_back("key " + Text(key) + Text(modifiers));
}

void RecordingWindowEvents::CharTyped(char32_t character, Modifiers modifiers) {
  char code[16];
  std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character));
  log.push_back("char " + std::string(code) + Text(modifiers));
}

void RecordingWindowEvents::ActiveChanged(bool active) { log.push_back(active ? "active" : "inactive"); }

void RecordingWindowEvents::CloseRequested() { log.push_back("close"); }
