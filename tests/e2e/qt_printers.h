#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <ostream>

// Readable GoogleTest messages for the Qt geometry types.
inline void PrintTo(const QPoint& p, std::ostream* out) { *out << "(" << p.x() << "," << p.y() << ")"; }
inline void PrintTo(const QSize& s, std::ostream* out) { *out << s.width() << "x" << s.height(); }
inline void PrintTo(const QRect& r, std::ostream* out) {
  *out << "(" << r.left() << "," << r.top() << ")-(" << r.right() + 1 << "," << r.bottom() + 1 << ")";
}
