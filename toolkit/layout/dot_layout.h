#pragma once

#include <vector>

#include "toolkit/layout/geometry.h"

namespace toolkit {

// Where the page dots of a tab control lie: one dot of the given size per page, each in a
// cell with a gap of a tenth of its larger side (at least 1) around it, in rows above the
// bottom of a page area of the given size.
std::vector<Rect> DotLayout(int pageCount, int dotWidth, int dotHeight, int width, int height);

}  // namespace toolkit
