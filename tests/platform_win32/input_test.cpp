// Mouse, keyboard and window-command messages, sent or posted to the window, reach the
// toolkit's WindowEvents with the right values.
#include <gtest/gtest.h>
#include <tpcshrd.h>

#include <array>
#include <optional>
#include <string>

#include "tests/platform_win32/recording_events.h"
#include "tests/platform_win32/test_platform.h"

namespace lumivor::win32_tests {
namespace {

using toolkit::platform::Key;
using toolkit::platform::Modifiers;
using toolkit::platform::MouseButton;
using toolkit::platform::PointF;
using ButtonEvent = RecordingEvents::ButtonEvent;
using KeyEvent = RecordingEvents::KeyEvent;

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class WindowInput : public testing::Test {
 protected:
  void SetUp() override {
    window_ = TestPlatform().CreateWindow(events_);
    window_->SetClientSize(300, 200);
    window_->Show();
    TestPlatform().ProcessPendingMessages();
  }

  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(AsWin32(*window_).Handle(), message, wParam, lParam);
  }

  RecordingEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_;
};

struct ButtonMessages {
  MouseButton button;
  UINT down;
  UINT doubleClick;
  UINT up;
};

std::string ButtonName(MouseButton button) {
  switch (button) {
    case MouseButton::Left: return "Left";
    case MouseButton::Right: return "Right";
    case MouseButton::Middle: return "Middle";
  }
  return "";
}

class MouseButtons : public WindowInput, public testing::WithParamInterface<ButtonMessages> {};

TEST_P(MouseButtons, PressDoubleClickAndReleaseArriveWithTheirButtonAndClientPosition) {
  Send(GetParam().down, 0, At(12, 34));
  Send(GetParam().up, 0, At(13, 35));
  Send(GetParam().doubleClick, 0, At(14, 36));
  Send(GetParam().up, 0, At(15, 37));

  EXPECT_EQ(events_.presses, (std::vector<ButtonEvent>{{GetParam().button, PointF{12, 34}}}));
  EXPECT_EQ(events_.doubleClicks, (std::vector<ButtonEvent>{{GetParam().button, PointF{14, 36}}}));
  EXPECT_EQ(events_.releases,
            (std::vector<ButtonEvent>{{GetParam().button, PointF{13, 35}}, {GetParam().button, PointF{15, 37}}}));
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, MouseButtons,
    testing::Values(ButtonMessages{MouseButton::Left, WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_LBUTTONUP},
                    ButtonMessages{MouseButton::Right, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK, WM_RBUTTONUP},
                    ButtonMessages{MouseButton::Middle, WM_MBUTTONDOWN, WM_MBUTTONDBLCLK, WM_MBUTTONUP}),
    [](const auto& info) { return ButtonName(info.param.button); });

TEST_F(WindowInput, PostedMouseMessagesArriveThroughTheMessageLoop) {
  HWND handle = AsWin32(*window_).Handle();
  PostMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 50));
  PostMessageW(handle, WM_LBUTTONUP, 0, At(101, 51));
  EXPECT_TRUE(events_.presses.empty());

  TestPlatform().ProcessPendingMessages();

  EXPECT_EQ(events_.presses, (std::vector<ButtonEvent>{{MouseButton::Left, PointF{100, 50}}}));
  EXPECT_EQ(events_.releases, (std::vector<ButtonEvent>{{MouseButton::Left, PointF{101, 51}}}));
}

TEST_F(WindowInput, MovesCarrySignedPositionsAndLeavingIsReported) {
  window_->SetPointerCapture(true);
  EXPECT_EQ(GetCapture(), AsWin32(*window_).Handle());
  // Captured, the pointer is reported left of and above the client area too.
  Send(WM_MOUSEMOVE, 0, At(-5, -7));
  Send(WM_MOUSEMOVE, 0, At(40, 41));
  window_->SetPointerCapture(false);
  EXPECT_EQ(GetCapture(), nullptr);
  Send(WM_MOUSELEAVE, 0, 0);

  EXPECT_EQ(events_.moves, (std::vector<PointF>{{-5, -7}, {40, 41}}));
  EXPECT_EQ(events_.leaves, 1);
}

TEST_F(WindowInput, MousePointerMessagesAreLeftToWindowsAndGiveNoTouch) {
  // Pointer 1 is the mouse: Windows turns it into mouse messages itself.
  Send(WM_POINTERDOWN, MAKEWPARAM(1, 0), At(10, 10));
  Send(WM_POINTERUP, MAKEWPARAM(1, 0), At(10, 10));
  EXPECT_TRUE(events_.touches.empty());
}

// Windows 7 gives a finger's drag to the window as mouse input only with the system's gestures
// off: press and hold and flicks, which Windows asks about with a message of its own, and the
// pan, which the window sets off itself.
TEST_F(WindowInput, TurnsOffPressAndHoldAndFlicksWhenWindowsAsks) {
  const LRESULT status = Send(WM_TABLET_QUERYSYSTEMGESTURESTATUS, 0, 0);
  EXPECT_EQ(status & TABLET_DISABLE_PRESSANDHOLD, TABLET_DISABLE_PRESSANDHOLD);
  EXPECT_EQ(status & TABLET_DISABLE_FLICKS, TABLET_DISABLE_FLICKS);
}

TEST_F(WindowInput, TurnsOffThePanGesture) {
  GESTURECONFIG pan{GID_PAN, 0, 0};
  UINT count = 1;
  if (!GetGestureConfig(AsWin32(*window_).Handle(), 0, 0, &count, &pan, sizeof pan)) {
    GTEST_SKIP() << "this system does not report a window's gestures (Wine's GetGestureConfig is a stub)";
  }
  ASSERT_EQ(count, 1u);
  EXPECT_EQ(pan.dwWant, 0u);
  EXPECT_EQ(pan.dwBlock & GC_PAN, static_cast<DWORD>(GC_PAN));
}

struct KeyCase {
  const char* name;
  WPARAM virtualKey;
  Key key;
};

constexpr KeyCase kKeys[] = {
    {"Enter", VK_RETURN, Key::Enter}, {"Space", VK_SPACE, Key::Space}, {"Left", VK_LEFT, Key::Left},
    {"Right", VK_RIGHT, Key::Right},  {"Up", VK_UP, Key::Up},          {"Down", VK_DOWN, Key::Down},
    {"Tab", VK_TAB, Key::Tab},        {"Escape", VK_ESCAPE, Key::Escape}, {"LetterA", 'A', Key::Other},
    {"F5", VK_F5, Key::Other},        {"Shift", VK_SHIFT, Key::Other},
};

class KeyDown : public WindowInput, public testing::WithParamInterface<KeyCase> {};

TEST_P(KeyDown, KeyDownAndSystemKeyDownNameTheKey) {
  Send(WM_KEYDOWN, GetParam().virtualKey, 1);
  Send(WM_SYSKEYDOWN, GetParam().virtualKey, 1);
  EXPECT_EQ(events_.keys, (std::vector<KeyEvent>{{GetParam().key, Modifiers{}}, {GetParam().key, Modifiers{}}}));
}

INSTANTIATE_TEST_SUITE_P(Keys, KeyDown, testing::ValuesIn(kKeys),
                         [](const auto& info) { return std::string(info.param.name); });

// The thread's keyboard state, as GetKeyState reads it, with some keys held for a while.
class HeldKeys {
 public:
  explicit HeldKeys(std::initializer_list<int> keys) {
    GetKeyboardState(saved_.data());
    std::array<BYTE, 256> held = saved_;
    for (int key : keys) held[static_cast<std::size_t>(key)] = 0x80;
    SetKeyboardState(held.data());
  }
  ~HeldKeys() { SetKeyboardState(saved_.data()); }

 private:
  std::array<BYTE, 256> saved_{};
};

TEST_F(WindowInput, ModifiersAreThoseHeldWhenTheKeyCame) {
  {
    HeldKeys held{VK_CONTROL, VK_SHIFT};
    Send(WM_KEYDOWN, VK_TAB, 1);
    Send(WM_CHAR, 'x', 1);
  }
  {
    HeldKeys held{VK_MENU};
    Send(WM_SYSKEYDOWN, VK_LEFT, 1 | (1 << 29));
  }
  Send(WM_KEYDOWN, VK_TAB, 1);

  EXPECT_EQ(events_.keys, (std::vector<KeyEvent>{{Key::Tab, Modifiers{.shift = true, .control = true}},
                                                 {Key::Left, Modifiers{.alt = true}},
                                                 {Key::Tab, Modifiers{}}}));
  EXPECT_EQ(events_.typedModifiers, (std::vector<Modifiers>{Modifiers{.shift = true, .control = true}}));
}

TEST_F(WindowInput, TypedCharactersArriveAsUnicodeAndControlCharactersDoNot) {
  // 'a', a space, Cyrillic Ж, then Tab, Enter, Escape and Backspace, then U+1F600 as its two
  // surrogates, then a lone low surrogate.
  for (WPARAM unit : {0x61, 0x20, 0x416, 0x09, 0x0D, 0x1B, 0x08, 0xD83D, 0xDE00, 0xDE00, 0x7A}) {
    Send(WM_CHAR, unit, 1);
  }
  EXPECT_EQ(events_.typed, U"a Ж\U0001F600z");
}

TEST_F(WindowInput, APostedKeyIsTranslatedIntoItsCharacterByTheMessageLoop) {
  // As the keyboard does it: only the key comes; TranslateMessage makes the character.
  HWND handle = AsWin32(*window_).Handle();
  const LPARAM spaceKey = 1 | (static_cast<LPARAM>(MapVirtualKeyW(VK_SPACE, MAPVK_VK_TO_VSC)) << 16);
  PostMessageW(handle, WM_KEYDOWN, VK_SPACE, spaceKey);
  TestPlatform().ProcessPendingMessages();
  EXPECT_EQ(events_.keys, (std::vector<KeyEvent>{{Key::Space, Modifiers{}}}));
  EXPECT_EQ(events_.typed, U" ");
}

struct CloseCase {
  const char* name;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  bool altHeld;
};

// The close box and the system menu's Close send SC_CLOSE; Alt+F4 is a system key.
constexpr CloseCase kCloses[] = {
    {"Close", WM_CLOSE, 0, 0, false},
    {"SystemMenuClose", WM_SYSCOMMAND, SC_CLOSE, 0, false},
    {"AltF4", WM_SYSKEYDOWN, VK_F4, 1 | (1 << 29), true},
};

class CloseRequest : public WindowInput, public testing::WithParamInterface<CloseCase> {};

TEST_P(CloseRequest, ReachesTheToolkitOnceAndLeavesTheWindowOpen) {
  std::optional<HeldKeys> alt;
  if (GetParam().altHeld) alt.emplace(std::initializer_list<int>{VK_MENU});
  Send(GetParam().message, GetParam().wParam, GetParam().lParam);
  TestPlatform().ProcessPendingMessages();

  EXPECT_EQ(events_.closeRequests, 1);
  EXPECT_TRUE(IsWindow(AsWin32(*window_).Handle()));
  EXPECT_TRUE(window_->IsVisible());
}

INSTANTIATE_TEST_SUITE_P(Ways, CloseRequest, testing::ValuesIn(kCloses),
                         [](const auto& info) { return std::string(info.param.name); });

// The capture the toolkit takes at a press, taken away by the system before the release.
enum class CaptureTaker { AnotherWindow, CancelMode, SystemRelease };

struct CaptureLossCase {
  const char* name;
  CaptureTaker taker;
};

class CaptureLoss : public WindowInput, public testing::WithParamInterface<CaptureLossCase> {};

TEST_P(CaptureLoss, IsReportedOnceAndTheWindowsOwnReleaseIsNot) {
  HWND handle = AsWin32(*window_).Handle();
  RecordingEvents otherEvents;
  std::unique_ptr<toolkit::platform::Window> other = TestPlatform().CreateWindow(otherEvents);
  PostMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 50));
  TestPlatform().ProcessPendingMessages();
  ASSERT_EQ(events_.presses.size(), 1u);
  window_->SetPointerCapture(true);
  window_->SetPointerCapture(true);  // taken again at a double click's second press
  ASSERT_EQ(GetCapture(), handle);

  switch (GetParam().taker) {
    case CaptureTaker::AnotherWindow: other->SetPointerCapture(true); break;
    case CaptureTaker::CancelMode: Send(WM_CANCELMODE, 0, 0); break;
    case CaptureTaker::SystemRelease: ReleaseCapture(); break;
  }
  TestPlatform().ProcessPendingMessages();

  EXPECT_NE(GetCapture(), handle);
  EXPECT_EQ(events_.captureLosses, 1);
  // The toolkit lets go of a capture it no longer has: another window's stays with it.
  const HWND holder = GetCapture();
  window_->SetPointerCapture(false);
  EXPECT_EQ(GetCapture(), holder);
  EXPECT_EQ(events_.captureLosses, 1);
  EXPECT_EQ(otherEvents.captureLosses, 0);
  other->SetPointerCapture(false);
  EXPECT_EQ(otherEvents.captureLosses, 0) << "the other window's own release";
  EXPECT_EQ(GetCapture(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(Ways, CaptureLoss,
                         testing::Values(CaptureLossCase{"AnotherWindowCapturesThePointer", CaptureTaker::AnotherWindow},
                                         CaptureLossCase{"ADialogCancelsTheMode", CaptureTaker::CancelMode},
                                         CaptureLossCase{"TheSystemReleasesIt", CaptureTaker::SystemRelease}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowInput, APressReleasedByTheWindowItselfLosesNoCapture) {
  HWND handle = AsWin32(*window_).Handle();
  PostMessageW(handle, WM_LBUTTONDOWN, MK_LBUTTON, At(100, 50));
  TestPlatform().ProcessPendingMessages();
  window_->SetPointerCapture(true);
  PostMessageW(handle, WM_LBUTTONUP, 0, At(101, 51));
  TestPlatform().ProcessPendingMessages();
  window_->SetPointerCapture(false);
  EXPECT_EQ(GetCapture(), nullptr);
  Send(WM_CANCELMODE, 0, 0);  // with nothing captured
  EXPECT_EQ(events_.releases.size(), 1u);
  EXPECT_EQ(events_.captureLosses, 0);
}

TEST_F(WindowInput, ActivationChangesAreReported) {
  events_.activations.clear();
  Send(WM_ACTIVATE, WA_INACTIVE, 0);
  Send(WM_ACTIVATE, WA_CLICKACTIVE, 0);
  EXPECT_EQ(events_.activations, (std::vector<bool>{false, true}));
}

}  // namespace
}  // namespace lumivor::win32_tests
