#include "toolkit/platform/win32/com_apartment.h"

#include <objbase.h>

#include <stdexcept>

namespace toolkit::platform::win32 {

ComApartment::ComApartment() {
  // S_FALSE (already a single-threaded apartment) is a success that must be balanced too.
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
    throw std::runtime_error("COM cannot be initialised for the GUI thread");
  }
}

ComApartment::~ComApartment() { CoUninitialize(); }

}  // namespace toolkit::platform::win32
