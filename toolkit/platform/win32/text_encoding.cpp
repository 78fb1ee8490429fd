#include "toolkit/platform/win32/text_encoding.h"

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

std::wstring Utf16FromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0);
  std::wstring converted(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, converted.data(), length);
  return converted;
}

std::string Utf8FromUtf16(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  std::string converted(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, converted.data(), length, nullptr, nullptr);
  return converted;
}

}  // namespace toolkit::platform::win32
