#include "toolkit/platform/win32/error_box.h"

#include "toolkit/platform/win32/windows_api.h"

#include <string>

#include "toolkit/platform/win32/handler_errors.h"
#include "toolkit/platform/win32/text_encoding.h"

namespace toolkit::platform::win32 {

namespace {

std::wstring WindowCaption(HWND window) {
  std::wstring caption(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  caption.resize(static_cast<std::size_t>(GetWindowTextW(window, caption.data(), static_cast<int>(caption.size()))));
  return caption;
}

std::wstring ProgramName() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring name(path, length);
  name.erase(0, name.find_last_of(L"\\/") + 1);
  if (const auto dot = name.find_last_of(L'.'); dot != std::wstring::npos) name.erase(dot);
  return name;
}

}  // namespace

void ShowErrorBox(std::string_view text) {
  HWND owner = GetActiveWindow();
  std::wstring caption = owner ? WindowCaption(owner) : std::wstring();
  if (caption.empty()) caption = ProgramName();
  MessageBoxW(owner, Utf16FromUtf8(text).c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
  // The box's own message loop ran the program's timers meanwhile.
  RethrowKeptHandlerError();
}

}  // namespace toolkit::platform::win32
