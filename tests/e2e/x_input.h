#pragma once

#include "mouse_button.h"

#include <QPoint>
#include <chrono>
#include <string>

// Input as a person gives it: every event is faked inside the X server through
// its XTest extension (xdotool without --window), so it reaches whichever
// window is under the pointer or has the focus, through the window manager.
// A pointer move and the button action after it go out over one connection,
// so the X server sees them in that order.
namespace e2e::x_input {

void movePointer(QPoint screenPosition);
void pressButtonAt(QPoint screenPosition, MouseButton button);
void releaseButton(MouseButton button);
// `times` clicks in quick succession: two make a double click.
void clickAt(QPoint screenPosition, MouseButton button, int times = 1);
// Presses the button at `from`, moves the pointer to `to` in even steps of
// about 20 ms spread over `duration` (a single jump when it is shorter) and
// releases the button there, all in one run of xdotool so that the X server
// sees the steps at their pace.
void drag(QPoint from, QPoint to, std::chrono::milliseconds duration,
          MouseButton button = MouseButton::Left);
// A key chord in xdotool's notation, e.g. "alt+F4" or "space".
void typeKeys(const std::string& chord);

}  // namespace e2e::x_input
