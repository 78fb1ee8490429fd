#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace toolkit {

// Fills a rectangle and draws a border of the given width inside its edges.
void FillWithBorder(QPainter& painter, const QRect& rect, const QColor& fill, const QColor& border,
                    int borderWidth = 1);

}  // namespace toolkit
