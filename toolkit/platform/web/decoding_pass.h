#pragma once

#include "toolkit/platform/platform.h"

namespace toolkit::platform::web {

// A canvas that draws nothing. Painting a frame on it first lets every picture the frame needs
// be decoded, which waits for the browser; the frame itself is then drawn in one go, and the
// browser never shows it half drawn.
class DecodingPass final : public Canvas {
 public:
  void FillRect(const Rect&, Color) override {}
  void FrameRect(const Rect&, Color, int) override {}
  void DrawBitmap(const Bitmap&, const Rect&, double) override {}
  void DrawText(const Rect&, std::string_view, Color, TextLayout) override {}
  void DrawTick(const Rect&, Color) override {}
  void Save() override {}
  void Restore() override {}
  void Translate(int, int) override {}
  void ClipTo(const Rect&) override {}
};

}  // namespace toolkit::platform::web
