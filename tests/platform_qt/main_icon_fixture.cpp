// The program's icon library is not linked into the tests; this stands in for it with one
// small image of a colour the tests look for.

#include "tests/platform_qt/main_icon_fixture.h"

#include "tests/platform_qt/test_pictures.h"
#include "toolkit/platform/platform.h"

namespace toolkit::platform {

std::span<const IconImage> MainIconImages() {
  static const std::vector<std::uint8_t> png = [] {
    QImage image(kFixtureIconSize, kFixtureIconSize, QImage::Format_ARGB32);
    image.fill(kFixtureIconColor);
    return EncodeImage(image);
  }();
  static const IconImage images[] = {{kFixtureIconSize, png}};
  return images;
}

}  // namespace toolkit::platform
