// The tests' PNG reader checked against streams built here by hand, so that
// the picture tests can trust what it reads.

#include "tests/support/png_reader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kWidth = 3;
constexpr int kHeight = 4;
constexpr int kRowBytes = kWidth * 4;

// Every channel different, with steps up and down, so each filter predicts
// something non-trivial.
Bytes Pixels() {
  Bytes pixels;
  for (int i = 0; i < kWidth * kHeight * 4; ++i) {
    pixels.push_back(static_cast<std::uint8_t>((i * 97 + (i % 7) * 31) % 256));
  }
  return pixels;
}

// The forward filters, written from the definitions: each byte minus its
// prediction from the unfiltered left (a), up (b) and up-left (c) bytes.
std::uint8_t Predict(int filter, int a, int b, int c) {
  switch (filter) {
    case 1:
      return static_cast<std::uint8_t>(a);
    case 2:
      return static_cast<std::uint8_t>(b);
    case 3:
      return static_cast<std::uint8_t>((a + b) / 2);
    case 4: {
      const int p = a + b - c;
      const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
      return static_cast<std::uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
    }
    default:
      return 0;
  }
}

Bytes Scanlines(const Bytes& pixels, const std::function<int(int row)>& filterOf) {
  Bytes out;
  for (int row = 0; row < kHeight; ++row) {
    const int filter = filterOf(row);
    out.push_back(static_cast<std::uint8_t>(filter));
    for (int i = 0; i < kRowBytes; ++i) {
      const auto at = [&](int r, int j) { return r < 0 || j < 0 ? 0 : pixels[r * kRowBytes + j]; };
      const int a = at(row, i - 4), b = at(row - 1, i), c = at(row - 1, i - 4);
      out.push_back(static_cast<std::uint8_t>(at(row, i) - Predict(filter, a, b, c)));
    }
  }
  return out;
}

Bytes Deflate(const Bytes& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  EXPECT_EQ(compress(out.data(), &size, raw.data(), static_cast<uLong>(raw.size())), Z_OK);
  out.resize(size);
  return out;
}

void Append32(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

struct Chunk {
  std::string type;
  Bytes data;
};

Bytes Stream(const std::vector<Chunk>& chunks) {
  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const Chunk& chunk : chunks) {
    Append32(png, static_cast<std::uint32_t>(chunk.data.size()));
    Bytes typed(chunk.type.begin(), chunk.type.end());
    typed.insert(typed.end(), chunk.data.begin(), chunk.data.end());
    png.insert(png.end(), typed.begin(), typed.end());
    Append32(png,
             static_cast<std::uint32_t>(crc32(0L, typed.data(), static_cast<uInt>(typed.size()))));
  }
  return png;
}

Bytes Header(std::uint8_t colourType = 6) {
  Bytes header;
  Append32(header, kWidth);
  Append32(header, kHeight);
  header.insert(header.end(), {8, colourType, 0, 0, 0});
  return header;
}

std::vector<Chunk> Chunks(const Bytes& scanlines) {
  return {{"IHDR", Header()}, {"IDAT", Deflate(scanlines)}, {"IEND", {}}};
}

struct FilterCase {
  const char* name;
  std::function<int(int row)> filterOf;
};

TEST(PngReader, UndoesEveryRowFilter) {
  const FilterCase cases[] = {
      {"none", [](int) { return 0; }},
      {"sub", [](int) { return 1; }},
      {"up", [](int) { return 2; }},
      {"average", [](int) { return 3; }},
      {"paeth", [](int) { return 4; }},
      {"a different one each row", [](int row) { return (row + 1) % 5; }},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DecodedPng image = DecodePng(Stream(Chunks(Scanlines(Pixels(), c.filterOf))));
    EXPECT_EQ(image.width, kWidth);
    EXPECT_EQ(image.height, kHeight);
    EXPECT_EQ(image.rgba, Pixels());
  }
}

TEST(PngReader, JoinsImageDataSplitOverChunksAndSkipsAncillaryOnes) {
  const Bytes deflated = Deflate(Scanlines(Pixels(), [](int) { return 4; }));
  const Bytes first(deflated.begin(), deflated.begin() + 5);
  const Bytes rest(deflated.begin() + 5, deflated.end());
  const Bytes png = Stream(
      {{"IHDR", Header()}, {"tEXt", {'a', 0, 'b'}}, {"IDAT", first}, {"IDAT", rest}, {"IEND", {}}});
  EXPECT_EQ(DecodePng(png).rgba, Pixels());
}

struct DefectCase {
  const char* name;
  std::function<Bytes()> stream;
};

TEST(PngReader, RefusesEveryDefect) {
  const Bytes good = Scanlines(Pixels(), [](int) { return 0; });
  const DefectCase cases[] = {
      {"no signature",
       [&] {
         Bytes png = Stream(Chunks(good));
         png[1] = 'Q';
         return png;
       }},
      {"a flipped data byte",
       [&] {
         Bytes png = Stream(Chunks(good));
         png[45] ^= 1;
         return png;
       }},
      {"a flipped CRC byte",
       [&] {
         Bytes png = Stream(Chunks(good));
         png.back() ^= 1;
         return png;
       }},
      {"cut short",
       [&] {
         Bytes png = Stream(Chunks(good));
         png.erase(png.end() - 3, png.end());
         return png;
       }},
      {"no IEND",
       [&] {
         std::vector<Chunk> c = Chunks(good);
         c.pop_back();
         return Stream(c);
       }},
      {"IHDR not first",
       [&] {
         std::vector<Chunk> c = Chunks(good);
         std::swap(c[0], c[1]);
         return Stream(c);
       }},
      {"RGB without alpha",
       [&] {
         std::vector<Chunk> c = Chunks(good);
         c[0].data = Header(2);
         return Stream(c);
       }},
      {"a row short",
       [&] { return Stream(Chunks(Bytes(good.begin(), good.end() - (kRowBytes + 1)))); }},
      {"a byte too many",
       [&] {
         Bytes longer = good;
         longer.push_back(0);
         return Stream(Chunks(longer));
       }},
      {"filter type 5",
       [&] {
         Bytes bad = good;
         bad[kRowBytes + 1] = 5;
         return Stream(Chunks(bad));
       }},
      {"an unknown critical chunk",
       [&] {
         std::vector<Chunk> c = Chunks(good);
         c.insert(c.begin() + 1, {"QQQQ", {1}});
         return Stream(c);
       }},
      {"IDAT chunks apart",
       [&] {
         std::vector<Chunk> c = Chunks(good);
         c.insert(c.begin() + 2, {{"tEXt", {'a', 0}}, {"IDAT", {}}});
         return Stream(c);
       }},
  };
  for (const DefectCase& c : cases) {
    EXPECT_THROW(DecodePng(c.stream()), PngError) << c.name;
  }
}

}  // namespace
