#pragma once

#include "toolkit/platform/platform.h"

class QPainter;

namespace toolkit::platform::qt {

// The toolkit's drawing calls on a painter that is already open on the window.
class QtCanvas final : public Canvas {
 public:
  explicit QtCanvas(QPainter& painter);

  void FillRect(const Rect& rect, Color color) override;
  void FrameRect(const Rect& rect, Color color, int width) override;
  void DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) override;
  void DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) override;
  void DrawTick(const Rect& box, Color color) override;

  void Save() override;
  void Restore() override;
  void Translate(int dx, int dy) override;
  void ClipTo(const Rect& rect) override;

 private:
  QPainter& painter_;
};

}  // namespace toolkit::platform::qt
