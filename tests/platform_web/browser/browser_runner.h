#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/platform/platform.h"

// Real input and other work of the browser driver (tests/web/driver), asked of the runner that
// drives this page from outside. Each command is one JSON object of the driver's protocol; a
// list is performed in order, and its answers come back as a JSON list.

namespace browser_tests {

using DriverCommands = std::vector<std::string>;

// Posts the commands and returns at once, while the runner performs them; Await(id) waits for
// their answers and throws std::runtime_error with the driver's word when one failed.
int Post(const DriverCommands& commands);
std::string Await(int id);
// Posts the commands and waits for them.
std::string Perform(const DriverCommands& commands);

// The driver's commands, positions in CSS pixels of the viewport.
std::string MouseMove(double x, double y);
std::string MouseDown(std::string_view button = "left");
// Moves to (x, y) first.
std::string MouseUp(std::string_view button, double x, double y);
std::string MouseUp(std::string_view button = "left");
std::string Click(double x, double y, int count);
// A stroke of the mouse's left button or of one finger ("touch").
std::string Drag(toolkit::platform::PointF from, toolkit::platform::PointF to, int durationMs,
                 std::string_view pointer = "mouse");
// The fingers on the screen from now on: more than before puts the new ones down, as many moves
// them, none lifts them all.
std::string Touch(std::initializer_list<toolkit::platform::PointF> fingers);
// A key by its puppeteer name ("Tab", "a", " "), with modifiers ("Control", "Shift") held around it.
std::string Key(std::string_view key, std::initializer_list<std::string_view> modifiers = {});
std::string Resize(int width, int height);
std::string Visibility(bool hidden);
// Every dialog the page has opened; the driver dismisses each as it opens.
std::string Dialogs();
// The accessibility tree as the browser reports it to screen readers.
std::string AccessibilityTree();

}  // namespace browser_tests
