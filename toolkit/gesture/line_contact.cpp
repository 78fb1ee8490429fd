#include "toolkit/gesture/line_contact.h"

namespace gesture {

bool lineCutsCircle(Point a, Point b, Point centre, double radius) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  // cross / |b - a| is the distance from the centre to the line.
  const double cross = dx * (centre.y - a.y) - dy * (centre.x - a.x);
  return cross * cross < radius * radius * (dx * dx + dy * dy);
}

}  // namespace gesture
