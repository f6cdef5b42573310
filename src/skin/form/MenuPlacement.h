#pragma once

// Where a menu level goes on the screen: below (or above) the point or item
// it opens from, beside its parent item for a submenu, and always on the
// work area, moved to the other side of its anchor when it would not fit.

#include "platform/gfx/Geometry.h"

struct TbsLevelPlacement {
  gfx::Point Position;
  // The level was pushed to the work area's top or bottom edge.
  bool Moved = false;
};

// workArea: the work area; anchor: the rectangle the level opens from
// (screen coordinates; an empty one at the cursor for a context menu);
// size: the level's size; itemsTop: the top of the level's items, so that a
// submenu's first item lines up with its parent item.
TbsLevelPlacement PlaceLevel(const gfx::Rect& workArea, const gfx::Rect& anchor, gfx::Size size,
                             bool sublevel, bool upwards, bool scrolling, int itemsTop);
