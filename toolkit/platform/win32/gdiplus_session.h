#pragma once

#include <memory>

namespace toolkit::platform::win32 {

// GDI+ is started before its first use and shut down once the last holder of the session is
// gone; every GDI+ object must be destroyed before the session it was made in.
class GdiPlusSession {
 public:
  static std::shared_ptr<GdiPlusSession> Acquire();
  ~GdiPlusSession();
  GdiPlusSession(const GdiPlusSession&) = delete;
  GdiPlusSession& operator=(const GdiPlusSession&) = delete;

 private:
  GdiPlusSession();
  unsigned long long token_ = 0;
};

}  // namespace toolkit::platform::win32
