#include <gtest/gtest.h>

#include <string>

#include "tests/support/toolkit_printers.h"
#include "toolkit/looks/style.h"

using toolkit::platform::Color;
using toolkit::platform::SystemVersion;

namespace {

struct VersionCase {
  SystemVersion version;
  std::string_view look;
};

class LookForVersion : public testing::TestWithParam<VersionCase> {};

TEST_P(LookForVersion, FollowsTheSystemVersion) {
  const VersionCase& c = GetParam();
  EXPECT_EQ(toolkit::StyleForVersion(c.version).name, c.look);
}

INSTANTIATE_TEST_SUITE_P(Versions, LookForVersion,
                         testing::Values(VersionCase{{true, 11, 0}, "WIN10STYLE"},
                                         VersionCase{{true, 10, 0}, "WIN10STYLE"},
                                         VersionCase{{true, 6, 3}, "WIN8STYLE"},
                                         VersionCase{{true, 6, 2}, "WIN8STYLE"},
                                         VersionCase{{true, 6, 1}, "WIN7STYLE"},
                                         VersionCase{{true, 6, 0}, "WIN7STYLE"},
                                         VersionCase{{true, 5, 1}, "WIN7STYLE"},
                                         // other systems get the newest look, whatever their number
                                         VersionCase{{false, 6, 1}, "WIN10STYLE"},
                                         VersionCase{{false, 0, 0}, "WIN10STYLE"}),
                         [](const testing::TestParamInfo<VersionCase>& info) {
                           const SystemVersion& v = info.param.version;
                           return std::string(v.windows ? "Windows" : "Other") + std::to_string(v.major) + "_" +
                                  std::to_string(v.minor);
                         });

TEST(Looks, KeepTheirOwnColours) {
  struct Colours {
    const toolkit::TStyle& style;
    std::uint32_t border, panelFill, panelBorder, dot, currentDot;
  };
  for (const Colours& c : {Colours{toolkit::WIN10STYLE, 0xD9D9D9, 0xF0F0F0, 0xCCCCCC, 0xD4D4D4, 0x2A96FF},
                           Colours{toolkit::WIN8STYLE, 0xACACAC, 0xF0F0F0, 0x979797, 0xC1C1C1, 0x2A96FF},
                           Colours{toolkit::WIN7STYLE, 0x898C95, 0xF4F4F4, 0x979797, 0xBFBFBF, 0x3399FF}}) {
    SCOPED_TRACE(std::string(c.style.name));
    EXPECT_EQ(c.style.tabBackground, Color{0xFFFFFF});
    EXPECT_EQ(c.style.tabBorder, Color{c.border});
    EXPECT_EQ(c.style.panelFill, Color{c.panelFill});
    EXPECT_EQ(c.style.panelBorder, Color{c.panelBorder});
    EXPECT_EQ(c.style.dot, Color{c.dot});
    EXPECT_EQ(c.style.currentDot, Color{c.currentDot});
  }
  EXPECT_EQ(toolkit::look::kText, Color{0x000000}) << "text is black in every look";
}

}  // namespace
