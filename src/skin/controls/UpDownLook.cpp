#include "skin/controls/UpDownLook.h"

#include "skin/controls/PlainLook.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinGeometry.h"

using gfx::Rect;

void LayoutUpDownButtons(TbsUpDownButtons& buttons, const TbsDataSkinUpDownControl* record,
                         TbsUpDownOrientation orientation, int width, int height) {
  if (record != nullptr) {
    buttons.Up.Rect = record->upbuttonrect;
    buttons.Down.Rect = record->downbuttonrect;
  } else if (orientation == udVertical) {
    buttons.Up.Rect = {0, 0, width, height / 2};
    buttons.Down.Rect = {0, height / 2, width, height};
  } else {
    buttons.Down.Rect = {0, 0, width / 2, height};
    buttons.Up.Rect = {width / 2, 0, width, height};
  }
}

namespace {

// Copies a state picture 1:1 into the button; an empty state rectangle
// keeps the normal look that the skin picture already shows.
void Overlay(gfx::DeviceContext& dc, const gfx::Bitmap* picture, const Rect& button,
             const Rect& state) {
  if (picture == nullptr || state.IsEmpty())
    return;
  dc.BitBlt(button.left, button.top, std::min(button.Width(), state.Width()),
            std::min(button.Height(), state.Height()), *picture, state.left, state.top);
}

Rect StateRect(const TbsUpDownButton& b, const Rect& active, const Rect& down) {
  if (b.Down && b.MouseOver)
    return down.IsEmpty() ? active : down;
  if (b.MouseOver)
    return active;
  return {};
}

}  // namespace

void PaintUpDownSkinLook(gfx::Bitmap& bitmap, const TbsSkinData& skin,
                         const TbsDataSkinUpDownControl& record, const TbsUpDownButtons& buttons) {
  // The up-down always shows its picture at its own size.
  TbsSkinGeometry geometry = TbsSkinGeometry::FromRecord(record);
  if (geometry.tileMode != TbsTileMode::None)
    geometry.tileMode = TbsTileMode::Fixed;
  const gfx::Bitmap* picture = skin.ActivePicture(record.pictureindex);
  ComposeSkinPicture(bitmap, picture, record.skinrect, geometry, 0, 0);
  if (bitmap.IsEmpty())
    return;
  gfx::DeviceContext dc(bitmap);
  Overlay(dc, picture, buttons.Up.Rect,
          StateRect(buttons.Up, record.activeupbuttonrect, record.downupbuttonrect));
  Overlay(dc, picture, buttons.Down.Rect,
          StateRect(buttons.Down, record.activedownbuttonrect, record.downdownbuttonrect));
}

void PaintUpDownPlainLook(gfx::DeviceContext& dc, TbsUpDownOrientation orientation,
                          const TbsUpDownButtons& buttons) {
  auto paint = [&](const TbsUpDownButton& b, TbsArrowDirection arrow) {
    const TbsPlainState state = b.Down && b.MouseOver ? TbsPlainState::Pressed
                                : b.MouseOver         ? TbsPlainState::Hot
                                                      : TbsPlainState::Normal;
    PaintPlainStateBox(dc, b.Rect, state);
    DrawPlainArrow(dc, b.Rect, arrow, gfx::clBlack);
  };
  const bool vertical = orientation == udVertical;
  paint(buttons.Up, vertical ? TbsArrowDirection::Up : TbsArrowDirection::Right);
  paint(buttons.Down, vertical ? TbsArrowDirection::Down : TbsArrowDirection::Left);
}
