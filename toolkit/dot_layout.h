#pragma once

#include <vector>

#include "geometry.h"

namespace toolkit {

// Where the page dots of a tab control lie, one 8 x 8 dot per page in a 10 x 10 cell,
// in rows above the bottom of a page area of the given size.
std::vector<Rect> DotLayout(int pageCount, int width, int height);

}  // namespace toolkit
