#pragma once

#include "toolkit/platform/win32/windows_api.h"
#include "toolkit/platform/win32/accessibility_bridge.h"

#include <memory>
#include <optional>
#include <string_view>

#include "toolkit/platform/win32/dpi_scaling.h"
#include "toolkit/platform/win32/keyboard_input.h"
#include "toolkit/platform/win32/touch_input.h"
#include "toolkit/platform/win32/window_renderer.h"

namespace toolkit::platform::win32 {

// A top-level window: resizable frame with system menu, minimise, maximise and close, made
// hidden at Windows' default place. Its messages become the toolkit's WindowEvents; its client
// area is drawn by the renderer chosen when it is first painted, and its accessibility tree
// is mirrored to screen readers.
class Win32Window : public Window {
 public:
  explicit Win32Window(WindowEvents& events);
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  void SetCaption(std::string_view caption) override;
  void SetClientSize(int width, int height) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void Show() override;
  bool IsVisible() const override;
  void Invalidate() override;
  void Update() override;
  void SetPointerCapture(bool captured) override;
  void NotifyAccessibility(AccessibleNode& node, AccessibleChange change) override;

  HWND Handle() const { return window_; }
  // The renderer the client area is drawn with, once it has been painted.
  std::optional<RendererKind> RendererInUse() const;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  void Paint();
  void EraseBeyondLastFrame(HDC dc);
  void Resize(WPARAM kind, LPARAM size);
  WindowShowState ShowState() const;
  // WM_GETDPISCALEDSIZE: the outer size at `dpi` around the intended client area; false to
  // leave the size to Windows.
  bool AnswerSizeAtNewDpi(UINT dpi, SIZE& size);
  void FollowDpiChange(UINT dpi, const RECT& suggested);
  void MouseButton(UINT message, LPARAM position);
  void MouseMove(LPARAM position);
  bool Touch(UINT message, WPARAM pointer);
  void KeyDown(WPARAM virtualKey);
  void Character(WPARAM unit);

  WindowEvents& events_;
  HWND window_ = nullptr;
  std::unique_ptr<WindowRenderer> renderer_;
  // The client size of the last frame painted.
  SIZE lastFrame_{0, 0};
  std::unique_ptr<AccessibilityBridge> accessibility_;
  TypedCharacters typed_;
  TouchInput touch_;
  // The client size the window is meant to have: the last one it was given, or that the learner
  // dragged it to, while neither maximised nor minimised.
  SIZE intendedClient_{0, 0};
  // While the window takes its place at a new scale, and whether Windows has been told its
  // size there.
  bool changingDpi_ = false;
  bool scaledSizeAnswered_ = false;
  bool watchingForLeave_ = false;
  bool releasingCapture_ = false;  // the window's own release, not the system taking it away
  bool visible_ = false;
};

}  // namespace toolkit::platform::win32
