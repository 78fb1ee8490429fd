#pragma once

// The toolkit speaks UTF-8; the Windows API speaks UTF-16.

#include <string>
#include <string_view>

namespace toolkit::platform::win32 {

std::wstring Utf16FromUtf8(std::string_view text);
std::string Utf8FromUtf16(std::wstring_view text);

}  // namespace toolkit::platform::win32
