#pragma once

// The drawing shared by the plain looks of the controls, used while no skin
// record is bound: framed boxes in three states, the small black arrows of
// buttons, and the fonts made from a record's font keys.

#include <string>

#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinFont.h"
#include "skin/data/SkinValues.h"

// The state a part of a control shows in its plain look.
enum class TbsPlainState { Normal, Hot, Pressed };

// A one-pixel frame and a fill: navy on blue-grey when pressed, navy on a
// paler blue-grey when hot, the button shadow on the button face otherwise.
void PaintPlainStateBox(gfx::DeviceContext& dc, const gfx::Rect& rect, TbsPlainState state);

enum class TbsArrowDirection { Up, Down, Left, Right };

// An arrow of four rows (or columns) of 1, 3, 5 and 7 pixels centred in
// rect, pointing the given way.
void DrawPlainArrow(gfx::DeviceContext& dc, const gfx::Rect& rect, TbsArrowDirection direction,
                    gfx::ColorRef color);

// The font the controls use while no record is bound: Arial, 14 pixels.
gfx::Font DefaultControlFont();
