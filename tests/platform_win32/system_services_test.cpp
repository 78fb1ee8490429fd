// The system's real version, and the error message box.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/platform_win32/recording_events.h"
#include "tests/platform_win32/test_platform.h"

namespace lumivor::win32_tests {
namespace {

// The test run says which version of Windows Wine is pretending to be, as "major.minor".
TEST(SystemVersion, IsTheVersionTheSystemReallyRuns) {
  const char* expected = std::getenv("LUMIVOR_EXPECTED_WINDOWS_VERSION");
  if (!expected) GTEST_SKIP() << "LUMIVOR_EXPECTED_WINDOWS_VERSION is not set";
  const auto version = TestPlatform().Version();
  EXPECT_TRUE(version.windows);
  EXPECT_EQ(std::to_string(version.major) + "." + std::to_string(version.minor), expected);
}

struct MessageBoxSeen {
  HWND owner = nullptr;
  std::wstring caption;
  std::vector<std::wstring> texts;
  bool closed = false;
};

BOOL CALLBACK NoteChildText(HWND child, LPARAM seen) {
  wchar_t text[256] = {};
  GetWindowTextW(child, text, 256);
  if (text[0]) reinterpret_cast<MessageBoxSeen*>(seen)->texts.emplace_back(text);
  return TRUE;
}

BOOL CALLBACK CloseMessageBox(HWND window, LPARAM seen) {
  wchar_t className[32] = {};
  GetClassNameW(window, className, 32);
  if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  auto& box = *reinterpret_cast<MessageBoxSeen*>(seen);
  wchar_t caption[256] = {};
  GetWindowTextW(window, caption, 256);
  box.caption = caption;
  box.owner = GetWindow(window, GW_OWNER);
  EnumChildWindows(window, NoteChildText, seen);
  PostMessageW(window, WM_COMMAND, IDOK, 0);
  box.closed = true;
  return FALSE;
}

TEST(ErrorBox, ShowsTheTextOverTheActiveWindowAndReturnsWhenClosed) {
  auto& platform = TestPlatform();
  RecordingEvents events;
  auto window = platform.CreateWindow(events);
  window->SetCaption("Тарвель. Zaze");
  window->Show();

  MessageBoxSeen seen;
  // The box's own message loop runs the timer that reads and closes it.
  const auto closer = platform.StartTimer(50, [&] {
    if (!seen.closed) EnumThreadWindows(GetCurrentThreadId(), CloseMessageBox, reinterpret_cast<LPARAM>(&seen));
  });
  platform.ShowError("Ошибка в обработчике");

  EXPECT_TRUE(seen.closed);
  EXPECT_EQ(seen.owner, AsWin32(*window).Handle());
  EXPECT_EQ(seen.caption, L"Тарвель. Zaze");
  EXPECT_NE(std::find(seen.texts.begin(), seen.texts.end(), L"Ошибка в обработчике"), seen.texts.end());
}

}  // namespace
}  // namespace lumivor::win32_tests
