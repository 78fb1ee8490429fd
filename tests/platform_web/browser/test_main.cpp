#include <emscripten.h>
#include <gtest/gtest.h>

#include "tests/platform_web/browser/test_platform.h"

namespace {

std::unique_ptr<toolkit::platform::Platform> platform;

// The page learns the program's result from here: main returns into the browser only after its
// stack has been suspended and resumed many times, and nothing there reads what it returns.
EM_JS(void, lumivor_test_finish, (int result), { LumivorTests.finish(result); });

}  // namespace

toolkit::platform::Platform& TestPlatform() { return *platform; }

// The browser's clock steps by a tenth of a millisecond, still far finer than the milliseconds
// of Date.
double CoarsestClockStep() { return 0.001; }

bool ProcessUntil(const std::function<bool()>& done, double seconds) {
  const double deadline = platform->Now() + seconds;
  platform->ProcessMessagesUntil([&] { return done() || platform->Now() >= deadline; });
  return done();
}

void ProcessFor(double seconds) {
  ProcessUntil([] { return false; }, seconds);
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  platform = toolkit::platform::CreatePlatform();
  const int result = RUN_ALL_TESTS();
  platform.reset();
  lumivor_test_finish(result);
  return result;
}
