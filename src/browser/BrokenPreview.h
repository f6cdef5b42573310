#pragma once

// The picture a preview slot shows when its preview file exists but cannot
// be read as a picture (damaged, truncated, not a JPEG at all): a framed
// card with a cracked picture sign and the words "Broken picture", so the
// player sees at once that the file is at fault and not the puzzle.

#include "platform/gfx/Bitmap.h"

inline constexpr int PreviewSize = 150;

gfx::Bitmap DrawBrokenPreview();
