#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/platform/win32/windows_api.h"

namespace lumivor::win32_tests {

// WindowEvents that note everything a window tells them, and paint with a painter the test
// gives.
class RecordingEvents : public toolkit::platform::WindowEvents {
 public:
  struct ButtonEvent {
    toolkit::platform::MouseButton button;
    toolkit::platform::PointF position;
    bool operator==(const ButtonEvent&) const = default;
  };
  struct KeyEvent {
    toolkit::platform::Key key;
    toolkit::platform::Modifiers modifiers;
    bool operator==(const KeyEvent&) const = default;
  };
  struct TouchEvent {
    toolkit::platform::TouchPhase phase;
    int id;
    toolkit::platform::PointF position;
  };

  std::function<void(toolkit::platform::Canvas&)> painter;
  toolkit::platform::AccessibleNode* accessibleRoot = nullptr;

  int paints = 0;
  std::vector<std::pair<int, int>> sizes;
  std::vector<ButtonEvent> presses;
  std::vector<ButtonEvent> doubleClicks;
  std::vector<ButtonEvent> releases;
  std::vector<toolkit::platform::PointF> moves;
  int leaves = 0;
  int captureLosses = 0;
  std::vector<TouchEvent> touches;
  std::vector<KeyEvent> keys;
  std::u32string typed;
  std::vector<toolkit::platform::Modifiers> typedModifiers;
  std::vector<bool> activations;
  int closeRequests = 0;

  void Paint(toolkit::platform::Canvas& canvas) override;
  void Resized(int clientWidth, int clientHeight) override;
  void PointerPressed(toolkit::platform::MouseButton button, toolkit::platform::PointF position) override;
  void PointerDoubleClicked(toolkit::platform::MouseButton button, toolkit::platform::PointF position) override;
  void PointerMoved(toolkit::platform::PointF position) override;
  void PointerReleased(toolkit::platform::MouseButton button, toolkit::platform::PointF position) override;
  void PointerLeft() override;
  void PointerCaptureLost() override;
  void Touch(toolkit::platform::TouchPhase phase, int id, toolkit::platform::PointF position) override;
  void KeyDown(toolkit::platform::Key key, toolkit::platform::Modifiers modifiers) override;
  void CharTyped(char32_t character, toolkit::platform::Modifiers modifiers) override;
  void ActiveChanged(bool active) override;
  void CloseRequested() override;
  toolkit::platform::AccessibleNode* AccessibleRoot() override;
};

}  // namespace lumivor::win32_tests
