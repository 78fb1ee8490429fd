#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "tests/platform_web/browser/browser_runner.h"
#include "tests/platform_web/browser/page_values.h"
#include "tests/platform_web/browser/test_platform.h"
#include "tests/support/recording_window_events.h"

namespace {

using namespace browser_tests;
using toolkit::platform::TouchPhase;

std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }

// Real input, through the browser, on a shown window filling the page.
class InputTest : public testing::Test {
 protected:
  void SetUp() override {
    window_->Show();
    ProcessFor(0.05);
    Forget();
  }

  void Forget() {
    events_.log.clear();
    events_.touches.clear();
  }

  // Performs the input and hands on what the page saw of it, waiting for as many lines as
  // expected and a little longer for any more.
  void Deliver(const DriverCommands& input, std::size_t lines) {
    Perform(input);
    ProcessUntil([&] { return events_.log.size() + events_.touches.size() >= lines; }, 2);
    ProcessFor(0.02);
  }

  RecordingWindowEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_ = TestPlatform().CreateWindow(events_);
};

struct MouseCase {
  const char* name;
  DriverCommands input;
  std::vector<std::string> expected;
};

// Each case presses far from where the one before pressed, so that no two make a double click.
TEST_F(InputTest, TheMouseReachesTheWindowInClientCoordinatesButtonByButton) {
  const int right = window_->ClientWidth();
  const MouseCase cases[] = {
      {"press, move, release",
       {MouseMove(10, 20), MouseDown(), MouseMove(30, 40), MouseUp("left", 31, 41)},
       {"move 10,20", "press Left 10,20", "move 30,40", "move 31,41", "release Left 31,41"}},
      {"the other buttons",
       {MouseMove(60, 30), MouseDown("right"), MouseUp("right"), MouseDown("middle"), MouseUp("middle")},
       {"move 60,30", "press Right 60,30", "release Right 60,30", "press Middle 60,30", "release Middle 60,30"}},
      // Pointer Events report the second button of a chord as a move.
      {"a chorded second button",
       {MouseMove(110, 40), MouseDown(), MouseDown("right"), MouseUp("right"), MouseUp()},
       {"move 110,40", "press Left 110,40", "move 110,40", "press Right 110,40", "release Right 110,40", "move 110,40",
        "release Left 110,40"}},
      {"a double click",
       {Click(160, 60, 2)},
       {"move 160,60", "press Left 160,60", "release Left 160,60", "double Left 160,60", "release Left 160,60"}},
      {"leaving the viewport", {MouseMove(200, 100), MouseMove(right + 50, 100)}, {"move 200,100", "leave"}},
      // The page captures the pointer as it goes down.
      {"a release outside the viewport",
       {MouseMove(right - 10, 100), MouseDown(), MouseMove(right + 60, 100), MouseUp("left", right + 100, -20)},
       {"move " + At(right - 10, 100), "press Left " + At(right - 10, 100), "move " + At(right + 60, 100),
        "move " + At(right + 100, -20), "release Left " + At(right + 100, -20), "leave"}},
  };
  for (const MouseCase& mouse : cases) {
    Forget();
    Deliver(mouse.input, mouse.expected.size());
    EXPECT_EQ(events_.log, mouse.expected) << mouse.name;
  }
}

// A touch as the window receives it: its phase, the finger (0 for the first seen), and where.
using Contact = std::tuple<TouchPhase, int, double, double>;

struct TouchCase {
  const char* name;
  DriverCommands input;
  std::vector<Contact> expected;
};

TEST_F(InputTest, TouchesKeepTheirIdsAndMakeNoMouseEvents) {
  const TouchCase cases[] = {
      {"one finger",
       {Touch({{10, 10}}), Touch({{20, 12}}), Touch({{30, 14}}), Touch({})},
       {{TouchPhase::Down, 0, 10, 10},
        {TouchPhase::Move, 0, 20, 12},
        {TouchPhase::Move, 0, 30, 14},
        {TouchPhase::Up, 0, 30, 14}}},
      {"two fingers",
       {Touch({{10, 10}}), Touch({{20, 12}, {50, 50}}), Touch({{30, 14}, {50, 50}}), Touch({{30, 14}, {60, 55}}),
        Touch({})},
       {{TouchPhase::Down, 0, 10, 10},
        {TouchPhase::Move, 0, 20, 12},
        {TouchPhase::Down, 1, 50, 50},
        {TouchPhase::Move, 0, 30, 14},
        {TouchPhase::Move, 1, 60, 55},
        {TouchPhase::Up, 0, 30, 14},
        {TouchPhase::Up, 1, 60, 55}}},
  };
  for (const TouchCase& touch : cases) {
    SCOPED_TRACE(touch.name);
    Forget();
    Deliver(touch.input, touch.expected.size());

    std::map<int, int> fingers;  // by the window's ids
    std::vector<Contact> contacts;
    for (const RecordedTouch& seen : events_.touches) {
      const int finger = fingers.try_emplace(seen.id, static_cast<int>(fingers.size())).first->second;
      contacts.emplace_back(seen.phase, finger, seen.position.x, seen.position.y);
    }
    EXPECT_EQ(contacts, touch.expected);
    EXPECT_THAT(events_.log, testing::IsEmpty()) << "no mouse made up from a finger";
  }
}

// The browser cancels a touch it takes for a pan of its own, which the page allows here for the
// moment: a page taller than the viewport that lets the browser pan it.
TEST_F(InputTest, ATouchTheBrowserTakesOverIsCancelled) {
  PageValue(
      "(() => { const canvas = " + std::string(kNewestCanvas) +
      "; const spacer = document.body.appendChild(document.createElement('div'));"
      " spacer.style.height = '3000px'; canvas.style.touchAction = 'auto';"
      " window.restorePage = () => { spacer.remove(); canvas.style.touchAction = 'none'; scrollTo(0, 0); }; })()");
  Deliver({Touch({{100, 200}}), Touch({{100, 150}}), Touch({{100, 100}}), Touch({})}, 3);
  PageValue("restorePage()");

  ASSERT_GE(events_.touches.size(), 2u);
  EXPECT_EQ(events_.touches.front().phase, TouchPhase::Down);
  EXPECT_EQ(events_.touches.back().phase, TouchPhase::Cancel);
  for (const RecordedTouch& seen : events_.touches) {
    EXPECT_EQ(seen.id, events_.touches.front().id);
    EXPECT_NE(seen.phase, TouchPhase::Up) << "a cancelled touch never lifts";
  }
}

struct KeyCase {
  const char* key;  // puppeteer's name
  std::initializer_list<std::string_view> modifiers;
  std::vector<std::string> expected;
};

TEST_F(InputTest, KeysArriveWithTheirModifiersAndTypedCharacters) {
  const KeyCase cases[] = {
      {"Tab", {"Control"}, {"key Tab ctrl"}},
      {"Tab", {"Control", "Shift"}, {"key Tab shift ctrl"}},
      {"Tab", {"Shift"}, {"key Tab shift"}},
      {"Tab", {}, {"key Tab"}},
      {" ", {}, {"key Space", "char U+0020"}},
      {" ", {"Shift"}, {"key Space shift", "char U+0020 shift"}},
      {"Enter", {}, {"key Enter"}},
      {"ArrowLeft", {}, {"key Left"}},
      {"ArrowRight", {}, {"key Right"}},
      {"ArrowUp", {}, {"key Up"}},
      {"ArrowDown", {}, {"key Down"}},
      {"Escape", {}, {"key Escape"}},
      {"a", {}, {"key Other", "char U+0061"}},
      {"A", {"Shift"}, {"key Other shift", "char U+0041 shift"}},
      {"a", {"Alt"}, {"key Other alt", "char U+0061 alt"}},
      {"Backspace", {}, {"key Other"}},
      {"Control", {}, {}},
      {"Shift", {}, {}},
  };
  for (const KeyCase& key : cases) {
    Forget();
    Deliver({Key(key.key, key.modifiers)}, key.expected.size());
    EXPECT_EQ(events_.log, key.expected) << '"' << key.key << "\" with " << key.modifiers.size() << " modifiers";
  }
}

// A page larger than the viewport, which the keys and fingers below would scroll, pan or zoom
// were they not kept for the program.
TEST_F(InputTest, ThePageNeitherScrollsNorZoomsUnderTheProgramsInput) {
  PageValue(
      "(() => { const spacer = document.body.appendChild(document.createElement('div'));"
      " spacer.style.cssText = 'width: 3000px; height: 3000px';"
      " window.restorePage = () => { spacer.remove(); scrollTo(0, 0); }; })()");
  Deliver({Key(" "), Key("ArrowDown"), Key("ArrowRight"), Key("Enter"), Key("Tab"),
           Drag({200, 300}, {150, 50}, 200, "touch"),
           // A pinch, and a double tap.
           Touch({{150, 300}, {250, 300}}), Touch({{100, 300}, {300, 300}}), Touch({{50, 300}, {350, 300}}), Touch({}),
           Touch({{200, 200}}), Touch({}), Touch({{200, 200}}), Touch({})},
          0);
  const std::string viewport = PageJson("[scrollX, scrollY, visualViewport.scale]");
  PageValue("restorePage()");

  EXPECT_EQ(viewport, "[0,0,1]");
}

}  // namespace
