#include "toolkit/platform/qt/accessible_tree.h"

#include <QAccessible>
#include <QWidget>
#include <algorithm>

#include "toolkit/platform/qt/accessible_node_interface.h"
#include "toolkit/platform/qt/accessible_window_interface.h"
#include "toolkit/platform/qt/atspi_description_change.h"

namespace toolkit::platform::qt {
namespace {

std::vector<AccessibleNode*> ChildrenOf(const AccessibleNode& node) {
  std::vector<AccessibleNode*> children;
  for (int index = 0; index < node.AccessibleChildCount(); ++index) children.push_back(node.AccessibleChild(index));
  return children;
}

bool Holds(const std::vector<AccessibleNode*>& nodes, const AccessibleNode* node) {
  return std::find(nodes.begin(), nodes.end(), node) != nodes.end();
}

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
  toldChildren_.try_emplace(parent, ChildrenOf(*parent));
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

// Qt 6.4's bridge sends the children of an ObjectReorder with a D-Bus signature that at-spi
// rejects ("siis(so)" for ChildrenChanged), so each child that came or went is told on its
// own, as ObjectCreated and ObjectDestroyed, whose signals it encodes as at-spi expects. A
// node whose children no reader has asked for has nothing to update.
void AccessibleTree::TellChildrenChanged(AccessibleNode& node, std::vector<std::unique_ptr<QAccessibleEvent>>& events) {
  const auto told = toldChildren_.find(&node);
  if (told == toldChildren_.end()) return;
  Children now = ChildrenOf(node);
  for (AccessibleNode* child : told->second) {
    if (!Holds(now, child)) events.push_back(std::make_unique<QAccessibleEvent>(InterfaceFor(child), QAccessible::ObjectDestroyed));
  }
  for (AccessibleNode* child : now) {
    if (!Holds(told->second, child)) events.push_back(std::make_unique<QAccessibleEvent>(InterfaceFor(child), QAccessible::ObjectCreated));
  }
  told->second = std::move(now);
}

std::vector<std::unique_ptr<QAccessibleEvent>> AccessibleTree::EventsFor(AccessibleNode& node, AccessibleChange change) {
  std::vector<std::unique_ptr<QAccessibleEvent>> events;
  QAccessibleInterface* interface = InterfaceFor(&node);
  switch (change) {
    case AccessibleChange::Structure:
      TellChildrenChanged(node, events);
      break;
    case AccessibleChange::Name:
      events.push_back(std::make_unique<QAccessibleEvent>(interface, QAccessible::NameChanged));
      break;
    case AccessibleChange::State: {
      // The only state of a control that changes by itself is a check box's tick.
      QAccessible::State changed;
      changed.checked = true;
      events.push_back(std::make_unique<QAccessibleStateChangeEvent>(interface, changed));
      break;
    }
    case AccessibleChange::Focus:
      events.push_back(std::make_unique<QAccessibleEvent>(interface, QAccessible::Focus));
      break;
    case AccessibleChange::Selection:
      // The bridge tells each as the node's "selected" state; the tab that was selected has lost it.
      if (toldSelected_ != nullptr && toldSelected_ != &node) {
        events.push_back(std::make_unique<QAccessibleEvent>(InterfaceFor(toldSelected_), QAccessible::SelectionRemove));
      }
      toldSelected_ = &node;
      events.push_back(std::make_unique<QAccessibleEvent>(interface, QAccessible::SelectionAdd));
      break;
    case AccessibleChange::Description:
      // Sent by SendDescriptionChanged instead.
      break;
  }
  return events;
}

void AccessibleTree::Notify(AccessibleNode& node, AccessibleChange change) {
  for (const auto& event : EventsFor(node, change)) QAccessible::updateAccessibility(event.get());
  if (change == AccessibleChange::Description && QAccessible::isActive()) SendDescriptionChanged(*InterfaceFor(&node));
}

}  // namespace toolkit::platform::qt
