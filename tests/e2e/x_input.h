#pragma once

#include <QPoint>
#include <string>

// Input as a person gives it: every event is faked inside the X server through
// its XTest extension (xdotool without --window), so it reaches whichever
// window is under the pointer or has the focus, through the window manager.
// A pointer move and the button action after it go out over one connection,
// so the X server sees them in that order.
namespace e2e::x_input {

enum class MouseButton { Left = 1, Middle = 2, Right = 3 };

void movePointer(QPoint screenPosition);
void pressButtonAt(QPoint screenPosition, MouseButton button);
void releaseButton(MouseButton button);
// `times` clicks in quick succession: two make a double click.
void clickAt(QPoint screenPosition, MouseButton button, int times = 1);
// A key chord in xdotool's notation, e.g. "alt+F4" or "space".
void typeKeys(const std::string& chord);

}  // namespace e2e::x_input
