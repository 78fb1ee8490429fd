#include "toolkit/platform/testing/testing_window.h"

namespace toolkit::platform::testing {

void TestingWindow::SetClientSize(int width, int height) {
  width_ = width;
  height_ = height;
}

void TestingWindow::Update() {
  if (visible_) Render();
}

void TestingWindow::NotifyAccessibility(AccessibleNode& node, AccessibleChange change) {
  notifications_.push_back({&node, change});
}

RecordingCanvas TestingWindow::Render() {
  RecordingCanvas canvas(width_, height_);
  events_.Paint(canvas);
  return canvas;
}

void TestingWindow::Resize(int width, int height) {
  SetClientSize(width, height);
  events_.Resized(width, height);
}

void TestingWindow::Press(double x, double y, MouseButton button) { events_.PointerPressed(button, {x, y}); }

void TestingWindow::DoubleClick(double x, double y, MouseButton button) {
  Click(x, y, button);
  events_.PointerDoubleClicked(button, {x, y});
  events_.PointerReleased(button, {x, y});
}

void TestingWindow::MoveTo(double x, double y) { events_.PointerMoved({x, y}); }

void TestingWindow::Release(double x, double y, MouseButton button) { events_.PointerReleased(button, {x, y}); }

void TestingWindow::Click(double x, double y, MouseButton button) {
  Press(x, y, button);
  Release(x, y, button);
}

void TestingWindow::Drag(const std::vector<PointF>& points) {
  if (points.empty()) return;
  Press(points.front().x, points.front().y);
  for (const PointF& point : points) MoveTo(point.x, point.y);
  Release(points.back().x, points.back().y);
}

void TestingWindow::Touch(TouchPhase phase, int id, double x, double y) { events_.Touch(phase, id, {x, y}); }

void TestingWindow::LoseCapture() {
  captured_ = false;
  events_.PointerCaptureLost();
}

void TestingWindow::Key(platform::Key key, Modifiers modifiers) {
  events_.KeyDown(key, modifiers);
  if (key == Key::Space) events_.CharTyped(U' ', modifiers);
}

void TestingWindow::Type(char32_t character, Modifiers modifiers) { events_.CharTyped(character, modifiers); }

}  // namespace toolkit::platform::testing
