#pragma once

// How GoogleTest shows the toolkit's values in failure messages.

#include <cstdio>
#include <ostream>

#include "toolkit/layout/geometry.h"
#include "toolkit/platform/platform.h"

namespace toolkit {

inline void PrintTo(const Rect& rect, std::ostream* out) {
  *out << "(" << rect.left << ", " << rect.top << ") to (" << rect.right << ", " << rect.bottom << ")";
}

namespace platform {

inline void PrintTo(const Color& color, std::ostream* out) {
  char hex[8];
  std::snprintf(hex, sizeof hex, "#%06X", static_cast<unsigned>(color.rgb & 0xFFFFFF));
  *out << hex;
}

inline void PrintTo(AccessibleRole role, std::ostream* out) {
  static constexpr const char* kNames[] = {"Window", "PageTabList", "PageTab", "Pane",
                                           "Graphic", "StaticText",  "CheckBox", "Button"};
  *out << kNames[static_cast<int>(role)];
}

}  // namespace platform
}  // namespace toolkit
