#include "toolkit/platform/win32/dpi_awareness.h"

#include "toolkit/platform/win32/dpi_scaling.h"
#include "toolkit/platform/win32/system_library.h"

namespace toolkit::platform::win32 {

namespace {

// Windows 10 1703 and later.
using SetProcessDpiAwarenessContextFunction = BOOL(WINAPI*)(DPI_AWARENESS_CONTEXT);
// Windows 8.1 and later, in shcore.dll; 2 is PROCESS_PER_MONITOR_DPI_AWARE.
using SetProcessDpiAwarenessFunction = HRESULT(WINAPI*)(int);
constexpr int kPerMonitorDpiAware = 2;
// Windows 10 1607 and later.
using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

constexpr UINT kDefaultDpi = 96;

}  // namespace

void DeclarePerMonitorDpiAwareness() {
  auto setContext = FindSystemFunctionAs<SetProcessDpiAwarenessContextFunction>(
      L"user32.dll", "SetProcessDpiAwarenessContext");
  if (setContext && setContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) return;
  auto setAwareness = FindSystemFunctionAs<SetProcessDpiAwarenessFunction>(L"shcore.dll", "SetProcessDpiAwareness");
  if (setAwareness && SUCCEEDED(setAwareness(kPerMonitorDpiAware))) return;
  // Windows 7 and 8 know only awareness of the primary monitor's scale. (Each call fails
  // where the manifest has set the awareness already, which is as good.)
  SetProcessDPIAware();
}

SIZE WindowSizeForClient(HWND window, int width, int height) {
  auto dpiForWindow = FindSystemFunctionAs<GetDpiForWindowFunction>(L"user32.dll", "GetDpiForWindow");
  const UINT dpi = dpiForWindow ? dpiForWindow(window) : kDefaultDpi;
  return WindowSizeForClientAtDpi(window, width, height, dpi ? dpi : kDefaultDpi);
}

SIZE WindowSizeForClientAtDpi(HWND window, int width, int height, UINT dpi) {
  const DWORD style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  const DWORD extendedStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
  const BOOL hasMenu = GetMenu(window) != nullptr;
  RECT frame{0, 0, 0, 0};
  auto adjustForDpi = FindSystemFunctionAs<AdjustWindowRectExForDpiFunction>(
      L"user32.dll", "AdjustWindowRectExForDpi");
  if (!adjustForDpi || !adjustForDpi(&frame, style, hasMenu, extendedStyle, dpi)) {
    AdjustWindowRectEx(&frame, style, hasMenu, extendedStyle);
  }
  return WindowSizeAroundClient(SIZE{width, height}, FrameInsetsOf(frame));
}

}  // namespace toolkit::platform::win32
