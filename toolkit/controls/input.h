#pragma once

#include "toolkit/platform/platform.h"

namespace toolkit {

using platform::Key;
using platform::Modifiers;
using platform::MouseButton;
using platform::PointF;

// A press, move or release as a control receives it, in the control's own coordinates.
struct PointerEvent {
  MouseButton button = MouseButton::Left;
  PointF position;
  bool doubleClick = false;  // the second press of a double click
  bool touch = false;        // made by a finger on a touch screen
};

}  // namespace toolkit
