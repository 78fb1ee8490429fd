#pragma once

#include <string>
#include <variant>
#include <vector>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::testing {

// What one drawing call did, in window coordinates, with the clip in force at the time.
struct FillOp {
  Rect rect;
  Color color;
};
struct FrameOp {
  Rect rect;
  Color color;
  int width;
};
struct BitmapOp {
  Rect target;
  double opacity;
  int bitmapWidth;
  int bitmapHeight;
};
struct TextOp {
  Rect rect;
  std::string text;
  Color color;
  TextLayout layout;
};
struct TickOp {
  Rect box;
  Color color;
};
using DrawOp = std::variant<FillOp, FrameOp, BitmapOp, TextOp, TickOp>;

struct RecordedOp {
  DrawOp op;
  Rect clip;
};

// A canvas that records every call and rasterises the solid fills and borders, so that tests
// can read the colour of a pixel. Pictures, text and ticks are recorded only.
class RecordingCanvas : public Canvas {
 public:
  static constexpr Color kUnpainted{0xFF00FF};

  RecordingCanvas(int width, int height);

  void FillRect(const Rect& rect, Color color) override;
  void FrameRect(const Rect& rect, Color color, int width) override;
  void DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) override;
  void DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) override;
  void DrawTick(const Rect& box, Color color) override;
  void Save() override;
  void Restore() override;
  void Translate(int dx, int dy) override;
  void ClipTo(const Rect& rect) override;

  const std::vector<RecordedOp>& Ops() const { return ops_; }
  // The colour rasterised at a pixel; kUnpainted where no fill reached.
  Color Pixel(int x, int y) const;
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  struct State {
    int dx = 0;
    int dy = 0;
    Rect clip;
  };
  Rect ToWindow(const Rect& rect) const { return rect.Offset(state_.dx, state_.dy); }
  void Record(DrawOp op) { ops_.push_back({std::move(op), state_.clip}); }
  void Fill(const Rect& rect, Color color);

  int width_;
  int height_;
  std::vector<Color> pixels_;
  std::vector<RecordedOp> ops_;
  State state_;
  std::vector<State> saved_;
};

// The intersection of two rectangles; empty (zero-sized) when they do not meet.
Rect Intersection(const Rect& a, const Rect& b);

}  // namespace toolkit::platform::testing
