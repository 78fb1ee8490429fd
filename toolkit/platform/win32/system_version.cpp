#include "toolkit/platform/win32/system_version.h"

#include "toolkit/platform/win32/windows_api.h"

#include "toolkit/platform/win32/system_library.h"

namespace toolkit::platform::win32 {

namespace {
using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
}

SystemVersion RealWindowsVersion() {
  auto getVersion = FindSystemFunctionAs<RtlGetVersionFunction>(L"ntdll.dll", "RtlGetVersion");
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  if (!getVersion || getVersion(&info) != 0) return SystemVersion{.windows = true};
  return SystemVersion{.windows = true,
                       .major = static_cast<int>(info.dwMajorVersion),
                       .minor = static_cast<int>(info.dwMinorVersion)};
}

}  // namespace toolkit::platform::win32
