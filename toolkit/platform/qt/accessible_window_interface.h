#pragma once

#include <QAccessibleWidget>

namespace toolkit::platform::qt {

class AccessibleTree;

// The window widget as a screen reader sees it: Qt's own description of a window (role,
// caption, frame, state), with the toolkit's controls as its children.
class AccessibleWindowInterface final : public QAccessibleWidget {
 public:
  AccessibleWindowInterface(QWidget& window, AccessibleTree& tree);

  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* focusChild() const override;

 private:
  AccessibleTree& tree_;
};

}  // namespace toolkit::platform::qt
