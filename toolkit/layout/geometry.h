#pragma once

namespace toolkit {

// A rectangle from (left, top) to (right, bottom) in whole layout units.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  // Whether a point lies inside; the right and bottom edges are outside.
  bool Contains(double x, double y) const { return x >= left && x < right && y >= top && y < bottom; }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const Rect&) const = default;
};

}  // namespace toolkit
