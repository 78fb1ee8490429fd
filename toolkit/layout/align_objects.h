#pragma once

#include <vector>

#include "toolkit/layout/geometry.h"

namespace toolkit {

// The alignment kinds a control can have within its container. Only the kinds the
// program uses are listed; they are processed in this order.
enum class TAlignLayout { Top, Left, Client, None };

struct AlignItem {
  TAlignLayout align = TAlignLayout::None;
  bool visible = true;
  Rect bounds;  // current bounds in the container; read for ordering and own size, then updated
};

// Places the visible children of a container of the given size: Top children stack down from
// the top at full width, Left children stack right at full remaining height, and a Client child
// takes what is left. Within a kind, children are taken by their current edge, then child order.
// Hidden children keep their bounds and take no space; no extent comes out negative.
void AlignObjects(int containerWidth, int containerHeight, std::vector<AlignItem>& children);

}  // namespace toolkit
