#include "toolkit/platform/win32/accessibility_bridge.h"

namespace toolkit::platform::win32 {

namespace {

DWORD WinEventOf(AccessibleChange change) {
  switch (change) {
    case AccessibleChange::Structure: return EVENT_OBJECT_REORDER;
    case AccessibleChange::Name: return EVENT_OBJECT_NAMECHANGE;
    case AccessibleChange::State: return EVENT_OBJECT_STATECHANGE;
    case AccessibleChange::Focus: return EVENT_OBJECT_FOCUS;
    case AccessibleChange::Selection: return EVENT_OBJECT_SELECTION;
    case AccessibleChange::Description: return EVENT_OBJECT_DESCRIPTIONCHANGE;
  }
  return EVENT_OBJECT_REORDER;
}

}  // namespace

std::optional<LRESULT> AccessibilityBridge::AnswerGetObject(WPARAM flags, LPARAM objectId) {
  if (static_cast<LONG>(objectId) != OBJID_CLIENT) return std::nullopt;
  AccessibleNode* root = tree_.Root();
  if (!root) return std::nullopt;
  IAccessible* object = tree_.ObjectFor(root);
  // LresultFromObject takes its own reference for the client. (__uuidof, not IID_IAccessible:
  // mingw-w64's oleacc import library links that name to a jump into oleacc.dll, not to the
  // identifier.)
  const LRESULT result = LresultFromObject(__uuidof(IAccessible), flags, object);
  object->Release();
  return result;
}

void AccessibilityBridge::Notify(AccessibleNode& node, AccessibleChange change) {
  const LONG child = &node == tree_.Root() ? CHILDID_SELF : tree_.EventId(&node);
  NotifyWinEvent(WinEventOf(change), tree_.Window(), OBJID_CLIENT, child);
}

}  // namespace toolkit::platform::win32
