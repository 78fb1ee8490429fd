#include "tests/platform_win32/screen_capture.h"

#include "tests/platform_win32/test_platform.h"

namespace lumivor::win32_tests {

ClientPixels CaptureClientArea(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  ClientPixels pixels{client.right, client.bottom,
                      std::vector<std::uint32_t>(static_cast<std::size_t>(client.right) * client.bottom)};

  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, pixels.width, pixels.height, screen, origin.x, origin.y, SRCCOPY);
  GdiFlush();
  const auto* source = static_cast<const std::uint32_t*>(bits);
  for (std::size_t i = 0; i < pixels.rgb.size(); ++i) pixels.rgb[i] = source[i] & 0xFFFFFF;
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

ClientPixels CaptureWhenPixelIs(HWND window, int x, int y, std::uint32_t rgb) {
  constexpr double kLongestWaitSeconds = 5.0;
  auto& platform = TestPlatform();
  const double deadline = platform.Now() + kLongestWaitSeconds;
  ClientPixels pixels;
  for (;;) {
    platform.ProcessPendingMessages();
    pixels = CaptureClientArea(window);
    if (pixels.At(x, y) == rgb || platform.Now() > deadline) return pixels;
    Sleep(20);
  }
}

}  // namespace lumivor::win32_tests
