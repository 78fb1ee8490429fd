#pragma once

#include <QImage>
#include <QRect>

namespace e2e {

// The pixels the X server shows in `area` (screen coordinates, clipped to the
// screen), read from the root window. A window that draws through OpenGL, as
// Wine's Direct2D does under Xvfb, reads back black from the window itself;
// the screen shows what it drew. Null if nothing of `area` is on the screen.
QImage captureScreen(const QRect& area);

}  // namespace e2e
