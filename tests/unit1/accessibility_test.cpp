#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "deck/deck.h"
#include "tests/support/toolkit_printers.h"
#include "tests/unit1/deck_form.h"

using toolkit::platform::AccessibleChange;
using toolkit::platform::AccessibleNode;
using toolkit::platform::AccessibleRole;

namespace {

struct Announced {
  AccessibleRole role;
  std::string name;
  bool operator==(const Announced&) const = default;
};

void PrintTo(const Announced& node, std::ostream* out) {
  toolkit::platform::PrintTo(node.role, out);
  *out << " \"" << node.name << "\"";
}

// Every node below `node`, depth first, checking that each names its parent.
void CollectBelow(const AccessibleNode& node, std::vector<const AccessibleNode*>& nodes) {
  for (int i = 0; i < node.AccessibleChildCount(); ++i) {
    const AccessibleNode* child = node.AccessibleChild(i);
    EXPECT_NE(child, nullptr);
    if (child == nullptr) continue;
    EXPECT_EQ(child->AccessibleParent(), &node) << child->Name();
    nodes.push_back(child);
    CollectBelow(*child, nodes);
  }
}

class AccessibilityTree : public testing::Test {
 protected:
  AccessibleNode& Root() const { return *deck.Form().AccessibleRoot(); }
  std::vector<const AccessibleNode*> Everything() const {
    std::vector<const AccessibleNode*> nodes;
    CollectBelow(Root(), nodes);
    return nodes;
  }
  std::vector<const AccessibleNode*> WithRole(AccessibleRole role) const {
    std::vector<const AccessibleNode*> found;
    for (const AccessibleNode* node : Everything()) {
      if (node->Role() == role) found.push_back(node);
    }
    return found;
  }
  // The nodes after the page tabs: the current page's controls, in order.
  std::vector<Announced> PageControls() const {
    std::vector<Announced> controls;
    for (const AccessibleNode* node : Everything()) {
      if (node->Role() != AccessibleRole::PageTab && node->Role() != AccessibleRole::PageTabList) {
        controls.push_back({node->Role(), node->Name()});
      }
    }
    return controls;
  }

  DeckForm deck;
};

TEST_F(AccessibilityTree, IsTheWindowWithItsPageTabsThenTheCurrentPage) {
  EXPECT_EQ(Root().Role(), AccessibleRole::Window);
  EXPECT_EQ(Root().Name(), "Тарвель. Zaze");
  EXPECT_EQ(Root().AccessibleParent(), nullptr);
  ASSERT_EQ(Root().AccessibleChildCount(), 1);
  const AccessibleNode& tabs = *Root().AccessibleChild(0);
  EXPECT_EQ(tabs.Role(), AccessibleRole::PageTabList);
  EXPECT_EQ(tabs.BoundsInWindow(), (toolkit::Rect{0, 0, 663, 480}));
  ASSERT_GT(tabs.AccessibleChildCount(), 120);
  for (int page = 1; page <= 120; ++page) {
    const AccessibleNode& tab = *tabs.AccessibleChild(page - 1);
    EXPECT_EQ(tab.Role(), AccessibleRole::PageTab) << page;
    EXPECT_EQ(tab.Name(), "Страница " + std::to_string(page));
    EXPECT_EQ(tab.BoundsInWindow(), deck.Page(page)->BoundsInWindow()) << page;
    EXPECT_TRUE(tab.IsFocusable()) << page;
    EXPECT_EQ(tab.IsSelected(), page == 1) << page;
  }
  const std::vector<Announced> expected = {{AccessibleRole::Graphic, ""},
                                           {AccessibleRole::Pane, ""},
                                           {AccessibleRole::Pane, ""},
                                           {AccessibleRole::CheckBox, "Правильный ответ"},
                                           {AccessibleRole::Button, "Следующий"}};
  EXPECT_EQ(PageControls(), expected) << "card 1's controls only, its answer hidden";
}

TEST_F(AccessibilityTree, ShowsAnAnswerOnlyWhileItIsShown) {
  deck.Tabs().SetTabIndex(4);
  deck.Click(*deck.CheckBoxOf(5), 8, 12);  // card 5 keeps its answer shown while it is not current
  deck.Tabs().SetTabIndex(0);
  EXPECT_TRUE(WithRole(AccessibleRole::StaticText).empty()) << "no hidden answer, no other card's answer";

  deck.Click(*deck.CheckBoxOf(1), 8, 12);
  const auto texts = WithRole(AccessibleRole::StaticText);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->Name(), deck::AnswerText(1));
  EXPECT_EQ(texts[0]->BoundsInWindow(), (toolkit::Rect{0, 273, 663, 480}));

  deck.Click(*deck.CheckBoxOf(1), 8, 12);
  EXPECT_TRUE(WithRole(AccessibleRole::StaticText).empty());
}

TEST_F(AccessibilityTree, TheCheckBoxReportsItsStateAndItsChanges) {
  const auto boxes = WithRole(AccessibleRole::CheckBox);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_TRUE(boxes[0]->IsCheckable());
  EXPECT_FALSE(boxes[0]->IsChecked());
  EXPECT_TRUE(boxes[0]->IsFocusable());
  const size_t before = deck.Window().Notifications().size();
  deck.Click(*deck.CheckBoxOf(1), 8, 12);
  EXPECT_TRUE(boxes[0]->IsChecked());
  EXPECT_TRUE(boxes[0]->IsFocused());
  const auto& notifications = deck.Window().Notifications();
  EXPECT_TRUE(std::any_of(notifications.begin() + static_cast<long>(before), notifications.end(), [&](const auto& n) {
    return n.node == boxes[0] && n.change == AccessibleChange::State;
  }));
}

TEST_F(AccessibilityTree, FollowsThePageChange) {
  deck.Click(*deck.NextButtonOf(1));
  EXPECT_EQ(WithRole(AccessibleRole::Graphic).size(), 1u);
  const auto buttons = WithRole(AccessibleRole::Button);
  ASSERT_EQ(buttons.size(), 1u);
  EXPECT_EQ(buttons[0], deck.NextButtonOf(2)) << "the new page's button";

  deck.Tabs().SetTabIndex(119);
  const std::vector<Announced> endPage = {{AccessibleRole::Pane, ""}, {AccessibleRole::Button, "В начало"}};
  EXPECT_EQ(PageControls(), endPage);

  std::vector<std::string> selected;
  for (const AccessibleNode* tab : WithRole(AccessibleRole::PageTab)) {
    if (tab->IsSelected()) selected.push_back(tab->Name());
  }
  EXPECT_EQ(selected, std::vector<std::string>{"Страница 120"}) << "the current page's tab alone";
}

}  // namespace
