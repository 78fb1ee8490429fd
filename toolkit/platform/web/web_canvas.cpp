#include "toolkit/platform/web/web_canvas.h"

#include <algorithm>
#include <array>

#include "toolkit/platform/frame_strips.h"
#include "toolkit/platform/tick_path.h"
#include "toolkit/platform/web/page_api.h"
#include "toolkit/platform/web/web_bitmap.h"

namespace toolkit::platform::web {
namespace {

int Rgb(Color color) { return static_cast<int>(color.rgb & 0xFFFFFF); }

}  // namespace

std::optional<Rect> WebCanvas::Device(const Rect& rect) const {
  const Rect device = scale_.ToDevice(rect.Offset(offset_.dx, offset_.dy));
  if (device.Width() <= 0 || device.Height() <= 0) return std::nullopt;
  return device;
}

void WebCanvas::FillRect(const Rect& rect, Color color) {
  if (const auto device = Device(rect)) {
    lumivor_canvas_fill(device->left, device->top, device->Width(), device->Height(), Rgb(color));
  }
}

void WebCanvas::FrameRect(const Rect& rect, Color color, int width) {
  for (const Rect& strip : FrameStrips(rect, width)) FillRect(strip, color);
}

void WebCanvas::DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) {
  if (const auto device = Device(target)) {
    lumivor_canvas_image(static_cast<const WebBitmap&>(bitmap).Image(), device->left, device->top, device->Width(),
                         device->Height(), opacity);
  }
}

void WebCanvas::DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) {
  // The text is laid out in device pixels too, its font scaled with the canvas, so that it is
  // as sharp as the screen allows; an empty rectangle still shows text that overflows it.
  const Rect device = scale_.ToDevice(rect.Offset(offset_.dx, offset_.dy));
  lumivor_canvas_text(text.data(), static_cast<int>(text.size()), device.left, device.top, device.Width(),
                      device.Height(), Rgb(color), layout.horizontal == TextAlign::Center,
                      layout.vertical == TextAlign::Center, layout.wrap, scale_.ToDevice(kFontPixels));
}

void WebCanvas::DrawTick(const Rect& box, Color color) {
  std::array<double, 2 * TickPath::kPoints.size()> points{};
  for (std::size_t i = 0; i < TickPath::kPoints.size(); ++i) {
    points[2 * i] = scale_.ToDevice(box.left + offset_.dx + TickPath::kPoints[i].x);
    points[2 * i + 1] = scale_.ToDevice(box.top + offset_.dy + TickPath::kPoints[i].y);
  }
  lumivor_canvas_polyline(points.data(), scale_.ToDevice(TickPath::kStrokeWidth), Rgb(color));
}

void WebCanvas::Save() { saved_.push_back({offset_}); }

void WebCanvas::Restore() {
  if (saved_.empty()) return;
  offset_ = saved_.back().offset;
  if (saved_.back().clipSaved) lumivor_canvas_restore();
  saved_.pop_back();
}

void WebCanvas::Translate(int dx, int dy) {
  offset_.dx += dx;
  offset_.dy += dy;
}

void WebCanvas::ClipTo(const Rect& rect) {
  if (!saved_.empty() && !saved_.back().clipSaved) {
    lumivor_canvas_save();
    saved_.back().clipSaved = true;
  }
  // A clip to nothing still clips: it hides everything drawn until it is restored.
  const Rect device = scale_.ToDevice(rect.Offset(offset_.dx, offset_.dy));
  lumivor_canvas_clip(device.left, device.top, std::max(device.Width(), 0), std::max(device.Height(), 0));
}

}  // namespace toolkit::platform::web
