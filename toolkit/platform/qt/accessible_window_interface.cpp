#include "toolkit/platform/qt/accessible_window_interface.h"

#include "toolkit/platform/qt/accessible_tree.h"

namespace toolkit::platform::qt {

AccessibleWindowInterface::AccessibleWindowInterface(QWidget& window, AccessibleTree& tree)
    : QAccessibleWidget(&window, QAccessible::Window), tree_(tree) {}

QAccessibleInterface* AccessibleWindowInterface::childAt(int x, int y) const {
  return tree_.ChildAt(tree_.Root(), x, y);
}

QAccessibleInterface* AccessibleWindowInterface::child(int index) const { return tree_.Child(tree_.Root(), index); }

int AccessibleWindowInterface::childCount() const {
  const AccessibleNode* root = tree_.Root();
  return root != nullptr ? root->AccessibleChildCount() : 0;
}

int AccessibleWindowInterface::indexOfChild(const QAccessibleInterface* child) const {
  return tree_.IndexOfChild(tree_.Root(), child);
}

QAccessibleInterface* AccessibleWindowInterface::focusChild() const { return tree_.FocusedInterface(); }

}  // namespace toolkit::platform::qt
