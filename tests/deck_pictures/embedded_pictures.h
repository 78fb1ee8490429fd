#pragma once

#include <QByteArray>
#include <QImage>
#include <ostream>

// The card pictures as built into the program, read back through Qt's
// resource system.

// The stored PNG stream of card 1..119.
QByteArray EmbeddedPng(int card);

// That stream decoded (once) to Format_RGBA8888.
const QImage& EmbeddedPicture(int card);

struct Rgba {
  int red;
  int green;
  int blue;
  int alpha;
  friend bool operator==(const Rgba&, const Rgba&) = default;
};

// For test messages: "r,g,b,a".
void PrintTo(const Rgba& pixel, std::ostream* out);

Rgba PixelAt(const QImage& image, int column, int row);
