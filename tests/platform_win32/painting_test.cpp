// Rectangles, borders, offsets and clips land on exact pixels, with either renderer, and both
// renderers draw the same pixels; when each is used; how paint requests are answered.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "tests/platform_win32/painted_window.h"
#include "tests/platform_win32/test_platform.h"
#include "toolkit/platform/win32/direct2d_renderer.h"
#include "toolkit/platform/win32/win32_window.h"

namespace lumivor::win32_tests {
namespace {

using toolkit::Rect;
using toolkit::platform::Canvas;
using toolkit::platform::Color;
using toolkit::platform::win32::RendererKind;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;
constexpr std::uint32_t kGreen = 0x00C000;
constexpr std::uint32_t kOlive = 0x808000;
constexpr std::uint32_t kTeal = 0x008080;
constexpr std::uint32_t kPurple = 0x800080;
constexpr std::uint32_t kGrey = 0x404040;

constexpr Rect kTick{30, 50, 43, 63};

bool SameColour(std::uint32_t a, std::uint32_t b, int tolerance) {
  for (int shift : {0, 8, 16}) {
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance) {
      return false;
    }
  }
  return true;
}

void PaintRectangles(Canvas& canvas) {
  canvas.FillRect(Rect{10, 10, 30, 20}, Color{kRed});
  canvas.FrameRect(Rect{40, 10, 70, 40}, Color{kBlue}, 1);
  canvas.FrameRect(Rect{80, 10, 110, 40}, Color{kGreen}, 3);
  // An offset and a clip, both undone by Restore.
  canvas.Save();
  canvas.Translate(120, 10);
  canvas.ClipTo(Rect{0, 0, 10, 10});
  canvas.FillRect(Rect{-5, -5, 20, 20}, Color{kOlive});
  canvas.Restore();
  canvas.FillRect(Rect{135, 10, 140, 15}, Color{kTeal});
  // Nested clips narrow each other; the inner one's Restore brings back the outer one.
  canvas.Save();
  canvas.ClipTo(Rect{150, 10, 170, 30});
  canvas.Save();
  canvas.ClipTo(Rect{160, 20, 200, 60});
  canvas.FillRect(Rect{140, 0, 220, 80}, Color{kPurple});
  canvas.Restore();
  canvas.FillRect(Rect{150, 10, 155, 15}, Color{kGrey});
  canvas.FillRect(Rect{165, 5, 175, 8}, Color{kGrey});
  canvas.Restore();
  // A frame wider than half its rectangle fills it, and stays inside it.
  canvas.FrameRect(Rect{10, 50, 16, 54}, Color{kBlue}, 5);
  canvas.DrawTick(kTick, Color{0x000000});
}

struct ExpectedPixel {
  int x;
  int y;
  std::uint32_t rgb;
};

constexpr ExpectedPixel kRectanglePixels[] = {
    // The filled rectangle: its first and last pixels, and the pixels just outside.
    {10, 10, kRed}, {29, 19, kRed}, {9, 10, kWhite}, {10, 9, kWhite}, {30, 19, kWhite}, {29, 20, kWhite},
    // The 1-pixel border lies inside the rectangle's edges.
    {40, 10, kBlue}, {69, 10, kBlue}, {40, 39, kBlue}, {69, 39, kBlue}, {55, 10, kBlue}, {40, 25, kBlue},
    {41, 11, kWhite}, {68, 38, kWhite}, {70, 25, kWhite}, {55, 40, kWhite}, {39, 25, kWhite}, {55, 9, kWhite},
    // The 3-pixel border.
    {80, 10, kGreen}, {82, 12, kGreen}, {83, 13, kWhite}, {107, 37, kGreen}, {106, 36, kWhite}, {109, 39, kGreen},
    {110, 39, kWhite}, {95, 37, kGreen}, {95, 36, kWhite},
    // Translated and clipped to (120, 10) to (130, 20).
    {120, 10, kOlive}, {129, 19, kOlive}, {119, 10, kWhite}, {130, 15, kWhite}, {125, 20, kWhite}, {125, 9, kWhite},
    // After Restore: neither offset nor clip.
    {135, 10, kTeal}, {139, 14, kTeal}, {140, 14, kWhite},
    // Inside both clips only: (160, 20) to (170, 30).
    {160, 20, kPurple}, {169, 29, kPurple}, {159, 25, kWhite}, {170, 25, kWhite}, {165, 19, kWhite},
    {165, 30, kWhite}, {145, 5, kWhite},
    // The outer clip again after the inner Restore.
    {150, 10, kGrey}, {154, 14, kGrey}, {165, 7, kWhite},
    // The wide frame.
    {10, 50, kBlue}, {15, 53, kBlue}, {12, 51, kBlue}, {16, 52, kWhite}, {12, 54, kWhite},
};

class RendererPainting : public testing::TestWithParam<RendererKind> {};

TEST_P(RendererPainting, FillsFramesOffsetsAndClipsLandOnExactPixels) {
  PaintedWindow window(GetParam());
  const ClientPixels pixels = window.Paint(PaintRectangles);
  ASSERT_EQ(window.Native().RendererInUse(), GetParam());
  for (const ExpectedPixel& expected : kRectanglePixels) {
    EXPECT_EQ(pixels.At(expected.x, expected.y), expected.rgb) << "at (" << expected.x << ", " << expected.y << ")";
  }
}

TEST_P(RendererPainting, TheClientAreaStartsWhiteAndFollowsAResize) {
  PaintedWindow window(GetParam());
  const ClientPixels blank = window.Paint([](Canvas&) {});
  EXPECT_EQ(CountPixelsOtherThan(blank, Rect{4, 0, blank.width, blank.height}, kWhite), 0);
  EXPECT_EQ(CountPixelsOtherThan(blank, Rect{0, 4, 4, blank.height}, kWhite), 0);

  window.Native().SetClientSize(PaintedWindow::kWidth + 40, PaintedWindow::kHeight + 20);
  const ClientPixels larger = window.Paint([](Canvas& canvas) {
    canvas.FillRect(Rect{PaintedWindow::kWidth + 30, PaintedWindow::kHeight + 10, PaintedWindow::kWidth + 40,
                         PaintedWindow::kHeight + 20},
                    Color{kRed});
  });
  ASSERT_EQ(larger.width, PaintedWindow::kWidth + 40);
  EXPECT_EQ(larger.At(PaintedWindow::kWidth + 39, PaintedWindow::kHeight + 19), kRed);
  EXPECT_EQ(larger.At(PaintedWindow::kWidth + 29, PaintedWindow::kHeight + 19), kWhite);
}

TEST_P(RendererPainting, TickIsAnAntiAliasedDarkStrokeInsideItsBox) {
  const Rect box{200, 120, 213, 133};
  PaintedWindow window(GetParam());
  const ClientPixels pixels = window.Paint([&](Canvas& canvas) { canvas.DrawTick(box, Color{0x000000}); });

  int dark = 0;
  int blended = 0;
  for (int y = box.top; y < box.bottom; ++y) {
    for (int x = box.left; x < box.right; ++x) {
      const std::uint32_t green = (pixels.At(x, y) >> 8) & 0xFF;
      dark += green < 0x40;
      blended += green >= 0x40 && green < 0xE0;
    }
  }
  EXPECT_GE(dark, 8);
  EXPECT_GE(blended, 4) << "the tick's edges are not anti-aliased";
  const Rect aroundBox{box.left - 1, box.top - 1, box.right + 1, box.bottom + 1};
  EXPECT_EQ(CountPixelsOtherThan(pixels, PaintedWindow::kBelowMarker, kWhite),
            CountPixelsOtherThan(pixels, aroundBox, kWhite))
      << "the tick reaches out of its box";
}

INSTANTIATE_TEST_SUITE_P(Renderers, RendererPainting, testing::Values(RendererKind::Direct2D, RendererKind::GdiPlus),
                         [](const auto& info) { return RendererName(info.param); });

TEST(RendererParity, Direct2DAndGdiPlusDrawTheSameFillsFramesAndTicks) {
  ClientPixels direct2D;
  {
    PaintedWindow window(RendererKind::Direct2D);
    direct2D = window.Paint(PaintRectangles);
    ASSERT_EQ(window.Native().RendererInUse(), RendererKind::Direct2D);
  }
  ClientPixels gdiPlus;
  {
    PaintedWindow window(RendererKind::GdiPlus);
    gdiPlus = window.Paint(PaintRectangles);
    ASSERT_EQ(window.Native().RendererInUse(), RendererKind::GdiPlus);
  }
  // The corner marker differs by design. The tick's blended edge pixels may differ by one
  // step of rounding; everything else must be the same.
  ASSERT_EQ(direct2D.rgb.size(), gdiPlus.rgb.size());
  int differing = 0;
  for (int y = 0; y < direct2D.height; ++y) {
    for (int x = 0; x < direct2D.width; ++x) {
      const bool inTick = x >= kTick.left && x < kTick.right && y >= kTick.top && y < kTick.bottom;
      if ((x >= 4 || y >= 4) && !SameColour(direct2D.At(x, y), gdiPlus.At(x, y), inTick ? 1 : 0)) ++differing;
    }
  }
  EXPECT_EQ(differing, 0);
}

TEST(RendererChoice, WithVisualThemesAndDirect2DPresentWindowsDrawWithDirect2D) {
  // Wine has both, as every Windows since 7 with its default theme has.
  PaintedWindow window(std::nullopt);
  window.Paint([](Canvas&) {});
  EXPECT_EQ(window.Native().RendererInUse(), RendererKind::Direct2D);
}

TEST(RendererChoice, AWindowWhoseDirect2DRenderTargetCannotBeMadeIsDrawnWithGdiPlus) {
  struct FailingTargets {
    FailingTargets() { toolkit::platform::win32::FailDirect2DRenderTargets(true); }
    ~FailingTargets() { toolkit::platform::win32::FailDirect2DRenderTargets(false); }
  } failing;
  PaintedWindow window(RendererKind::Direct2D);
  const ClientPixels pixels = window.Paint(PaintRectangles);
  EXPECT_EQ(window.Native().RendererInUse(), RendererKind::GdiPlus);
  for (const ExpectedPixel& expected : kRectanglePixels) {
    EXPECT_EQ(pixels.At(expected.x, expected.y), expected.rgb) << "at (" << expected.x << ", " << expected.y << ")";
  }
}

// What Windows shows of a window before its first frame and in the strips it grows by, before
// the next: the erasing of its background, here into a bitmap of a test's own, painted black.
class ErasedBackground {
 public:
  static constexpr int kSize = 200;

  ErasedBackground() {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~ErasedBackground() {
    SelectObject(dc_, previous_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }

  // Erases `window`'s background into the black bitmap; false when the window says it did not.
  bool Erase(HWND window) {
    std::fill(bits_, bits_ + kSize * kSize, 0u);
    return SendMessageW(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc_), 0) != 0;
  }
  std::uint32_t At(int x, int y) const { return bits_[y * kSize + x] & 0xFFFFFF; }
  // How many pixels of `area` have another colour than `rgb`.
  int CountOtherThan(const Rect& area, std::uint32_t rgb) const {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
      for (int x = area.left; x < area.right; ++x) count += At(x, y) != rgb;
    return count;
  }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

TEST(WindowBackground, IsWhiteBeforeTheFirstFrameAndWhereTheWindowGrewButLeavesTheLastFrameAlone) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  window->SetClientSize(160, 120);
  HWND handle = AsWin32(*window).Handle();
  ErasedBackground background;
  ASSERT_EQ(window->ClientWidth(), 160);
  ASSERT_EQ(window->ClientHeight(), 120);

  ASSERT_TRUE(background.Erase(handle));
  EXPECT_EQ(background.CountOtherThan(Rect{0, 0, 160, 120}, kWhite), 0);
  EXPECT_EQ(background.At(160, 0), 0u) << "erased beyond the client area";

  window->Show();
  window->Update();
  ASSERT_GE(events.paints, 1);
  window->SetClientSize(190, 150);
  ASSERT_EQ(window->ClientWidth(), 190);
  ASSERT_EQ(window->ClientHeight(), 150);
  ASSERT_TRUE(background.Erase(handle));
  // Erasing the last frame's pixels would only make the next frame flicker.
  EXPECT_EQ(background.CountOtherThan(Rect{0, 0, 160, 120}, 0x000000), 0);
  EXPECT_EQ(background.CountOtherThan(Rect{160, 0, 190, 150}, kWhite), 0);
  EXPECT_EQ(background.CountOtherThan(Rect{0, 120, 160, 150}, kWhite), 0);
}

TEST(PaintRequests, UpdatePaintsWhatIsInvalidBeforeItReturnsAndNothingWhenAllIsValid) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  window->Show();
  window->Update();
  const int paints = events.paints;

  window->Update();
  EXPECT_EQ(events.paints, paints);
  window->Invalidate();
  EXPECT_EQ(events.paints, paints);
  window->Update();
  EXPECT_EQ(events.paints, paints + 1);
}

// Loading a form changes thousands of controls while its window is hidden: showing the window
// paints it whole, once, and every change after that is painted again.
TEST(PaintRequests, AWindowChangedWhileHiddenIsPaintedOnceWhenShownAndFollowsChangesAfter) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  const HWND handle = dynamic_cast<toolkit::platform::win32::Win32Window&>(*window).Handle();
  for (int change = 0; change < 100; ++change) window->Invalidate();
  TestPlatform().ProcessPendingMessages();
  EXPECT_EQ(events.paints, 0);

  window->Show();
  window->Update();
  EXPECT_EQ(events.paints, 1);
  window->Update();
  EXPECT_EQ(events.paints, 1);
  window->Invalidate();
  window->Update();
  EXPECT_EQ(events.paints, 2);

  ShowWindow(handle, SW_HIDE);
  window->Invalidate();
  ShowWindow(handle, SW_SHOWNA);
  window->Update();
  EXPECT_EQ(events.paints, 3);
  window->Invalidate();
  window->Update();
  EXPECT_EQ(events.paints, 4);
}

TEST(PaintRequests, InvalidateIsAnsweredFromTheMessageLoop) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  window->Show();
  window->Update();
  const int paints = events.paints;

  window->Invalidate();
  TestPlatform().ProcessMessagesUntil([&] { return events.paints > paints; });
  EXPECT_EQ(events.paints, paints + 1);
}

TEST(PaintRequests, AnErrorWhilePaintingReachesTheCallerAndThePaintIsNotRepeatedForEver) {
  RecordingEvents events;
  auto window = TestPlatform().CreateWindow(events);
  window->Show();
  window->Update();
  events.painter = [](Canvas&) { throw std::runtime_error("paint failed"); };
  const int paints = events.paints;

  window->Invalidate();
  try {
    window->Update();
    ADD_FAILURE() << "Update did not throw";
  } catch (const std::runtime_error& error) {
    EXPECT_STREQ(error.what(), "paint failed");
  }
  TestPlatform().ProcessPendingMessages();
  EXPECT_EQ(events.paints, paints + 1);
}

}  // namespace
}  // namespace lumivor::win32_tests
