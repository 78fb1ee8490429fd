#include "toolkit/layout/align_objects.h"

#include <algorithm>

namespace toolkit {
namespace {

std::vector<size_t> ChildrenOfKind(const std::vector<AlignItem>& children, TAlignLayout kind) {
  std::vector<size_t> order;
  for (size_t i = 0; i < children.size(); ++i) {
    if (children[i].visible && children[i].align == kind) order.push_back(i);
  }
  auto edge = [&](size_t i) {
    return kind == TAlignLayout::Left ? children[i].bounds.left : children[i].bounds.top;
  };
  if (kind == TAlignLayout::Top || kind == TAlignLayout::Left) {
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return edge(a) < edge(b); });
  }
  return order;
}

}  // namespace

void AlignObjects(int containerWidth, int containerHeight, std::vector<AlignItem>& children) {
  // The available rectangle may run past the container's far edges once the Top and Left
  // children have taken their own sizes; whatever is placed there is given no negative extent.
  Rect available{0, 0, containerWidth, containerHeight};
  auto place = [](int left, int top, int right, int bottom) {
    return Rect{left, top, std::max(left, right), std::max(top, bottom)};
  };
  for (size_t i : ChildrenOfKind(children, TAlignLayout::Top)) {
    const int height = std::max(children[i].bounds.Height(), 0);
    children[i].bounds = place(available.left, available.top, available.right, available.top + height);
    available.top += height;
  }
  for (size_t i : ChildrenOfKind(children, TAlignLayout::Left)) {
    const int width = std::max(children[i].bounds.Width(), 0);
    children[i].bounds = place(available.left, available.top, available.left + width, available.bottom);
    available.left += width;
  }
  for (size_t i : ChildrenOfKind(children, TAlignLayout::Client)) {
    children[i].bounds = place(available.left, available.top, available.right, available.bottom);
  }
}

}  // namespace toolkit
