#pragma once

#include <vector>

#include "toolkit/layout/geometry.h"
#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// What both renderers' canvases share: the offset and clip that Translate, ClipTo, Save and
// Restore change, and the tick, drawn as a bitmap. Drawing calls map their rectangles to the
// drawing surface with ToSurface; a renderer applies each new clip, in surface pixels, in
// ApplyClip.
class SurfaceCanvas : public Canvas {
 public:
  void DrawTick(const Rect& box, Color color) override;
  void Save() override;
  void Restore() override;
  void Translate(int dx, int dy) override;
  void ClipTo(const Rect& rect) override;

 protected:
  // The whole surface is the first clip, in force without ApplyClip.
  explicit SurfaceCanvas(const Rect& surface);

  Rect ToSurface(const Rect& rect) const;
  const Rect& Clip() const { return current_.clip; }

  virtual void ApplyClip(const Rect& surfaceClip) = 0;

 private:
  struct State {
    int dx = 0;
    int dy = 0;
    Rect clip;
  };
  State current_;
  std::vector<State> saved_;
};

}  // namespace toolkit::platform::win32
