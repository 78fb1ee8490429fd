#pragma once

#include <string>
#include <utility>
#include <vector>

#include "toolkit/platform/platform.h"

// A node of an accessibility tree whose role, name, place and states a test sets as it likes,
// and which counts the screen reader's requests for focus.
struct FakeNode : toolkit::platform::AccessibleNode {
  FakeNode(toolkit::platform::AccessibleRole role, std::string name, toolkit::Rect bounds)
      : role(role), name(std::move(name)), bounds(bounds) {}

  FakeNode& Add(FakeNode& child) {
    child.parent = this;
    children.push_back(&child);
    return *this;
  }

  toolkit::platform::AccessibleRole Role() const override { return role; }
  std::string Name() const override { return name; }
  toolkit::Rect BoundsInWindow() const override { return bounds; }
  bool IsFocusable() const override { return focusable; }
  bool IsFocused() const override { return focused; }
  bool IsCheckable() const override { return checkable; }
  bool IsChecked() const override { return checked; }
  bool IsSelected() const override { return selected; }
  AccessibleNode* AccessibleParent() const override { return parent; }
  int AccessibleChildCount() const override { return static_cast<int>(children.size()); }
  AccessibleNode* AccessibleChild(int index) const override { return children.at(index); }
  void TakeFocus() override { ++focusRequests; }
  toolkit::platform::AccessibleAction DefaultAction() const override { return action; }
  void DoDefaultAction() override { ++defaultActions; }
  std::string Description() const override { return description; }

  toolkit::platform::AccessibleRole role;
  std::string name;
  toolkit::Rect bounds;
  bool focusable = false;
  bool focused = false;
  bool checkable = false;
  bool checked = false;
  bool selected = false;
  int focusRequests = 0;
  toolkit::platform::AccessibleAction action = toolkit::platform::AccessibleAction::None;
  std::string description;
  int defaultActions = 0;
  FakeNode* parent = nullptr;
  std::vector<FakeNode*> children;
};

// A card page in miniature: the tab list with two page dots, and a page with every kind of
// control; the first page is shown, the check box is checked and the button has the focus.
struct MiniatureCardPage {
  MiniatureCardPage() {
    root.Add(tabs).Add(page);
    tabs.Add(dot1).Add(dot2);
    page.Add(picture).Add(answer).Add(check).Add(next);
    dot1.focusable = dot1.selected = true;
    dot1.action = dot2.action = Action::Select;
    check.focusable = check.checkable = check.checked = true;
    check.action = Action::Toggle;
    check.description = answer.name;
    next.focusable = next.focused = true;
    next.action = Action::Press;
  }
  MiniatureCardPage(const MiniatureCardPage&) = delete;
  MiniatureCardPage& operator=(const MiniatureCardPage&) = delete;

  using Role = toolkit::platform::AccessibleRole;
  using Action = toolkit::platform::AccessibleAction;
  FakeNode root{Role::Window, "Тарвель. Zaze", {0, 0, 663, 480}};
  FakeNode tabs{Role::PageTabList, "", {0, 0, 663, 480}};
  FakeNode dot1{Role::PageTab, "Страница 1", {3, 451, 11, 459}};
  FakeNode dot2{Role::PageTab, "Страница 2", {13, 451, 21, 459}};
  FakeNode page{Role::Pane, "", {0, 0, 663, 440}};
  FakeNode picture{Role::Graphic, "", {0, 0, 663, 249}};
  FakeNode answer{Role::StaticText, "Ответ", {0, 273, 663, 440}};
  FakeNode check{Role::CheckBox, "Правильный ответ", {0, 249, 137, 273}};
  FakeNode next{Role::Button, "Следующий", {137, 249, 217, 273}};
};
