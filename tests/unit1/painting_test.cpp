#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "deck_form.h"
#include "handler_errors.h"

namespace {

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

class Painting : public testing::Test {
 protected:
  QImage Window() { return deck.Form().grab().toImage(); }
  DeckForm deck;
};

TEST_F(Painting, Card1ShowsItsRegionsInTheWindowsTenLook) {
  const QImage window = Window();
  ASSERT_EQ(window.size(), QSize(663, 480));
  EXPECT_EQ(Pixel(window, 100, 100), 0xFFFFFFu) << "the page background beside the picture";
  EXPECT_EQ(Pixel(window, 213, 10), 0x000000u) << "the picture's black field";
  EXPECT_EQ(Pixel(window, 212, 10), 0xFFFFFFu) << "nothing is drawn left of the picture";
  EXPECT_EQ(Pixel(window, 450, 10), 0xFFFFFFu) << "nothing is drawn right of the picture";
  EXPECT_EQ(Pixel(window, 300, 273), 0xCCCCCCu) << "the answer area's border";
  EXPECT_EQ(Pixel(window, 300, 350), 0xF0F0F0u) << "the answer area's fill";
  EXPECT_EQ(Pixel(window, 5, 455), 0x2A96FFu) << "page 1's dot";
  EXPECT_EQ(Pixel(window, 15, 455), 0xD4D4D4u) << "page 2's dot";
  EXPECT_EQ(Pixel(window, 12, 455), 0xF0F0F0u) << "between the dots";
  EXPECT_EQ(Pixel(window, 2, 255), 0x333333u) << "the check box's border";
  EXPECT_EQ(Pixel(window, 8, 261), 0xFFFFFFu) << "inside the empty box";
  EXPECT_EQ(Pixel(window, 137, 255), 0xADADADu) << "the button's border";
  EXPECT_EQ(Pixel(window, 150, 252), 0xE1E1E1u) << "the button's fill";
}

TEST_F(Painting, ARevealedAnswerShowsDarkTextInTheAnswerArea) {
  auto darkPixels = [](const QImage& image) {
    int count = 0;
    for (int y = 274; y < 449; ++y) {
      for (int x = 1; x < 662; ++x) count += qGray(image.pixel(x, y)) < 100;
    }
    return count;
  };
  EXPECT_EQ(darkPixels(Window()), 0);
  deck.CheckBoxOf(1)->SetIsChecked(true);
  const QImage revealed = Window();
  EXPECT_GT(darkPixels(revealed), 200);
  EXPECT_LT(qGray(revealed.pixel(8, 261)), 200) << "the box holds its tick";
}

TEST_F(Painting, TheLongestAnswerWrapsWithinItsArea) {
  deck.Tabs().SetTabIndex(18);
  deck.CheckBoxOf(19)->SetIsChecked(true);
  const QImage window = Window();
  int firstRow = -1, lastRow = -1;
  for (int y = 274; y < 449; ++y) {
    bool dark = false;
    for (int x = 1; x < 662 && !dark; ++x) dark = qGray(window.pixel(x, y)) < 100;
    if (dark && firstRow < 0) firstRow = y;
    if (dark) lastRow = y;
  }
  ASSERT_GT(firstRow, 0);
  EXPECT_GT(lastRow - firstRow, 40) << "several lines";
  EXPECT_GT(firstRow - 273, 20) << "centred vertically, not at the top";
  for (int y = 274; y < 480; ++y) {
    EXPECT_GT(qGray(window.pixel(1, y)), 100) << "no text reaches the left border at row " << y;
    EXPECT_GT(qGray(window.pixel(661, y)), 100) << "no text reaches the right border at row " << y;
  }
}

TEST_F(Painting, PicturesAreDecodedWhenFirstShownAndKept) {
  EXPECT_TRUE(deck.ImageOf(1)->IsDecoded());
  for (int card = 2; card <= 119; ++card) {
    if (card == 99) continue;  // current while the deck was read, but never painted
    EXPECT_FALSE(deck.ImageOf(card)->IsDecoded()) << "card " << card;
  }
  deck.Tabs().SetTabIndex(36);
  Window();
  ASSERT_TRUE(deck.ImageOf(37)->IsDecoded());
  EXPECT_EQ(deck.ImageOf(37)->Bitmap().size(), QSize(229, 315));
  const qint64 bitmap = deck.ImageOf(37)->Bitmap().cacheKey();
  deck.Tabs().SetTabIndex(0);
  deck.Tabs().SetTabIndex(36);
  Window();
  EXPECT_EQ(deck.ImageOf(37)->Bitmap().cacheKey(), bitmap) << "decoded once";
  EXPECT_FALSE(deck.ImageOf(38)->IsDecoded());
}

TEST_F(Painting, ANarrowPictureLeavesThePageBackgroundBesideIt) {
  deck.Tabs().SetTabIndex(36);  // card 37 lands at (241, 0) to (422, 249)
  const QImage window = Window();
  EXPECT_EQ(Pixel(window, 240, 100), 0xFFFFFFu);
  EXPECT_EQ(Pixel(window, 241, 100), 0x000000u);
  EXPECT_EQ(Pixel(window, 422, 100), 0xFFFFFFu);
}

TEST(HandlerErrors, AreShownAndInputGoesOn) {
  QWidget window;
  toolkit::TButton button(&window);
  button.resize(80, 24);
  button.BindEvent("OnClick", toolkit::TNotifyEvent([](toolkit::TObject*) { throw std::runtime_error("Сбой"); }));
  window.show();
  QStringList shown;
  auto closeTheMessage = [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    shown << box->text();
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    box->accept();
  };
  for (int click = 0; click < 2; ++click) {  // the loop goes on after the first error
    QTimer::singleShot(0, closeTheMessage);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, QPoint(40, 12));
  }
  EXPECT_EQ(shown, QStringList({QString::fromUtf8("Сбой"), QString::fromUtf8("Сбой")}));
}

}  // namespace
