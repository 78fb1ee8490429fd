#pragma once

#include <vector>

#include "deck/deck.h"

// What each card picture shows: its size, its white frame lines and its
// lights, one row per card.
namespace deck {

enum class LightKind {
  White,      // W: white ellipse
  Red,        // R: red ellipse
  Green,      // G: green ellipse
  Yellow,     // Y: yellow ellipse
  Star,       // S: yellow sixteen-point star
  TwoColour,  // C: ellipse, green on the left and red on the right
};

// One light, centred on the point (x, y) of the picture; pixel (i, j) is the
// unit square from (i, j) to (i + 1, j + 1).
struct Light {
  LightKind kind;
  int x;
  int y;
};

// How many whole rows (top, bottom) or columns (left, right) along each edge
// are white: 0, 1 or 2.
struct FrameLines {
  int top;
  int bottom;
  int left;
  int right;
};

struct PictureSpec {
  int card;
  int width;
  int height;
  FrameLines frame;
  std::vector<Light> lights;  // top to bottom, left to right
};

// The picture of card 1..kCardCount; throws std::out_of_range otherwise.
const PictureSpec& PictureOf(int card);

}  // namespace deck
