#include "toolkit/layout/fit_rule.h"

#include <algorithm>

#include "toolkit/layout/rounding.h"

namespace toolkit {

Rect FitInto(int width, int height, int areaWidth, int areaHeight) {
  if (width <= 0 || height <= 0 || areaWidth <= 0 || areaHeight <= 0) return {};
  const float ratio = std::max(static_cast<float>(width) / static_cast<float>(areaWidth),
                               static_cast<float>(height) / static_cast<float>(areaHeight));
  const double scaledWidth = static_cast<double>(width / ratio);
  const double scaledHeight = static_cast<double>(height / ratio);
  const int left = RoundToInt((areaWidth - scaledWidth) / 2);
  const int top = RoundToInt((areaHeight - scaledHeight) / 2);
  return {left, top, RoundToInt(left + scaledWidth), RoundToInt(top + scaledHeight)};
}

}  // namespace toolkit
