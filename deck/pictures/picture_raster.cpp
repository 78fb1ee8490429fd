#include "deck/pictures/picture_raster.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

#include "deck/pictures/light_shapes.h"
#include "deck/pictures/pixel_coverage.h"

namespace deck {
namespace {

using Channels = std::array<double, 3>;

// Adds each patch's colour, weighted by coverage, to the pixels it reaches.
std::vector<Channels> PaintLights(const PictureSpec& picture) {
  std::vector<Channels> sums(static_cast<std::size_t>(picture.width) * picture.height);
  for (const Light& light : picture.lights) {
    for (const Patch& patch : PatchesOf(light, picture.card)) {
      const PixelSpan span = PixelsTouchedBy(patch);
      for (int row = std::max(span.top, 0); row < std::min(span.bottom, picture.height); ++row) {
        for (int column = std::max(span.left, 0); column < std::min(span.right, picture.width);
             ++column) {
          const double f = CoverageOf(patch, column, row);
          Channels& sum = sums[static_cast<std::size_t>(row) * picture.width + column];
          sum[0] += patch.colour.red * f;
          sum[1] += patch.colour.green * f;
          sum[2] += patch.colour.blue * f;
        }
      }
    }
  }
  return sums;
}

bool OnFrame(const FrameLines& frame, int width, int height, int column, int row) {
  return row < frame.top || row >= height - frame.bottom || column < frame.left ||
         column >= width - frame.right;
}

// Nearest level, halves to even.
std::uint8_t Level(double value) {
  return static_cast<std::uint8_t>(std::nearbyint(std::clamp(value, 0.0, 255.0)));
}

}  // namespace

RgbaImage RenderPicture(const PictureSpec& picture) {
  const std::vector<Channels> sums = PaintLights(picture);
  RgbaImage image{picture.width, picture.height, {}};
  image.bytes.reserve(sums.size() * 4);
  for (int row = 0; row < picture.height; ++row) {
    for (int column = 0; column < picture.width; ++column) {
      const Channels& sum = sums[static_cast<std::size_t>(row) * picture.width + column];
      const bool frame = OnFrame(picture.frame, picture.width, picture.height, column, row);
      for (double channel : sum) {
        image.bytes.push_back(frame ? 255 : Level(channel));
      }
      image.bytes.push_back(255);
    }
  }
  return image;
}

}  // namespace deck
