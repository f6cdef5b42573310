#include "skin/controls/ScrollBarLook.h"

#include <algorithm>
#include <cmath>

#include "skin/controls/PlainLook.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinGeometry.h"

using gfx::Rect;

namespace {

// Rounds to the nearest integer, halves to the even neighbour.
int RoundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

Rect Replaced(const Rect& r, const Rect& fallback) {
  return r.IsEmpty() ? fallback : r;
}

}  // namespace

void LayoutScrollBar(TbsScrollBarLayout& l, const TbsDataSkinScrollBarControl* record,
                     const TbsScrollBarRange& range, int W, int H) {
  const bool vertical = range.Kind == sbVertical;
  int skinThumb = 16;
  if (record != nullptr) {
    const int dW = W - record->skinrect.Width();
    const int dH = H - record->skinrect.Height();
    l.Track = record->trackarea;
    l.UpButton.Rect = record->upbuttonrect;
    l.DownButton.Rect = record->downbuttonrect;
    if (vertical) {
      l.Track.bottom += dH;
      for (TbsScrollBarPart* p : {&l.UpButton, &l.DownButton})
        if (p->Rect.top > record->leftbottompoint.y)
          p->Rect = p->Rect.Offset(0, dH);
      skinThumb = record->thumbrect.Height();
    } else {
      l.Track.right += dW;
      for (TbsScrollBarPart* p : {&l.UpButton, &l.DownButton})
        if (p->Rect.left > record->righttoppoint.x)
          p->Rect = p->Rect.Offset(dW, 0);
      skinThumb = record->thumbrect.Width();
    }
  } else if (vertical) {
    l.DownButton.Rect = {1, 1, W - 1, 17};
    l.UpButton.Rect = {1, H - 17, W - 1, H - 1};
    l.Track = {1, 17, W - 1, H - 17};
  } else {
    const int w = range.Both ? W - range.BothMarkerWidth : W;
    l.DownButton.Rect = {1, 1, 17, H - 1};
    l.UpButton.Rect = {w - 17, 1, w - 1, H - 1};
    l.Track = {17, 1, w - 17, H - 1};
  }

  const int trackStart = vertical ? l.Track.top : l.Track.left;
  const int trackLength = vertical ? l.Track.Height() : l.Track.Width();
  int L = skinThumb;
  if (range.PageSize > 0 && range.Max - range.Min + 1 > 0)
    L = std::max(
        RoundEven(static_cast<double>(trackLength) * range.PageSize / (range.Max - range.Min + 1)),
        skinThumb);
  double f = 0;
  if (range.PageSize > 0) {
    const int divisor = range.Max - range.Min + 1 - range.PageSize;
    if (divisor > 0)
      f = static_cast<double>(range.Position - range.Min) / divisor;
  } else if (range.Max != range.Min) {
    f = static_cast<double>(range.Position - range.Min) / (range.Max - range.Min);
  }
  l.ThumbLength = L;
  l.ThumbTravel = trackLength - L;
  l.ThumbShift = RoundEven(f * l.ThumbTravel);
  const int start = trackStart + l.ThumbShift;
  if (vertical) {
    int left = l.Track.left, right = l.Track.right;
    if (record != nullptr) {
      const int tw = record->thumbrect.Width();
      left = l.Track.left + (l.Track.Width() - tw) / 2;
      right = left + tw;
    }
    l.Thumb.Rect = {left, start, right, start + L};
  } else {
    int top = l.Track.top, bottom = l.Track.bottom;
    if (record != nullptr) {
      const int th = record->thumbrect.Height();
      top = l.Track.top + (l.Track.Height() - th) / 2;
      bottom = top + th;
    }
    l.Thumb.Rect = {start, top, start + L, bottom};
  }
}

namespace {

void Overlay(gfx::DeviceContext& dc, const gfx::Bitmap& picture, const TbsScrollBarPart& part,
             const Rect& active, const Rect& down) {
  Rect state;
  if (part.Down && part.MouseOver)
    state = Replaced(down, active);
  else if (part.MouseOver)
    state = active;
  if (state.IsEmpty())
    return;
  dc.BitBlt(part.Rect.left, part.Rect.top, std::min(part.Rect.Width(), state.Width()),
            std::min(part.Rect.Height(), state.Height()), picture, state.left, state.top);
}

}  // namespace

void PaintScrollBarSkinLook(gfx::Bitmap& bitmap, const TbsSkinData& skin,
                            const TbsDataSkinScrollBarControl& r, const TbsScrollBarRange& range,
                            const TbsScrollBarLayout& l, const TbsScrollBarLookState& state,
                            int width, int height) {
  const gfx::Bitmap* picture = skin.ActivePicture(r.pictureindex);
  ComposeSkinPicture(bitmap, picture, r.skinrect, TbsSkinGeometry::FromRecord(r), width, height);
  if (picture == nullptr || bitmap.IsEmpty())
    return;
  gfx::DeviceContext dc(bitmap);
  Overlay(dc, *picture, l.UpButton, r.activeupbuttonrect, r.downupbuttonrect);
  Overlay(dc, *picture, l.DownButton, r.activedownbuttonrect, r.downdownbuttonrect);
  if (!state.Enabled)
    return;
  const Rect active = Replaced(r.activethumbrect, r.thumbrect);
  const Rect activeGlyph = Replaced(r.activeglyphrect, r.glyphrect);
  Rect thumb = r.thumbrect, glyph = r.glyphrect;
  if (state.Dragging || state.FocusedLook) {
    thumb = Replaced(r.downthumbrect, active);
    glyph = Replaced(r.downglyphrect, activeGlyph);
  } else if (l.Thumb.MouseOver) {
    thumb = active;
    glyph = activeGlyph;
  }
  const Rect& t = l.Thumb.Rect;
  if (range.PageSize > 0) {
    gfx::Bitmap piece;
    if (range.Kind == sbVertical)
      ComposeVerticalStrip(piece, *picture, thumb, r.thumboffset1, r.thumboffset2, t.Height());
    else
      ComposeHorizontalStrip(piece, *picture, thumb, r.thumboffset1, r.thumboffset2, t.Width());
    dc.DrawBitmap(t.left, t.top, piece);
  } else {
    dc.BitBlt(t.left, t.top, thumb.Width(), thumb.Height(), *picture, thumb.left, thumb.top);
  }
  if (!glyph.IsEmpty())
    dc.BitBlt(t.left + (t.Width() - glyph.Width()) / 2, t.top + (t.Height() - glyph.Height()) / 2,
              glyph.Width(), glyph.Height(), *picture, glyph.left, glyph.top);
}

void PaintScrollBarPlainLook(gfx::DeviceContext& dc, const TbsScrollBarRange& range,
                             const TbsScrollBarLayout& l, const TbsScrollBarLookState& state,
                             int width, int height) {
  dc.FillRect({0, 0, width, height}, gfx::clBtnFace);
  auto look = [](const TbsScrollBarPart& p, bool pressedAnyway) {
    if ((p.Down && p.MouseOver) || pressedAnyway)
      return TbsPlainState::Pressed;
    return p.MouseOver ? TbsPlainState::Hot : TbsPlainState::Normal;
  };
  const bool vertical = range.Kind == sbVertical;
  PaintPlainStateBox(dc, l.UpButton.Rect, look(l.UpButton, false));
  DrawPlainArrow(dc, l.UpButton.Rect, vertical ? TbsArrowDirection::Down : TbsArrowDirection::Right,
                 gfx::clBlack);
  PaintPlainStateBox(dc, l.DownButton.Rect, look(l.DownButton, false));
  DrawPlainArrow(dc, l.DownButton.Rect, vertical ? TbsArrowDirection::Up : TbsArrowDirection::Left,
                 gfx::clBlack);
  if (state.Enabled)
    PaintPlainStateBox(dc, l.Thumb.Rect, look(l.Thumb, state.Dragging || state.FocusedLook));
}
