#pragma once

#include <QColor>
#include <QFont>
#include <string_view>

namespace toolkit {

// The colours of one platform look. The looks share structure and sizes and differ only here.
struct TStyle {
  std::string_view name;
  QColor tabBackground;
  QColor tabBorder;
  QColor panelFill;
  QColor panelBorder;
  QColor dot;
  QColor currentDot;
  QColor buttonFill;
  QColor buttonBorder;
  QColor buttonHoverFill;
  QColor buttonHoverBorder;
  QColor buttonPressedFill;
  QColor buttonPressedBorder;
  QColor buttonFocusBorder;
  QColor checkBoxFill;
  QColor checkBoxBorder;
  QColor checkBoxActiveBorder;  // under the pointer or with keyboard focus
  QColor checkBoxTick;
  QColor text;
};

extern const TStyle WIN10STYLE;
extern const TStyle WIN8STYLE;
extern const TStyle WIN7STYLE;

// The look for a system version: 10 and later, 8 and 8.1 (above 6.1), 7 and earlier.
const TStyle& StyleForWindowsVersion(int major, int minor);
// The look of the system the program runs on; systems other than Windows get the newest look.
const TStyle& PlatformStyle();

// The font of every caption and answer: Segoe UI where installed, else Open Sans, 12 pixels.
QFont PlatformFont();

}  // namespace toolkit
