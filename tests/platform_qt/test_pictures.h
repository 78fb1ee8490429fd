#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

// The image as a PNG stream, as the program's pictures are stored.
std::vector<std::uint8_t> EncodeImage(const QImage& image, const char* format = "PNG");

// A human-readable account of the first pixel where two images differ, or "" when they match.
std::string FirstDifference(const QImage& actual, const QImage& expected);
