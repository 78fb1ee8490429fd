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
  NotifyWinEvent(WinEventOf(change), tree_.Window(), OBJID_CLIENT, ChildIdOf(node));
  if (change != AccessibleChange::Selection) return;
  // The new current member of the set has gained the selected state and the one before has
  // lost it; which one that was is no longer known, so each member's state is announced.
  const AccessibleNode* set = node.AccessibleParent();
  if (!set) {
    NotifyWinEvent(EVENT_OBJECT_STATECHANGE, tree_.Window(), OBJID_CLIENT, ChildIdOf(node));
    return;
  }
  for (int i = 0; i < set->AccessibleChildCount(); ++i) {
    if (const AccessibleNode* member = set->AccessibleChild(i)) {
      NotifyWinEvent(EVENT_OBJECT_STATECHANGE, tree_.Window(), OBJID_CLIENT, ChildIdOf(*member));
    }
  }
}

LONG AccessibilityBridge::ChildIdOf(const AccessibleNode& node) {
  return &node == tree_.Root() ? CHILDID_SELF : tree_.EventId(&node);
}

}  // namespace toolkit::platform::win32
