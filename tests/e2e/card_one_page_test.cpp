// What the window shows when it opens: card 1, answer hidden, in the
// designed layout and colours.
#include "card_layout.h"
#include "image_checks.h"
#include "program_window.h"
#include "qt_printers.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

using namespace layout;

class CardOneAtStart : public ::testing::Test {
protected:
  ProgramWindow window;
  const QImage shot = window.captureSettled();
};

TEST_F(CardOneAtStart, ShowsCardOneWithItsAnswerHidden) {
  saveCapture(shot, "card1.png");
  ASSERT_EQ(shot.size(), kClientSize);
  EXPECT_EQ(highlightedDots(shot), std::vector<int>{1});
  // Every other dot is plain, page 99's too, although that page is current
  // while the deck is being built.
  for (int page = 2; page <= kPageCount; ++page)
    EXPECT_TRUE(isFilledWith(shot, pageDot(page), colour::kDot)) << "dot of page " << page;
  EXPECT_TRUE(isFilledWith(shot, kAnswerTextRegion, colour::kPanelFill));

  // Card 1's picture: black up to its edges, white beside it.
  EXPECT_TRUE(hasOutline(shot, kCardOnePicture, colour::kBlack));
  const int rows = kPictureArea.height() - 1;
  EXPECT_TRUE(isFilledWith(shot, {kCardOnePicture.left() - 1, 1, 1, rows}, colour::kWhite));
  EXPECT_TRUE(isFilledWith(shot, {kCardOnePicture.right() + 1, 1, 1, rows}, colour::kWhite));
}

struct Paint {
  const char* what;
  QRect region;
  QRgb colour;
  bool outlineOnly;
};

TEST_F(CardOneAtStart, PaintsItsControlsInTheirColours) {
  const int stripRight = kNextButton.right() + 1;  // the empty part of the strip starts here
  const Paint expected[] = {
      {"tab control border, left", {0, 0, 1, 249}, colour::kTabBorder, false},
      {"tab control border, right", {662, 0, 1, 249}, colour::kTabBorder, false},
      {"tab control border, top left of the picture", {0, 0, 213, 1}, colour::kTabBorder, false},
      {"tab control border, top right of the picture", {450, 0, 213, 1}, colour::kTabBorder, false},
      {"background left of the picture", {1, 1, 212, 248}, colour::kWhite, false},
      {"background right of the picture", {450, 1, 212, 248}, colour::kWhite, false},
      {"control strip border, top", {stripRight, 249, 663 - stripRight, 1}, colour::kPanelBorder, false},
      {"control strip border, bottom", {stripRight, 272, 663 - stripRight, 1}, colour::kPanelBorder, false},
      {"control strip border, left", {0, 249, 1, 24}, colour::kPanelBorder, false},
      {"control strip border, right", {662, 249, 1, 24}, colour::kPanelBorder, false},
      {"control strip fill", {stripRight + 1, 250, 661 - stripRight, 22}, colour::kPanelFill, false},
      {"next button border", kNextButton, colour::kButtonBorder, true},
      {"next button fill above its caption", {138, 250, 78, 2}, colour::kButtonFill, false},
      {"check box border", kCheckBoxBox, colour::kCheckBoxBorder, true},
      {"check box inside", kCheckBoxBox.adjusted(1, 1, -1, -1), colour::kWhite, false},
      {"answer area border", kAnswerArea, colour::kPanelBorder, true},
      {"gap above the first dot row", {1, 450, 661, 1}, colour::kPanelFill, false},
      {"gap between the dot rows", {1, 459, 661, 2}, colour::kPanelFill, false},
      {"gap below the second dot row", {1, 469, 661, 1}, colour::kPanelFill, false},
      {"left of the dots", {1, 451, 2, 18}, colour::kPanelFill, false},
      {"between dots 1 and 2", {11, 451, 2, 8}, colour::kPanelFill, false},
      {"right of the short second row", {541, 461, 121, 8}, colour::kPanelFill, false},
      {"answer area below the dots", {1, 470, 661, 9}, colour::kPanelFill, false},
  };
  for (const Paint& paint : expected) {
    SCOPED_TRACE(paint.what);
    EXPECT_TRUE(paint.outlineOnly ? hasOutline(shot, paint.region, paint.colour)
                                  : isFilledWith(shot, paint.region, paint.colour));
  }
}

TEST_F(CardOneAtStart, PlacesTheCaptions) {
  // "Правильный ответ" begins 3 pixels right of the box's 18-pixel column
  // (a glyph's side bearing may add a pixel or two).
  const auto checkBoxCaption = darkPixelBounds(shot, {18, 250, 119, 22});
  ASSERT_TRUE(checkBoxCaption);
  EXPECT_GE(checkBoxCaption->left(), 21);
  EXPECT_LE(checkBoxCaption->left(), 23);
  EXPECT_NEAR(checkBoxCaption->center().y(), kCheckBox.center().y(), 2);

  // "Следующий" is centred in its button.
  const auto buttonCaption = darkPixelBounds(shot, kNextButton.adjusted(1, 1, -1, -1));
  ASSERT_TRUE(buttonCaption);
  EXPECT_NEAR(buttonCaption->center().x(), kNextButton.center().x(), 2);
  EXPECT_NEAR(buttonCaption->center().y(), kNextButton.center().y(), 2);
}

}  // namespace
}  // namespace e2e
