#pragma once

#include <string>
#include <vector>

#include "toolkit/platform/platform.h"
#include "toolkit/platform/testing/recording_canvas.h"

namespace toolkit::platform::testing {

// A window with no display: it remembers what the toolkit asked of it, paints into a
// recording canvas on request, and lets a test hand the toolkit input as the system would.
class TestingWindow : public Window {
 public:
  static constexpr int kDefaultWidth = 320;  // what a new window has before the toolkit sizes it
  static constexpr int kDefaultHeight = 200;

  explicit TestingWindow(WindowEvents& events) : events_(events) {}

  void SetCaption(std::string_view caption) override { caption_ = caption; }
  void SetClientSize(int width, int height) override;
  int ClientWidth() const override { return width_; }
  int ClientHeight() const override { return height_; }
  void Show() override { visible_ = true; }
  bool IsVisible() const override { return visible_; }
  void Invalidate() override {}
  // Paints at once, as a real window does when it is shown.
  void Update() override;
  // Without a display every move and release reaches the window anyway; the capture is only
  // noted.
  void SetPointerCapture(bool captured) override { captured_ = captured; }
  void NotifyAccessibility(AccessibleNode& node, AccessibleChange change) override;

  const std::string& Caption() const { return caption_; }
  bool HasPointerCapture() const { return captured_; }
  struct Notification {
    AccessibleNode* node;
    AccessibleChange change;
  };
  const std::vector<Notification>& Notifications() const { return notifications_; }

  // Paints the whole client area now.
  RecordingCanvas Render();
  // The user resizes the window.
  void Resize(int width, int height);

  // Input as the system delivers it.
  void Press(double x, double y, MouseButton button = MouseButton::Left);
  void DoubleClick(double x, double y, MouseButton button = MouseButton::Left);
  void MoveTo(double x, double y);
  void Release(double x, double y, MouseButton button = MouseButton::Left);
  void Click(double x, double y, MouseButton button = MouseButton::Left);
  // A left-button drag through the points, pressed at the first and released at the last.
  void Drag(const std::vector<PointF>& points);
  void Touch(TouchPhase phase, int id, double x, double y);
  // The system takes the pointer away, as a dialog coming to the front does.
  void LoseCapture();
  // A key as the keyboard gives it: the key, then the character it types, if any.
  void Key(platform::Key key, Modifiers modifiers = {});
  void Type(char32_t character, Modifiers modifiers = {});
  void RequestClose() { events_.CloseRequested(); }
  WindowEvents& Events() { return events_; }

 private:
  WindowEvents& events_;
  std::string caption_;
  int width_ = kDefaultWidth;
  int height_ = kDefaultHeight;
  bool visible_ = false;
  bool captured_ = false;
  std::vector<Notification> notifications_;
};

}  // namespace toolkit::platform::testing
