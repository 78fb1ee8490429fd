// An input storm: thousands of seeded random clicks, strokes, keys, resizes
// and minimisings, as fast as the X server takes them. Every so often, and at
// the end, the window is put back to its opening size and looked at as a
// person would: the program still runs, one page is current and at rest, and
// a card shows its answer exactly while its box is ticked.
//
// LUMIVOR_STORM_EVENTS sets the number of events, LUMIVOR_STORM_SEED the seed;
// a failure prints both, with the last events sent.
#include "card_layout.h"
#include "image_checks.h"
#include "input_storm.h"
#include "page_at_rest.h"
#include "program_window.h"
#include "storm_player.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <thread>

namespace e2e {
namespace {

using namespace layout;

constexpr int kDefaultEvents = 2000;
constexpr int kCheckpointEvery = 200;
constexpr int kCardsLookedAt = 3;
// Two captures this far apart and equal: nothing moves any more.
constexpr auto kSettleInterval = 400ms;
constexpr auto kSettleTimeout = 10s;
// Over a card's picture or the end page's background: over no control.
constexpr QPoint kRestingPointer{600, 150};
constexpr const char* kFailureCapture = "storm-failure.png";
constexpr const char* kSettledCapture = "storm-settled.png";

unsigned long numberFromEnvironment(const char* name, unsigned long fallback) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? std::stoul(value, nullptr, 0) : fallback;
}

class InputStorm : public ::testing::Test {
protected:
  void TearDown() override {
    if (!HasFailure()) return;
    std::printf("Input storm of %d events, seed %u; LUMIVOR_STORM_SEED=%u LUMIVOR_STORM_EVENTS=%d "
                "repeats it. The last events sent, each check's own under the event before it:\n%s",
                events, seed, seed, events, player.recent().c_str());
  }

  void checkpoint(int played);
  void lookAtCards();
  ::testing::AssertionResult settle(QImage& shot);
  void expectAtRest(const QImage& shot);

  const std::uint32_t seed = static_cast<std::uint32_t>(
      numberFromEnvironment("LUMIVOR_STORM_SEED", storm::Generator::kDefaultSeed));
  const int events = static_cast<int>(numberFromEnvironment("LUMIVOR_STORM_EVENTS", kDefaultEvents));
  ProgramWindow window;
  storm::Generator generator{seed};
  StormPlayer player{window};
};

// Waits until two captures kSettleInterval apart are equal, then takes one
// more as long after: still equal, it is the window at rest.
::testing::AssertionResult InputStorm::settle(QImage& shot) {
  const auto start = std::chrono::steady_clock::now();
  const QImage settled = window.captureSettled({}, kSettleTimeout, kSettleInterval);
  const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(
      std::chrono::steady_clock::now() - start);
  std::this_thread::sleep_for(kSettleInterval);
  shot = window.capture();
  auto still = isIdentical(shot, settled);
  if (still) return still;
  saveCapture(settled, kSettledCapture);
  saveCapture(shot, kFailureCapture);
  return still << " between the capture that ended a wait of " << waited.count()
               << " ms for two equal ones (" << kSettledCapture << ") and one "
               << kSettleInterval.count() << " ms later (" << kFailureCapture << ")";
}

void InputStorm::expectAtRest(const QImage& shot) {
  const auto atRest = showsPageAtRest(shot);
  if (!atRest) saveCapture(shot, kFailureCapture);
  ASSERT_TRUE(atRest) << "(the capture is in " << kFailureCapture << ")";
}

// Jumps to a few cards by their dots, checks each, and comes back to the
// first, which must look exactly as before.
void InputStorm::lookAtCards() {
  QImage firstLook;
  int first = 0;
  for (int look = 0; look <= kCardsLookedAt; ++look) {
    const int card = look < kCardsLookedAt ? generator.card() : first;
    if (look == 0) first = card;
    player.note("look at card " + std::to_string(card) + " through its dot");
    window.click(centreOf(pageDot(card)));
    const QImage shot =
        window.captureSettled([card](const QImage& s) { return showsPageAtRest(s, card); });
    ASSERT_EQ(highlightedDots(shot), std::vector<int>{card}) << "after a click on its dot";
    ASSERT_NO_FATAL_FAILURE(expectAtRest(shot));
    if (look == 0) {
      firstLook = shot;
    } else if (look == kCardsLookedAt) {
      EXPECT_TRUE(isIdentical(shot, firstLook)) << "card " << card << " on a second look";
    }
  }
}

void InputStorm::checkpoint(int played) {
  player.note("checkpoint");
  ASSERT_TRUE(window.isRunning()) << "the program has ended or its window is gone";
  EXPECT_EQ(window.shownWindows(), std::vector<std::string>{window.windowId()})
      << "the program shows a window besides its main one";
  window.resize(kClientSize);
  window.moveTo(kRestingPointer);
  QImage shot;
  ASSERT_TRUE(settle(shot)) << "the window changed with no input";
  ASSERT_NO_FATAL_FAILURE(expectAtRest(shot));
  std::printf("after %d of %d events: page %d at rest\n", played, events, highlightedDots(shot).front());
  std::fflush(stdout);
  ASSERT_NO_FATAL_FAILURE(lookAtCards());
}

TEST_F(InputStorm, LeavesOnePageAtRestShowingItsAnswerExactlyWhileTicked) {
  std::printf("input storm of %d events, seed %u\n", events, seed);
  for (int played = 1; played <= events; ++played) {
    player.play(generator.next());
    ASSERT_TRUE(window.isRunning()) << "the program has ended or its window is gone";
    if (played % kCheckpointEvery == 0 || played == events) {
      ASSERT_NO_FATAL_FAILURE(checkpoint(played)) << "at the checkpoint after event " << played;
    }
  }
}

}  // namespace
}  // namespace e2e
