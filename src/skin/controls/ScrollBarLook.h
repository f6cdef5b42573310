#pragma once

// The geometry and the looks of the skinned scroll bar: where the track,
// the two buttons and the thumb lie for a range and a size, and how each
// part is drawn in its state.

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinControlRecords.h"

class TbsSkinData;

enum TbsScrollBarKind { sbHorizontal, sbVertical };

// The values the geometry depends on.
struct TbsScrollBarRange {
  TbsScrollBarKind Kind = sbHorizontal;
  int Min = 0;
  int Max = 100;
  int Position = 0;
  int PageSize = 0;
  bool Both = false;
  int BothMarkerWidth = 19;
};

struct TbsScrollBarPart {
  gfx::Rect Rect;
  bool MouseOver = false;
  bool Down = false;
};

// The parts of a bar laid out for its size. The up button increases the
// position: it sits at the bottom of a vertical bar and at the right of a
// horizontal one.
struct TbsScrollBarLayout {
  gfx::Rect Track;
  TbsScrollBarPart Thumb;
  TbsScrollBarPart UpButton;
  TbsScrollBarPart DownButton;
  int ThumbLength = 0;
  int ThumbShift = 0;   // from the thumb's first place along the track
  int ThumbTravel = 0;  // how far the thumb can move
};

// Recomputes the rectangles (not the flags) of layout.
void LayoutScrollBar(TbsScrollBarLayout& layout, const TbsDataSkinScrollBarControl* record,
                     const TbsScrollBarRange& range, int width, int height);

// What the thumb shows besides its rectangle.
struct TbsScrollBarLookState {
  bool Enabled = true;
  bool Dragging = false;
  bool FocusedLook = false;  // CanFocused and focused
};

void PaintScrollBarSkinLook(gfx::Bitmap& bitmap, const TbsSkinData& skin,
                            const TbsDataSkinScrollBarControl& record,
                            const TbsScrollBarRange& range, const TbsScrollBarLayout& layout,
                            const TbsScrollBarLookState& state, int width, int height);

void PaintScrollBarPlainLook(gfx::DeviceContext& dc, const TbsScrollBarRange& range,
                             const TbsScrollBarLayout& layout, const TbsScrollBarLookState& state,
                             int width, int height);
