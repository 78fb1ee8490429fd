#include "toolkit/platform/win32/touch_input.h"

#include "toolkit/platform/win32/system_library.h"

namespace toolkit::platform::win32 {

namespace {

// Windows 8 and later; the program must still start on Windows 7.
using GetPointerTypeFunction = BOOL(WINAPI*)(UINT32, POINTER_INPUT_TYPE*);
using GetPointerInfoFunction = BOOL(WINAPI*)(UINT32, POINTER_INFO*);
// Windows 7 and later.
using SetGestureConfigFunction = BOOL(WINAPI*)(HWND, DWORD, UINT, GESTURECONFIG*, UINT);

struct PointerFunctions {
  GetPointerTypeFunction getType = nullptr;
  GetPointerInfoFunction getInfo = nullptr;
};

const PointerFunctions& Pointers() {
  static const PointerFunctions functions{
      FindSystemFunctionAs<GetPointerTypeFunction>(L"user32.dll", "GetPointerType"),
      FindSystemFunctionAs<GetPointerInfoFunction>(L"user32.dll", "GetPointerInfo")};
  return functions;
}

std::optional<TouchPhase> PhaseOf(UINT message, POINTER_FLAGS flags) {
  if (flags & POINTER_FLAG_CANCELED) return TouchPhase::Cancel;
  switch (message) {
    case WM_POINTERDOWN: return TouchPhase::Down;
    case WM_POINTERUPDATE: return TouchPhase::Move;
    case WM_POINTERUP: return TouchPhase::Up;
    default: return std::nullopt;
  }
}

}  // namespace

bool PointerMessagesAvailable() { return Pointers().getType && Pointers().getInfo; }

void TurnOffSystemGestures(HWND window) {
  static const auto setGestureConfig =
      FindSystemFunctionAs<SetGestureConfigFunction>(L"user32.dll", "SetGestureConfig");
  if (!setGestureConfig) return;
  // Identifier 0 with GC_ALLGESTURES: every gesture, each blocked.
  GESTURECONFIG none{0, 0, GC_ALLGESTURES};
  setGestureConfig(window, 0, 1, &none, sizeof none);
}

std::optional<TouchContact> TouchInput::FromPointerMessage(HWND window, UINT message, WPARAM wParam) {
  if (!PointerMessagesAvailable()) return std::nullopt;
  const UINT32 pointerId = GET_POINTERID_WPARAM(wParam);
  if (message == WM_POINTERCAPTURECHANGED) {
    // Another window took the contact: it ends here without a release, where it was last seen.
    const auto found = down_.find(pointerId);
    if (found == down_.end()) return std::nullopt;
    const TouchContact cancelled{TouchPhase::Cancel, static_cast<int>(pointerId), found->second};
    down_.erase(found);
    return cancelled;
  }
  if (!PhaseOf(message, 0)) return std::nullopt;
  POINTER_INPUT_TYPE type = PT_POINTER;
  if (!Pointers().getType(pointerId, &type) || type != PT_TOUCH) return std::nullopt;
  POINTER_INFO info{};
  if (!Pointers().getInfo(pointerId, &info)) return std::nullopt;
  POINT pixel = info.ptPixelLocation;
  ScreenToClient(window, &pixel);
  const TouchContact contact{*PhaseOf(message, info.pointerFlags), static_cast<int>(pointerId),
                             PointF{static_cast<double>(pixel.x), static_cast<double>(pixel.y)}};
  if (contact.phase == TouchPhase::Down || contact.phase == TouchPhase::Move) {
    down_[pointerId] = contact.position;
  } else {
    down_.erase(pointerId);
  }
  return contact;
}

}  // namespace toolkit::platform::win32
