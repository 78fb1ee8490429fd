#include "toolkit/platform/qt/accessible_node_interface.h"

#include <QWidget>

#include "toolkit/platform/qt/accessible_tree.h"

namespace toolkit::platform::qt {
namespace {

QAccessible::Role QtRole(AccessibleRole role) {
  switch (role) {
    case AccessibleRole::Window:
      return QAccessible::Window;
    case AccessibleRole::PageTabList:
      return QAccessible::PageTabList;
    case AccessibleRole::PageTab:
      return QAccessible::PageTab;
    case AccessibleRole::Pane:
      return QAccessible::Pane;
    case AccessibleRole::Graphic:
      return QAccessible::Graphic;
    case AccessibleRole::StaticText:
      return QAccessible::StaticText;
    case AccessibleRole::CheckBox:
      return QAccessible::CheckBox;
    case AccessibleRole::Button:
      return QAccessible::Button;
  }
  return QAccessible::NoRole;
}

QString DefaultActionName(AccessibleAction action) {
  switch (action) {
    case AccessibleAction::None:
      return QString();
    case AccessibleAction::Press:
    case AccessibleAction::Select:
      return QAccessibleActionInterface::pressAction();
    case AccessibleAction::Toggle:
      return QAccessibleActionInterface::toggleAction();
  }
  return QString();
}

}  // namespace

AccessibleNodeInterface::AccessibleNodeInterface(AccessibleTree& tree, AccessibleNode& node)
    : tree_(tree), node_(node) {}

QWindow* AccessibleNodeInterface::window() const { return tree_.Window().windowHandle(); }

QAccessibleInterface* AccessibleNodeInterface::childAt(int x, int y) const { return tree_.ChildAt(&node_, x, y); }

QAccessibleInterface* AccessibleNodeInterface::parent() const { return tree_.InterfaceFor(node_.AccessibleParent()); }

QAccessibleInterface* AccessibleNodeInterface::child(int index) const { return tree_.Child(&node_, index); }

int AccessibleNodeInterface::childCount() const { return node_.AccessibleChildCount(); }

int AccessibleNodeInterface::indexOfChild(const QAccessibleInterface* child) const {
  return tree_.IndexOfChild(&node_, child);
}

QString AccessibleNodeInterface::text(QAccessible::Text type) const {
  switch (type) {
    case QAccessible::Name:
      return QString::fromStdString(node_.Name());
    case QAccessible::Description:
      return QString::fromStdString(node_.Description());
    default:
      return QString();
  }
}

QRect AccessibleNodeInterface::rect() const { return tree_.ScreenRect(node_.BoundsInWindow()); }

QAccessible::Role AccessibleNodeInterface::role() const { return QtRole(node_.Role()); }

QAccessible::State AccessibleNodeInterface::state() const {
  QAccessible::State state;
  state.focusable = node_.IsFocusable();
  state.focused = node_.IsFocused();
  state.checkable = node_.IsCheckable();
  state.checked = node_.IsChecked();
  state.selected = node_.IsSelected();
  state.selectable = node_.DefaultAction() == AccessibleAction::Select;
  return state;
}

void* AccessibleNodeInterface::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

// The default action comes first, where readers look for it; a page tab is pressed to be
// chosen, as Qt's own tab bars are.
QStringList AccessibleNodeInterface::actionNames() const {
  QStringList names;
  if (const QString action = DefaultActionName(node_.DefaultAction()); !action.isEmpty()) names.append(action);
  if (node_.IsFocusable()) names.append(setFocusAction());
  return names;
}

void AccessibleNodeInterface::doAction(const QString& actionName) {
  if (actionName.isEmpty()) return;
  if (actionName == DefaultActionName(node_.DefaultAction())) {
    node_.DoDefaultAction();
  } else if (actionName == setFocusAction() && node_.IsFocusable()) {
    node_.TakeFocus();
  }
}

}  // namespace toolkit::platform::qt
