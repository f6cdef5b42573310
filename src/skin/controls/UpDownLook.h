#pragma once

// The looks of the up-down's two arrow buttons.

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinControlRecords.h"

class TbsSkinData;

enum TbsUpDownOrientation { udHorizontal, udVertical };

// One arrow button: where it is and how it is touched.
struct TbsUpDownButton {
  gfx::Rect Rect;
  bool MouseOver = false;
  bool Down = false;
};

// Index 0 is the up button, index 1 the down button.
struct TbsUpDownButtons {
  TbsUpDownButton Up;
  TbsUpDownButton Down;
};

// Places both buttons: from the record, or else the two halves of the
// control (vertical: up on top; horizontal: down on the left).
void LayoutUpDownButtons(TbsUpDownButtons& buttons, const TbsDataSkinUpDownControl* record,
                         TbsUpDownOrientation orientation, int width, int height);

// The record's picture with the touched buttons' state pictures on it; the
// bitmap takes the skin rectangle's size.
void PaintUpDownSkinLook(gfx::Bitmap& bitmap, const TbsSkinData& skin,
                         const TbsDataSkinUpDownControl& record, const TbsUpDownButtons& buttons);

// Two framed boxes with black arrows.
void PaintUpDownPlainLook(gfx::DeviceContext& dc, TbsUpDownOrientation orientation,
                          const TbsUpDownButtons& buttons);
