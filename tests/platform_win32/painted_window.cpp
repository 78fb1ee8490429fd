#include "tests/platform_win32/painted_window.h"

#include <algorithm>

#include "tests/platform_win32/test_platform.h"

namespace lumivor::win32_tests {

using toolkit::Rect;
using toolkit::platform::Canvas;
using toolkit::platform::Color;
using toolkit::platform::win32::RendererKind;

namespace {

// A corner that each painting marks in a colour of its own, to know when the screen shows it.
constexpr Rect kMarker{0, 0, 4, 4};

std::uint32_t NextMarkerColor() {
  static std::uint32_t count = 0;
  ++count;
  return 0x200000 + (count % 64) * 0x0401;
}

}  // namespace

PaintedWindow::PaintedWindow(std::optional<RendererKind> kind) {
  toolkit::platform::win32::ForceRendererKind(kind);
  window_ = TestPlatform().CreateWindow(events_);
  window_->SetClientSize(kWidth, kHeight);
  window_->Show();
}

PaintedWindow::~PaintedWindow() {
  window_.reset();
  toolkit::platform::win32::ForceRendererKind(kRendererOfUnpaintedWindows);
}

ClientPixels PaintedWindow::Paint(const std::function<void(Canvas&)>& painter) {
  const std::uint32_t marker = NextMarkerColor();
  events_.painter = [&](Canvas& canvas) {
    painter(canvas);
    canvas.FillRect(kMarker, Color{marker});
  };
  window_->Invalidate();
  window_->Update();
  ClientPixels pixels = CaptureWhenPixelIs(Native().Handle(), kMarker.left, kMarker.top, marker);
  events_.painter = nullptr;
  return pixels;
}

Rect DarkPixelBox(const ClientPixels& pixels, const Rect& area, std::uint32_t threshold) {
  Rect box{area.right, area.bottom, area.left - 1, area.top - 1};
  for (int y = std::max(area.top, 0); y < std::min(area.bottom, pixels.height); ++y) {
    for (int x = std::max(area.left, 0); x < std::min(area.right, pixels.width); ++x) {
      const std::uint32_t pixel = pixels.At(x, y);
      if ((pixel >> 16) < threshold && ((pixel >> 8) & 0xFF) < threshold && (pixel & 0xFF) < threshold) {
        box = Rect{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
      }
    }
  }
  return box;
}

int CountPixelsOtherThan(const ClientPixels& pixels, const Rect& area, std::uint32_t rgb) {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) count += pixels.At(x, y) != rgb;
  }
  return count;
}

std::string RendererName(RendererKind kind) { return kind == RendererKind::Direct2D ? "Direct2D" : "GdiPlus"; }

}  // namespace lumivor::win32_tests
