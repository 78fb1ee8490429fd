#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "tests/platform_web/browser/browser_runner.h"
#include "tests/platform_web/browser/page_values.h"
#include "tests/platform_web/browser/test_platform.h"
#include "tests/support/recording_window_events.h"

namespace {

using namespace browser_tests;
using toolkit::platform::Canvas;
using toolkit::platform::Color;
using toolkit::platform::Window;

constexpr Color kBlue{0x0000FF};

std::string CanvasProperty(std::string_view property) {
  return std::string(kNewestCanvas) + "." + std::string(property);
}

std::string CanvasVisibility() { return PageValue("getComputedStyle(" + std::string(kNewestCanvas) + ").visibility"); }

int PerformanceMarks() { return static_cast<int>(PageNumber("performance.getEntriesByName('lumivor-shown').length")); }

class WindowTest : public testing::Test {
 protected:
  RecordingWindowEvents events_;
  std::unique_ptr<Window> window_ = TestPlatform().CreateWindow(events_);
};

TEST_F(WindowTest, ThePageIsMarkedWhenTheFirstWindowIsShownAndOnlyThen) {
  const int before = PerformanceMarks();
  ASSERT_LE(before, 1);
  TestPlatform().ProcessPendingMessages();
  EXPECT_EQ(PerformanceMarks(), before) << "a window made is not yet shown";

  const double showing = PageNumber("performance.now()");
  window_->Show();
  const double shown = PageNumber("performance.now()");
  ASSERT_EQ(PerformanceMarks(), 1);
  if (before == 0) {
    const double marked = PageNumber("performance.getEntriesByName('lumivor-shown')[0].startTime");
    EXPECT_GE(marked, showing);
    EXPECT_LE(marked, shown);
  }

  RecordingWindowEvents otherEvents;
  const auto other = TestPlatform().CreateWindow(otherEvents);
  other->Show();
  EXPECT_EQ(PerformanceMarks(), 1) << "the first window alone";
}

TEST_F(WindowTest, IsMadeHiddenAndPaintedBeforeItIsShown) {
  events_.paint = [](Canvas& canvas) { canvas.FillRect({0, 0, 10000, 10000}, kBlue); };
  TestPlatform().ProcessPendingMessages();

  EXPECT_FALSE(window_->IsVisible());
  EXPECT_EQ(CanvasVisibility(), "hidden");
  EXPECT_EQ(events_.paints, 0) << "a hidden window paints nothing";

  window_->Show();
  EXPECT_TRUE(window_->IsVisible());
  EXPECT_EQ(CanvasVisibility(), "visible");
  EXPECT_EQ(ReadCanvas({0, 0, 1, 1}).At(0, 0), kBlue.rgb) << "its first frame is there as it shows";
}

TEST_F(WindowTest, TheCaptionIsTheDocumentsTitle) {
  window_->SetCaption("Тарвель. Zaze");

  EXPECT_EQ(PageValue("document.title"), "Тарвель. Zaze");
}

TEST_F(WindowTest, FillsTheViewportInDevicePixels) {
  window_->SetClientSize(663, 480);
  window_->Show();

  const int width = static_cast<int>(PageNumber("innerWidth"));
  const int height = static_cast<int>(PageNumber("innerHeight"));
  const double ratio = DevicePixelRatio();
  EXPECT_EQ(window_->ClientWidth(), width);
  EXPECT_EQ(window_->ClientHeight(), height);
  EXPECT_EQ(events_.log, std::vector<std::string>{"resize " + std::to_string(width) + "x" + std::to_string(height)})
      << "the size the browser gives, not the one asked for";
  EXPECT_EQ(PageJson("(box => [box.left, box.top, box.width, box.height])(" +
                     CanvasProperty("getBoundingClientRect()") + ")"),
            "[0,0," + std::to_string(width) + "," + std::to_string(height) + "]");
  EXPECT_EQ(PageNumber(CanvasProperty("width")), std::lround(width * ratio));
  EXPECT_EQ(PageNumber(CanvasProperty("height")), std::lround(height * ratio));
}

// A new size of the viewport, and what the window must make of it.
struct SizeStep {
  const char* name;
  std::function<void()> resize;
  int width;
  int height;
  double ratio;
  bool reported;  // false when the window has that size already
};

// What the driver cannot make the browser do, the page is told it has done: its viewport reads
// as `width` × `height` CSS pixels at `ratio` device pixels each, and a resize event comes. A
// window folded away is 0 × 0; a page zoomed in has fewer CSS pixels, each of more device pixels.
void ViewportReads(int width, int height, double ratio) {
  PageValue("(() => { const told = {innerWidth: " + std::to_string(width) + ", innerHeight: " +
            std::to_string(height) + ", devicePixelRatio: " + std::to_string(ratio) +
            "}; if (!window.realViewport) { window.realViewport = {};"
            " for (const name in told) realViewport[name] = Object.getOwnPropertyDescriptor(window, name); }"
            " for (const name in told) Object.defineProperty(window, name, {configurable: true, get: () => told[name]});"
            " dispatchEvent(new Event('resize')); })()");
}

void RealViewport() {
  PageValue(
      "(() => { for (const name in realViewport) Object.defineProperty(window, name, realViewport[name]);"
      " delete window.realViewport; })()");
}

TEST_F(WindowTest, FollowsTheViewportAndReportsEachNewSizeOnce) {
  window_->Show();
  const int width = window_->ClientWidth();
  const int height = window_->ClientHeight();
  const double ratio = DevicePixelRatio();
  const SizeStep steps[] = {
      {"narrower", [] { Perform({Resize(500, 300)}); }, 500, 300, ratio, true},
      {"the same again", [] { Perform({Resize(500, 300)}); }, 500, 300, ratio, false},
      {"taller", [] { Perform({Resize(320, 480)}); }, 320, 480, ratio, true},
      // As many device pixels as before.
      {"zoomed in", [&] { ViewportReads(160, 240, 2 * ratio); }, 160, 240, 2 * ratio, true},
      {"nothing", [&] { ViewportReads(0, 0, ratio); }, 0, 0, ratio, true},
      {"back",
       [&] {
         RealViewport();
         Perform({Resize(width, height)});
       },
       width, height, ratio, true},
  };
  for (const SizeStep& step : steps) {
    SCOPED_TRACE(step.name);
    events_.log.clear();
    const int paints = events_.paints;
    step.resize();
    const std::string reported = "resize " + std::to_string(step.width) + "x" + std::to_string(step.height);
    ProcessUntil([&] { return !events_.log.empty(); }, step.reported ? 5 : 0.3);
    ProcessFor(0.1);

    EXPECT_EQ(events_.log, step.reported ? std::vector<std::string>{reported} : std::vector<std::string>{});
    EXPECT_EQ(window_->ClientWidth(), step.width);
    EXPECT_EQ(window_->ClientHeight(), step.height);
    EXPECT_EQ(PageNumber(CanvasProperty("width")), std::lround(step.width * step.ratio));
    EXPECT_EQ(PageNumber(CanvasProperty("height")), std::lround(step.height * step.ratio));
    EXPECT_EQ(PageJson("(box => [box.width, box.height])(" + CanvasProperty("getBoundingClientRect()") + ")"),
              "[" + std::to_string(step.width) + "," + std::to_string(step.height) + "]")
        << "the canvas covers the viewport, no more";
    if (step.reported) EXPECT_GT(events_.paints, paints) << "painted at the new size";
  }
}

TEST_F(WindowTest, UpdatePaintsAtOnceAndInvalidateAtTheNextRound) {
  window_->Update();
  EXPECT_EQ(events_.paints, 0) << "a hidden window paints nothing";

  window_->Show();
  TestPlatform().ProcessPendingMessages();
  const int shown = events_.paints;
  ASSERT_GT(shown, 0);

  window_->Update();
  EXPECT_EQ(events_.paints, shown) << "nothing was invalid";
  window_->Invalidate();
  window_->Update();
  const int updated = events_.paints;
  EXPECT_GT(updated, shown);

  window_->Invalidate();
  EXPECT_EQ(events_.paints, updated);
  TestPlatform().ProcessPendingMessages();
  EXPECT_GT(events_.paints, updated);
}

TEST_F(WindowTest, GoesWithItsCanvasAndLeavesTheEventsToTheWindowBeneath) {
  window_->Show();
  const int canvases = static_cast<int>(PageNumber("document.querySelectorAll('canvas').length"));
  RecordingWindowEvents topEvents;
  auto top = TestPlatform().CreateWindow(topEvents);
  top->Show();
  EXPECT_EQ(PageNumber("document.querySelectorAll('canvas').length"), canvases + 1);

  top.reset();
  EXPECT_EQ(PageNumber("document.querySelectorAll('canvas').length"), canvases);
  events_.log.clear();
  PageValue("dispatchEvent(new KeyboardEvent('keydown', {key: 'Escape'}))");
  TestPlatform().ProcessPendingMessages();
  EXPECT_EQ(events_.log, std::vector<std::string>{"key Escape"});
}

}  // namespace
