#pragma once

#include <memory>
#include <optional>

#include "toolkit/platform/win32/accessible_tree.h"
#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// Mirrors a window's accessibility tree to screen readers through MSAA (and, through
// Windows' own MSAA proxy, to UI Automation clients): the client area's IAccessible in
// answer to WM_GETOBJECT, and WinEvents for the toolkit's changes.
class AccessibilityBridge {
 public:
  AccessibilityBridge(HWND window, WindowEvents& events) : tree_(window, events) {}
  ~AccessibilityBridge() { tree_.Disconnect(); }
  AccessibilityBridge(const AccessibilityBridge&) = delete;
  AccessibilityBridge& operator=(const AccessibilityBridge&) = delete;

  // The answer to WM_GETOBJECT when it asks for the client area and the toolkit has a tree;
  // otherwise Windows answers.
  std::optional<LRESULT> AnswerGetObject(WPARAM flags, LPARAM objectId);

  void Notify(AccessibleNode& node, AccessibleChange change);

 private:
  // How events name `node`.
  LONG ChildIdOf(const AccessibleNode& node);

  AccessibleTree tree_;
};

}  // namespace toolkit::platform::win32
