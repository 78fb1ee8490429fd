#include <gtest/gtest.h>

#include <QDir>
#include <QStringList>
#include <cstdint>

#include "embedded_pictures.h"
#include "pictures/picture_table.h"

namespace {

std::uint32_t BigEndianAt(const QByteArray& bytes, int offset) {
  std::uint32_t value = 0;
  for (int i = 0; i < 4; ++i) {
    value = (value << 8) | static_cast<std::uint8_t>(bytes[offset + i]);
  }
  return value;
}

// The pictures are opened by path alone: linking lumivor_pictures registers
// them, with no Q_INIT_RESOURCE anywhere in this program.
TEST(EmbeddedPictures, TheFolderHoldsExactlyOnePngPerCard) {
  QStringList expected;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    expected << QStringLiteral("%1.png").arg(card);
  }
  QStringList present = QDir(QStringLiteral(":/pictures")).entryList(QDir::Files);
  expected.sort();
  present.sort();
  EXPECT_EQ(present, expected);
}

TEST(EmbeddedPictures, EachIsAnUninterlacedEightBitRgbaPngOfItsSize) {
  for (int card = 1; card <= deck::kCardCount; ++card) {
    SCOPED_TRACE(card);
    const deck::PictureSpec& picture = deck::PictureOf(card);
    const QByteArray png = EmbeddedPng(card);
    ASSERT_GE(png.size(), 33);
    EXPECT_EQ(png.left(8), QByteArray("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(BigEndianAt(png, 8), 13u);  // IHDR is the first chunk
    EXPECT_EQ(png.mid(12, 4), QByteArray("IHDR"));
    EXPECT_EQ(BigEndianAt(png, 16), static_cast<std::uint32_t>(picture.width));
    EXPECT_EQ(BigEndianAt(png, 20), static_cast<std::uint32_t>(picture.height));
    EXPECT_EQ(png[24], 8);  // bit depth
    EXPECT_EQ(png[25], 6);  // colour type: truecolour with alpha
    EXPECT_EQ(png[28], 0);  // no interlace

    const QImage& decoded = EmbeddedPicture(card);
    ASSERT_FALSE(decoded.isNull());
    EXPECT_EQ(decoded.width(), picture.width);
    EXPECT_EQ(decoded.height(), picture.height);
  }
}

TEST(EmbeddedPictures, TakeUnder260KilobytesInAll) {
  qint64 total = 0;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    total += EmbeddedPng(card).size();
  }
  RecordProperty("embedded_png_bytes", static_cast<int>(total));
  EXPECT_GT(total, 0);
  EXPECT_LT(total, 260'000);
}

}  // namespace
