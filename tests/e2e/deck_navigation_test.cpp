// Moving through the deck with the "Следующий" and "В начало" buttons, and
// what a slide between two pages looks like.
#include "card_layout.h"
#include "image_checks.h"
#include "page_at_rest.h"
#include "program_window.h"
#include "qt_printers.h"
#include "slide_frames.h"

#include <gtest/gtest.h>
#include <thread>

namespace e2e {
namespace {

using namespace layout;

constexpr auto kSlide = 300ms;
// Long enough to see every frame of a slide that starts at the click.
constexpr auto kSlideWatch = 1s;

// Clicks a button that slides to `page`, waits for the slide to end and
// returns the page at rest.
QImage slideWith(const ProgramWindow& window, QPoint button, int page) {
  const auto clicked = std::chrono::steady_clock::now();
  window.click(button);
  std::this_thread::sleep_until(clicked + kSlide + 50ms);
  return window.captureSettled([page](const QImage& shot) { return showsPageAtRest(shot, page); });
}

void expectEndPageLook(const QImage& shot) {
  EXPECT_EQ(highlightedDots(shot), std::vector<int>{kEndPage});
  EXPECT_TRUE(hasOutline(shot, kToStartButton, colour::kButtonBorder));
  EXPECT_TRUE(isFilledWith(shot, {1, 1, 78, 2}, colour::kButtonFill)) << "button above its caption";
  EXPECT_TRUE(darkPixelBounds(shot, kToStartButton.adjusted(1, 1, -1, -1))) << "no caption";
  const int panelLeft = kToStartButton.right() + 1;
  EXPECT_TRUE(isFilledWith(shot, {panelLeft, 0, 663 - panelLeft, 1}, colour::kPanelBorder));
  EXPECT_TRUE(isFilledWith(shot, {panelLeft, 55, 663 - panelLeft, 1}, colour::kPanelBorder));
  EXPECT_TRUE(isFilledWith(shot, {662, 0, 1, 56}, colour::kPanelBorder));
  EXPECT_TRUE(isFilledWith(shot, {panelLeft, 1, 662 - panelLeft, 54}, colour::kPanelFill));
  // Below the panel only the tab control's white background and its border.
  EXPECT_TRUE(isFilledWith(shot, {1, 56, 661, 394}, colour::kWhite));
  EXPECT_TRUE(isFilledWith(shot, {1, 470, 661, 9}, colour::kWhite));
  EXPECT_TRUE(isFilledWith(shot, {0, 56, 1, 424}, colour::kTabBorder));
  EXPECT_TRUE(isFilledWith(shot, {662, 56, 1, 424}, colour::kTabBorder));
  EXPECT_TRUE(isFilledWith(shot, {0, 479, 663, 1}, colour::kTabBorder));
}

TEST(DeckNavigation, NextWalksToTheEndPageAndToStartSlidesBackToCardOne) {
  ProgramWindow window;
  const QImage cardOne = window.captureSettled();

  for (int page = 2; page <= kEndPage; ++page) {
    const QImage shot = slideWith(window, centreOf(kNextButton), page);
    ASSERT_EQ(highlightedDots(shot), std::vector<int>{page}) << "after click " << page - 1;
    if (page < kEndPage) {
      ASSERT_TRUE(hasOutline(shot, kCheckBoxBox, colour::kCheckBoxBorder)) << "card " << page;
    }
  }

  window.moveTo({300, 300});  // off every control, so none is drawn hovered
  const QImage endPage = window.captureSettled();
  saveCapture(endPage, "end-page.png");
  expectEndPageLook(endPage);

  // "В начало": card 1 enters from the left while the end page leaves to the right.
  window.click(centreOf(kToStartButton));
  const auto frames = window.captureFor(kSlideWatch);
  const QImage back = window.captureSettled([](const QImage& shot) { return showsPageAtRest(shot, 1); });
  EXPECT_TRUE(isIdentical(back, cardOne)) << "card 1 after \"В начало\"";
  const auto midSlide = firstSeamFrame(frames, cardOne, endPage);
  ASSERT_TRUE(midSlide) << "none of " << frames.size() << " captures shows card 1 entering from the left";
  saveCapture(midSlide->frame, "mid-slide-to-start.png");
  EXPECT_EQ(highlightedDots(midSlide->frame), std::vector<int>{1});
}

TEST(DeckNavigation, MidSlideShowsCardOneLeavingLeftAndCardTwoFollowingEdgeToEdge) {
  ProgramWindow window;
  const QImage cardOne = window.captureSettled();

  window.click(centreOf(kNextButton));
  const auto frames = window.captureFor(kSlideWatch);
  const QImage cardTwo = window.captureSettled([](const QImage& shot) { return showsPageAtRest(shot, 2); });
  ASSERT_EQ(highlightedDots(cardTwo), std::vector<int>{2});

  const auto midSlide = firstSeamFrame(frames, cardOne, cardTwo);
  ASSERT_TRUE(midSlide) << "none of " << frames.size()
                        << " captures shows card 2 right behind card 1";
  saveCapture(midSlide->frame, "mid-slide.png");
  // The highlight has moved on before the slide ends; the dots themselves stay put.
  EXPECT_EQ(highlightedDots(midSlide->frame), std::vector<int>{2});
  EXPECT_TRUE(isFilledWith(midSlide->frame, pageDot(1), colour::kDot));
}

}  // namespace
}  // namespace e2e
