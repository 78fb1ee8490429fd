#include "toolkit/platform/win32/win32_window.h"

#include <stdexcept>
#include <utility>

#include "toolkit/platform/win32/dpi_awareness.h"
#include "toolkit/platform/win32/dpi_scaling.h"
#include "toolkit/platform/win32/handler_errors.h"
#include "toolkit/platform/win32/mouse_input.h"
#include "toolkit/platform/win32/renderer_factory.h"
#include "toolkit/platform/win32/text_encoding.h"
#include "toolkit/platform/win32/window_class.h"

namespace toolkit::platform::win32 {

namespace {
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kExtendedStyle = WS_EX_APPWINDOW;
}  // namespace

Win32Window::Win32Window(WindowEvents& events) : events_(events) {
  // CW_USEDEFAULT for the place and the size: Windows' default placement for a new window.
  CreateWindowExW(kExtendedStyle, TopLevelWindowClass(&Procedure), L"", kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                  CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  try {
    // A handler of a message sent during creation may have failed.
    RethrowKeptHandlerError();
    if (!window_) throw std::runtime_error("the window cannot be created");
    TurnOffSystemGestures(window_);
    accessibility_ = std::make_unique<AccessibilityBridge>(window_, events_);
  } catch (...) {
    // No destructor runs for an object never made: the window must not outlive it.
    if (window_) {
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      DestroyWindow(window_);
    }
    throw;
  }
}

Win32Window::~Win32Window() {
  // Nothing more reaches the toolkit, which may be tearing down already.
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  accessibility_.reset();
  renderer_.reset();
  DestroyWindow(window_);
}

void Win32Window::SetCaption(std::string_view caption) {
  SetWindowTextW(window_, Utf16FromUtf8(caption).c_str());
}

void Win32Window::SetClientSize(int width, int height) {
  const SIZE outer = WindowSizeForClient(window_, width, height);
  // The window keeps its place.
  SetWindowPos(window_, nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  RethrowKeptHandlerError();
}

int Win32Window::ClientWidth() const {
  RECT client{};
  GetClientRect(window_, &client);
  return client.right;
}

int Win32Window::ClientHeight() const {
  RECT client{};
  GetClientRect(window_, &client);
  return client.bottom;
}

void Win32Window::Show() {
  ShowWindow(window_, SW_SHOWNORMAL);
  SetForegroundWindow(window_);
  RethrowKeptHandlerError();
}

bool Win32Window::IsVisible() const { return visible_; }

void Win32Window::Invalidate() {
  // Loading a form changes every control of a hidden window, thousands of times over; showing
  // the window invalidates all of it anyway. Under Wine each InvalidateRect is a call to its
  // server, and together they held back the first frame by a tenth of a second.
  if (visible_) InvalidateRect(window_, nullptr, FALSE);
}

void Win32Window::Update() {
  UpdateWindow(window_);
  RethrowKeptHandlerError();
}

void Win32Window::SetPointerCapture(bool captured) {
  if (captured) {
    SetCapture(window_);
  } else if (GetCapture() == window_) {
    // Windows tells of this release too, as of any loss of the capture.
    releasingCapture_ = true;
    ReleaseCapture();
    releasingCapture_ = false;
  }
}

void Win32Window::NotifyAccessibility(AccessibleNode& node, AccessibleChange change) {
  // No screen reader follows a hidden window, and showing it announces it whole; loading a
  // form changes thousands of nodes while the window is hidden.
  if (visible_) accessibility_->Notify(node, change);
}

std::optional<RendererKind> Win32Window::RendererInUse() const {
  if (!renderer_) return std::nullopt;
  return renderer_->Kind();
}

LRESULT CALLBACK Win32Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  RunKeepingErrors([&] { result = self->HandleMessage(message, wParam, lParam); });
  return result;
}

LRESULT Win32Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      EraseBeyondLastFrame(reinterpret_cast<HDC>(wParam));
      return 1;
    // Visibility is noted here rather than asked of Windows at each change: under Wine every
    // question about a window is a call to its server. ShowWindow announces the change before
    // activating the window, whose focus changes would otherwise count as hidden.
    case WM_SHOWWINDOW:
      visible_ = wParam != FALSE;
      break;
    case WM_WINDOWPOSCHANGED: {
      const UINT flags = reinterpret_cast<const WINDOWPOS*>(lParam)->flags;
      if (flags & SWP_SHOWWINDOW) visible_ = true;
      if (flags & SWP_HIDEWINDOW) visible_ = false;
      break;  // Windows goes on to send WM_SIZE and WM_MOVE.
    }
    case WM_SIZE:
      Resize(wParam, lParam);
      return 0;
    case WM_GETDPISCALEDSIZE:
      if (AnswerSizeAtNewDpi(static_cast<UINT>(wParam), *reinterpret_cast<SIZE*>(lParam))) return TRUE;
      break;
    case WM_DPICHANGED:
      FollowDpiChange(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
    case WM_MBUTTONUP:
      MouseButton(message, lParam);
      return 0;
    case WM_MOUSEMOVE:
      MouseMove(lParam);
      return 0;
    case WM_MOUSELEAVE:
      watchingForLeave_ = false;
      events_.PointerLeft();
      return 0;
    case WM_CAPTURECHANGED:
      // Sent to the window losing the capture, also when it gives the capture to itself again.
      if (!releasingCapture_ && reinterpret_cast<HWND>(lParam) != window_) events_.PointerCaptureLost();
      return 0;
    case WM_CANCELMODE:
      // A dialog or message box is about to open. Released here rather than left to Windows,
      // the capture's loss is reported by WM_CAPTURECHANGED, once; Windows still ends the
      // window's menus.
      if (GetCapture() == window_) ReleaseCapture();
      break;
    case WM_POINTERDOWN:
    case WM_POINTERUPDATE:
    case WM_POINTERUP:
    case WM_POINTERCAPTURECHANGED:
      if (Touch(message, wParam)) return 0;
      break;
    case WM_TABLET_QUERYSYSTEMGESTURESTATUS:
      return kSystemGesturesOff;
    case WM_KEYDOWN:
      KeyDown(wParam);
      return 0;
    case WM_SYSKEYDOWN:
      // Windows still sees it: Alt+F4, Alt+Space and F10 keep working.
      KeyDown(wParam);
      break;
    case WM_CHAR:
      Character(wParam);
      return 0;
    case WM_ACTIVATE:
      events_.ActiveChanged(LOWORD(wParam) != WA_INACTIVE);
      // Windows gives the window the keyboard focus.
      break;
    case WM_CLOSE:
      // The toolkit decides; Windows would destroy the window at once.
      events_.CloseRequested();
      return 0;
    case WM_GETOBJECT:
      if (accessibility_) {
        if (const std::optional<LRESULT> answer = accessibility_->AnswerGetObject(wParam, lParam)) return *answer;
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

void Win32Window::Paint() {
  const auto paint = [this](Canvas& canvas) { events_.Paint(canvas); };
  try {
    if (!renderer_) renderer_ = CreateWindowRenderer(window_);
    // A renderer that cannot draw the window (Direct2D without a render target) would leave
    // it blank: GDI+ takes over.
    if (!renderer_->Paint(paint)) {
      renderer_ = CreateFallbackRenderer(window_);
      renderer_->Paint(paint);
    }
  } catch (...) {
    // Left invalid, the window would be sent WM_PAINT again at once, for ever.
    ValidateRect(window_, nullptr);
    throw;
  }
  RECT client{};
  GetClientRect(window_, &client);
  lastFrame_ = SIZE{client.right, client.bottom};
}

void Win32Window::EraseBeyondLastFrame(HDC dc) {
  // Each frame covers every pixel, so erasing what the last one covered would only flicker.
  // What no frame has covered yet, all of it before the first and the new strips while the
  // window grows, is blank meanwhile, rather than black or stale as Windows would leave it.
  RECT client{};
  GetClientRect(window_, &client);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, 0, 0, lastFrame_.cx, lastFrame_.cy);
  FillRect(dc, &client, reinterpret_cast<HBRUSH>(GetClassLongPtrW(window_, GCLP_HBRBACKGROUND)));
  RestoreDC(dc, saved);
}

void Win32Window::Resize(WPARAM kind, LPARAM size) {
  // A minimised window has no client area to lay out; restoring it reports its size again.
  if (kind == SIZE_MINIMIZED) return;
  const int width = LOWORD(size);
  const int height = HIWORD(size);
  // Midway through a change of scale the frame may already be the new one around the old
  // outer size: no size the learner chose.
  if (kind == SIZE_RESTORED && !changingDpi_) intendedClient_ = SIZE{width, height};
  if (renderer_) renderer_->Resize(width, height);
  events_.Resized(width, height);
}

WindowShowState Win32Window::ShowState() const {
  if (IsIconic(window_)) return WindowShowState::Minimised;
  if (IsZoomed(window_)) return WindowShowState::Maximised;
  return WindowShowState::Normal;
}

bool Win32Window::AnswerSizeAtNewDpi(UINT dpi, SIZE& size) {
  // Layout units are physical pixels at every scale: the client area keeps its size in
  // pixels, only the frame follows the new scale. A maximised or minimised window keeps the
  // size Windows gives it.
  if (ShowState() != WindowShowState::Normal) return false;
  scaledSizeAnswered_ = true;
  size = WindowSizeForClientAtDpi(window_, intendedClient_.cx, intendedClient_.cy, dpi);
  return true;
}

void Win32Window::FollowDpiChange(UINT dpi, const RECT& suggested) {
  // Without WM_GETDPISCALEDSIZE before it (Windows 8.1, Windows 10 before 1703) the
  // suggested size is the old one scaled, and the window works out its own.
  std::optional<SIZE> ownSize;
  if (!std::exchange(scaledSizeAnswered_, false)) {
    ownSize = WindowSizeForClientAtDpi(window_, intendedClient_.cx, intendedClient_.cy, dpi);
  }
  if (const std::optional<RECT> placement = PlacementAfterDpiChange(ShowState(), suggested, ownSize)) {
    changingDpi_ = true;
    SetWindowPos(window_, nullptr, placement->left, placement->top, placement->right - placement->left,
                 placement->bottom - placement->top, SWP_NOZORDER | SWP_NOACTIVATE);
    changingDpi_ = false;
  }
}

void Win32Window::MouseButton(UINT message, LPARAM position) {
  if (IsMouseMessageFromTouch()) return;
  const MouseButtonMessage button = *ClassifyMouseButtonMessage(message);
  const PointF where = MousePosition(position);
  switch (button.action) {
    case ButtonAction::Press: events_.PointerPressed(button.button, where); break;
    case ButtonAction::DoubleClick: events_.PointerDoubleClicked(button.button, where); break;
    case ButtonAction::Release: events_.PointerReleased(button.button, where); break;
  }
}

void Win32Window::MouseMove(LPARAM position) {
  if (IsMouseMessageFromTouch()) return;
  if (!watchingForLeave_) {
    TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, window_, 0};
    watchingForLeave_ = TrackMouseEvent(&leave) != FALSE;
  }
  events_.PointerMoved(MousePosition(position));
}

bool Win32Window::Touch(UINT message, WPARAM pointer) {
  const std::optional<TouchContact> contact = touch_.FromPointerMessage(window_, message, pointer);
  if (!contact) return false;
  events_.Touch(contact->phase, contact->id, contact->position);
  return true;
}

void Win32Window::KeyDown(WPARAM virtualKey) { events_.KeyDown(KeyFromVirtualKey(virtualKey), CurrentModifiers()); }

void Win32Window::Character(WPARAM unit) {
  if (const std::optional<char32_t> character = typed_.Add(static_cast<wchar_t>(unit))) {
    events_.CharTyped(*character, CurrentModifiers());
  }
}

}  // namespace toolkit::platform::win32
