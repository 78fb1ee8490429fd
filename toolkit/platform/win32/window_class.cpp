#include "toolkit/platform/win32/window_class.h"

#include <stdexcept>

namespace toolkit::platform::win32 {

namespace {

constexpr wchar_t kClassName[] = L"LumivorWindow";
constexpr wchar_t kIconName[] = L"MAINICON";

HICON ProgramIcon(HINSTANCE instance, int width, int height) {
  auto* icon = static_cast<HICON>(LoadImageW(instance, kIconName, IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
  return icon ? icon : static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, width, height, LR_SHARED));
}

}  // namespace

const wchar_t* TopLevelWindowClass(WNDPROC procedure) {
  static const ATOM atom = [procedure] {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hIcon = ProgramIcon(instance, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    windowClass.hIconSm = ProgramIcon(instance, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  if (!atom) throw std::runtime_error("the window class cannot be registered");
  return kClassName;
}

}  // namespace toolkit::platform::win32
