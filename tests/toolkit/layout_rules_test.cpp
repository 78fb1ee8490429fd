#include <gtest/gtest.h>

#include <cctype>
#include <string>

#include "tests/support/toolkit_printers.h"
#include "toolkit/layout/align_objects.h"
#include "toolkit/layout/dot_layout.h"
#include "toolkit/layout/fit_rule.h"
#include "toolkit/layout/rounding.h"

using toolkit::AlignItem;
using toolkit::Rect;
using toolkit::TAlignLayout;

namespace {

TEST(RoundHalfEven, SendsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(toolkit::RoundToInt(0.5), 0);
  EXPECT_EQ(toolkit::RoundToInt(1.5), 2);
  EXPECT_EQ(toolkit::RoundToInt(2.5), 2);
  EXPECT_EQ(toolkit::RoundToInt(-0.5), 0);
  EXPECT_EQ(toolkit::RoundToInt(-1.5), -2);
  EXPECT_EQ(toolkit::RoundToInt(212.83), 213);
  EXPECT_EQ(toolkit::RoundToInt(-2.49), -2);
}

// A card page: picture on top, the control strip stored below it, the answer area taking the rest.
std::vector<AlignItem> CardPage(bool stripFirst) {
  AlignItem picture{TAlignLayout::Top, true, {0, 0, 10, 249}};
  AlignItem answer{TAlignLayout::Client, true, {}};
  AlignItem strip{TAlignLayout::Top, true, {0, 249, 10, 273}};
  if (stripFirst) return {picture, strip, answer};
  return {picture, answer, strip};
}

TEST(AlignObjects, StacksTopChildrenByTheirEdgeWhateverTheirOrder) {
  for (bool stripFirst : {false, true}) {
    auto page = CardPage(stripFirst);
    toolkit::AlignObjects(663, 480, page);
    const AlignItem& strip = stripFirst ? page[1] : page[2];
    const AlignItem& answer = stripFirst ? page[2] : page[1];
    EXPECT_EQ(page[0].bounds, (Rect{0, 0, 663, 249}));
    EXPECT_EQ(strip.bounds, (Rect{0, 249, 663, 273}));
    EXPECT_EQ(answer.bounds, (Rect{0, 273, 663, 480}));
  }
}

TEST(AlignObjects, LeftChildrenTakeTheFullHeightInEdgeOrder) {
  std::vector<AlignItem> strip = {{TAlignLayout::Left, true, {137, 0, 217, 5}},  // stored second
                                  {TAlignLayout::Left, true, {0, 0, 137, 24}}};
  toolkit::AlignObjects(663, 24, strip);
  EXPECT_EQ(strip[1].bounds, (Rect{0, 0, 137, 24}));
  EXPECT_EQ(strip[0].bounds, (Rect{137, 0, 217, 24}));
}

TEST(AlignObjects, HiddenChildrenKeepTheirBoundsAndTakeNoSpace) {
  std::vector<AlignItem> items = {{TAlignLayout::Top, false, {5, 5, 20, 55}},
                                  {TAlignLayout::Top, true, {0, 60, 1, 90}},
                                  {TAlignLayout::Client, true, {}}};
  toolkit::AlignObjects(100, 100, items);
  EXPECT_EQ(items[0].bounds, (Rect{5, 5, 20, 55}));
  EXPECT_EQ(items[1].bounds, (Rect{0, 0, 100, 30}));
  EXPECT_EQ(items[2].bounds, (Rect{0, 30, 100, 100}));
}

TEST(AlignObjects, NothingComesOutNegative) {
  for (int height : {273, 200, 0}) {
    auto page = CardPage(false);
    toolkit::AlignObjects(50, height, page);
    EXPECT_EQ(page[1].bounds.Height(), 0) << "client height " << height;
    EXPECT_EQ(page[1].bounds.Width(), 50);
    EXPECT_EQ(page[2].bounds, (Rect{0, 249, 50, 273})) << "the strip keeps its own height";
  }
  std::vector<AlignItem> wide = {{TAlignLayout::Left, true, {0, 0, 137, 24}},
                                 {TAlignLayout::Client, true, {}}};
  toolkit::AlignObjects(100, 24, wide);
  EXPECT_EQ(wide[1].bounds.Width(), 0);
  EXPECT_GE(wide[1].bounds.right, wide[1].bounds.left);
}

struct DotCase {
  int width;
  int height;
  int page;  // 1-based
  Rect dot;
};

class DotLayoutCases : public testing::TestWithParam<DotCase> {};

TEST_P(DotLayoutCases, PlacesTheDot) {
  const DotCase& c = GetParam();
  const std::vector<Rect> dots = toolkit::DotLayout(120, 8, 8, c.width, c.height);
  ASSERT_EQ(dots.size(), 120u);
  EXPECT_EQ(dots[c.page - 1], c.dot) << c.width << " x " << c.height << ", page " << c.page;
}

INSTANTIATE_TEST_SUITE_P(
    Widths, DotLayoutCases,
    testing::Values(
        // 66 + 54 dots at the designed size, the short row left-aligned
        DotCase{663, 480, 1, {3, 451, 11, 459}}, DotCase{663, 480, 66, {653, 451, 661, 459}},
        DotCase{663, 480, 67, {3, 461, 11, 469}}, DotCase{663, 480, 120, {533, 461, 541, 469}},
        // one row from 1200 wide
        DotCase{1200, 480, 1, {1, 461, 9, 469}}, DotCase{1200, 480, 120, {1191, 461, 1199, 469}},
        DotCase{1920, 1080, 1, {361, 1061, 369, 1069}},
        // 119 + 1 at 1199
        DotCase{1199, 480, 119, {1186, 451, 1194, 459}}, DotCase{1199, 480, 120, {6, 461, 14, 469}},
        // three rows of 40 at 400
        DotCase{400, 300, 1, {1, 261, 9, 269}}, DotCase{400, 300, 40, {391, 261, 399, 269}},
        DotCase{400, 300, 41, {1, 271, 9, 279}}, DotCase{400, 300, 120, {391, 281, 399, 289}},
        // narrower than one cell: one column
        DotCase{5, 2000, 1, {-1, 791, 7, 799}}),
    [](const testing::TestParamInfo<DotCase>& info) {
      const DotCase& c = info.param;
      return "W" + std::to_string(c.width) + "H" + std::to_string(c.height) + "Page" + std::to_string(c.page);
    });

TEST(DotLayout, TheGapIsATenthOfTheDotsLargerSide) {
  // 20 x 10 dots: a gap of 2 around each, cells of 24 x 14; the block of 3 is 68 wide.
  const std::vector<Rect> dots = toolkit::DotLayout(3, 20, 10, 100, 100);
  const std::vector<Rect> expected = {{16, 78, 36, 88}, {40, 78, 60, 88}, {64, 78, 84, 88}};
  EXPECT_EQ(dots, expected);
}

struct FitCase {
  const char* what;
  int width, height, areaWidth, areaHeight;
  Rect target;
};

class FitRule : public testing::TestWithParam<FitCase> {};

TEST_P(FitRule, CentresAndScalesToJustFit) {
  const FitCase& c = GetParam();
  EXPECT_EQ(toolkit::FitInto(c.width, c.height, c.areaWidth, c.areaHeight), c.target) << c.what;
}

INSTANTIATE_TEST_SUITE_P(CardPictures, FitRule,
                         testing::Values(FitCase{"card 1", 285, 299, 663, 249, {213, 0, 450, 249}},
                                         FitCase{"card 37", 229, 315, 663, 249, {241, 0, 422, 249}},
                                         FitCase{"card 39", 209, 267, 663, 249, {234, 0, 429, 249}},
                                         FitCase{"card 91, enlarged", 343, 243, 663, 249, {156, 0, 507, 249}},
                                         FitCase{"card 92, enlarged", 327, 243, 663, 249, {164, 0, 499, 249}},
                                         FitCase{"card 99", 350, 279, 663, 249, {175, 0, 487, 249}},
                                         FitCase{"card 99, narrow area", 350, 279, 300, 249, {0, 5, 300, 244}},
                                         FitCase{"empty area", 350, 279, 0, 249, {0, 0, 0, 0}}),
                         [](const testing::TestParamInfo<FitCase>& info) {
                           std::string name;
                           for (const char* c = info.param.what; *c != 0; ++c) {
                             if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
                           }
                           return name;
                         });

}  // namespace
