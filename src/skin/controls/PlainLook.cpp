#include "skin/controls/PlainLook.h"

using gfx::ColorRef;
using gfx::Rect;

void PaintPlainStateBox(gfx::DeviceContext& dc, const Rect& rect, TbsPlainState state) {
  ColorRef frame = gfx::clBtnShadow;
  ColorRef fill = gfx::clBtnFace;
  if (state == TbsPlainState::Pressed) {
    frame = gfx::clNavy;
    fill = gfx::RGB(133, 147, 181);
  } else if (state == TbsPlainState::Hot) {
    frame = gfx::clNavy;
    fill = gfx::RGB(182, 189, 210);
  }
  dc.FillRect(rect, fill);
  dc.FrameRect(rect, frame);
}

void DrawPlainArrow(gfx::DeviceContext& dc, const Rect& rect, TbsArrowDirection direction,
                    ColorRef color) {
  const int cx = rect.left + rect.Width() / 2;
  const int cy = rect.top + rect.Height() / 2;
  // Row i of the arrow (0 at the tip) is 2i + 1 pixels long.
  for (int i = 0; i < 4; ++i) {
    switch (direction) {
      case TbsArrowDirection::Up:
        dc.FillRect({cx - i, cy - 2 + i, cx + i + 1, cy - 1 + i}, color);
        break;
      case TbsArrowDirection::Down:
        dc.FillRect({cx - i, cy + 1 - i, cx + i + 1, cy + 2 - i}, color);
        break;
      case TbsArrowDirection::Left:
        dc.FillRect({cx - 2 + i, cy - i, cx - 1 + i, cy + i + 1}, color);
        break;
      case TbsArrowDirection::Right:
        dc.FillRect({cx + 1 - i, cy - i, cx + 2 - i, cy + i + 1}, color);
        break;
    }
  }
}

gfx::Font DefaultControlFont() {
  return MakeSkinFont("Arial", 14, {});
}
