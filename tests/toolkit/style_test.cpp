#include <gtest/gtest.h>

#include "style.h"

namespace {

struct VersionCase {
  int major;
  int minor;
  std::string_view look;
};

class LookForVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(LookForVersion, FollowsTheSystemVersion) {
  const VersionCase& c = GetParam();
  EXPECT_EQ(toolkit::StyleForWindowsVersion(c.major, c.minor).name, c.look) << c.major << "." << c.minor;
}

INSTANTIATE_TEST_SUITE_P(Versions, LookForVersion,
                         testing::Values(VersionCase{11, 0, "WIN10STYLE"}, VersionCase{10, 0, "WIN10STYLE"},
                                         VersionCase{6, 3, "WIN8STYLE"}, VersionCase{6, 2, "WIN8STYLE"},
                                         VersionCase{6, 1, "WIN7STYLE"}, VersionCase{6, 0, "WIN7STYLE"},
                                         VersionCase{5, 1, "WIN7STYLE"}));

TEST(Looks, OtherSystemsGetTheNewestLook) { EXPECT_EQ(toolkit::PlatformStyle().name, "WIN10STYLE"); }

TEST(Looks, KeepTheirOwnColours) {
  struct Colours {
    const toolkit::TStyle& style;
    QRgb border, panelFill, panelBorder, dot, currentDot;
  };
  for (const Colours& c : {Colours{toolkit::WIN10STYLE, 0xD9D9D9, 0xF0F0F0, 0xCCCCCC, 0xD4D4D4, 0x2A96FF},
                           Colours{toolkit::WIN8STYLE, 0xACACAC, 0xF0F0F0, 0x979797, 0xC1C1C1, 0x2A96FF},
                           Colours{toolkit::WIN7STYLE, 0x898C95, 0xF4F4F4, 0x979797, 0xBFBFBF, 0x3399FF}}) {
    SCOPED_TRACE(std::string(c.style.name));
    EXPECT_EQ(c.style.tabBackground.rgb(), QColor(Qt::white).rgb());
    EXPECT_EQ(c.style.tabBorder.rgb() & 0xFFFFFF, c.border);
    EXPECT_EQ(c.style.panelFill.rgb() & 0xFFFFFF, c.panelFill);
    EXPECT_EQ(c.style.panelBorder.rgb() & 0xFFFFFF, c.panelBorder);
    EXPECT_EQ(c.style.dot.rgb() & 0xFFFFFF, c.dot);
    EXPECT_EQ(c.style.currentDot.rgb() & 0xFFFFFF, c.currentDot);
    EXPECT_EQ(c.style.text.rgb() & 0xFFFFFF, 0u);
  }
}

}  // namespace
