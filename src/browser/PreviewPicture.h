#pragma once

// A preview is drawn at its own size, centred in its slot, so of a picture
// larger than the slot only the middle shows. A package that ships its
// camera pictures as previews would otherwise keep six pictures of up to
// 128 MB each alive for a page; the slot keeps the part it shows instead.

#include "platform/gfx/Bitmap.h"

// The part of picture that a centred draw into a slot of SlotWidth x
// SlotHeight shows, as a picture that gives the same pixels when it is
// drawn centred in the same slot. Empty when the whole picture shows.
gfx::Bitmap ShownPart(const gfx::Bitmap& Picture, int SlotWidth, int SlotHeight);
