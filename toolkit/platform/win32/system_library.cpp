#include "toolkit/platform/win32/system_library.h"

namespace toolkit::platform::win32 {

namespace {

HMODULE LoadSystemLibrary(const wchar_t* module) {
  if (HMODULE loaded = GetModuleHandleW(module)) return loaded;
  // Only the system directory: a library of the same name beside the program is never taken.
  if (HMODULE loaded = LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) return loaded;
  // Windows 7 without its 2011 loader update does not know LOAD_LIBRARY_SEARCH_SYSTEM32.
  if (GetLastError() != ERROR_INVALID_PARAMETER) return nullptr;
  wchar_t path[MAX_PATH];
  const UINT length = GetSystemDirectoryW(path, MAX_PATH);
  if (length == 0 || length + 1 + lstrlenW(module) >= MAX_PATH) return nullptr;
  path[length] = L'\\';
  lstrcpyW(path + length + 1, module);
  return LoadLibraryW(path);
}

}  // namespace

FARPROC FindSystemFunction(const wchar_t* module, const char* name) {
  HMODULE library = LoadSystemLibrary(module);
  return library ? GetProcAddress(library, name) : nullptr;
}

}  // namespace toolkit::platform::win32
