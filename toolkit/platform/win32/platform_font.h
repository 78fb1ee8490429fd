#pragma once

// The platform font of every caption and text: Segoe UI, or where it is missing a comparable
// sans-serif (Tahoma before Vista; Open Sans under Wine, whose DirectWrite sees the
// fontconfig fonts), regular, 12 pixels.

#include <array>

namespace toolkit::platform::win32 {

inline constexpr std::array<const wchar_t*, 3> kPlatformFontFamilies = {L"Segoe UI", L"Tahoma", L"Open Sans"};
inline constexpr float kPlatformFontPixels = 12.0f;

// The first of kPlatformFontFamilies that `isInstalled` accepts; the first of all when none.
template <typename IsInstalled>
const wchar_t* InstalledPlatformFontFamily(IsInstalled isInstalled) {
  for (const wchar_t* family : kPlatformFontFamilies) {
    if (isInstalled(family)) return family;
  }
  return kPlatformFontFamilies.front();
}

}  // namespace toolkit::platform::win32
