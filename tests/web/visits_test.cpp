// Coming back to the web build: a second visit with the network cut shows the
// program as the first did, kept by its service worker; the single-file build
// opened from disk shows what the served one shows; and using the program
// writes no error to the console.
#include "tests/e2e/browser_program_session.h"
#include "tests/e2e/card_layout.h"
#include "tests/e2e/image_checks.h"
#include "tests/e2e/page_at_rest.h"
#include "tests/e2e/program_window.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <set>
#include <thread>

namespace e2e {
namespace {

using namespace layout;

constexpr auto kSlide = 300ms;

std::unique_ptr<BrowserProgramSession> served() { return std::make_unique<BrowserProgramSession>(); }

QImage servedCardOne() { return ProgramWindow(served()).captureSettled(); }

TEST(Visits, SecondVisitWithTheNetworkCutShowsCardOneAsTheFirst) {
  ProgramWindow window(served());
  const auto& page = window.session<BrowserProgramSession>();
  const QImage first = window.captureSettled();
  page.waitForServiceWorker();
  page.setOffline(true);
  page.reload();
  const QImage second = window.captureSettled();
  saveCapture(second, "offline-card1.png");
  EXPECT_TRUE(isIdentical(second, first));
}

TEST(Visits, TheSingleFileFromDiskShowsWhatTheServedPageShows) {
  const QImage fromServer = servedCardOne();
  PageOptions fromFile;
  fromFile.file = (std::filesystem::path(webBuildFolder()) / "lumivor.html").string();
  ProgramWindow window(std::make_unique<BrowserProgramSession>(fromFile));
  const QImage fromDisk = window.captureSettled();
  saveCapture(fromDisk, "from-disk-card1.png");
  EXPECT_TRUE(isIdentical(fromDisk, fromServer));
  EXPECT_EQ(window.captions().front().second, "Тарвель. Zaze");
}

// The levels and kinds of message that report a fault.
const std::set<std::string> kFaults = {"error", "assert", "pageerror", "requestfailed", "httperror", "dialog"};

TEST(Visits, UsingTheProgramWritesNoErrorToTheConsole) {
  ProgramWindow window(served());
  window.click(kCheckBoxCaption);
  window.typeKeys("space");
  window.click(centreOf(kNextButton));
  window.click(centreOf(kNextButton));  // refused: a slide is running
  std::this_thread::sleep_for(kSlide);
  window.drag({520, 120}, {140, 120}, kSlide);
  window.click(centreOf(pageDot(kEndPage)));
  window.typeKeys("ctrl+Tab");
  window.resize({300, 200});
  window.minimize();
  window.restore();
  window.resize(kClientSize);
  ASSERT_TRUE(showsPageAtRest(window.captureSettled()));

  for (const ConsoleMessage& message : window.session<BrowserProgramSession>().consoleMessages())
    EXPECT_EQ(kFaults.count(message.type), 0u) << message.type << ": " << message.text;
}

}  // namespace
}  // namespace e2e
