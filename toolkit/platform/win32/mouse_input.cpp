#include "toolkit/platform/win32/mouse_input.h"

#include <windowsx.h>

#include "toolkit/platform/win32/touch_input.h"

namespace toolkit::platform::win32 {

namespace {
// The signature Windows puts in the extra information of a mouse message it made from a pen
// or touch contact, with the bit that tells touch from pen.
constexpr LPARAM kSignatureMask = static_cast<LPARAM>(0xFFFFFF80);
constexpr LPARAM kTouchSignature = static_cast<LPARAM>(0xFF515780);
}  // namespace

std::optional<MouseButtonMessage> ClassifyMouseButtonMessage(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: return MouseButtonMessage{MouseButton::Left, ButtonAction::Press};
    case WM_LBUTTONDBLCLK: return MouseButtonMessage{MouseButton::Left, ButtonAction::DoubleClick};
    case WM_LBUTTONUP: return MouseButtonMessage{MouseButton::Left, ButtonAction::Release};
    case WM_RBUTTONDOWN: return MouseButtonMessage{MouseButton::Right, ButtonAction::Press};
    case WM_RBUTTONDBLCLK: return MouseButtonMessage{MouseButton::Right, ButtonAction::DoubleClick};
    case WM_RBUTTONUP: return MouseButtonMessage{MouseButton::Right, ButtonAction::Release};
    case WM_MBUTTONDOWN: return MouseButtonMessage{MouseButton::Middle, ButtonAction::Press};
    case WM_MBUTTONDBLCLK: return MouseButtonMessage{MouseButton::Middle, ButtonAction::DoubleClick};
    case WM_MBUTTONUP: return MouseButtonMessage{MouseButton::Middle, ButtonAction::Release};
    default: return std::nullopt;
  }
}

PointF MousePosition(LPARAM lParam) {
  return PointF{static_cast<double>(GET_X_LPARAM(lParam)), static_cast<double>(GET_Y_LPARAM(lParam))};
}

bool IsMouseMessageFromTouch() {
  return PointerMessagesAvailable() && (GetMessageExtraInfo() & kSignatureMask) == kTouchSignature;
}

}  // namespace toolkit::platform::win32
