// A change of display scale: the window's size arithmetic, and its answers to Windows'
// messages about the change, sent here as Windows 10 sends them to a per-monitor window.
#include <gtest/gtest.h>

#include <optional>

#include "tests/platform_win32/recording_events.h"
#include "tests/platform_win32/test_platform.h"
#include "toolkit/platform/win32/dpi_scaling.h"
#include "toolkit/platform/win32/system_library.h"

namespace lumivor::win32_tests {
namespace {

using toolkit::platform::win32::FrameInsetsOf;
using toolkit::platform::win32::PlacementAfterDpiChange;
using toolkit::platform::win32::WindowShowState;
using toolkit::platform::win32::WindowSizeAroundClient;

struct FrameCase {
  const char* name;
  RECT adjustedEmptyClient;
  SIZE client;
  SIZE window;
};

// Frames of Windows 10's resizable windows at 100 % and 150 %, and frames of no and of uneven
// thickness.
constexpr FrameCase kFrames[] = {
    {"At100Percent", {-8, -31, 8, 8}, {663, 480}, {679, 519}},
    {"At150Percent", {-11, -45, 11, 11}, {663, 480}, {685, 536}},
    {"NoFrame", {0, 0, 0, 0}, {663, 480}, {663, 480}},
    {"UnevenFrame", {-1, -20, 3, 5}, {100, 50}, {104, 75}},
};

class FrameAroundClient : public testing::TestWithParam<FrameCase> {};

TEST_P(FrameAroundClient, AddsTheFramesFourSidesToTheClientArea) {
  const SIZE window = WindowSizeAroundClient(GetParam().client, FrameInsetsOf(GetParam().adjustedEmptyClient));
  EXPECT_EQ(window.cx, GetParam().window.cx);
  EXPECT_EQ(window.cy, GetParam().window.cy);
}

INSTANTIATE_TEST_SUITE_P(DpiScaling, FrameAroundClient, testing::ValuesIn(kFrames),
                         [](const auto& info) { return info.param.name; });

struct PlacementCase {
  const char* name;
  WindowShowState state;
  std::optional<SIZE> ownSize;
  std::optional<RECT> placement;
};

constexpr RECT kSuggested{100, 200, 1100, 900};

const PlacementCase kPlacements[] = {
    {"SizeToldToWindowsTakesTheSuggestionAsGiven", WindowShowState::Normal, std::nullopt, kSuggested},
    {"PlainlyScaledSuggestionGivesOnlyThePlace", WindowShowState::Normal, SIZE{685, 536}, RECT{100, 200, 785, 736}},
    {"MaximisedStaysAsItIs", WindowShowState::Maximised, std::nullopt, std::nullopt},
    {"MaximisedStaysAsItIsWithASizeOfItsOwn", WindowShowState::Maximised, SIZE{685, 536}, std::nullopt},
    {"MinimisedStaysAsItIs", WindowShowState::Minimised, SIZE{685, 536}, std::nullopt},
};

class PlacementAtNewScale : public testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementAtNewScale, FollowsTheWindowsStateAndWhatWindowsWasTold) {
  const std::optional<RECT> placement = PlacementAfterDpiChange(GetParam().state, kSuggested, GetParam().ownSize);
  ASSERT_EQ(placement.has_value(), GetParam().placement.has_value());
  if (!placement) return;
  EXPECT_TRUE(EqualRect(&*placement, &*GetParam().placement))
      << placement->left << ", " << placement->top << " to " << placement->right << ", " << placement->bottom;
}

INSTANTIATE_TEST_SUITE_P(DpiScaling, PlacementAtNewScale, testing::ValuesIn(kPlacements),
                         [](const auto& info) { return info.param.name; });

constexpr SIZE kClient{663, 480};

class DpiChangeMessages : public testing::Test {
 protected:
  void SetUp() override {
    window_ = TestPlatform().CreateWindow(events_);
    window_->SetClientSize(kClient.cx, kClient.cy);
    window_->Show();
    TestPlatform().ProcessPendingMessages();
  }

  HWND Handle() { return AsWin32(*window_).Handle(); }

  // The window's outer size around the client area at `dpi`, worked out here from the system.
  SIZE ExpectedWindowSize(UINT dpi) {
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    auto adjust = toolkit::platform::win32::FindSystemFunctionAs<AdjustForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT frame{0, 0, kClient.cx, kClient.cy};
    EXPECT_TRUE(adjust && adjust(&frame, static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE)), FALSE,
                                 static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_EXSTYLE)), dpi));
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
  }

  // WM_GETDPISCALEDSIZE: whether the window answered, and the size it answered.
  std::optional<SIZE> AskScaledSize(UINT dpi) {
    SIZE size{1, 1};
    if (!SendMessageW(Handle(), WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size))) return std::nullopt;
    return size;
  }

  void ChangeDpi(UINT dpi, const RECT& suggested) {
    SendMessageW(Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  }

  RECT WindowRect() {
    RECT rect{};
    GetWindowRect(Handle(), &rect);
    return rect;
  }

  RecordingEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_;
};

TEST_F(DpiChangeMessages, TheSizeAtTheNewScaleIsTheNewFrameAroundTheSameClientAreaAndIsTakenAsSuggested) {
  const std::optional<SIZE> scaled = AskScaledSize(144);
  ASSERT_TRUE(scaled);
  const SIZE expected = ExpectedWindowSize(144);
  EXPECT_EQ(scaled->cx, expected.cx);
  EXPECT_EQ(scaled->cy, expected.cy);

  // Windows places the size it was told so that the window stays under a dragging cursor.
  const RECT suggested{40, 50, 40 + scaled->cx, 50 + scaled->cy};
  ChangeDpi(144, suggested);
  const RECT placed = WindowRect();
  EXPECT_TRUE(EqualRect(&placed, &suggested)) << placed.left << ", " << placed.top << " to " << placed.right << ", "
                                              << placed.bottom;
}

TEST_F(DpiChangeMessages, ASuggestionOnlyScaledFromTheOldSizeGivesThePlaceAndTheWindowItsOwnSize) {
  const RECT old = WindowRect();
  const RECT scaledByWindows{40, 50, 40 + (old.right - old.left) * 3 / 2, 50 + (old.bottom - old.top) * 3 / 2};
  ChangeDpi(144, scaledByWindows);
  const RECT placed = WindowRect();
  const SIZE expected = ExpectedWindowSize(144);
  EXPECT_EQ(placed.left, 40);
  EXPECT_EQ(placed.top, 50);
  EXPECT_EQ(placed.right - placed.left, expected.cx);
  EXPECT_EQ(placed.bottom - placed.top, expected.cy);
}

// Here Wine keeps the old frame around the new outer size, so the client area grows meanwhile,
// as a real one does between the frame's change and the window's new size: the next change still
// starts from the client size the window was given.
TEST_F(DpiChangeMessages, EachChangeKeepsTheClientSizeTheWindowWasGivenNotTheOneItHasMidway) {
  for (UINT dpi : {144u, 192u, 96u}) {
    const std::optional<SIZE> scaled = AskScaledSize(dpi);
    ASSERT_TRUE(scaled);
    const SIZE expected = ExpectedWindowSize(dpi);
    EXPECT_EQ(scaled->cx, expected.cx) << dpi << " dpi";
    EXPECT_EQ(scaled->cy, expected.cy) << dpi << " dpi";
    ChangeDpi(dpi, RECT{40, 50, 40 + scaled->cx, 50 + scaled->cy});
  }
}

TEST_F(DpiChangeMessages, AMaximisedWindowIsLeftAsWindowsHasIt) {
  ShowWindow(Handle(), SW_MAXIMIZE);
  TestPlatform().ProcessPendingMessages();
  ASSERT_TRUE(IsZoomed(Handle()));
  const RECT maximised = WindowRect();

  EXPECT_FALSE(AskScaledSize(144));
  ChangeDpi(144, RECT{40, 50, 740, 600});
  const RECT after = WindowRect();
  EXPECT_TRUE(IsZoomed(Handle()));
  EXPECT_TRUE(EqualRect(&after, &maximised));
}

}  // namespace
}  // namespace lumivor::win32_tests
