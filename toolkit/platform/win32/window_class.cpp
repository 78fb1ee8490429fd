#include "toolkit/platform/win32/window_class.h"

#include <stdexcept>

#include "toolkit/platform/win32/window_renderer.h"

namespace toolkit::platform::win32 {

namespace {

constexpr wchar_t kClassName[] = L"LumivorWindow";
constexpr wchar_t kIconName[] = L"MAINICON";

HICON ProgramIcon(HINSTANCE instance, int width, int height) {
  auto* icon = static_cast<HICON>(LoadImageW(instance, kIconName, IMAGE_ICON, width, height, LR_DEFAULTCOLOR));
  return icon ? icon : static_cast<HICON>(LoadImageW(nullptr, IDI_APPLICATION, IMAGE_ICON, width, height, LR_SHARED));
}

COLORREF ColorRef(Color color) {
  return RGB((color.rgb >> 16) & 0xFF, (color.rgb >> 8) & 0xFF, color.rgb & 0xFF);
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
    // Kept for the life of the program, as the class is.
    windowClass.hbrBackground = CreateSolidBrush(ColorRef(kBlankClientArea));
    windowClass.hIcon = ProgramIcon(instance, GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    windowClass.hIconSm = ProgramIcon(instance, GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass);
  }();
  if (!atom) throw std::runtime_error("the window class cannot be registered");
  return kClassName;
}

}  // namespace toolkit::platform::win32
