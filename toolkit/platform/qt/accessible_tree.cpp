#include "toolkit/platform/qt/accessible_tree.h"

#include <QAccessible>
#include <QWidget>

#include "toolkit/platform/qt/accessible_node_interface.h"
#include "toolkit/platform/qt/accessible_window_interface.h"

namespace toolkit::platform::qt {
namespace {

AccessibleNode* FocusedNode(AccessibleNode& node) {
  if (node.IsFocused()) return &node;
  for (int index = 0; index < node.AccessibleChildCount(); ++index) {
    if (AccessibleNode* focused = FocusedNode(*node.AccessibleChild(index))) return focused;
  }
  return nullptr;
}

}  // namespace

AccessibleTree::AccessibleTree(QWidget& window, WindowEvents& events) : window_(window), events_(events) {}

AccessibleTree::~AccessibleTree() {
  for (const auto& [node, interface] : nodeInterfaces_)
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(interface));
  // Qt would delete the window's interface with the widget, but the widget outlives this tree
  // by a moment, and the interface reads the tree.
  if (windowInterface_ != nullptr) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(windowInterface_));
}

QAccessibleInterface* AccessibleTree::MakeWindowInterface() {
  windowInterface_ = new AccessibleWindowInterface(window_, *this);
  return windowInterface_;
}

QAccessibleInterface* AccessibleTree::InterfaceFor(AccessibleNode* node) {
  if (node == nullptr) return nullptr;
  if (node == Root()) return QAccessible::queryAccessibleInterface(&window_);
  auto [entry, added] = nodeInterfaces_.try_emplace(node, nullptr);
  if (added) {
    entry->second = new AccessibleNodeInterface(*this, *node);
    QAccessible::registerAccessibleInterface(entry->second);
  }
  return entry->second;
}

QAccessibleInterface* AccessibleTree::Child(const AccessibleNode* parent, int index) {
  if (parent == nullptr || index < 0 || index >= parent->AccessibleChildCount()) return nullptr;
  return InterfaceFor(parent->AccessibleChild(index));
}

int AccessibleTree::IndexOfChild(const AccessibleNode* parent, const QAccessibleInterface* child) const {
  const auto* mirror = dynamic_cast<const AccessibleNodeInterface*>(child);
  if (parent == nullptr || mirror == nullptr) return -1;
  for (int index = 0; index < parent->AccessibleChildCount(); ++index) {
    if (parent->AccessibleChild(index) == &mirror->Node()) return index;
  }
  return -1;
}

QAccessibleInterface* AccessibleTree::ChildAt(const AccessibleNode* parent, int x, int y) {
  if (parent == nullptr) return nullptr;
  // Later children are painted over earlier ones.
  for (int index = parent->AccessibleChildCount() - 1; index >= 0; --index) {
    AccessibleNode* child = parent->AccessibleChild(index);
    if (ScreenRect(child->BoundsInWindow()).contains(x, y)) return InterfaceFor(child);
  }
  return nullptr;
}

QAccessibleInterface* AccessibleTree::FocusedInterface() {
  AccessibleNode* root = Root();
  return root != nullptr ? InterfaceFor(FocusedNode(*root)) : nullptr;
}

QRect AccessibleTree::ScreenRect(const Rect& boundsInWindow) const {
  return QRect(window_.mapToGlobal(QPoint(boundsInWindow.left, boundsInWindow.top)),
               QSize(boundsInWindow.Width(), boundsInWindow.Height()));
}

std::unique_ptr<QAccessibleEvent> AccessibleTree::EventFor(AccessibleNode& node, AccessibleChange change) {
  QAccessibleInterface* interface = InterfaceFor(&node);
  switch (change) {
    case AccessibleChange::Structure:
      return std::make_unique<QAccessibleEvent>(interface, QAccessible::ObjectReorder);
    case AccessibleChange::Name:
      return std::make_unique<QAccessibleEvent>(interface, QAccessible::NameChanged);
    case AccessibleChange::State: {
      // The only state of a control that changes by itself is a check box's tick.
      QAccessible::State changed;
      changed.checked = true;
      return std::make_unique<QAccessibleStateChangeEvent>(interface, changed);
    }
    case AccessibleChange::Focus:
      return std::make_unique<QAccessibleEvent>(interface, QAccessible::Focus);
    case AccessibleChange::Selection:
      return std::make_unique<QAccessibleEvent>(interface, QAccessible::SelectionAdd);
    case AccessibleChange::Description:
      return std::make_unique<QAccessibleEvent>(interface, QAccessible::DescriptionChanged);
  }
  return nullptr;
}

void AccessibleTree::Notify(AccessibleNode& node, AccessibleChange change) {
  if (const auto event = EventFor(node, change)) QAccessible::updateAccessibility(event.get());
}

}  // namespace toolkit::platform::qt
