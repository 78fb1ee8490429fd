#pragma once

#include <QImage>
#include <optional>
#include <vector>

namespace e2e {

// During a slide two pages move sideways edge to edge. For a capture taken
// then, finds the x at which the page on the left (`left`, captured at rest,
// shifted so that its right edge ends there) meets the page on the right
// (`right`, shifted so that it starts there). Compared are the rows of the
// picture area below the end page's panel and the rows of the answer area
// above the page dots, which stay put; the tab control's border stays put too.
// A frame the same as either page at rest in those rows shows no seam.
std::optional<int> seamBetween(const QImage& frame, const QImage& left, const QImage& right);

// The first of `frames` that shows such a seam, with the seam's x.
struct SeamFrame {
  QImage frame;
  int seam;
};
std::optional<SeamFrame> firstSeamFrame(const std::vector<QImage>& frames, const QImage& left,
                                        const QImage& right);

}  // namespace e2e
