#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <ostream>

#include "tests/platform_win32/recording_events.h"
#include "tests/platform_win32/screen_capture.h"
#include "tests/platform_win32/test_platform.h"
#include "toolkit/platform/win32/renderer_factory.h"

namespace lumivor::win32_tests {

// A shown window, drawn by the renderer of the kind asked for (or, for std::nullopt, the one
// the backend chooses by itself), whose client area a test paints and reads back from the
// screen.
class PaintedWindow {
 public:
  static constexpr int kWidth = 320;
  static constexpr int kHeight = 240;
  // The client area but for the top-left corner, where each painting leaves its marker.
  static constexpr toolkit::Rect kBelowMarker{4, 4, kWidth, kHeight};

  explicit PaintedWindow(std::optional<toolkit::platform::win32::RendererKind> kind);
  ~PaintedWindow();

  // Paints the client area with `painter` and returns it as the screen shows it.
  ClientPixels Paint(const std::function<void(toolkit::platform::Canvas&)>& painter);

  toolkit::platform::win32::Win32Window& Native() { return AsWin32(*window_); }

 private:
  RecordingEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_;
};

// The box around the pixels of `pixels` inside `area` darker than `threshold` on every
// channel; empty (right < left) when there are none.
toolkit::Rect DarkPixelBox(const ClientPixels& pixels, const toolkit::Rect& area, std::uint32_t threshold);

// How many pixels of `pixels` inside `area` have another colour than `rgb`.
int CountPixelsOtherThan(const ClientPixels& pixels, const toolkit::Rect& area, std::uint32_t rgb);

std::string RendererName(toolkit::platform::win32::RendererKind kind);

}  // namespace lumivor::win32_tests

namespace toolkit {
inline void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "(" << rect.left << ", " << rect.top << ") to (" << rect.right << ", " << rect.bottom << ")";
}
}  // namespace toolkit
