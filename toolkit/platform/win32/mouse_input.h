#pragma once

#include "toolkit/platform/win32/windows_api.h"

#include <optional>


namespace toolkit::platform::win32 {

enum class ButtonAction { Press, DoubleClick, Release };

struct MouseButtonMessage {
  MouseButton button;
  ButtonAction action;
};

// What a WM_?BUTTONDOWN, WM_?BUTTONDBLCLK or WM_?BUTTONUP message says; nullopt for others.
std::optional<MouseButtonMessage> ClassifyMouseButtonMessage(UINT message);

// The client position a mouse message carries (negative outside the client area while captured).
PointF MousePosition(LPARAM lParam);

// Whether the mouse message being handled was made up by Windows from a touch contact that
// reached the toolkit as touch already, through WM_POINTER* messages. Before Windows 8 these
// mouse messages are all there is of touch, and are kept; so are those made from a pen.
bool IsMouseMessageFromTouch();

}  // namespace toolkit::platform::win32
