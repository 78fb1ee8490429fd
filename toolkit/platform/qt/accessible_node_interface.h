#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::qt {

class AccessibleTree;

// How one of the toolkit's controls appears to a screen reader. The control is no QObject, so
// the interface is registered with Qt by the tree and lives as long as it.
class AccessibleNodeInterface final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleNodeInterface(AccessibleTree& tree, AccessibleNode& node);

  const AccessibleNode& Node() const { return node_; }

  bool isValid() const override { return true; }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QString text(QAccessible::Text type) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  AccessibleTree& tree_;
  AccessibleNode& node_;
};

}  // namespace toolkit::platform::qt
