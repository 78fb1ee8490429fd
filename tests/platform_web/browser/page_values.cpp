#include "tests/platform_web/browser/page_values.h"

#include <emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace {

// The value is stashed on the page (runner_bridge.js) and copied out once its length is known.
EM_JS(int, lumivor_test_evaluate, (const char* expression, int length), {
  return LumivorTests.stash((0, eval)(UTF8ToString(expression, length)));
});

EM_ASYNC_JS(int, lumivor_test_evaluate_awaited, (const char* expression, int length), {
  return LumivorTests.stash(await (0, eval)(UTF8ToString(expression, length)));
});

EM_JS(void, lumivor_test_unstash, (char* bytes), { HEAPU8.set(LumivorTests.unstash(), bytes); });

}  // namespace

namespace browser_tests {

std::string TakeStashed(int length) {
  std::string value(static_cast<std::size_t>(length), '\0');
  lumivor_test_unstash(value.data());
  return value;
}

std::string PageValue(std::string_view expression) {
  return TakeStashed(lumivor_test_evaluate(expression.data(), static_cast<int>(expression.size())));
}

std::string PageValueAwaited(std::string_view expression) {
  return TakeStashed(lumivor_test_evaluate_awaited(expression.data(), static_cast<int>(expression.size())));
}

double PageNumber(std::string_view expression) { return std::strtod(PageValue(expression).c_str(), nullptr); }

std::string PageJson(std::string_view expression) {
  return PageValue("JSON.stringify(" + std::string(expression) + ")");
}

std::string Quoted(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
      quoted += escaped;
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

int Pixels::Gray(int x, int y) const {
  const std::uint32_t pixel = At(x, y);
  // Qt's qGray, so that the thresholds mean what they mean in the desktop backends' tests.
  return static_cast<int>((((pixel >> 16) & 0xFF) * 11 + ((pixel >> 8) & 0xFF) * 16 + (pixel & 0xFF) * 5) / 32);
}

Pixels ReadCanvas(const toolkit::Rect& devicePixels) {
  std::ostringstream expression;
  expression << "new Uint8Array(" << kNewestCanvas << ".getContext('2d').getImageData(" << devicePixels.left << ", "
             << devicePixels.top << ", " << devicePixels.Width() << ", " << devicePixels.Height() << ").data.buffer)";
  const std::string rgba = PageValue(expression.str());
  Pixels pixels{devicePixels.Width(), devicePixels.Height(), {}};
  pixels.rgb.reserve(rgba.size() / 4);
  for (std::size_t at = 0; at + 3 < rgba.size(); at += 4) {
    const auto byte = [&](std::size_t offset) {
      return static_cast<std::uint32_t>(static_cast<unsigned char>(rgba[at + offset]));
    };
    pixels.rgb.push_back(byte(0) << 16 | byte(1) << 8 | byte(2));
  }
  return pixels;
}

double DevicePixelRatio() { return PageNumber("window.devicePixelRatio"); }

std::vector<std::uint8_t> EncodeInBrowser(int width, int height, const std::vector<std::uint32_t>& argb,
                                          std::string_view type) {
  std::ostringstream expression;
  expression << "(async () => { const canvas = new OffscreenCanvas(" << width << ", " << height << ");"
             << " const rgba = new Uint8ClampedArray([";
  for (const std::uint32_t pixel : argb) {
    expression << ((pixel >> 16) & 0xFF) << ',' << ((pixel >> 8) & 0xFF) << ',' << (pixel & 0xFF) << ','
               << (pixel >> 24) << ',';
  }
  expression << "]); canvas.getContext('2d').putImageData(new ImageData(rgba, " << width << ", " << height
             << "), 0, 0); const blob = await canvas.convertToBlob({type: " << Quoted(type) << "});"
             << " return new Uint8Array(await blob.arrayBuffer()); })()";
  const std::string bytes = PageValueAwaited(expression.str());
  return {bytes.begin(), bytes.end()};
}

}  // namespace browser_tests
