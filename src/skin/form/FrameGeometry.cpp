#include "skin/form/FrameGeometry.h"

#include <algorithm>

#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinGeometry.h"

using gfx::Bitmap;
using gfx::DeviceContext;
using gfx::Point;
using gfx::Rect;

namespace {

Point Moved(Point p, int dx, int dy) {
  return {p.x + dx, p.y + dy};
}

// Half-open, as every rectangle of the frame.
bool Inside(Point p, const Rect& r) {
  return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

// A bitmap of that size, or an empty one when a side is not positive.
Bitmap StripOf(int width, int height) {
  if (width <= 0 || height <= 0)
    return Bitmap();
  return Bitmap(width, height);
}

// One horizontal strip (top or bottom) of a frame picture: `rows` of the
// source starting at sourceTop, the middle between the corner columns left
// and right repeated from column `tileFrom` (or stretched between the sized
// corners), the corners drawn over it.
struct HorizontalPiece {
  int sourceTop;
  int height;
  int left, right;            // corner columns in the picture
  int sizedLeft, sizedRight;  // the same on the strip
  int tileFrom, tileTo;       // strip columns the repeated middle covers
  bool stretch;
};

// Draws the strip onto dc, whose origin is the strip's top-left corner.
void DrawHorizontal(DeviceContext& dc, const Bitmap& picture, const HorizontalPiece& p) {
  const Rect middle{p.left, p.sourceTop, p.right, p.sourceTop + p.height};
  if (p.stretch) {
    if (p.sizedRight > p.sizedLeft)
      dc.StretchBlt(p.sizedLeft, 0, p.sizedRight - p.sizedLeft, p.height, picture, middle.left,
                    middle.top, middle.Width(), middle.Height());
  } else {
    dc.TileBlt({p.tileFrom, 0, p.tileTo, p.height}, picture, middle);
  }
  dc.BitBlt(0, 0, p.left, p.height, picture, 0, p.sourceTop);
  dc.BitBlt(p.sizedRight, 0, picture.Width() - p.right, p.height, picture, p.right, p.sourceTop);
}

// Whether every pixel of the strip is drawn: a repeated middle covers it
// all before the corners go on; a stretched one may leave gaps beside it.
bool CoversStrip(const Bitmap& picture, const HorizontalPiece& p, int width) {
  const Rect middle{p.left, p.sourceTop, p.right, p.sourceTop + p.height};
  return !p.stretch && !middle.IsEmpty() && picture.Bounds().Intersect(middle) == middle &&
         p.tileFrom <= 0 && p.tileTo >= width;
}

Bitmap ComposeHorizontal(const Bitmap& picture, const HorizontalPiece& p, int width) {
  Bitmap strip = StripOf(width, p.height);
  if (strip.IsEmpty())
    return strip;
  DeviceContext dc(strip);
  DrawHorizontal(dc, picture, p);
  return strip;
}

// One side strip: `columns` of the source starting at sourceLeft, the
// middle between the corner rows top and bottom repeated from the strip's
// first row (or stretched), and the pieces between the client rectangle's
// edges and the corner rows put at the strip's ends.
struct VerticalPiece {
  int sourceLeft;
  int width;
  int top, bottom;              // corner rows in the picture
  int clientTop, clientBottom;  // the client rectangle's rows in the picture
  bool stretch;
};

void DrawVertical(DeviceContext& dc, const Bitmap& picture, const VerticalPiece& p, int height) {
  const Rect middle{p.sourceLeft, p.top, p.sourceLeft + p.width, p.bottom};
  if (p.stretch) {
    const int from = p.top - p.clientTop;
    const int to = height + p.bottom - p.clientBottom;
    if (to > from)
      dc.StretchBlt(0, from, p.width, to - from, picture, middle.left, middle.top, middle.Width(),
                    middle.Height());
  } else {
    dc.TileBlt({0, 0, p.width, height}, picture, middle);
  }
  if (p.top > p.clientTop)
    dc.BitBlt(0, 0, p.width, p.top - p.clientTop, picture, p.sourceLeft, p.clientTop);
  if (p.clientBottom > p.bottom) {
    const int rows = p.clientBottom - p.bottom;
    dc.BitBlt(0, height - rows, p.width, rows, picture, p.sourceLeft, p.bottom);
  }
}

bool CoversStrip(const Bitmap& picture, const VerticalPiece& p) {
  const Rect middle{p.sourceLeft, p.top, p.sourceLeft + p.width, p.bottom};
  return !p.stretch && !middle.IsEmpty() && picture.Bounds().Intersect(middle) == middle;
}

Bitmap ComposeVertical(const Bitmap& picture, const VerticalPiece& p, int height) {
  Bitmap strip = StripOf(p.width, height);
  if (strip.IsEmpty())
    return strip;
  DeviceContext dc(strip);
  DrawVertical(dc, picture, p, height);
  return strip;
}

// The four strips of a frame picture for a window of width x height: their
// places in the window (empty when the layout leaves a strip out) and the
// pieces they are drawn from.
struct FramePlan {
  TbsFramePlaces places;
  HorizontalPiece top{}, bottom{};
  VerticalPiece left{}, right{};
};

FramePlan PlanFrameStrips(const Bitmap& picture, const TbsFrameLayout& layout, int width,
                          int height) {
  FramePlan plan;
  const TbsSizedFrame f = SizeFrameLayout(layout, picture.GetSize(), width, height);
  width = f.Width;
  height = f.Height;
  const Rect c = BoundedFrameRect(layout.clientrect);
  const Rect& sc = f.SizedClientRect;
  const Point lt = BoundedFramePoint(layout.lefttoppoint);
  const Point rt = BoundedFramePoint(layout.righttoppoint);
  const Point lb = BoundedFramePoint(layout.leftbottompoint);
  const Point rb = BoundedFramePoint(layout.rightbottompoint);
  int topHeight = 0;
  if (width > 0 && sc.top > 0 && rt.x > lt.x) {
    plan.top = {0,     sc.top,           lt.x, rt.x, f.SizedLeftTop.x, f.SizedRightTop.x, 0,
                width, layout.topstretch};
    topHeight = sc.top;
    plan.places.Top = {0, 0, width, topHeight};
  }
  const int bottomHeight = height - sc.bottom;
  int bottomTaken = 0;
  if (width > 0 && bottomHeight > 0 && rb.x > lb.x) {
    plan.bottom = {picture.Height() - bottomHeight,
                   bottomHeight,
                   lb.x,
                   rb.x,
                   f.SizedLeftBottom.x,
                   f.SizedRightBottom.x,
                   0,
                   width,
                   layout.bottomstretch};
    bottomTaken = bottomHeight;
    plan.places.Bottom = {0, height - bottomHeight, width, height};
  }
  const int sideHeight = height - topHeight - bottomTaken;
  if (sc.left > 0 && sideHeight > 0 && lb.y > lt.y) {
    plan.left = {0, sc.left, lt.y, lb.y, c.top, c.bottom, layout.leftstretch};
    plan.places.Left = {0, topHeight, sc.left, topHeight + sideHeight};
  }
  const int rightWidth = width - sc.right;
  if (rightWidth > 0 && sideHeight > 0 && rb.y > rt.y) {
    plan.right = {c.right, rightWidth, rt.y, rb.y, c.top, c.bottom, layout.rightstretch};
    plan.places.Right = {width - rightWidth, topHeight, width, topHeight + sideHeight};
  }
  return plan;
}

}  // namespace

int BoundedFrameValue(int value) {
  return std::clamp(value, -kFarFrameCoordinate, kFarFrameCoordinate);
}

Point BoundedFramePoint(Point p) {
  return {BoundedFrameValue(p.x), BoundedFrameValue(p.y)};
}

Rect BoundedFrameRect(const Rect& r) {
  return {BoundedFrameValue(r.left), BoundedFrameValue(r.top), BoundedFrameValue(r.right),
          BoundedFrameValue(r.bottom)};
}

TbsCornerPoints BoundedCornerPoints(const TbsSkinData& skin) {
  return {BoundedFramePoint(skin.lefttoppoint), BoundedFramePoint(skin.righttoppoint),
          BoundedFramePoint(skin.leftbottompoint), BoundedFramePoint(skin.rightbottompoint)};
}

TbsFrameLayout TbsFrameLayout::FromSkin(const TbsSkinData& skin) {
  return {skin.lefttoppoint,     skin.righttoppoint, skin.leftbottompoint,
          skin.rightbottompoint, skin.clientrect,    skin.leftstretch,
          skin.rightstretch,     skin.topstretch,    skin.bottomstretch};
}

TbsSizedFrame SizeFrameLayout(const TbsFrameLayout& layout, gfx::Size pictureSize, int width,
                              int height) {
  width = BoundedFrameValue(width);
  height = BoundedFrameValue(height);
  const int dx = width - BoundedFrameValue(pictureSize.cx);
  const int dy = height - BoundedFrameValue(pictureSize.cy);
  TbsSizedFrame f;
  f.Width = width;
  f.Height = height;
  f.SizedLeftTop = BoundedFramePoint(layout.lefttoppoint);
  f.SizedRightTop = Moved(BoundedFramePoint(layout.righttoppoint), dx, 0);
  f.SizedLeftBottom = Moved(BoundedFramePoint(layout.leftbottompoint), 0, dy);
  f.SizedRightBottom = Moved(BoundedFramePoint(layout.rightbottompoint), dx, dy);
  const Rect c = BoundedFrameRect(layout.clientrect);
  f.SizedClientRect = {c.left, c.top, c.right + dx, c.bottom + dy};
  return f;
}

TbsSizedFrame CalcSizedGeometry(const TbsSkinData& skin, int width, int height) {
  const gfx::Size picture = skin.Picture.GetSize();
  TbsSizedFrame f = SizeFrameLayout(TbsFrameLayout::FromSkin(skin), picture, width, height);
  const int dx = f.Width - picture.cx;
  const int dy = f.Height - picture.cy;
  f.SizedCaptionRect = BoundedFrameRect(skin.captionrect);
  if (!f.SizedCaptionRect.IsEmpty())
    f.SizedCaptionRect.right += dx;
  f.SizedButtonsRect = BoundedFrameRect(skin.buttonsrect);
  // A button row in the right half of the picture belongs to the right edge.
  if (!f.SizedButtonsRect.IsEmpty() && f.SizedButtonsRect.left > picture.cx / 2)
    f.SizedButtonsRect = f.SizedButtonsRect.Offset(dx, 0);
  f.ButtonsOffset = BoundedFrameValue(skin.buttonsoffset);
  f.ButtonsInLeft = skin.buttonsinleft;
  f.SizedHitLeftTop = BoundedFramePoint(skin.hittestlefttoppoint);
  f.SizedHitRightTop = Moved(BoundedFramePoint(skin.hittestrighttoppoint), dx, 0);
  f.SizedHitLeftBottom = Moved(BoundedFramePoint(skin.hittestleftbottompoint), 0, dy);
  f.SizedHitRightBottom = Moved(BoundedFramePoint(skin.hittestrightbottompoint), dx, dy);
  const Rect a = BoundedFrameRect(skin.maskrectarea);
  f.SizedMaskArea = {a.left, a.top, a.right + dx, a.bottom + dy};
  return f;
}

Rect MapObjectRect(const TbsSkinData& skin, const TbsSizedFrame& frame, const Rect& skinRect) {
  const Rect r = BoundedFrameRect(skinRect);
  const int pw = skin.Picture.Width();
  const int ph = skin.Picture.Height();
  const auto [lt, rt, lb, rb] = BoundedCornerPoints(skin);
  const int dx = frame.SizedRightBottom.x - rb.x;
  const int dy = frame.SizedRightBottom.y - rb.y;
  const Rect LT{0, 0, lt.x, lt.y};
  const Rect RT{rt.x, 0, pw, rt.y};
  const Rect LB{0, lb.y, lb.x, ph};
  const Rect RB{rb.x, rb.y, pw, ph};
  const Point a{r.left, r.top};
  const Point b{r.right, r.bottom};
  const auto both = [&](const Rect& area) { return Inside(a, area) && Inside(b, area); };
  if (both(LT))
    return r;
  if (both(RT))
    return r.Offset(dx, 0);
  if (both(LB))
    return r.Offset(0, dy);
  if (both(RB))
    return r.Offset(dx, dy);
  if (Inside(a, LT) && Inside(b, RB))
    return {r.left, r.top, r.right + dx, r.bottom + dy};
  if (Inside(a, LT) && Inside(b, RT))
    return {r.left, r.top, r.right + dx, r.bottom};
  if (Inside(a, LB) && Inside(b, RB))
    return Rect{r.left, r.top, r.right + dx, r.bottom}.Offset(0, dy);
  if (Inside(a, LT) && Inside(b, LB))
    return {r.left, r.top, r.right, r.bottom + dy};
  if (Inside(a, RT) && Inside(b, RB))
    return Rect{r.left, r.top, r.right, r.bottom + dy}.Offset(dx, 0);
  return r;
}

void ComposeFrameStrips(TbsFrameStrips& strips, const Bitmap& picture, const TbsFrameLayout& layout,
                        int width, int height) {
  strips = {};
  const FramePlan plan = PlanFrameStrips(picture, layout, width, height);
  const TbsFramePlaces& at = plan.places;
  if (!at.Top.IsEmpty())
    strips.Top = ComposeHorizontal(picture, plan.top, at.Top.Width());
  if (!at.Bottom.IsEmpty())
    strips.Bottom = ComposeHorizontal(picture, plan.bottom, at.Bottom.Width());
  if (!at.Left.IsEmpty())
    strips.Left = ComposeVertical(picture, plan.left, at.Left.Height());
  if (!at.Right.IsEmpty())
    strips.Right = ComposeVertical(picture, plan.right, at.Right.Height());
}

TbsFramePlaces DrawFrameStrips(DeviceContext& dc, const Bitmap& picture,
                               const TbsFrameLayout& layout, int width, int height) {
  const FramePlan plan = PlanFrameStrips(picture, layout, width, height);
  const TbsFramePlaces& at = plan.places;
  const Point origin = dc.GetViewportOrg();
  // Each strip is drawn within its own place, as if into a bitmap of its
  // own; a strip whose pieces may leave gaps starts out black like one.
  const auto draw = [&](const Rect& place, bool covered, const auto& paint) {
    if (place.IsEmpty())
      return;
    gfx::SavedDC saved(dc);
    dc.IntersectClipRect(place);
    dc.SetViewportOrg({origin.x + place.left, origin.y + place.top});
    if (!covered)
      dc.FillRect({0, 0, place.Width(), place.Height()}, gfx::clBlack);
    paint();
  };
  draw(at.Top, CoversStrip(picture, plan.top, at.Top.Width()),
       [&] { DrawHorizontal(dc, picture, plan.top); });
  draw(at.Bottom, CoversStrip(picture, plan.bottom, at.Bottom.Width()),
       [&] { DrawHorizontal(dc, picture, plan.bottom); });
  draw(at.Left, CoversStrip(picture, plan.left),
       [&] { DrawVertical(dc, picture, plan.left, at.Left.Height()); });
  draw(at.Right, CoversStrip(picture, plan.right),
       [&] { DrawVertical(dc, picture, plan.right, at.Right.Height()); });
  return at;
}

Point TopStripOrigin() {
  return {0, 0};
}

Point LeftStripOrigin(const TbsFrameStrips& strips) {
  return {0, strips.Top.Height()};
}

Point RightStripOrigin(const TbsFrameStrips& strips, int width) {
  return {width - strips.Right.Width(), strips.Top.Height()};
}

Point BottomStripOrigin(const TbsFrameStrips& strips, int height) {
  return {0, height - strips.Bottom.Height()};
}

void ComposeMaskStrips(TbsFrameStrips& strips, const TbsSkinData& skin,
                       const TbsSizedFrame& frame) {
  strips = {};
  if (!SkinHasUsableMask(skin))
    return;
  const Bitmap& mask = skin.MaskPicture;
  const int mw = mask.Width(), mh = mask.Height();
  const Rect& a = skin.maskrectarea;  // inside the mask, as checked above
  const Rect& sa = frame.SizedMaskArea;
  const auto [lt, rt, lb, rb] = BoundedCornerPoints(skin);
  const int sideHeight = sa.Height();
  if (lb.y >= lt.y)
    strips.Left =
        ComposeVertical(mask, {0, a.left, lt.y, lb.y, a.top, a.bottom, false}, sideHeight);
  if (rb.y >= rt.y)
    strips.Right = ComposeVertical(
        mask, {a.right, mw - a.right, rt.y, rb.y, a.top, a.bottom, false}, sideHeight);
  if (rt.x >= lt.x)
    strips.Top =
        ComposeHorizontal(mask,
                          {0, a.top, lt.x, rt.x, frame.SizedLeftTop.x, frame.SizedRightTop.x,
                           frame.SizedLeftTop.x, frame.SizedRightTop.x, false},
                          frame.Width);
  if (rb.x >= lb.x)
    strips.Bottom = ComposeHorizontal(
        mask,
        {a.bottom, mh - a.bottom, lb.x, rb.x, frame.SizedLeftBottom.x, frame.SizedRightBottom.x,
         frame.SizedLeftBottom.x, frame.SizedRightBottom.x, false},
        frame.Width);
}

std::optional<gfx::Region> FrameRegionFromMask(const TbsFrameStrips& mask,
                                               const TbsSizedFrame& frame) {
  const Rect& sa = frame.SizedMaskArea;
  gfx::Region region;
  if (!sa.IsEmpty())
    region = gfx::Region(sa);
  const auto add = [&](const Bitmap& strip, Point at) {
    if (auto part = RegionFromMask(strip, at))
      region |= *part;
  };
  add(mask.Top, {0, 0});
  add(mask.Bottom, {0, sa.bottom});
  add(mask.Left, {0, sa.top});
  add(mask.Right, {sa.right, sa.top});
  // Nothing outside the window belongs to it, whatever the mask says.
  region &= gfx::Region(Rect{0, 0, frame.Width, frame.Height});
  if (region.IsEmpty())
    return std::nullopt;
  return region;
}

bool PointInFrameShape(const TbsFrameStrips& mask, const TbsSizedFrame& frame, Point p) {
  const Rect& sa = frame.SizedMaskArea;
  if (Inside(p, sa))
    return true;
  const auto black = [](const Bitmap& strip, int x, int y) {
    if (x < 0 || y < 0 || x >= strip.Width() || y >= strip.Height())
      return false;
    return (strip.GetPixel(x, y) & 0xFFFFFF) == 0;
  };
  if (p.y < sa.top)
    return black(mask.Top, p.x, p.y);
  if (p.y < sa.bottom) {
    if (p.x >= sa.right)
      return black(mask.Right, p.x - sa.right, p.y - sa.top);
    return black(mask.Left, p.x, p.y - sa.top);
  }
  return black(mask.Bottom, p.x, p.y - sa.bottom);
}

bool SkinCanDrawFrame(const TbsSkinData& skin) {
  if (skin.Empty || skin.Picture.IsEmpty())
    return false;
  const Rect& c = skin.clientrect;
  return c.left >= 0 && c.top >= 0 && c.right >= c.left && c.bottom >= c.top &&
         c.right <= skin.Picture.Width() && c.bottom <= skin.Picture.Height();
}

bool SkinHasUsableMask(const TbsSkinData& skin) {
  if (skin.MaskPicture.IsEmpty() || skin.MaskPicture.GetSize() != skin.Picture.GetSize())
    return false;
  const Rect& a = skin.maskrectarea;
  return a.left >= 0 && a.top >= 0 && a.right >= a.left && a.bottom >= a.top &&
         a.right <= skin.MaskPicture.Width() && a.bottom <= skin.MaskPicture.Height();
}
