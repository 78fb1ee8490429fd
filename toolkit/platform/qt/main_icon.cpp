#include "toolkit/platform/qt/main_icon.h"

#include <QPixmap>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::qt {

QIcon MainIcon() {
  QIcon icon;
  for (const IconImage& image : MainIconImages()) {
    QPixmap pixmap;
    if (pixmap.loadFromData(image.png.data(), static_cast<uint>(image.png.size()), "PNG")) icon.addPixmap(pixmap);
  }
  return icon;
}

}  // namespace toolkit::platform::qt
