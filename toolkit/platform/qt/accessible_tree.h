#pragma once

#include <QRect>
#include <memory>
#include <unordered_map>
#include <vector>

#include "toolkit/platform/platform.h"

class QAccessibleEvent;
class QAccessibleInterface;
class QWidget;

namespace toolkit::platform::qt {

class AccessibleNodeInterface;

// A window's accessibility tree as Qt's screen-reader bridge sees it. The toolkit's root node
// stands for the window itself, whose interface is the window widget's own. Every other node
// gets an interface of its own when Qt first asks for it, kept with its id for as long as the
// window lives, since the nodes live that long too.
class AccessibleTree {
 public:
  AccessibleTree(QWidget& window, WindowEvents& events);
  ~AccessibleTree();
  AccessibleTree(const AccessibleTree&) = delete;
  AccessibleTree& operator=(const AccessibleTree&) = delete;

  // Made by Qt's accessibility factory for the window widget; deleted with the tree.
  QAccessibleInterface* MakeWindowInterface();

  QWidget& Window() const { return window_; }
  AccessibleNode* Root() const { return events_.AccessibleRoot(); }

  // The interface that mirrors the node: the window's for the root, none for no node.
  QAccessibleInterface* InterfaceFor(AccessibleNode* node);

  QAccessibleInterface* Child(const AccessibleNode* parent, int index);
  int IndexOfChild(const AccessibleNode* parent, const QAccessibleInterface* child) const;
  // The child of the parent that lies on top at the point, in screen coordinates.
  QAccessibleInterface* ChildAt(const AccessibleNode* parent, int x, int y);
  QAccessibleInterface* FocusedInterface();
  QRect ScreenRect(const Rect& boundsInWindow) const;

  // What a screen reader is told of the change, in order.
  std::vector<std::unique_ptr<QAccessibleEvent>> EventsFor(AccessibleNode& node, AccessibleChange change);
  void Notify(AccessibleNode& node, AccessibleChange change);

 private:
  using Children = std::vector<AccessibleNode*>;
  void TellChildrenChanged(AccessibleNode& node, std::vector<std::unique_ptr<QAccessibleEvent>>& events);

  QWidget& window_;
  WindowEvents& events_;
  QAccessibleInterface* windowInterface_ = nullptr;
  std::unordered_map<const AccessibleNode*, AccessibleNodeInterface*> nodeInterfaces_;
  // The children of each node as a screen reader last learnt them: when it first asked for
  // one of them, and then from every change told.
  std::unordered_map<const AccessibleNode*, Children> toldChildren_;
  AccessibleNode* toldSelected_ = nullptr;  // the page tab last told to be selected
};

}  // namespace toolkit::platform::qt
