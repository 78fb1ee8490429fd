#include "style.h"

#include <QFontDatabase>
#include <QOperatingSystemVersion>

namespace toolkit {
namespace {

QColor Rgb(QRgb rgb) { return QColor::fromRgb(rgb); }

}  // namespace

const TStyle WIN10STYLE = {
    "WIN10STYLE",
    Rgb(0xFFFFFF), Rgb(0xD9D9D9),  // tab control
    Rgb(0xF0F0F0), Rgb(0xCCCCCC),  // panel
    Rgb(0xD4D4D4), Rgb(0x2A96FF),  // dots
    Rgb(0xE1E1E1), Rgb(0xADADAD),  // button
    Rgb(0xE5F1FB), Rgb(0x0078D7),  // button under the pointer
    Rgb(0xCCE4F7), Rgb(0x005499),  // button pressed
    Rgb(0x0078D7),                    // button focus
    Rgb(0xFFFFFF), Rgb(0x333333), Rgb(0x0078D7), Rgb(0x202020),  // check box
    Rgb(0x000000),
};

const TStyle WIN8STYLE = {
    "WIN8STYLE",
    Rgb(0xFFFFFF), Rgb(0xACACAC),
    Rgb(0xF0F0F0), Rgb(0x979797),
    Rgb(0xC1C1C1), Rgb(0x2A96FF),
    Rgb(0xE5E5E5), Rgb(0xACACAC),
    Rgb(0xE5F1FB), Rgb(0x7EB4EA),
    Rgb(0xC4E5F6), Rgb(0x569DE5),
    Rgb(0x3399FF),
    Rgb(0xFFFFFF), Rgb(0x707070), Rgb(0x3399FF), Rgb(0x202020),
    Rgb(0x000000),
};

const TStyle WIN7STYLE = {
    "WIN7STYLE",
    Rgb(0xFFFFFF), Rgb(0x898C95),
    Rgb(0xF4F4F4), Rgb(0x979797),
    Rgb(0xBFBFBF), Rgb(0x3399FF),
    Rgb(0xECECEC), Rgb(0x707070),
    Rgb(0xE0EEF9), Rgb(0x3C7FB1),
    Rgb(0xC4E5F6), Rgb(0x2C628B),
    Rgb(0x3399FF),
    Rgb(0xF4F4F4), Rgb(0x8E8F8F), Rgb(0x3C7FB1), Rgb(0x202020),
    Rgb(0x000000),
};

const TStyle& StyleForWindowsVersion(int major, int minor) {
  if (major >= 10) return WIN10STYLE;
  if (major > 6 || (major == 6 && minor > 1)) return WIN8STYLE;
  return WIN7STYLE;
}

const TStyle& PlatformStyle() {
  const QOperatingSystemVersion system = QOperatingSystemVersion::current();
  if (system.type() != QOperatingSystemVersion::Windows) return WIN10STYLE;
  return StyleForWindowsVersion(system.majorVersion(), system.minorVersion());
}

QFont PlatformFont() {
  QFont font(QFontDatabase::hasFamily("Segoe UI") ? "Segoe UI" : "Open Sans");
  font.setPixelSize(12);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace toolkit
