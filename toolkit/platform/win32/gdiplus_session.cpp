#include "toolkit/platform/win32/gdiplus_session.h"

#include "toolkit/platform/win32/windows_api.h"
#include <objidl.h>
#include <gdiplus.h>

#include <stdexcept>

namespace toolkit::platform::win32 {

std::shared_ptr<GdiPlusSession> GdiPlusSession::Acquire() {
  static std::weak_ptr<GdiPlusSession> current;
  std::shared_ptr<GdiPlusSession> session = current.lock();
  if (!session) {
    session.reset(new GdiPlusSession());
    current = session;
  }
  return session;
}

GdiPlusSession::GdiPlusSession() {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  if (Gdiplus::GdiplusStartup(&token, &input, nullptr) != Gdiplus::Ok) {
    throw std::runtime_error("GDI+ cannot be started");
  }
  token_ = token;
}

GdiPlusSession::~GdiPlusSession() { Gdiplus::GdiplusShutdown(static_cast<ULONG_PTR>(token_)); }

}  // namespace toolkit::platform::win32
