#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <set>
#include <span>
#include <stdexcept>
#include <string_view>

#include "deck/pictures/card_pictures.h"
#include "deck/pictures/picture_table.h"
#include "tests/deck_pictures/embedded_pictures.h"

namespace {

std::uint32_t BigEndianAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    value = (value << 8) | bytes[offset + i];
  }
  return value;
}

bool HoldsAt(std::span<const std::uint8_t> bytes, std::size_t offset, std::string_view text) {
  return std::equal(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset),
                    [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

TEST(EmbeddedPictures, EveryCardHasAStreamOfItsOwnAndNoOtherNumberHasOne) {
  std::set<const std::uint8_t*> starts;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const std::span<const std::uint8_t> png = deck::CardPicturePng(card);
    EXPECT_FALSE(png.empty()) << card;
    starts.insert(png.data());
  }
  EXPECT_EQ(starts.size(), static_cast<std::size_t>(deck::kCardCount));
  EXPECT_THROW(deck::CardPicturePng(0), std::out_of_range);
  EXPECT_THROW(deck::CardPicturePng(deck::kCardCount + 1), std::out_of_range);
}

TEST(EmbeddedPictures, EachIsAnUninterlacedEightBitRgbaPngOfItsSize) {
  for (int card = 1; card <= deck::kCardCount; ++card) {
    SCOPED_TRACE(card);
    const deck::PictureSpec& picture = deck::PictureOf(card);
    const std::span<const std::uint8_t> png = EmbeddedPng(card);
    ASSERT_GE(png.size(), 33u);
    EXPECT_TRUE(HoldsAt(png, 0, "\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(BigEndianAt(png, 8), 13u);  // IHDR is the first chunk
    EXPECT_TRUE(HoldsAt(png, 12, "IHDR"));
    EXPECT_EQ(BigEndianAt(png, 16), static_cast<std::uint32_t>(picture.width));
    EXPECT_EQ(BigEndianAt(png, 20), static_cast<std::uint32_t>(picture.height));
    EXPECT_EQ(png[24], 8);  // bit depth
    EXPECT_EQ(png[25], 6);  // colour type: truecolour with alpha
    EXPECT_EQ(png[28], 0);  // no interlace

    const DecodedPng& decoded = EmbeddedPicture(card);
    EXPECT_EQ(decoded.width, picture.width);
    EXPECT_EQ(decoded.height, picture.height);
  }
}

TEST(EmbeddedPictures, TakeUnder260KilobytesInAll) {
  std::size_t total = 0;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    total += EmbeddedPng(card).size();
  }
  RecordProperty("embedded_png_bytes", static_cast<int>(total));
  EXPECT_GT(total, 0u);
  EXPECT_LT(total, 260'000u);
}

}  // namespace
