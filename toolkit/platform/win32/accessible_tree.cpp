#include "toolkit/platform/win32/accessible_tree.h"

#include <memory>

#include "toolkit/platform/win32/accessible_object.h"

namespace toolkit::platform::win32 {

namespace {

bool Holds(const AccessibleNode& ancestor, const AccessibleNode* node) {
  if (&ancestor == node) return true;
  for (int i = 0; i < ancestor.AccessibleChildCount(); ++i) {
    const AccessibleNode* child = ancestor.AccessibleChild(i);
    if (child && Holds(*child, node)) return true;
  }
  return false;
}

}  // namespace

AccessibleNode* AccessibleTree::Root() const { return events_ ? events_->AccessibleRoot() : nullptr; }

bool AccessibleTree::Contains(const AccessibleNode* node) const {
  const AccessibleNode* root = Root();
  return root && node && Holds(*root, node);
}

LONG AccessibleTree::EventId(const AccessibleNode* node) {
  auto [entry, added] = eventIds_.try_emplace(node, 0);
  if (added) {
    entry->second = --lastEventId_;
    nodesOfEventIds_[entry->second] = node;
  }
  return entry->second;
}

AccessibleNode* AccessibleTree::NodeOfEventId(LONG id) const {
  const auto found = nodesOfEventIds_.find(id);
  if (found == nodesOfEventIds_.end() || !Contains(found->second)) return nullptr;
  // Contains has just found it in the tree, where the toolkit keeps it changeable.
  return const_cast<AccessibleNode*>(found->second);
}

IAccessible* AccessibleTree::ObjectFor(AccessibleNode* node) {
  AccessibleObject*& object = objects_[node];
  if (object) {
    object->AddRef();
  } else {
    // Its reference is the caller's; the map's entry is only a way to find it again.
    object = new AccessibleObject(*this, node);
  }
  return object;
}

void AccessibleTree::Forget(const AccessibleNode* node) { objects_.erase(node); }

void AccessibleTree::Disconnect() {
  events_ = nullptr;
  for (auto& [node, object] : objects_) object->Disconnect();
  objects_.clear();
}

}  // namespace toolkit::platform::win32
