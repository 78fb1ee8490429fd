#include "toolkit/platform/testing/recording_canvas.h"

#include <algorithm>
#include <stdexcept>

namespace toolkit::platform::testing {

Rect Intersection(const Rect& a, const Rect& b) {
  Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

RecordingCanvas::RecordingCanvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, kUnpainted) {
  state_.clip = Rect{0, 0, width, height};
}

void RecordingCanvas::Fill(const Rect& rect, Color color) {
  const Rect area = Intersection(ToWindow(rect), state_.clip);
  for (int y = area.top; y < area.bottom; ++y) {
    std::fill_n(pixels_.begin() + static_cast<size_t>(y) * width_ + area.left, area.Width(), color);
  }
}

void RecordingCanvas::FillRect(const Rect& rect, Color color) {
  Record(FillOp{ToWindow(rect), color});
  Fill(rect, color);
}

void RecordingCanvas::FrameRect(const Rect& rect, Color color, int width) {
  Record(FrameOp{ToWindow(rect), color, width});
  Fill({rect.left, rect.top, rect.right, std::min(rect.top + width, rect.bottom)}, color);
  Fill({rect.left, std::max(rect.bottom - width, rect.top), rect.right, rect.bottom}, color);
  Fill({rect.left, rect.top, std::min(rect.left + width, rect.right), rect.bottom}, color);
  Fill({std::max(rect.right - width, rect.left), rect.top, rect.right, rect.bottom}, color);
}

void RecordingCanvas::DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) {
  Record(BitmapOp{ToWindow(target), opacity, bitmap.Width(), bitmap.Height()});
}

void RecordingCanvas::DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) {
  Record(TextOp{ToWindow(rect), std::string(text), color, layout});
}

void RecordingCanvas::DrawTick(const Rect& box, Color color) { Record(TickOp{ToWindow(box), color}); }

void RecordingCanvas::Save() { saved_.push_back(state_); }

void RecordingCanvas::Restore() {
  if (saved_.empty()) throw std::logic_error("Restore without Save");
  state_ = saved_.back();
  saved_.pop_back();
}

void RecordingCanvas::Translate(int dx, int dy) {
  state_.dx += dx;
  state_.dy += dy;
}

void RecordingCanvas::ClipTo(const Rect& rect) { state_.clip = Intersection(state_.clip, ToWindow(rect)); }

Color RecordingCanvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) throw std::out_of_range("pixel outside the window");
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

}  // namespace toolkit::platform::testing
