#include "toolkit/platform/qt/qt_canvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "toolkit/platform/qt/qt_bitmap.h"

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
  if (width <= 0) return;
  if (2 * width >= rect.Width() || 2 * width >= rect.Height()) {
    FillRect(rect, color);
    return;
  }
  // Four bands, so that every edge covers whole pixels however wide the border is.
  FillRect({rect.left, rect.top, rect.right, rect.top + width}, color);
  FillRect({rect.left, rect.bottom - width, rect.right, rect.bottom}, color);
  FillRect({rect.left, rect.top + width, rect.left + width, rect.bottom - width}, color);
  FillRect({rect.right - width, rect.top + width, rect.right, rect.bottom - width}, color);
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
  // Drawn for the 13 × 13 box of a check box: a short stroke down to the right, then a long
  // one up, on half pixels so that the anti-aliasing falls evenly on both sides.
  QPainterPath tick;
  tick.moveTo(box.left + 2.5, box.top + 6.5);
  tick.lineTo(box.left + 5.5, box.top + 9.5);
  tick.lineTo(box.left + 10.5, box.top + 3.5);
  painter_.save();
  painter_.setRenderHint(QPainter::Antialiasing);
  painter_.setPen(QPen(ToQColor(color), 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter_.drawPath(tick);
  painter_.restore();
}

void QtCanvas::Save() { painter_.save(); }

void QtCanvas::Restore() { painter_.restore(); }

void QtCanvas::Translate(int dx, int dy) { painter_.translate(dx, dy); }

void QtCanvas::ClipTo(const Rect& rect) { painter_.setClipRect(ToQRect(rect), Qt::IntersectClip); }

}  // namespace toolkit::platform::qt
