#pragma once

// Functions that newer versions of Windows add, or whole libraries that a system may lack, are
// reached by name at run time, so that the program still starts where they are missing.

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// The address of `name` in the system library `module` (loaded from the system directory on
// first use and kept), or nullptr when the library or the function is missing.
FARPROC FindSystemFunction(const wchar_t* module, const char* name);

// FindSystemFunction, typed as the function pointer type F.
template <typename F>
F FindSystemFunctionAs(const wchar_t* module, const char* name) {
  return reinterpret_cast<F>(reinterpret_cast<void*>(FindSystemFunction(module, name)));
}

}  // namespace toolkit::platform::win32
