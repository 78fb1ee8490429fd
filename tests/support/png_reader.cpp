#include "tests/support/png_reader.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t BigEndian(std::span<const std::uint8_t> bytes) {
  return std::uint32_t{bytes[0]} << 24 | std::uint32_t{bytes[1]} << 16 |
         std::uint32_t{bytes[2]} << 8 | bytes[3];
}

struct Chunk {
  std::string type;
  std::span<const std::uint8_t> data;
};

// Splits the stream after the signature into chunks, checking each CRC.
std::vector<Chunk> ChunksOf(std::span<const std::uint8_t> png) {
  std::vector<Chunk> chunks;
  std::size_t at = kSignature.size();
  while (at < png.size()) {
    if (png.size() - at < 12) throw PngError("truncated chunk at byte " + std::to_string(at));
    const std::uint32_t length = BigEndian(png.subspan(at, 4));
    if (length > png.size() - at - 12) throw PngError("chunk runs past the end");
    const std::span<const std::uint8_t> typed = png.subspan(at + 4, 4 + length);
    const uLong crc = crc32(crc32(0L, Z_NULL, 0), typed.data(), static_cast<uInt>(typed.size()));
    if (BigEndian(png.subspan(at + 8 + length, 4)) != crc) {
      throw PngError("bad CRC on chunk at byte " + std::to_string(at));
    }
    chunks.push_back({std::string(typed.begin(), typed.begin() + 4), typed.subspan(4)});
    at += 12 + length;
  }
  return chunks;
}

int Paeth(int left, int up, int upLeft) {
  const int p = left + up - upLeft;
  const int toLeft = std::abs(p - left);
  const int toUp = std::abs(p - up);
  const int toUpLeft = std::abs(p - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return left;
  return toUp <= toUpLeft ? up : upLeft;
}

// Undoes each row's filter in place of the filter bytes, 4 bytes a pixel.
std::vector<std::uint8_t> Unfilter(const std::vector<std::uint8_t>& scanlines, int width,
                                   int height) {
  constexpr std::size_t kPixelBytes = 4;
  const std::size_t rowBytes = static_cast<std::size_t>(width) * kPixelBytes;
  std::vector<std::uint8_t> out(rowBytes * height);
  for (int row = 0; row < height; ++row) {
    const std::uint8_t filter = scanlines[row * (rowBytes + 1)];
    const std::uint8_t* in = &scanlines[row * (rowBytes + 1) + 1];
    std::uint8_t* cur = &out[row * rowBytes];
    const std::uint8_t* prev = row > 0 ? cur - rowBytes : nullptr;
    for (std::size_t i = 0; i < rowBytes; ++i) {
      const int left = i >= kPixelBytes ? cur[i - kPixelBytes] : 0;
      const int up = prev ? prev[i] : 0;
      const int upLeft = prev && i >= kPixelBytes ? prev[i - kPixelBytes] : 0;
      int predicted = 0;
      switch (filter) {
        case 0:
          break;
        case 1:
          predicted = left;
          break;
        case 2:
          predicted = up;
          break;
        case 3:
          predicted = (left + up) / 2;
          break;
        case 4:
          predicted = Paeth(left, up, upLeft);
          break;
        default:
          throw PngError("unknown filter " + std::to_string(filter) + " on row " +
                         std::to_string(row));
      }
      cur[i] = static_cast<std::uint8_t>(in[i] + predicted);
    }
  }
  return out;
}

}  // namespace

DecodedPng DecodePng(std::span<const std::uint8_t> png) {
  if (png.size() < kSignature.size() ||
      !std::equal(kSignature.begin(), kSignature.end(), png.begin())) {
    throw PngError("no PNG signature");
  }
  const std::vector<Chunk> chunks = ChunksOf(png);
  if (chunks.empty() || chunks.front().type != "IHDR" || chunks.front().data.size() != 13) {
    throw PngError("the first chunk is not a 13-byte IHDR");
  }
  if (chunks.back().type != "IEND" || !chunks.back().data.empty()) {
    throw PngError("the last chunk is not an empty IEND");
  }
  const std::span<const std::uint8_t> header = chunks.front().data;
  DecodedPng image;
  image.width = static_cast<int>(BigEndian(header.subspan(0, 4)));
  image.height = static_cast<int>(BigEndian(header.subspan(4, 4)));
  if (image.width <= 0 || image.height <= 0 || image.width > 1 << 16 || image.height > 1 << 16) {
    throw PngError("implausible size in IHDR");
  }
  const std::array<std::uint8_t, 5> kRgba8Uninterlaced{8, 6, 0, 0, 0};
  if (!std::equal(kRgba8Uninterlaced.begin(), kRgba8Uninterlaced.end(), header.begin() + 8)) {
    throw PngError("not 8-bit RGBA, deflated, standard filters, not interlaced");
  }

  std::vector<std::uint8_t> deflated;
  bool dataEnded = false;
  for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
    const Chunk& chunk = chunks[i];
    if (chunk.type == "IDAT") {
      if (dataEnded) throw PngError("IDAT chunks are not consecutive");
      deflated.insert(deflated.end(), chunk.data.begin(), chunk.data.end());
    } else {
      dataEnded = !deflated.empty();
      const bool critical = chunk.type[0] >= 'A' && chunk.type[0] <= 'Z';
      if (critical) throw PngError("unexpected critical chunk " + chunk.type);
    }
  }
  if (deflated.empty()) throw PngError("no image data");

  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4 + 1;
  std::vector<std::uint8_t> scanlines(rowBytes * image.height + 1);  // room for one byte too many
  uLongf inflated = static_cast<uLongf>(scanlines.size());
  const int result =
      uncompress(scanlines.data(), &inflated, deflated.data(), static_cast<uLong>(deflated.size()));
  if (result == Z_BUF_ERROR || (result == Z_OK && inflated != scanlines.size() - 1)) {
    throw PngError("image data does not inflate to exactly the rows of the header");
  }
  if (result != Z_OK) throw PngError("image data is not a valid zlib stream");
  image.rgba = Unfilter(scanlines, image.width, image.height);
  return image;
}
