#include "painting.h"

#include <QPainter>

namespace toolkit {

void FillWithBorder(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& border,
                    int borderWidth) {
  painter.fillRect(rect, border);
  painter.fillRect(rect.adjusted(borderWidth, borderWidth, -borderWidth, -borderWidth), fill);
}

}  // namespace toolkit
