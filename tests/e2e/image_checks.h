#pragma once

#include "card_layout.h"

#include <QImage>
#include <QRect>
#include <QRgb>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

// Assertions and measurements on window captures. Colours are 0xRRGGBB.
namespace e2e {

QRgb colourAt(const QImage& image, QPoint point);

// Every pixel of `region` has `colour`.
::testing::AssertionResult isFilledWith(const QImage& image, QRect region, QRgb colour);
// The 1-unit outline of `rect` has `colour`, in a capture at `scale` device pixels to the unit.
::testing::AssertionResult hasOutline(const QImage& image, QRect rect, QRgb colour, int scale = 1);

// Same size and every pixel the same.
::testing::AssertionResult isIdentical(const QImage& actual, const QImage& expected);
// Same size, and each pixel of either lies, channel by channel and give or take `tolerance`,
// among the shades of the other's pixels around the same place: the two may shade an edge
// differently, or place it a pixel apart, and differ nowhere else.
::testing::AssertionResult isAlikeWithinAntiAliasing(const QImage& actual, const QImage& expected,
                                                     int tolerance);

// Pages whose dot is wholly in the current page's colour, in a capture of a client area of
// `client`'s size at `scale` device pixels to the layout unit.
std::vector<int> highlightedDots(const QImage& image, QSize client = layout::kClientSize, int scale = 1);
bool isDotHighlighted(const QImage& image, int page, QSize client = layout::kClientSize, int scale = 1);

// Bounding box of the dark (text-like) pixels in `region`, if any.
std::optional<QRect> darkPixelBounds(const QImage& image, QRect region);

// Saves a capture beside the test program's output, for a person to look at.
void saveCapture(const QImage& image, const char* fileName);

}  // namespace e2e
