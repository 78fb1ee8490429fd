#pragma once

#include <oleacc.h>

#include <unordered_map>

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

class AccessibleObject;

// The toolkit's accessibility tree of one window as screen readers reach it through MSAA:
// the IAccessible of each node, made on first request and the same one for as long as a
// client holds it, and the ids by which events name nodes. The nodes are the toolkit's and
// may go at any time; each request checks that its node is still in the tree. Used on the
// GUI thread only (COM brings other processes' calls there).
class AccessibleTree {
 public:
  AccessibleTree(HWND window, WindowEvents& events) : window_(window), events_(&events) {}

  HWND Window() const { return window_; }
  // The root of the toolkit's tree; null without one, and once the window is going.
  AccessibleNode* Root() const;
  // Whether `node` is in the tree now.
  bool Contains(const AccessibleNode* node) const;

  // The id by which events name `node`: negative, so that clients never take it for the
  // position of a child, which MSAA numbers from 1.
  LONG EventId(const AccessibleNode* node);
  // The node an event named, if it is still in the tree.
  AccessibleNode* NodeOfEventId(LONG id) const;

  // The IAccessible of `node`, with a reference for the caller.
  IAccessible* ObjectFor(AccessibleNode* node);
  // Called by an object as it goes.
  void Forget(const AccessibleNode* node);

  // The window is going: every object answers that it is no longer connected.
  void Disconnect();

 private:
  HWND window_;
  WindowEvents* events_;
  std::unordered_map<const AccessibleNode*, AccessibleObject*> objects_;
  std::unordered_map<const AccessibleNode*, LONG> eventIds_;
  std::unordered_map<LONG, const AccessibleNode*> nodesOfEventIds_;
  LONG lastEventId_ = 0;
};

}  // namespace toolkit::platform::win32
