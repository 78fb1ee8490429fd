#include <gtest/gtest.h>

#include <memory>

#include "tests/platform_win32/test_platform.h"

namespace lumivor::win32_tests {

namespace {

std::unique_ptr<toolkit::platform::Platform> platform;

class PlatformEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    platform = toolkit::platform::CreatePlatform();
    toolkit::platform::win32::ForceRendererKind(kRendererOfUnpaintedWindows);
  }
  void TearDown() override { platform.reset(); }
};

}  // namespace

toolkit::platform::Platform& TestPlatform() { return *platform; }

toolkit::platform::win32::Win32Window& AsWin32(toolkit::platform::Window& window) {
  return dynamic_cast<toolkit::platform::win32::Win32Window&>(window);
}

}  // namespace lumivor::win32_tests

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::AddGlobalTestEnvironment(new lumivor::win32_tests::PlatformEnvironment);
  return RUN_ALL_TESTS();
}
