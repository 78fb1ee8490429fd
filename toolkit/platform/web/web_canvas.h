#pragma once

#include <optional>
#include <vector>

#include "toolkit/platform/platform.h"
#include "toolkit/platform/web/device_scale.h"

namespace toolkit::platform::web {

// The toolkit's drawing calls on the page's canvas, between lumivor_canvas_begin and _end.
// The offset stays here, in layout units, so that every rectangle is rounded to device pixels
// edge by edge after it has been moved: translated controls keep their sharp edges.
class WebCanvas final : public Canvas {
 public:
  explicit WebCanvas(DeviceScale scale) : scale_(scale) {}

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
  struct Offset {
    int dx = 0;
    int dy = 0;
  };
  // What Restore brings back: the offset, and the page's clip if a ClipTo since the Save
  // narrowed it. The page saves its clip only then: saving the context costs, and most
  // controls never clip.
  struct Saved {
    Offset offset;
    bool clipSaved = false;
  };
  // The rectangle in device pixels; nothing for one with no area.
  std::optional<Rect> Device(const Rect& rect) const;

  DeviceScale scale_;
  Offset offset_;
  std::vector<Saved> saved_;
};

// The font size of the toolkit's text, in layout units.
inline constexpr double kFontPixels = 12;

}  // namespace toolkit::platform::web
