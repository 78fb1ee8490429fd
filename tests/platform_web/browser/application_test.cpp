#include <gtest/gtest.h>

#include <string>

#include "tests/platform_web/browser/browser_runner.h"
#include "tests/platform_web/browser/page_values.h"
#include "tests/platform_web/browser/test_platform.h"

namespace {

using namespace browser_tests;

// The driver dismisses every dialog as it opens and keeps its text.
TEST(ApplicationTest, AnErrorIsShownInTheBrowsersAlert) {
  TestPlatform().ShowError("Ошибка: нет страницы");

  EXPECT_EQ(Perform({Dialogs()}), R"([{"texts":["Ошибка: нет страницы"]}])");
}

TEST(ApplicationTest, ThePageShowsTheProgramsIconAtEachOfItsSizes) {
  std::string expected;
  for (const toolkit::platform::IconImage& image : toolkit::platform::MainIconImages()) {
    const std::string size = std::to_string(image.size) + "x" + std::to_string(image.size);
    expected += size + " " + std::to_string(image.png.size()) + " bytes, " + size + "\n";
  }
  ASSERT_FALSE(expected.empty());

  // Each icon's size as the page says it, and its picture as the browser reads it.
  EXPECT_EQ(PageValueAwaited("Promise.all([...document.querySelectorAll('link[rel=icon][type=\"image/png\"]')]"
                             ".map(async link => { const blob = await (await fetch(link.href)).blob();"
                             " const picture = await createImageBitmap(blob);"
                             " return link.sizes.value + ' ' + blob.size + ' bytes, ' + picture.width + 'x' +"
                             " picture.height + '\\n'; })).then(icons => icons.join(''))"),
            expected);
}

TEST(ApplicationTest, TheSystemIsNoWindows) { EXPECT_FALSE(TestPlatform().Version().windows); }

}  // namespace
