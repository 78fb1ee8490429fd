#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "tests/platform_web/browser/browser_runner.h"
#include "tests/platform_web/browser/page_values.h"
#include "tests/platform_web/browser/test_platform.h"
#include "tests/support/fake_accessible_node.h"
#include "tests/support/recording_window_events.h"

namespace {

using namespace browser_tests;
using toolkit::platform::AccessibleChange;

// The ARIA role a screen reader is given for each of the toolkit's roles; static text is plain
// text in its element.
constexpr const char* kAriaRoles[] = {"application", "tablist", "tab", "group", "img", "text", "checkbox", "button"};

// One line for each element of the newest window's mirror, depth first: its role, its name, its
// states, its place on the page in CSS pixels, and its parent's role.
constexpr std::string_view kMirrorLines = R"((() => {
  const lines = [];
  const visit = (element, parentRole) => {
    const role = element.getAttribute('role') ?? 'text';
    const name = role === 'text' ? element.textContent : element.getAttribute('aria-label') ?? '';
    const box = element.getBoundingClientRect();
    let line = role + ' "' + name + '"';
    if (element.hasAttribute('aria-checked')) line += ' checked=' + element.getAttribute('aria-checked');
    if (element.hasAttribute('aria-selected')) line += ' selected=' + element.getAttribute('aria-selected');
    if (element.hasAttribute('tabindex')) line += ' tabindex=' + element.getAttribute('tabindex');
    lines.push(line + ' at ' + box.left + ',' + box.top + ' ' + box.width + 'x' + box.height + ' in ' + parentRole);
    for (const child of element.children) visit(child, role);
  };
  const windows = document.querySelectorAll('[role=application]');
  if (windows.length > 0) visit(windows[windows.length - 1], 'page');
  return lines.join('\n');
})())";

// The element with the page's focus, by its role and name.
constexpr std::string_view kFocusedElement =
    "(element => (element.getAttribute('role') ?? element.tagName) + ' ' + (element.getAttribute('aria-label') ?? ''))"
    "(document.activeElement)";

void Describe(const FakeNode& node, const char* parentRole, std::vector<std::string>& lines) {
  const char* role = kAriaRoles[static_cast<int>(node.role)];
  std::ostringstream line;
  line << role << " \"" << node.name << '"';
  if (node.checkable) line << " checked=" << (node.checked ? "true" : "false");
  if (node.role == toolkit::platform::AccessibleRole::PageTab) line << " selected=" << (node.selected ? "true" : "false");
  if (node.focusable) line << " tabindex=-1";
  line << " at " << node.bounds.left << ',' << node.bounds.top << ' ' << node.bounds.Width() << 'x'
       << node.bounds.Height() << " in " << parentRole;
  lines.push_back(line.str());
  for (const FakeNode* child : node.children) Describe(*child, role, lines);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// The miniature card page in a shown window.
class AccessibilityTest : public testing::Test, protected MiniatureCardPage {
 protected:
  AccessibilityTest() {
    events.root = &root;
    window->Show();
    events.log.clear();
  }

  // What the mirror should be: every node of the tree as it stands.
  std::vector<std::string> Expected() const {
    std::vector<std::string> lines;
    Describe(root, "page", lines);
    return lines;
  }

  static std::vector<std::string> Mirrored() { return Lines(PageValue(kMirrorLines)); }

  int FocusRequests() const {
    int requests = 0;
    for (const FakeNode* node : {&root, &tabs, &dot1, &dot2, &page, &picture, &answer, &check, &next}) {
      requests += node->focusRequests;
    }
    return requests;
  }

  RecordingWindowEvents events;
  std::unique_ptr<toolkit::platform::Window> window = TestPlatform().CreateWindow(events);
};

TEST_F(AccessibilityTest, EveryControlIsMirroredWithItsRoleNameStatesAndPlace) { EXPECT_EQ(Mirrored(), Expected()); }

TEST_F(AccessibilityTest, TheMirrorShowsWithItsWindowAndGoesWithIt) {
  window.reset();
  EXPECT_THAT(Mirrored(), testing::IsEmpty());

  window = TestPlatform().CreateWindow(events);
  TestPlatform().ProcessPendingMessages();
  EXPECT_EQ(PageValue("[...document.querySelectorAll('[role=application]')].filter(e => "
                      "e.checkVisibility({visibilityProperty: true})).length"),
            "0")
      << "no screen reader reads a window not shown";
  window->Show();
  EXPECT_EQ(Mirrored(), Expected());
}

// A change of the tree, and how the window is told of it.
struct TreeChange {
  const char* name;
  std::function<void()> change;
  FakeNode& node;
  AccessibleChange told;
};

TEST_F(AccessibilityTest, TheMirrorFollowsEveryChangeItIsToldOf) {
  const TreeChange changes[] = {
      {"the box unchecked", [&] { check.checked = false; }, check, AccessibleChange::State},
      {"the next page shown", [&] { dot1.selected = false, dot2.selected = true; }, dot2, AccessibleChange::State},
      {"the answer renamed", [&] { answer.name = "Другой ответ"; }, answer, AccessibleChange::Name},
      {"the answer hidden", [&] { std::erase(page.children, &answer); }, page, AccessibleChange::Structure},
      {"the answer back", [&] { page.children.insert(page.children.begin() + 1, &answer); }, page,
       AccessibleChange::Structure},
      {"the page moved",
       [&] {
         picture.bounds = {10, 20, 300, 200};
       },
       root, AccessibleChange::Structure},
  };
  for (const TreeChange& step : changes) {
    step.change();
    window->NotifyAccessibility(step.node, step.told);
    TestPlatform().ProcessPendingMessages();
    EXPECT_EQ(Mirrored(), Expected()) << step.name;
  }
}

TEST_F(AccessibilityTest, ThePagesFocusFollowsTheToolkitsWithoutComingBack) {
  EXPECT_EQ(PageValue(kFocusedElement), "button Следующий");

  next.focused = false;
  dot1.focused = true;
  window->NotifyAccessibility(dot1, AccessibleChange::Focus);
  TestPlatform().ProcessPendingMessages();

  EXPECT_EQ(PageValue(kFocusedElement), "tab Страница 1");
  EXPECT_EQ(FocusRequests(), 0) << "the program's own focus is no screen reader's request";
  EXPECT_THAT(events.log, testing::IsEmpty());
}

TEST_F(AccessibilityTest, AScreenReadersFocusReachesTheControl) {
  PageValue("document.querySelector('[role=checkbox]').focus()");
  TestPlatform().ProcessPendingMessages();

  EXPECT_EQ(check.focusRequests, 1);
  EXPECT_EQ(FocusRequests(), 1);
}

// A screen reader activates an element by a click on it, which reaches the control as a click of
// the left button in its middle would, after the control has taken the focus if it can.
TEST_F(AccessibilityTest, AScreenReadersClickPressesTheControlInItsMiddle) {
  const struct {
    const char* role;
    FakeNode& node;
    std::vector<std::string> pointer;
  } cases[] = {
      {"checkbox", check, {"press Left 68.5,261", "release Left 68.5,261"}},
      {"button", next, {"press Left 177,261", "release Left 177,261"}},
      {"img", picture, {"press Left 331.5,124.5", "release Left 331.5,124.5"}},
  };
  for (const auto& target : cases) {
    events.log.clear();
    const int requests = FocusRequests();
    PageValue("document.querySelector('[role=" + std::string(target.role) + "]').click()");
    TestPlatform().ProcessPendingMessages();

    EXPECT_EQ(events.log, target.pointer) << target.role;
    EXPECT_EQ(FocusRequests() - requests, target.node.focusable ? 1 : 0) << target.role;
    EXPECT_EQ(target.node.focusRequests, target.node.focusable ? 1 : 0) << target.role;
  }
}

// What Chromium hands screen readers, named controls only: the canvas itself is hidden from them.
TEST_F(AccessibilityTest, TheBrowserReportsTheControlsToScreenReaders) {
  const std::string tree = Perform({AccessibilityTree()});
  const std::string lines = PageValue(
      "(" + tree +
      ")[0].nodes.filter(node => node.name !== '' && node.role !== 'RootWebArea')"
      ".map(node => node.role + ' ' + node.name + (node.checked === undefined ? '' : ' checked=' + node.checked)"
      " + (node.selected ? ' selected' : '') + (node.focused ? ' focused' : '')).join('\\n')");

  EXPECT_THAT(Lines(lines),
              testing::IsSupersetOf({"tab Страница 1 selected", "tab Страница 2", "checkbox Правильный ответ checked=true",
                                     "button Следующий focused", "StaticText Ответ"}));
  EXPECT_THAT(Lines(lines), testing::Each(testing::Not(testing::StartsWith("canvas"))));
}

}  // namespace
