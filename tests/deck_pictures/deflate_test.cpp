#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "deck/pictures/tools/deflate.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Inflate(const Bytes& stream, std::size_t expectedSize) {
  Bytes out(expectedSize + 1);  // one spare byte shows a stream that runs long
  uLongf size = static_cast<uLongf>(out.size());
  const int result = uncompress(out.data(), &size, stream.data(), static_cast<uLong>(stream.size()));
  EXPECT_EQ(result, Z_OK);
  out.resize(result == Z_OK ? size : 0);
  return out;
}

std::size_t ZlibBestSize(const Bytes& data) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  Bytes stream(size);
  compress2(stream.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION);
  return size;
}

// Rows of black opaque pixels with a soft round light in the middle, as the cards have.
Bytes LightOnBlack(int width, int height) {
  Bytes pixels;
  for (int y = 0; y < height; ++y) {
    pixels.push_back(0);  // the row's filter byte
    for (int x = 0; x < width; ++x) {
      const double distance = std::hypot(x - width / 2.0, y - height / 2.0);
      const auto green = static_cast<std::uint8_t>(std::clamp(255.0 * (20.0 - distance), 0.0, 255.0));
      pixels.insert(pixels.end(), {0, green, static_cast<std::uint8_t>(green / 2), 255});
    }
  }
  return pixels;
}

Bytes Random(std::size_t size, std::uint32_t seed) {
  std::mt19937 generator(seed);
  Bytes bytes(size);
  for (auto& byte : bytes) byte = static_cast<std::uint8_t>(generator());
  return bytes;
}

Bytes Text(const std::string& text) { return Bytes(text.begin(), text.end()); }

struct Case {
  const char* name;
  Bytes data;
};

// Noise followed by a copy of its first bytes, `distance` after them.
Bytes RepeatAfter(std::size_t distance) {
  Bytes bytes = Random(distance, 3);
  bytes.insert(bytes.end(), bytes.begin(), bytes.begin() + 300);
  return bytes;
}

// A copy of every length a match may have, each between bytes that occur nowhere else.
Bytes EveryMatchLength() {
  const Bytes source = Random(300, 4);
  Bytes bytes = source;
  for (std::size_t length = 3; length <= 258; ++length) {
    bytes.insert(bytes.end(), {0xFF, static_cast<std::uint8_t>(length), 0xFE});
    bytes.insert(bytes.end(), source.begin(), source.begin() + static_cast<std::ptrdiff_t>(length));
  }
  return bytes;
}

TEST(Deflate, EveryStreamInflatesToWhatWentIn) {
  const std::vector<Case> cases = {
      {"empty", {}},
      {"one byte", {42}},
      {"two bytes", {0, 255}},
      {"three bytes", {1, 2, 3}},
      {"a run longer than one copy can be", Bytes(100000, 0)},
      {"copies that overlap themselves", Text("abcabcabcabcabcabcabcabcabcabcabcabcabcabcabcab")},
      {"copies of every length", EveryMatchLength()},
      {"a repeat at the far end of the window", RepeatAfter(32768)},
      {"a repeat just beyond the window", RepeatAfter(32769)},
      {"noise", Random(70000, 1)},
      {"noise repeated within the window", [] {
         Bytes bytes = Random(20000, 2);
         bytes.insert(bytes.end(), bytes.begin(), bytes.end());
         return bytes;
       }()},
      {"a light on black", LightOnBlack(300, 200)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Inflate(deck::ZlibCompress(c.data), c.data.size()), c.data);
  }
}

TEST(Deflate, PicturesShrinkAsMuchAsWithZlibAtItsBest) {
  const Bytes picture = LightOnBlack(600, 400);
  const std::size_t ours = deck::ZlibCompress(picture).size();
  EXPECT_LT(ours, picture.size() / 100);
  EXPECT_LE(ours, ZlibBestSize(picture) * 105 / 100);
}

}  // namespace
