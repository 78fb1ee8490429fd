#pragma once

#include <functional>

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

enum class RendererKind { Direct2D, GdiPlus };

// What a client area shows before the toolkit paints over it.
inline constexpr Color kBlankClientArea{0xFFFFFF};

// Draws one window's client area with one of the two renderers.
class WindowRenderer {
 public:
  virtual ~WindowRenderer() = default;

  virtual RendererKind Kind() const = 0;

  // Answers WM_PAINT: validates the window and has `paint` draw the whole client area, in
  // client pixels, on a canvas cleared to kBlankClientArea. False, with the window left
  // invalid and nothing drawn, when this renderer cannot draw the window.
  virtual bool Paint(const std::function<void(Canvas&)>& paint) = 0;

  // The client area has a new size.
  virtual void Resize(int width, int height) = 0;
};

}  // namespace toolkit::platform::win32
