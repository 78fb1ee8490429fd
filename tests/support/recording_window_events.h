#pragma once

#include <functional>
#include <string>
#include <vector>

#include "toolkit/platform/platform.h"

struct RecordedTouch {
  toolkit::platform::TouchPhase phase;
  int id;
  toolkit::platform::PointF position;
};

// A window's events as the toolkit would receive them, written down one line each
// ("press Left 10,20", "key Tab shift", "char U+0020"), with touches kept apart.
class RecordingWindowEvents : public toolkit::platform::WindowEvents {
 public:
  std::vector<std::string> log;
  std::vector<RecordedTouch> touches;
  int paints = 0;
  std::function<void(toolkit::platform::Canvas&)> paint;
  toolkit::platform::AccessibleNode* root = nullptr;

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
  toolkit::platform::AccessibleNode* AccessibleRoot() override { return root; }
};
