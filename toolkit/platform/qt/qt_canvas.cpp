#include "toolkit/platform/qt/qt_canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "toolkit/platform/frame_strips.h"
#include "toolkit/platform/qt/qt_bitmap.h"
#include "toolkit/platform/tick_path.h"

namespace toolkit::platform::qt {
namespace {

// A control squeezed to nothing can have an inverted rectangle; Qt would turn it the right way
// round, but it covers nothing.
QRect ToQRect(const Rect& rect) {
  return QRect(rect.left, rect.top, std::max(rect.Width(), 0), std::max(rect.Height(), 0));
}

QColor ToQColor(Color color) { return QColor::fromRgb(color.rgb); }

int AlignmentFlags(TextLayout layout) {
  const int horizontal = layout.horizontal == TextAlign::Center ? Qt::AlignHCenter : Qt::AlignLeft;
  const int vertical = layout.vertical == TextAlign::Center ? Qt::AlignVCenter : Qt::AlignTop;
  return horizontal | vertical | (layout.wrap ? Qt::TextWordWrap : 0);
}

}  // namespace

QtCanvas::QtCanvas(QPainter& painter) : painter_(painter) { painter_.setFont(QGuiApplication::font()); }

void QtCanvas::FillRect(const Rect& rect, Color color) { painter_.fillRect(ToQRect(rect), ToQColor(color)); }

void QtCanvas::FrameRect(const Rect& rect, Color color, int width) {
  for (const Rect& strip : FrameStrips(rect, width)) FillRect(strip, color);
}

void QtCanvas::DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) {
  painter_.save();
  painter_.setRenderHint(QPainter::SmoothPixmapTransform);
  painter_.setOpacity(opacity);
  painter_.drawImage(ToQRect(target), static_cast<const QtBitmap&>(bitmap).Image());
  painter_.restore();
}

void QtCanvas::DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) {
  painter_.setPen(ToQColor(color));
  painter_.drawText(ToQRect(rect), AlignmentFlags(layout),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

void QtCanvas::DrawTick(const Rect& box, Color color) {
  QPainterPath tick;
  const auto& [first, bend, last] = TickPath::kPoints;
  tick.moveTo(box.left + first.x, box.top + first.y);
  tick.lineTo(box.left + bend.x, box.top + bend.y);
  tick.lineTo(box.left + last.x, box.top + last.y);
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setPen(QPen(ToQColor(color), TickPath::kStrokeWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter_.drawPath(tick);
  painter_.restore();
}

void QtCanvas::Save() { painter_.save(); }

void QtCanvas::Restore() { painter_.restore(); }

void QtCanvas::Translate(int dx, int dy) { painter_.translate(dx, dy); }

void QtCanvas::ClipTo(const Rect& rect) { painter_.setClipRect(ToQRect(rect), Qt::IntersectClip); }

}  // namespace toolkit::platform::qt
