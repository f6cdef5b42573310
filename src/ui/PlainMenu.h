#pragma once

// The plain look of a popup menu: a bordered window listing the visible
// items of one level, opened at a screen point, tracked by a nested message
// loop with the mouse captured, closed by a choice, by Escape or by a click
// elsewhere.

#include "ui/Types.h"

class TMenuItem;
class TImageList;

// The item chosen, or null when the menu was closed without a choice.
TMenuItem* TrackPlainMenu(TMenuItem& Root, TImageList* Images, TPoint At);
