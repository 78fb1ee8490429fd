#include "toolkit/platform/web/accessibility_mirror.h"

#include <string>

#include "toolkit/platform/web/page_api.h"

namespace toolkit::platform::web {
namespace {

// The states the page reads from a node's flags; see page_accessibility.js.
constexpr int kFocusable = 1;
constexpr int kCheckable = 2;
constexpr int kChecked = 4;
constexpr int kSelected = 8;

int States(const AccessibleNode& node) {
  return (node.IsFocusable() ? kFocusable : 0) | (node.IsCheckable() ? kCheckable : 0) |
         (node.IsChecked() ? kChecked : 0) | (node.IsSelected() ? kSelected : 0);
}

}  // namespace

void AccessibilityMirror::Update(AccessibleNode& root) {
  if (!stale_) return;
  stale_ = false;
  mirrored_.clear();
  int focused = 0;
  lumivor_mirror_begin(window_);
  Mirror(root, 0, focused);
  lumivor_mirror_end(window_, focused);
}

AccessibleNode* AccessibilityMirror::Find(int id) const {
  const auto found = mirrored_.find(id);
  return found == mirrored_.end() ? nullptr : found->second;
}

int AccessibilityMirror::IdOf(AccessibleNode& node) {
  // Nodes live as long as their window, so each keeps its id, and its element, for good.
  return ids_.try_emplace(&node, static_cast<int>(ids_.size()) + 1).first->second;
}

void AccessibilityMirror::Mirror(AccessibleNode& node, int parent, int& focused) {
  const int id = IdOf(node);
  mirrored_[id] = &node;
  if (node.IsFocused()) focused = id;
  const std::string name = node.Name();
  const Rect bounds = node.BoundsInWindow();
  lumivor_mirror_node(id, parent, static_cast<int>(node.Role()), name.data(), static_cast<int>(name.size()), bounds.left,
                      bounds.top, bounds.Width(), bounds.Height(), States(node));
  for (int index = 0; index < node.AccessibleChildCount(); ++index) {
    if (AccessibleNode* child = node.AccessibleChild(index)) Mirror(*child, id, focused);
  }
}

}  // namespace toolkit::platform::web
