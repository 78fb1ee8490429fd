#include "toolkit/platform/win32/drawing_shapes.h"

#include <algorithm>
#include <cmath>

namespace toolkit::platform::win32 {

namespace {

struct Point {
  double x;
  double y;
};

double DistanceToSegment(Point p, Point a, Point b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double along = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
  return std::hypot(p.x - (a.x + along * dx), p.y - (a.y + along * dy));
}

std::uint8_t Scaled(std::uint32_t channel, double coverage) {
  return static_cast<std::uint8_t>(std::lround(static_cast<double>(channel & 0xFF) * coverage));
}

}  // namespace

std::vector<std::uint8_t> TickPixels(int width, int height, Color color) {
  const double w = width;
  const double h = height;
  // Proportions that read as a tick in the 13-pixel box and at any other size.
  const Point start{0.23 * w, 0.52 * h};
  const Point bottom{0.42 * w, 0.71 * h};
  const Point end{0.77 * w, 0.29 * h};
  const double halfStroke = std::max(1.5, std::min(w, h) / 7.0) / 2.0;

  std::vector<std::uint8_t> pixels;
  pixels.reserve(static_cast<std::size_t>(std::max(width, 0)) * static_cast<std::size_t>(std::max(height, 0)) * 4);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Point centre{x + 0.5, y + 0.5};
      const double distance = std::min(DistanceToSegment(centre, start, bottom), DistanceToSegment(centre, bottom, end));
      // The share of the pixel under the stroke, from the distance of its centre to the
      // stroke's middle line: a ramp one pixel wide across the stroke's edge.
      const double coverage = std::clamp(halfStroke + 0.5 - distance, 0.0, 1.0);
      pixels.insert(pixels.end(), {Scaled(color.rgb, coverage), Scaled(color.rgb >> 8, coverage),
                                   Scaled(color.rgb >> 16, coverage), Scaled(0xFF, coverage)});
    }
  }
  return pixels;
}

}  // namespace toolkit::platform::win32
