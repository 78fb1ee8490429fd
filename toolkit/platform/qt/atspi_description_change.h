#pragma once

class QAccessibleInterface;

namespace toolkit::platform::qt {

// Tells the screen readers on the at-spi bus that the interface's description has changed,
// with the new text as the event's data, which is what Orca speaks for the focused control.
// Qt 6.4's bridge sends the object itself as the data of this event, and Orca can speak no
// object. Nothing is sent while no accessibility bus is connected.
void SendDescriptionChanged(QAccessibleInterface& interface);

}  // namespace toolkit::platform::qt
