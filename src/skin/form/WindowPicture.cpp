#include "skin/form/WindowPicture.h"

#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinGeometry.h"

namespace {

// Copies source rectangle `from` of the picture into `to`: stretched, or
// repeated from to's top-left corner with the last copy cut at its edges.
void FillPiece(gfx::DeviceContext& dc, const gfx::Bitmap& picture, const gfx::Rect& from,
               const gfx::Rect& to, bool stretch) {
  if (from.IsEmpty() || to.IsEmpty())
    return;
  if (stretch) {
    // Stretching reads from a copy of the piece alone, so that no pixel
    // beside it bleeds in.
    gfx::Bitmap piece(from.Width(), from.Height());
    gfx::DeviceContext(piece).BitBlt(0, 0, from.Width(), from.Height(), picture, from.left,
                                     from.top);
    dc.StretchBlt(to.left, to.top, to.Width(), to.Height(), piece, 0, 0, from.Width(),
                  from.Height());
  } else {
    dc.TileBlt(to, picture, from);
  }
}

void CopyCorner(gfx::DeviceContext& dc, const gfx::Bitmap& picture, const gfx::Rect& from,
                gfx::Point to) {
  if (!from.IsEmpty())
    dc.BitBlt(to.x, to.y, from.Width(), from.Height(), picture, from.left, from.top);
}

}  // namespace

void ComposeWindowPicture(gfx::Bitmap& dest, const gfx::Bitmap& picture,
                          const TbsFrameLayout& layout, const TbsSizedFrame& sized,
                          bool drawClient) {
  dest = gfx::Bitmap(std::max(sized.Width, 0), std::max(sized.Height, 0));
  gfx::DeviceContext dc(dest);
  DrawWindowPicture(dc, picture, layout, sized, drawClient);
}

void DrawWindowPicture(gfx::DeviceContext& dc, const gfx::Bitmap& picture,
                       const TbsFrameLayout& layout, const TbsSizedFrame& sized, bool drawClient) {
  const int W = sized.Width;
  const int H = sized.Height;
  const gfx::Point LT = layout.lefttoppoint, RT = layout.righttoppoint;
  const gfx::Point LB = layout.leftbottompoint, RB = layout.rightbottompoint;
  const gfx::Rect C = layout.clientrect;
  if (picture.IsEmpty() || W <= 0 || H <= 0 || RB.x == LT.x || RB.y == LT.y)
    return;
  const gfx::Point LT2 = sized.SizedLeftTop, RT2 = sized.SizedRightTop;
  const gfx::Point LB2 = sized.SizedLeftBottom, RB2 = sized.SizedRightBottom;
  const gfx::Rect C2 = sized.SizedClientRect;
  const int PW = picture.Width();
  const int PH = picture.Height();

  FillPiece(dc, picture, {LT.x, 0, RT.x, C.top}, {LT2.x, 0, RT2.x, C2.top}, layout.topstretch);
  FillPiece(dc, picture, {LB.x, C.bottom, RB.x, PH}, {LB2.x, C2.bottom, RB2.x, H},
            layout.bottomstretch);
  FillPiece(dc, picture, {0, LT.y, C.left, LB.y}, {0, LT2.y, C2.left, LB2.y}, layout.leftstretch);
  FillPiece(dc, picture, {C.right, RT.y, PW, RB.y}, {C2.right, RT2.y, W, RB2.y},
            layout.rightstretch);

  CopyCorner(dc, picture, {0, 0, LT.x, C.top}, {0, 0});
  CopyCorner(dc, picture, {0, C.top, C.left, LT.y}, {0, C2.top});
  CopyCorner(dc, picture, {RT.x, 0, PW, C.top}, {RT2.x, 0});
  CopyCorner(dc, picture, {C.right, C.top, PW, RT.y}, {C2.right, C2.top});
  CopyCorner(dc, picture, {0, LB.y, C.left, PH}, {0, LB2.y});
  CopyCorner(dc, picture, {C.left, C.bottom, LB.x, PH}, {C2.left, C2.bottom});
  CopyCorner(dc, picture, {RB.x, C.bottom, PW, PH}, {RB2.x, C2.bottom});
  CopyCorner(dc, picture, {C.right, RB.y, PW, C.bottom}, {C2.right, RB2.y});

  if (drawClient)
    FillPiece(dc, picture, C, C2, false);
}

std::optional<gfx::Region> WindowPictureRegion(const gfx::Bitmap& mask,
                                               const TbsFrameLayout& layout,
                                               const TbsSizedFrame& sized) {
  if (mask.IsEmpty() || sized.SizedRightTop.x < sized.SizedLeftTop.x ||
      sized.SizedLeftBottom.y < sized.SizedLeftTop.y)
    return std::nullopt;
  // The mask's pieces never stretch: a stretched edge would blur the
  // shape's steps.
  TbsFrameLayout repeat = layout;
  repeat.leftstretch = repeat.rightstretch = repeat.topstretch = repeat.bottomstretch = false;
  gfx::Bitmap composed;
  ComposeWindowPicture(composed, mask, repeat, sized, false);
  std::optional<gfx::Region> region = RegionFromMask(composed);
  gfx::Region client(sized.SizedClientRect);
  if (region)
    region = region->Union(client);
  else
    region = client;
  return region;
}
