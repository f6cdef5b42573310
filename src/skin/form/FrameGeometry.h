#pragma once

// The geometry of a skinned window frame of any size. A frame picture is cut
// by four corner points into fixed corner pieces and middles; the middles
// repeat (or stretch, where the skin asks for it) when the window is larger
// than the picture, and the corners move with the edges they belong to. The
// frame is composed into four strips around the client area, and the window
// shape is cut from the mask picture by the same rules. The hint and popup
// windows lay out their own pictures with the same strips.

#include <optional>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"

class TbsSkinData;

// Skin values are any non-negative integer; the frame works with them
// bounded far beyond any picture or window, so that moving them by a window
// size can never overflow.
inline constexpr int kFarFrameCoordinate = 1 << 24;
int BoundedFrameValue(int value);
gfx::Point BoundedFramePoint(gfx::Point p);
gfx::Rect BoundedFrameRect(const gfx::Rect& r);

// A skin's four corner points, bounded.
struct TbsCornerPoints {
  gfx::Point lt, rt, lb, rb;
};
TbsCornerPoints BoundedCornerPoints(const TbsSkinData& skin);

// The corner points, client rectangle and stretch flags of a frame picture,
// in picture coordinates.
struct TbsFrameLayout {
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect clientrect;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;

  // The layout of a skin's window frame.
  static TbsFrameLayout FromSkin(const TbsSkinData& skin);
};

// A frame picture's layout moved to a window of Width x Height (window
// coordinates, origin at the window's top-left corner).
struct TbsSizedFrame {
  int Width = 0;
  int Height = 0;
  gfx::Point SizedLeftTop;
  gfx::Point SizedRightTop;
  gfx::Point SizedLeftBottom;
  gfx::Point SizedRightBottom;
  gfx::Rect SizedClientRect;
  gfx::Rect SizedCaptionRect;
  gfx::Rect SizedButtonsRect;
  gfx::Rect SizedMaskArea;
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  gfx::Point SizedHitLeftTop;
  gfx::Point SizedHitRightTop;
  gfx::Point SizedHitLeftBottom;
  gfx::Point SizedHitRightBottom;
};

// The corner points and client rectangle of `layout` (made for a picture of
// pictureSize) moved to a window of width x height; the other fields stay
// empty.
TbsSizedFrame SizeFrameLayout(const TbsFrameLayout& layout, gfx::Size pictureSize, int width,
                              int height);

// The whole sized geometry of a skin's window frame.
TbsSizedFrame CalcSizedGeometry(const TbsSkinData& skin, int width, int height);

// Where a frame object whose rectangle in the picture is `r` lies on the
// sized frame: pieces inside a corner move with that corner, pieces that
// span corners grow with the window.
gfx::Rect MapObjectRect(const TbsSkinData& skin, const TbsSizedFrame& frame, const gfx::Rect& r);

// Four pieces of a frame around its client area. A piece that the layout
// leaves without size is an empty bitmap.
struct TbsFrameStrips {
  gfx::Bitmap Top;
  gfx::Bitmap Bottom;
  gfx::Bitmap Left;
  gfx::Bitmap Right;
};

// Composes `picture` (laid out by `layout`) for a window of width x height.
// The top and bottom middles repeat from the strip's first column, the side
// middles from the strip's first row; the corners are drawn over them.
void ComposeFrameStrips(TbsFrameStrips& strips, const gfx::Bitmap& picture,
                        const TbsFrameLayout& layout, int width, int height);

// The places of the four strips in a window (window coordinates); a strip
// the layout leaves out has an empty place.
struct TbsFramePlaces {
  gfx::Rect Top;
  gfx::Rect Bottom;
  gfx::Rect Left;
  gfx::Rect Right;
};

// Draws the strips ComposeFrameStrips would compose straight onto dc, whose
// origin is the window's top-left corner, each within its own place, and
// tells where they went.
TbsFramePlaces DrawFrameStrips(gfx::DeviceContext& dc, const gfx::Bitmap& picture,
                               const TbsFrameLayout& layout, int width, int height);

// Where the strips go in the window: the top at (0, 0), the sides below it,
// the bottom at the window's foot.
gfx::Point TopStripOrigin();
gfx::Point LeftStripOrigin(const TbsFrameStrips& strips);
gfx::Point RightStripOrigin(const TbsFrameStrips& strips, int width);
gfx::Point BottomStripOrigin(const TbsFrameStrips& strips, int height);

// Composes the skin's mask picture for the sized frame. The mask repeats,
// never stretches, and its top and bottom middles start at the sized left
// corner point. No strips when the skin has no usable mask.
void ComposeMaskStrips(TbsFrameStrips& strips, const TbsSkinData& skin, const TbsSizedFrame& frame);

// The window shape: the sized mask area and the black pixels of the mask
// strips. None when the strips are all empty and the area is too.
std::optional<gfx::Region> FrameRegionFromMask(const TbsFrameStrips& mask,
                                               const TbsSizedFrame& frame);

// The same shape as FrameRegionFromMask cuts from the composed mask strips,
// read straight from the mask picture's pieces without composing them.
std::optional<gfx::Region> FrameShapeRegion(const TbsSkinData& skin, const TbsSizedFrame& frame);

// Whether a point of the window lies inside the shape cut by the mask
// strips, read from their pixels.
bool PointInFrameShape(const TbsFrameStrips& mask, const TbsSizedFrame& frame, gfx::Point p);

// Whether a skin can draw a window frame: it has a main picture and a client
// rectangle inside it. A skin that cannot is shown with the plain frame.
bool SkinCanDrawFrame(const TbsSkinData& skin);
// Whether the skin's mask can cut the window's shape: it exists and has the
// main picture's size.
bool SkinHasUsableMask(const TbsSkinData& skin);
