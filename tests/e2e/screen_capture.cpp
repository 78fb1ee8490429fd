#include "screen_capture.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace e2e {
namespace {

// One connection for the whole test program: opening one per capture would
// cost more than the capture.
Display* display() {
  static const std::unique_ptr<Display, int (*)(Display*)> connection(XOpenDisplay(nullptr),
                                                                      XCloseDisplay);
  if (!connection) throw std::runtime_error("no X server to capture the screen from");
  return connection.get();
}

// XDestroyImage is a macro.
struct ImageDeleter {
  void operator()(XImage* image) const { XDestroyImage(image); }
};

}  // namespace

QImage captureScreen(const QRect& area) {
  Display* x = display();
  const int screen = DefaultScreen(x);
  const QRect visible =
      area.intersected(QRect(0, 0, DisplayWidth(x, screen), DisplayHeight(x, screen)));
  if (visible.isEmpty()) return {};
  const std::unique_ptr<XImage, ImageDeleter> image(
      XGetImage(x, RootWindow(x, screen), visible.x(), visible.y(),
                static_cast<unsigned>(visible.width()), static_cast<unsigned>(visible.height()),
                AllPlanes, ZPixmap));
  if (!image) throw std::runtime_error("the X server gave no image of the screen");
  // The tests' X servers run at 24 bits per pixel, each pixel 32 bits in the
  // memory layout of QImage::Format_RGB32.
  if (image->bits_per_pixel != 32 || image->red_mask != 0xff0000 || image->blue_mask != 0xff)
    throw std::runtime_error("the screen's pixels are not 32-bit RGB");
  QImage result(visible.size(), QImage::Format_RGB32);
  for (int y = 0; y < visible.height(); ++y)
    std::memcpy(result.scanLine(y), image->data + static_cast<std::ptrdiff_t>(y) * image->bytes_per_line,
                static_cast<size_t>(visible.width()) * 4);
  return result;
}

}  // namespace e2e
