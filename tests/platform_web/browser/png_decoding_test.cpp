#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "tests/platform_web/browser/page_values.h"
#include "tests/platform_web/browser/test_platform.h"
#include "tests/support/recording_window_events.h"

namespace {

using namespace browser_tests;
using toolkit::platform::Canvas;

const std::vector<std::uint32_t> kRed7x3(7 * 3, 0xFFFF0000);

TEST(PngDecodingTest, ReadsThePictureSize) {
  const auto bitmap = TestPlatform().DecodePng(EncodeInBrowser(7, 3, kRed7x3));

  EXPECT_EQ(bitmap->Width(), 7);
  EXPECT_EQ(bitmap->Height(), 3);
}

TEST(PngDecodingTest, RejectsWhatIsNoPng) {
  std::vector<std::uint8_t> truncated = EncodeInBrowser(7, 3, kRed7x3);
  truncated.resize(truncated.size() / 2);
  const std::string text = "not a picture";
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
  } cases[] = {
      {"nothing", {}},
      {"text", {text.begin(), text.end()}},
      {"half a PNG", truncated},
      // Pictures the browser reads as well, but no PNG streams.
      {"JPEG", EncodeInBrowser(7, 3, kRed7x3, "image/jpeg")},
      {"WebP", EncodeInBrowser(7, 3, kRed7x3, "image/webp")},
  };
  for (const auto& bad : cases) {
    EXPECT_THROW(TestPlatform().DecodePng(bad.bytes), std::runtime_error) << bad.name;
  }
}

// The browser is asked once for each picture, which it keeps until the bitmap goes.
TEST(PngDecodingTest, EachPictureIsDecodedOnceAndLetGoWithItsBitmap) {
  PageValue(
      "(() => { const decode = window.createImageBitmap; window.decoded = [];"
      " window.createImageBitmap = (...picture) => decode(...picture).then(bitmap => { decoded.push(bitmap);"
      " return bitmap; });"
      " window.restoreDecode = () => { window.createImageBitmap = decode; }; })()");
  auto bitmap = TestPlatform().DecodePng(EncodeInBrowser(7, 3, kRed7x3));
  RecordingWindowEvents events;
  events.paint = [&](Canvas& canvas) { canvas.DrawBitmap(*bitmap, {0, 0, 14, 6}, 1.0); };
  const auto window = TestPlatform().CreateWindow(events);
  window->Show();
  for (int frame = 0; frame < 3; ++frame) {
    window->Invalidate();
    window->Update();
  }
  PageValue("restoreDecode()");

  EXPECT_EQ(ReadCanvas({0, 0, 1, 1}).At(0, 0), 0xFF0000u) << "drawn";
  ASSERT_EQ(PageNumber("decoded.length"), 1) << "decoded once, however often it is drawn";
  EXPECT_EQ(PageNumber("decoded[0].width"), 7) << "kept while the bitmap lives";
  events.paint = nullptr;
  bitmap.reset();
  EXPECT_EQ(PageNumber("decoded[0].width"), 0) << "closed once the bitmap is gone";
}

}  // namespace
