// The top-level window: hidden at first, client size in exact pixels, caption, frame, icon,
// showing and activation.
#include <gtest/gtest.h>

#include <string>

#include "tests/platform_win32/recording_events.h"
#include "tests/platform_win32/test_platform.h"
#include "toolkit/platform/win32/system_library.h"

namespace lumivor::win32_tests {
namespace {

struct ClientSize {
  int width;
  int height;
};

class WindowClientSize : public testing::TestWithParam<ClientSize> {};

TEST_P(WindowClientSize, HiddenWindowGetsExactlyTheClientSizeAskedForWithoutMoving) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  HWND handle = AsWin32(*window).Handle();
  RECT before{};
  GetWindowRect(handle, &before);

  window->SetClientSize(GetParam().width, GetParam().height);

  EXPECT_FALSE(window->IsVisible());
  EXPECT_FALSE(IsWindowVisible(handle));
  EXPECT_EQ(window->ClientWidth(), GetParam().width);
  EXPECT_EQ(window->ClientHeight(), GetParam().height);
  RECT client{};
  GetClientRect(handle, &client);
  EXPECT_EQ(client.right, GetParam().width);
  EXPECT_EQ(client.bottom, GetParam().height);
  ASSERT_FALSE(events.sizes.empty());
  EXPECT_EQ(events.sizes.back(), std::make_pair(GetParam().width, GetParam().height));
  RECT after{};
  GetWindowRect(handle, &after);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

INSTANTIATE_TEST_SUITE_P(Sizes, WindowClientSize,
                         testing::Values(ClientSize{663, 480}, ClientSize{320, 200}, ClientSize{1001, 701}));

TEST(WindowFrame, IsAResizableTopLevelWindowWithSystemMenuMinimiseAndMaximise) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  HWND handle = AsWin32(*window).Handle();
  const LONG_PTR style = GetWindowLongPtrW(handle, GWL_STYLE);
  for (LONG_PTR part : {WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX}) {
    EXPECT_EQ(style & part, part) << std::hex << part;
  }
  EXPECT_EQ(style & WS_CHILD, 0);
  EXPECT_EQ(GetParent(handle), nullptr);
  // The test program has no MAINICON: Windows' application icon stands in.
  EXPECT_NE(GetClassLongPtrW(handle, GCLP_HICON), 0);
  EXPECT_NE(GetClassLongPtrW(handle, GCL_STYLE) & CS_DBLCLKS, 0);
}

TEST(WindowFrame, CaptionIsTheUtf8TextGiven) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  window->SetCaption("Тарвель. Zaze");
  wchar_t caption[64] = {};
  GetWindowTextW(AsWin32(*window).Handle(), caption, 64);
  EXPECT_EQ(std::wstring(caption), L"Тарвель. Zaze");
}

TEST(WindowFrame, ShownWindowIsVisibleNormalActiveAndKeepsItsClientSize) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  window->SetClientSize(663, 480);
  window->Show();
  TestPlatform().ProcessPendingMessages();
  HWND handle = AsWin32(*window).Handle();

  EXPECT_TRUE(window->IsVisible());
  EXPECT_TRUE(IsWindowVisible(handle));
  EXPECT_FALSE(IsIconic(handle));
  EXPECT_FALSE(IsZoomed(handle));
  EXPECT_EQ(GetActiveWindow(), handle);
  ASSERT_FALSE(events.activations.empty());
  EXPECT_TRUE(events.activations.back());
  EXPECT_EQ(window->ClientWidth(), 663);
  EXPECT_EQ(window->ClientHeight(), 480);
}

TEST(WindowFrame, MinimisingReportsNoSizeAndRestoringReportsTheClientSizeAgain) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  window->SetClientSize(400, 300);
  window->Show();
  HWND handle = AsWin32(*window).Handle();
  events.sizes.clear();

  ShowWindow(handle, SW_MINIMIZE);
  TestPlatform().ProcessPendingMessages();
  EXPECT_TRUE(events.sizes.empty());

  ShowWindow(handle, SW_RESTORE);
  TestPlatform().ProcessPendingMessages();
  ASSERT_FALSE(events.sizes.empty());
  EXPECT_EQ(events.sizes.back(), std::make_pair(400, 300));
}

TEST(WindowFrame, DestroyingTheWindowRemovesItWithoutTellingTheToolkit) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  window->Show();
  HWND handle = AsWin32(*window).Handle();
  const auto activations = events.activations.size();

  window.reset();

  EXPECT_FALSE(IsWindow(handle));
  EXPECT_EQ(events.activations.size(), activations);
}

TEST(DpiAwareness, TheProcessIsAwareOfEachMonitorsScaleWithoutAManifest) {
  using toolkit::platform::win32::FindSystemFunctionAs;
  // Looked up by name, as the backend does: the test program too must start on Windows 7.
  auto threadContext = FindSystemFunctionAs<DPI_AWARENESS_CONTEXT(WINAPI*)()>(L"user32.dll", "GetThreadDpiAwarenessContext");
  auto awareness = FindSystemFunctionAs<DPI_AWARENESS(WINAPI*)(DPI_AWARENESS_CONTEXT)>(
      L"user32.dll", "GetAwarenessFromDpiAwarenessContext");
  ASSERT_TRUE(threadContext && awareness) << "the system predates per-monitor awareness";
  EXPECT_EQ(awareness(threadContext()), DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
}  // namespace lumivor::win32_tests
