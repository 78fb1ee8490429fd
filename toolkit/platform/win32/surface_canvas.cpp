#include "toolkit/platform/win32/surface_canvas.h"

#include <algorithm>

#include "toolkit/platform/win32/decoded_bitmap.h"
#include "toolkit/platform/win32/drawing_shapes.h"

namespace toolkit::platform::win32 {

namespace {

Rect Intersection(const Rect& a, const Rect& b) {
  Rect common{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
  // An empty intersection stays empty, never turned inside out.
  common.right = std::max(common.right, common.left);
  common.bottom = std::max(common.bottom, common.top);
  return common;
}

}  // namespace

SurfaceCanvas::SurfaceCanvas(const Rect& surface) : current_{.clip = surface} {}

void SurfaceCanvas::DrawTick(const Rect& box, Color color) {
  if (box.Width() <= 0 || box.Height() <= 0) return;
  const DecodedBitmap tick(box.Width(), box.Height(), TickPixels(box.Width(), box.Height(), color));
  DrawBitmap(tick, box, 1.0);
}

void SurfaceCanvas::Save() { saved_.push_back(current_); }

void SurfaceCanvas::Restore() {
  if (saved_.empty()) return;
  const bool clipChanges = saved_.back().clip != current_.clip;
  current_ = saved_.back();
  saved_.pop_back();
  if (clipChanges) ApplyClip(current_.clip);
}

void SurfaceCanvas::Translate(int dx, int dy) {
  current_.dx += dx;
  current_.dy += dy;
}

void SurfaceCanvas::ClipTo(const Rect& rect) {
  current_.clip = Intersection(current_.clip, ToSurface(rect));
  ApplyClip(current_.clip);
}

Rect SurfaceCanvas::ToSurface(const Rect& rect) const {
  return Rect{rect.left + current_.dx, rect.top + current_.dy, rect.right + current_.dx, rect.bottom + current_.dy};
}

}  // namespace toolkit::platform::win32
