#pragma once

namespace toolkit::platform::win32 {

// The GUI thread's membership of COM as a single-threaded apartment (Direct2D, WIC and the
// accessibility interfaces are COM), from construction to destruction.
class ComApartment {
 public:
  ComApartment();
  ~ComApartment();
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
};

}  // namespace toolkit::platform::win32
