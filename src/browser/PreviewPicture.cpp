#include "browser/PreviewPicture.h"

namespace {

struct Span {
  int start;
  int length;
};

// Along one side: a centred draw puts the picture's first pixel at
// (slot - size) / 2, rounded towards zero like the image control does, so
// the slot's first pixel shows the picture's pixel at minus that.
Span ShownSpan(int Size, int Slot) {
  if (Size <= Slot)
    return {0, Size};
  return {-((Slot - Size) / 2), Slot};
}

}  // namespace

gfx::Bitmap ShownPart(const gfx::Bitmap& Picture, int SlotWidth, int SlotHeight) {
  if (SlotWidth <= 0 || SlotHeight <= 0)
    return {};
  const Span across = ShownSpan(Picture.Width(), SlotWidth);
  const Span down = ShownSpan(Picture.Height(), SlotHeight);
  if (across.length == Picture.Width() && down.length == Picture.Height())
    return {};
  gfx::Bitmap part(across.length, down.length);
  for (int y = 0; y < down.length; ++y)
    gfx::CopyPixels(part.Row(y), Picture.Row(down.start + y) + across.start, across.length);
  return part;
}
