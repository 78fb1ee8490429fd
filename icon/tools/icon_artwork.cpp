#include "icon/tools/icon_artwork.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <utility>
#include <variant>
#include <vector>

#include "deck/pictures/light_shapes.h"
#include "deck/pictures/pixel_coverage.h"

namespace icon {
namespace {

using deck::geometry::Ellipse;
using deck::geometry::Point;
using deck::geometry::Polygon;

// The artwork is laid out on a 256-unit square and scaled to the icon's size.
constexpr double kDesignSize = 256.0;

constexpr double kSquareInset = 8.0;
constexpr double kSquareCornerRadius = 44.0;
constexpr int kSegmentsPerCorner = 24;
constexpr deck::Rgb kNightTop{0x0B, 0x1E, 0x3A};
constexpr deck::Rgb kNightBottom{0x02, 0x08, 0x14};

constexpr double kLightRadius = 24.0;
constexpr double kGlowRadius = 2.2 * kLightRadius;
constexpr double kGlowOpacity = 110.0 / 255.0;

struct IconLight {
  Point centre;
  deck::Rgb colour;
};
constexpr std::array<IconLight, 3> kLights{{
    {{128, 78}, deck::kWhite},
    {{66, 172}, deck::kGreen},
    {{190, 172}, deck::kRed},
}};

// Premultiplied red, green, blue and alpha, 0 to 1.
using Premultiplied = std::array<double, 4>;

class Canvas {
 public:
  explicit Canvas(int size)
      : size_(size), scale_(size / kDesignSize), pixels_(static_cast<std::size_t>(size) * size) {}

  int Size() const { return size_; }
  double Scale() const { return scale_; }

  // Lays `colour` at `opacity` over pixel (column, row), source over.
  void Blend(int column, int row, deck::Rgb colour, double opacity) {
    Premultiplied& pixel = pixels_[static_cast<std::size_t>(row) * size_ + column];
    const double channels[] = {colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0, 1.0};
    for (std::size_t c = 0; c < 4; ++c) {
      pixel[c] = channels[c] * opacity + pixel[c] * (1.0 - opacity);
    }
  }

  // Fills a shape given in pixels, each pixel weighted by the exact fraction
  // of it that the shape covers, in the colour that colourAt gives for the
  // height, in design units, of the pixel's centre.
  template <typename ColourAt>
  void Fill(std::variant<Ellipse, Polygon> outline, ColourAt colourAt) {
    // Only measures coverage; its colour plays no part.
    const deck::Patch shape{deck::kBlack, std::move(outline), std::nullopt};
    const deck::PixelSpan span = deck::PixelsTouchedBy(shape);
    for (int row = std::max(span.top, 0); row < std::min(span.bottom, size_); ++row) {
      for (int column = std::max(span.left, 0); column < std::min(span.right, size_); ++column) {
        const double covered = deck::CoverageOf(shape, column, row);
        if (covered > 0.0) {
          Blend(column, row, colourAt((row + 0.5) / scale_), covered);
        }
      }
    }
  }

  deck::RgbaImage Straight() const {
    deck::RgbaImage image{size_, size_, {}};
    image.bytes.reserve(pixels_.size() * 4);
    for (const Premultiplied& pixel : pixels_) {
      const double alpha = pixel[3];
      for (std::size_t c = 0; c < 3; ++c) {
        image.bytes.push_back(alpha > 0.0 ? Level(pixel[c] / alpha) : 0);
      }
      image.bytes.push_back(Level(alpha));
    }
    return image;
  }

 private:
  static std::uint8_t Level(double fraction) {
    return static_cast<std::uint8_t>(std::nearbyint(std::clamp(fraction, 0.0, 1.0) * 255.0));
  }

  int size_;
  double scale_;
  std::vector<Premultiplied> pixels_;
};

Polygon RoundedSquare(double scale) {
  const double near = (kSquareInset + kSquareCornerRadius) * scale;
  const double far = (kDesignSize - kSquareInset - kSquareCornerRadius) * scale;
  const double radius = kSquareCornerRadius * scale;
  // Corner centres clockwise from the top right, each arc turning a quarter.
  const Point centres[] = {{far, near}, {far, far}, {near, far}, {near, near}};
  Polygon corners;
  for (int corner = 0; corner < 4; ++corner) {
    for (int step = 0; step <= kSegmentsPerCorner; ++step) {
      const double t =
          (corner + static_cast<double>(step) / kSegmentsPerCorner) * std::numbers::pi / 2.0;
      corners.push_back(
          {centres[corner].x + radius * std::sin(t), centres[corner].y - radius * std::cos(t)});
    }
  }
  return corners;
}

deck::Rgb NightAt(double y) {
  const double t = std::clamp(y / kDesignSize, 0.0, 1.0);
  const auto mix = [t](std::uint8_t top, std::uint8_t bottom) {
    return static_cast<std::uint8_t>(std::nearbyint(top + (bottom - top) * t));
  };
  return {mix(kNightTop.red, kNightBottom.red), mix(kNightTop.green, kNightBottom.green),
          mix(kNightTop.blue, kNightBottom.blue)};
}

// The glow fades linearly from the light's centre to nothing at kGlowRadius,
// sampled at each pixel's centre.
void Glow(Canvas& canvas, const IconLight& light) {
  const double scale = canvas.Scale();
  for (int row = 0; row < canvas.Size(); ++row) {
    for (int column = 0; column < canvas.Size(); ++column) {
      const double distance =
          std::hypot((column + 0.5) / scale - light.centre.x, (row + 0.5) / scale - light.centre.y);
      if (distance < kGlowRadius) {
        canvas.Blend(column, row, light.colour, kGlowOpacity * (1.0 - distance / kGlowRadius));
      }
    }
  }
}

}  // namespace

deck::RgbaImage DrawMainIcon(int size) {
  Canvas canvas(size);
  const double scale = canvas.Scale();
  canvas.Fill(RoundedSquare(scale), NightAt);
  for (const IconLight& light : kLights) {
    Glow(canvas, light);
    const Ellipse disc{{light.centre.x * scale, light.centre.y * scale},
                       kLightRadius * scale,
                       kLightRadius * scale};
    canvas.Fill(disc, [&light](double) { return light.colour; });
  }
  return canvas.Straight();
}

}  // namespace icon
