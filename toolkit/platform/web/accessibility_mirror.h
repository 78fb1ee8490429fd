#pragma once

#include <unordered_map>
#include <vector>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::web {

// A window's accessibility tree as elements of the page, with ARIA roles and states, laid over
// the canvas where each control is drawn, so that screen readers read and point at the program
// as they would at a page of its own. The page's elements are brought up to date in one pass
// after the changes of a round, not once for each change.
class AccessibilityMirror {
 public:
  explicit AccessibilityMirror(int window) : window_(window) {}

  void Changed() { stale_ = true; }
  // Mirrors the tree below `root` unless nothing changed since the last time.
  void Update(AccessibleNode& root);
  // The node the page calls `id`, if it was in the tree when last mirrored.
  AccessibleNode* Find(int id) const;

 private:
  int IdOf(AccessibleNode& node);
  void Mirror(AccessibleNode& node, int parent, int& focused);

  const int window_;
  bool stale_ = true;
  std::unordered_map<const AccessibleNode*, int> ids_;
  // The nodes of the last pass, by id.
  std::unordered_map<int, AccessibleNode*> mirrored_;
};

}  // namespace toolkit::platform::web
