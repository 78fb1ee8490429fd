#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>
#include <string>

#include "deck/pictures/picture_table.h"
#include "tests/deck_pictures/embedded_pictures.h"
#include "tests/deck_pictures/reference_picture.h"

namespace {

constexpr Rgba kWhite{255, 255, 255, 255};
constexpr Rgba kRed{255, 0, 0, 255};
constexpr Rgba kGreen{153, 204, 0, 255};
constexpr Rgba kYellow{255, 255, 0, 255};

// Whether some fraction f in [0, 1] rounds colour × f to the pixel on every
// channel.
bool IsScaled(const Rgba& pixel, const Rgba& colour) {
  double low = 0.0;
  double high = 1.0;
  const int levels[][2] = {
      {pixel.red, colour.red}, {pixel.green, colour.green}, {pixel.blue, colour.blue}};
  for (const auto& [level, full] : levels) {
    if (full == 0) {
      if (level != 0) {
        return false;
      }
      continue;
    }
    low = std::max(low, (level - 0.5) / full);
    high = std::min(high, (level + 0.5) / full);
  }
  return low <= high;
}

// Green × g + red × r with g + r <= 1, as on the seam of card 39's light.
bool IsSeamMix(const Rgba& pixel) {
  if (pixel.blue != 0) {
    return false;
  }
  const double greenLow = std::max(0.0, (pixel.green - 0.5) / 204.0);
  return pixel.red >= 153.0 * greenLow - 0.5 && pixel.red <= 255.0 - 102.0 * greenLow + 0.5;
}

TEST(PictureContent, EveryPixelIsOpaqueBlackWhiteOrALightColourTowardsBlack) {
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const DecodedPng& image = EmbeddedPicture(card);
    int strays = 0;
    std::string first;
    for (int row = 0; row < image.height; ++row) {
      for (int column = 0; column < image.width; ++column) {
        const Rgba p = PixelAt(image, column, row);
        const bool ok =
            p.alpha == 255 && (IsScaled(p, kWhite) || IsScaled(p, kRed) || IsScaled(p, kGreen) ||
                               IsScaled(p, kYellow) || (card == 39 && IsSeamMix(p)));
        if (!ok && strays++ == 0) {
          first = "(" + std::to_string(column) + ", " + std::to_string(row) +
                  ") = " + testing::PrintToString(p);
        }
      }
    }
    EXPECT_EQ(strays, 0) << "card " << card << ", first at " << first;
  }
}

// Line k (0 = outermost) along one side is entirely white.
struct Side {
  const char* name;
  int lines;
  std::function<bool(int k)> white;
};

TEST(PictureContent, FrameLinesAreWhiteWhereListedAndNowhereElse) {
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const DecodedPng& image = EmbeddedPicture(card);
    const deck::FrameLines& frame = deck::PictureOf(card).frame;
    const int w = image.width;
    const int h = image.height;
    const auto rowWhite = [&](int row) {
      for (int column = 0; column < w; ++column) {
        if (PixelAt(image, column, row) != kWhite) return false;
      }
      return true;
    };
    const auto columnWhite = [&](int column) {
      for (int row = 0; row < h; ++row) {
        if (PixelAt(image, column, row) != kWhite) return false;
      }
      return true;
    };
    const Side sides[] = {{"top", frame.top, [&](int k) { return rowWhite(k); }},
                          {"bottom", frame.bottom, [&](int k) { return rowWhite(h - 1 - k); }},
                          {"left", frame.left, [&](int k) { return columnWhite(k); }},
                          {"right", frame.right, [&](int k) { return columnWhite(w - 1 - k); }}};
    for (const Side& side : sides) {
      for (int k = 0; k < side.lines; ++k) {
        EXPECT_TRUE(side.white(k)) << "card " << card << " " << side.name << " line " << k;
      }
      EXPECT_FALSE(side.white(side.lines))
          << "card " << card << " " << side.name << " has more than " << side.lines << " lines";
    }
  }
}

Rgba ColourOf(deck::LightKind kind) {
  switch (kind) {
    case deck::LightKind::White:
      return kWhite;
    case deck::LightKind::Red:
      return kRed;
    case deck::LightKind::Green:
      return kGreen;
    default:
      return kYellow;
  }
}

// The four pixels that meet at a light's centre point lie wholly inside it.
TEST(PictureContent, PixelsAroundEachLightCentreHaveItsExactColour) {
  int checked = 0;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const DecodedPng& image = EmbeddedPicture(card);
    for (const deck::Light& light : deck::PictureOf(card).lights) {
      if (light.kind == deck::LightKind::TwoColour) {
        continue;
      }
      for (const auto& [column, row] : {std::pair{light.x - 1, light.y - 1},
                                        {light.x, light.y - 1},
                                        {light.x - 1, light.y},
                                        {light.x, light.y}}) {
        EXPECT_EQ(PixelAt(image, column, row), ColourOf(light.kind))
            << "card " << card << " pixel (" << column << ", " << row << ")";
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, 4 * 556);
}

// The seam crosses the two rows at the centre about 0.85 px left of it,
// inside column x − 1; the columns either side are pure green and pure red.
TEST(PictureContent, TwoColourLightIsGreenOnTheLeftAndRedOnTheRight) {
  const DecodedPng& image = EmbeddedPicture(39);
  const deck::Light& light = deck::PictureOf(39).lights.front();
  for (int row : {light.y - 1, light.y}) {
    for (int column : {light.x - 10, light.x - 2}) {
      EXPECT_EQ(PixelAt(image, column, row), kGreen) << column << ", " << row;
    }
    for (int column : {light.x, light.x + 10}) {
      EXPECT_EQ(PixelAt(image, column, row), kRed) << column << ", " << row;
    }
    const Rgba seam = PixelAt(image, light.x - 1, row);
    EXPECT_TRUE(seam.red > 153 && seam.red < 255 && seam.green > 0 && seam.green < 204)
        << "seam pixel in row " << row << " = " << seam.red << "," << seam.green;
  }
}

// Every channel of every pixel is the independently integrated value rounded
// to the nearest level: at most half a level away, plus a tenth for the
// reference's own integration error. So each edge pixel's coverage is right
// to well within 1/255, and no pixel outside the lights and frame is lit.
TEST(PictureCoverage, EveryPixelMatchesAnIndependentlyIntegratedReference) {
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const DecodedPng& image = EmbeddedPicture(card);
    const std::vector<ReferenceColour> reference = ReferencePicture(deck::PictureOf(card));
    int mismatches = 0;
    int edgePixels = 0;
    std::string first;
    for (int row = 0; row < image.height; ++row) {
      for (int column = 0; column < image.width; ++column) {
        const Rgba p = PixelAt(image, column, row);
        const ReferenceColour& want = reference[row * image.width + column];
        const int got[] = {p.red, p.green, p.blue};
        double worst = 0.0;
        for (int c = 0; c < 3; ++c) {
          worst = std::max(worst, std::abs(got[c] - want[c]));
        }
        const double peak = *std::max_element(want.begin(), want.end());
        edgePixels += peak > 1.0 && peak < 254.0;
        if (worst > 0.6 && mismatches++ == 0) {
          std::ostringstream where;
          where << "(" << column << ", " << row << ") = " << got[0] << "," << got[1] << ","
                << got[2] << " want " << want[0] << "," << want[1] << "," << want[2];
          first = where.str();
        }
      }
    }
    EXPECT_EQ(mismatches, 0) << "card " << card << ", first at " << first;
    EXPECT_GE(edgePixels, 40 * static_cast<int>(deck::PictureOf(card).lights.size()))
        << "card " << card;
  }
}

}  // namespace
