#pragma once

#include <string_view>

#include "toolkit/platform/platform.h"

namespace toolkit {

using platform::Color;

// The colours of one platform look. For the controls of this program the looks share their
// structure, sizes, buttons and check boxes, and differ only here.
struct TStyle {
  std::string_view name;
  Color tabBackground;
  Color tabBorder;
  Color panelFill;
  Color panelBorder;
  Color dot;
  Color currentDot;
};

extern const TStyle WIN10STYLE;
extern const TStyle WIN8STYLE;
extern const TStyle WIN7STYLE;

// The look for a system version: 10 and later, 8 and 8.1 (above 6.1), 7 and earlier; systems
// other than Windows get the newest look.
const TStyle& StyleForVersion(const platform::SystemVersion& version);

// The look every control is painted in; chosen once by the application.
const TStyle& CurrentStyle();
void UseStyle(const TStyle& style);

// The parts of the look that all three styles share.
namespace look {
inline constexpr Color kText{0x000000};
inline constexpr Color kButtonFill{0xE1E1E1};
inline constexpr Color kButtonBorder{0xADADAD};
inline constexpr Color kButtonHoverFill{0xE5F1FB};
inline constexpr Color kButtonHoverBorder{0x0078D7};
inline constexpr Color kButtonPressedFill{0xCCE4F7};
inline constexpr Color kButtonPressedBorder{0x005499};
inline constexpr Color kButtonFocusBorder{0x0078D7};
inline constexpr int kButtonFocusBorderWidth = 2;
inline constexpr Color kCheckBoxFill{0xFFFFFF};
inline constexpr Color kCheckBoxBorder{0x333333};
inline constexpr Color kCheckBoxActiveBorder{0x0078D7};  // under the pointer or with keyboard focus
inline constexpr Color kCheckBoxTick{0x202020};
}  // namespace look

}  // namespace toolkit
