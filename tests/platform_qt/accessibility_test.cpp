#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>

#include "tests/support/fake_accessible_node.h"
#include "tests/support/recording_window_events.h"
#include "tests/platform_qt/test_platform.h"
#include "toolkit/platform/qt/window_widget.h"

namespace {

using toolkit::Rect;
using toolkit::platform::AccessibleChange;

// The miniature card page in a shown window.
class AccessibilityTest : public testing::Test, protected MiniatureCardPage {
 protected:
  AccessibilityTest() {
    events.root = &root;
    window->SetCaption("Тарвель. Zaze");
    window->SetClientSize(663, 480);
    window->Show();
  }

  QAccessibleInterface* WindowInterface() { return QAccessible::queryAccessibleInterface(&WidgetOf(*window)); }

  QRect OnScreen(const Rect& bounds) {
    return QRect(WidgetOf(*window).mapToGlobal(QPoint(bounds.left, bounds.top)),
                 QSize(bounds.Width(), bounds.Height()));
  }

  RecordingWindowEvents events;
  std::unique_ptr<toolkit::platform::Window> window = TestPlatform().CreateWindow(events);
};

TEST_F(AccessibilityTest, TheWindowIsNamedByItsCaptionAndHoldsTheRootsChildren) {
  QAccessibleInterface* window = WindowInterface();
  ASSERT_NE(window, nullptr);

  EXPECT_EQ(window->role(), QAccessible::Window);
  EXPECT_EQ(window->text(QAccessible::Name), QString::fromUtf8("Тарвель. Zaze"));
  ASSERT_EQ(window->childCount(), 2);
  EXPECT_EQ(window->child(0)->role(), QAccessible::PageTabList);
  EXPECT_EQ(window->child(1)->role(), QAccessible::Pane);
  EXPECT_EQ(window->child(0)->parent(), window);
  EXPECT_EQ(window->indexOfChild(window->child(1)), 1);
  EXPECT_EQ(window->child(2), nullptr);
}

TEST_F(AccessibilityTest, EveryControlIsMirroredWithItsRoleNamePlaceAndParent) {
  QAccessibleInterface* pane = WindowInterface()->child(1);
  ASSERT_EQ(pane->childCount(), 4);
  const struct {
    FakeNode& node;
    QAccessible::Role role;
  } expected[] = {
      {picture, QAccessible::Graphic},
      {answer, QAccessible::StaticText},
      {check, QAccessible::CheckBox},
      {next, QAccessible::Button},
  };
  for (int index = 0; index < 4; ++index) {
    QAccessibleInterface* child = pane->child(index);
    ASSERT_NE(child, nullptr);
    const FakeNode& node = expected[index].node;
    EXPECT_EQ(child->role(), expected[index].role) << index;
    EXPECT_EQ(child->text(QAccessible::Name).toStdString(), node.name) << index;
    EXPECT_EQ(child->rect(), OnScreen(node.bounds)) << index;
    EXPECT_EQ(child->parent(), pane) << index;
    EXPECT_EQ(pane->indexOfChild(child), index);
    EXPECT_EQ(child->window(), WidgetOf(*window).windowHandle());
  }
  QAccessibleInterface* dots = WindowInterface()->child(0);
  EXPECT_EQ(dots->child(1)->role(), QAccessible::PageTab);
  EXPECT_EQ(dots->child(1)->text(QAccessible::Name), QString::fromUtf8("Страница 2"));
  EXPECT_EQ(dots->indexOfChild(pane->child(0)), -1) << "not a child of the tab list";
}

TEST_F(AccessibilityTest, InterfacesAreMadeOnceAndKeepTheirIds) {
  QAccessibleInterface* first = WindowInterface()->child(1)->child(2);
  const QAccessible::Id id = QAccessible::uniqueId(first);

  EXPECT_EQ(WindowInterface()->child(1)->child(2), first);
  EXPECT_EQ(QAccessible::accessibleInterface(id), first);
}

TEST_F(AccessibilityTest, StatesFollowTheControls) {
  QAccessibleInterface* box = WindowInterface()->child(1)->child(2);
  EXPECT_TRUE(box->state().checkable);
  EXPECT_TRUE(box->state().checked);
  EXPECT_TRUE(box->state().focusable);
  EXPECT_FALSE(box->state().focused);

  check.checked = false;
  EXPECT_FALSE(box->state().checked);

  QAccessibleInterface* button = WindowInterface()->child(1)->child(3);
  EXPECT_TRUE(button->state().focused);
  EXPECT_FALSE(button->state().checkable);
  EXPECT_EQ(WindowInterface()->focusChild(), button);

  // The current page's dot is the selected one of the tabs.
  QAccessibleInterface* tabs = WindowInterface()->child(0);
  EXPECT_TRUE(tabs->child(0)->state().selected);
  EXPECT_FALSE(tabs->child(1)->state().selected);
  dot1.selected = false;
  dot2.selected = true;
  EXPECT_FALSE(tabs->child(0)->state().selected);
  EXPECT_TRUE(tabs->child(1)->state().selected);
}

TEST_F(AccessibilityTest, AScreenReaderFindsControlsByPointAndCanFocusThem) {
  const QPoint onButton = OnScreen(next.bounds).center();
  QAccessibleInterface* pane = WindowInterface()->childAt(onButton.x(), onButton.y());
  ASSERT_EQ(pane, WindowInterface()->child(1));
  EXPECT_EQ(pane->childAt(onButton.x(), onButton.y()), pane->child(3));

  QAccessibleInterface* dot = WindowInterface()->child(0)->child(0);
  QAccessibleActionInterface* actions = dot->actionInterface();
  ASSERT_NE(actions, nullptr);
  actions->doAction(QAccessibleActionInterface::setFocusAction());
  EXPECT_EQ(dot1.focusRequests, 1);
  EXPECT_EQ(dot1.defaultActions, 0);
}

TEST_F(AccessibilityTest, TheDefaultActionComesFirstUnderItsQtNameAndDoesWhatTheControlDoes) {
  const QString press = QAccessibleActionInterface::pressAction();
  const QString toggle = QAccessibleActionInterface::toggleAction();
  const QString focus = QAccessibleActionInterface::setFocusAction();
  QAccessibleInterface* pane = WindowInterface()->child(1);
  const struct {
    FakeNode& node;
    QAccessibleInterface* interface;
    QStringList names;
  } cases[] = {
      {next, pane->child(3), {press, focus}},
      {check, pane->child(2), {toggle, focus}},
      {dot1, WindowInterface()->child(0)->child(0), {press, focus}},
      {dot2, WindowInterface()->child(0)->child(1), {press}},
      {picture, pane->child(0), {}},
  };
  for (const auto& expected : cases) {
    QAccessibleActionInterface* actions = expected.interface->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames(), expected.names) << expected.node.name;
    actions->doAction(press);
    actions->doAction(toggle);
    EXPECT_EQ(expected.node.defaultActions, expected.names.isEmpty() ? 0 : 1) << expected.node.name << ": once, by its own name";
    EXPECT_EQ(expected.node.focusRequests, 0) << expected.node.name;
  }
  EXPECT_TRUE(WindowInterface()->child(0)->child(1)->state().selectable) << "a page tab";
  EXPECT_FALSE(pane->child(3)->state().selectable) << "a button";
}

TEST_F(AccessibilityTest, TheCheckBoxIsDescribedByTheRevealedAnswer) {
  QAccessibleInterface* box = WindowInterface()->child(1)->child(2);
  EXPECT_EQ(box->text(QAccessible::Description).toStdString(), answer.name);
  check.description.clear();
  EXPECT_TRUE(box->text(QAccessible::Description).isEmpty());
  EXPECT_EQ(box->text(QAccessible::Name).toStdString(), check.name);
}

TEST_F(AccessibilityTest, TheMirrorsGoWithTheWindow) {
  const QAccessible::Id id = QAccessible::uniqueId(WindowInterface()->child(1)->child(2));
  window.reset();

  EXPECT_EQ(QAccessible::accessibleInterface(id), nullptr);
}

// Qt's offscreen platform has no screen reader to pass events to, so the events are read
// where the window makes them.
TEST_F(AccessibilityTest, ChangesAreToldAsQtAccessibilityEvents) {
  auto& tree = static_cast<toolkit::platform::qt::WindowWidget&>(WidgetOf(*window)).Accessibility();
  QAccessibleInterface* box = WindowInterface()->child(1)->child(2);
  const struct {
    FakeNode& node;
    AccessibleChange change;
    QAccessible::Event type;
    QAccessibleInterface* interface;
  } cases[] = {
      {answer, AccessibleChange::Name, QAccessible::NameChanged, WindowInterface()->child(1)->child(1)},
      {check, AccessibleChange::State, QAccessible::StateChanged, box},
      {next, AccessibleChange::Focus, QAccessible::Focus, WindowInterface()->child(1)->child(3)},
  };
  for (const auto& expected : cases) {
    const auto events = tree.EventsFor(expected.node, expected.change);
    ASSERT_EQ(events.size(), 1u) << expected.node.name;
    EXPECT_EQ(events[0]->type(), expected.type) << expected.node.name;
    EXPECT_EQ(events[0]->accessibleInterface(), expected.interface) << expected.node.name;
  }
  const auto stateChange = tree.EventsFor(check, AccessibleChange::State);
  EXPECT_TRUE(static_cast<QAccessibleStateChangeEvent&>(*stateChange[0]).changedStates().checked);
}

using Told = std::vector<std::pair<QAccessible::Event, QAccessibleInterface*>>;

Told Summary(const std::vector<std::unique_ptr<QAccessibleEvent>>& events) {
  Told told;
  for (const auto& event : events) told.emplace_back(event->type(), event->accessibleInterface());
  return told;
}

// Never as ObjectReorder, whose children Qt 6.4 sends with a signature at-spi rejects.
TEST_F(AccessibilityTest, ChildrenThatComeAndGoAreToldOneByOneOnceAReaderHasSeenThem) {
  auto& tree = static_cast<toolkit::platform::qt::WindowWidget&>(WidgetOf(*window)).Accessibility();
  QAccessibleInterface* pane = WindowInterface()->child(1);
  QAccessibleInterface* answerInterface = pane->child(1);
  EXPECT_TRUE(tree.EventsFor(tabs, AccessibleChange::Structure).empty()) << "no reader has seen the tabs' children";

  std::erase(page.children, &answer);
  EXPECT_EQ(Summary(tree.EventsFor(page, AccessibleChange::Structure)),
            (Told{{QAccessible::ObjectDestroyed, answerInterface}}));
  EXPECT_TRUE(tree.EventsFor(page, AccessibleChange::Structure).empty()) << "nothing changed since";

  page.children.insert(page.children.begin() + 1, &answer);
  std::erase(page.children, &picture);
  EXPECT_EQ(Summary(tree.EventsFor(page, AccessibleChange::Structure)),
            (Told{{QAccessible::ObjectDestroyed, tree.InterfaceFor(&picture)},
                  {QAccessible::ObjectCreated, answerInterface}}));
}

TEST_F(AccessibilityTest, ASelectedTabIsToldAndSoIsTheOneThatLostTheSelection) {
  auto& tree = static_cast<toolkit::platform::qt::WindowWidget&>(WidgetOf(*window)).Accessibility();
  QAccessibleInterface* first = WindowInterface()->child(0)->child(0);
  QAccessibleInterface* second = WindowInterface()->child(0)->child(1);
  EXPECT_EQ(Summary(tree.EventsFor(dot2, AccessibleChange::Selection)), (Told{{QAccessible::SelectionAdd, second}}));
  EXPECT_EQ(Summary(tree.EventsFor(dot1, AccessibleChange::Selection)),
            (Told{{QAccessible::SelectionRemove, second}, {QAccessible::SelectionAdd, first}}));
}

}  // namespace
