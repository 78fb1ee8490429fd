#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "deck/deck.h"
#include "tests/support/toolkit_printers.h"
#include "tests/unit1/deck_form.h"

using toolkit::platform::AccessibleAction;
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

// What a learner can see and do after an action: the page, the focus, and card 1's reveal.
struct Outcome {
  int page;
  std::string focused;  // the focused control's name
  bool revealed;
  bool operator==(const Outcome&) const = default;
};

void PrintTo(const Outcome& outcome, std::ostream* out) {
  *out << "page " << outcome.page << (outcome.revealed ? ", answer shown" : ", answer hidden") << ", focus "
       << (outcome.focused.empty() ? "nowhere" : outcome.focused);
}

struct ActionCase {
  const char* what;
  AccessibleAction action;
  std::function<void(DeckForm&)> before;
  std::function<toolkit::TControl*(const DeckForm&)> control;
};

const ActionCase kActionCases[] = {
    {"Следующий", AccessibleAction::Press, [](DeckForm&) {}, [](const DeckForm& d) { return d.NextButtonOf(1); }},
    {"the check box", AccessibleAction::Toggle, [](DeckForm&) {}, [](const DeckForm& d) { return d.CheckBoxOf(1); }},
    {"the check box once more", AccessibleAction::Toggle, [](DeckForm& d) { d.Click(*d.CheckBoxOf(1), 8, 12); },
     [](const DeckForm& d) { return d.CheckBoxOf(1); }},
    {"another page's tab", AccessibleAction::Select, [](DeckForm&) {}, [](const DeckForm& d) { return d.Page(5); }},
    {"the current page's tab", AccessibleAction::Select, [](DeckForm&) {}, [](const DeckForm& d) { return d.Page(1); }},
    {"В начало", AccessibleAction::Press, [](DeckForm& d) { d.Tabs().SetTabIndex(119); },
     [](const DeckForm& d) { return d.BackToStart(); }},
};

class DefaultAction : public testing::TestWithParam<ActionCase> {
 protected:
  static Outcome After(std::function<void(DeckForm&, toolkit::TControl&)> act) {
    DeckForm deck;
    GetParam().before(deck);
    act(deck, *GetParam().control(deck));
    const toolkit::TControl* focused = deck.Form().Focused();
    return {deck.CurrentPage(), focused != nullptr ? focused->ComponentName() : "", deck.TextOf(1)->Visible()};
  }
};

TEST_P(DefaultAction, IsNamedForTheControlAndDoesWhatAClickDoes) {
  SCOPED_TRACE(GetParam().what);
  DeckForm deck;
  GetParam().before(deck);
  EXPECT_EQ(GetParam().control(deck)->DefaultAction(), GetParam().action);

  const Outcome clicked = After([](DeckForm& d, toolkit::TControl& control) { d.Click(control); });
  const Outcome acted = After([](DeckForm&, toolkit::TControl& control) { control.DoDefaultAction(); });
  EXPECT_EQ(acted, clicked);
  const Outcome untouched = After([](DeckForm&, toolkit::TControl&) {});
  EXPECT_NE(acted, untouched) << "it did something";
}

INSTANTIATE_TEST_SUITE_P(Controls, DefaultAction, testing::ValuesIn(kActionCases),
                         [](const testing::TestParamInfo<ActionCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(AccessibilityTree, OffersNoActionWhereAClickDoesNothing) {
  for (const AccessibleNode* node : Everything()) {
    if (node->Role() == AccessibleRole::Graphic || node->Role() == AccessibleRole::Pane) {
      EXPECT_EQ(node->DefaultAction(), AccessibleAction::None);
    }
  }
  EXPECT_EQ(Root().DefaultAction(), AccessibleAction::None);
  Root().DoDefaultAction();
  EXPECT_EQ(deck.CurrentPage(), 1);
}

TEST_F(AccessibilityTree, AHiddenControlsActionDoesNothing) {
  toolkit::TButton& next = *deck.NextButtonOf(2);
  next.DoDefaultAction();
  deck.CheckBoxOf(2)->DoDefaultAction();
  EXPECT_EQ(deck.CurrentPage(), 1);
  EXPECT_FALSE(deck.CheckBoxOf(2)->IsChecked());
}

TEST_F(AccessibilityTree, TheCheckBoxIsDescribedByTheAnswerItReveals) {
  toolkit::TCheckBox& box = *deck.CheckBoxOf(1);
  EXPECT_EQ(box.Description(), "");
  const auto& notifications = deck.Window().Notifications();
  const auto described = [&](size_t from) {
    return std::count_if(notifications.begin() + static_cast<long>(from), notifications.end(), [&](const auto& n) {
      return n.node == &box && n.change == AccessibleChange::Description;
    });
  };
  for (const bool revealed : {true, false}) {
    const size_t before = notifications.size();
    deck.Click(box, 8, 12);
    EXPECT_EQ(box.Description(), revealed ? deck::AnswerText(1) : "");
    EXPECT_EQ(described(before), 1) << "told once that the description changed";
  }
  EXPECT_EQ(deck.CheckBoxOf(2)->Description(), "") << "each card's box is described by its own answer";
  deck.Tabs().SetTabIndex(1);
  deck.Click(*deck.CheckBoxOf(2), 8, 12);
  EXPECT_EQ(deck.CheckBoxOf(2)->Description(), deck::AnswerText(2));
  EXPECT_EQ(box.Description(), "");
}

TEST_F(AccessibilityTree, TellsWhichPageTabIsSelectedWheneverThePageChanges) {
  const std::function<void()> changes[] = {
      [&] { deck.Click(*deck.NextButtonOf(1)); },
      [&] { deck.Click(*deck.Page(7)); },
      [&] { deck.Tabs().SetTabIndex(119); },
      [&] { deck.Click(*deck.BackToStart()); },
  };
  for (const auto& change : changes) {
    const size_t before = deck.Window().Notifications().size();
    change();
    const auto& notifications = deck.Window().Notifications();
    std::vector<const AccessibleNode*> selected;
    for (auto n = notifications.begin() + static_cast<long>(before); n != notifications.end(); ++n) {
      if (n->change == AccessibleChange::Selection) selected.push_back(n->node);
    }
    const AccessibleNode* current = deck.Page(deck.CurrentPage());
    EXPECT_EQ(selected, std::vector<const AccessibleNode*>{current}) << "page " << deck.CurrentPage();
    EXPECT_TRUE(current->IsSelected());
  }
}

}  // namespace
