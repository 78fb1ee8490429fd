#include "tests/deck_pictures/reference_picture.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

namespace {

constexpr int kRowsPerPixel = 256;

constexpr ReferenceColour kWhite{255, 255, 255};
constexpr ReferenceColour kRed{255, 0, 0};
constexpr ReferenceColour kGreen{153, 204, 0};
constexpr ReferenceColour kYellow{255, 255, 0};

struct Chord {
  double from;
  double to;
};

// One colour of a light: the chords it cuts from the line at height y, within
// its vertical extent.
struct Part {
  ReferenceColour colour;
  double top;
  double bottom;
  std::vector<Chord> (*chords)(const deck::Light& light, int card, double y);
};

struct Radii {
  double x;
  double y;
};

Radii LampRadii(int card) {
  if (card == 3) {
    return {15.9, 17.2};
  }
  if (card <= 4) {
    return {16.2, 17.5};
  }
  return {12.875, 11.55};
}
constexpr Radii kTwoColourRadii{13.6, 12.0};
constexpr Radii kStarTips{18.5, 16.7};
constexpr Radii kStarNotches{14.9, 13.2};

std::vector<Chord> EllipseChord(const deck::Light& light, Radii radii, double y) {
  const double v = (y - light.y) / radii.y;
  if (std::abs(v) >= 1.0) {
    return {};
  }
  const double half = radii.x * std::sqrt(1.0 - v * v);
  return {{light.x - half, light.x + half}};
}

std::vector<Chord> LampChord(const deck::Light& light, int card, double y) {
  return EllipseChord(light, LampRadii(card), y);
}

// Even-odd crossings of the line with the 32-corner star outline.
std::vector<Chord> StarChords(const deck::Light& light, int, double y) {
  std::vector<double> crossings;
  const auto corner = [&](int k) {
    const Radii r = k % 2 == 0 ? kStarTips : kStarNotches;
    const double t = k * 11.25 * std::numbers::pi / 180.0;
    return std::array<double, 2>{light.x + r.x * std::sin(t), light.y - r.y * std::cos(t)};
  };
  for (int k = 0; k < 32; ++k) {
    const auto [x0, y0] = corner(k);
    const auto [x1, y1] = corner((k + 1) % 32);
    if ((y0 <= y && y < y1) || (y1 <= y && y < y0)) {
      crossings.push_back(x0 + (y - y0) * (x1 - x0) / (y1 - y0));
    }
  }
  std::sort(crossings.begin(), crossings.end());
  std::vector<Chord> chords;
  for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
    chords.push_back({crossings[i], crossings[i + 1]});
  }
  return chords;
}

// The seam runs from 1.5 px left of the centre at the top to 0.2 px left of
// it at the bottom.
double SeamX(const deck::Light& light, double y) {
  const double top = light.y - kTwoColourRadii.y;
  return light.x - 1.5 + 1.3 * (y - top) / (2 * kTwoColourRadii.y);
}

std::vector<Chord> GreenChord(const deck::Light& light, int, double y) {
  std::vector<Chord> chord = EllipseChord(light, kTwoColourRadii, y);
  for (Chord& c : chord) {
    c.to = std::min(c.to, SeamX(light, y));
  }
  return chord;
}

std::vector<Chord> RedChord(const deck::Light& light, int, double y) {
  std::vector<Chord> chord = EllipseChord(light, kTwoColourRadii, y);
  for (Chord& c : chord) {
    c.from = std::max(c.from, SeamX(light, y));
  }
  return chord;
}

std::vector<Part> PartsOf(const deck::Light& light, int card) {
  const auto lamp = [&](ReferenceColour colour) {
    const Radii r = LampRadii(card);
    return std::vector<Part>{{colour, light.y - r.y, light.y + r.y, LampChord}};
  };
  switch (light.kind) {
    case deck::LightKind::White:
      return lamp(kWhite);
    case deck::LightKind::Red:
      return lamp(kRed);
    case deck::LightKind::Green:
      return lamp(kGreen);
    case deck::LightKind::Yellow:
      return lamp(kYellow);
    case deck::LightKind::Star:
      return {{kYellow, light.y - kStarTips.y, light.y + kStarTips.y, StarChords}};
    case deck::LightKind::TwoColour:
      return {{kGreen, light.y - kTwoColourRadii.y, light.y + kTwoColourRadii.y, GreenChord},
              {kRed, light.y - kTwoColourRadii.y, light.y + kTwoColourRadii.y, RedChord}};
  }
  return {};
}

}  // namespace

std::vector<ReferenceColour> ReferencePicture(const deck::PictureSpec& picture) {
  const int w = picture.width;
  const int h = picture.height;
  std::vector<ReferenceColour> pixels(static_cast<std::size_t>(w) * h, ReferenceColour{});
  for (const deck::Light& light : picture.lights) {
    for (const Part& part : PartsOf(light, picture.card)) {
      const int firstRow = std::max(0, static_cast<int>(std::floor(part.top)));
      const int endRow = std::min(h, static_cast<int>(std::ceil(part.bottom)));
      for (int row = firstRow; row < endRow; ++row) {
        for (int step = 0; step < kRowsPerPixel; ++step) {
          const double y = row + (step + 0.5) / kRowsPerPixel;
          for (const Chord& chord : part.chords(light, picture.card, y)) {
            if (chord.to <= chord.from) {
              continue;
            }
            for (int column = std::max(0, static_cast<int>(std::floor(chord.from)));
                 column < std::min(w, static_cast<int>(std::ceil(chord.to))); ++column) {
              const double covered =
                  std::min(chord.to, column + 1.0) - std::max(chord.from, double(column));
              ReferenceColour& pixel = pixels[static_cast<std::size_t>(row) * w + column];
              for (int c = 0; c < 3; ++c) {
                pixel[c] += part.colour[c] * covered / kRowsPerPixel;
              }
            }
          }
        }
      }
    }
  }
  const deck::FrameLines& frame = picture.frame;
  for (int row = 0; row < h; ++row) {
    for (int column = 0; column < w; ++column) {
      if (row < frame.top || row >= h - frame.bottom || column < frame.left ||
          column >= w - frame.right) {
        pixels[static_cast<std::size_t>(row) * w + column] = kWhite;
      }
    }
  }
  return pixels;
}
