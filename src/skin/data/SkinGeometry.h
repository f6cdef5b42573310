#pragma once

// How a control's skin picture is fitted to the control's size. A skin
// record names a rectangle of a picture and four corner points; the parts
// outside the corner points keep their size and the parts between them are
// repeated, never scaled, so that rims and rounded corners stay crisp at any
// size. The same rules cut a control's shape from its mask picture.

#include <optional>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"

class TbsDataSkinControl;

// How a skin picture grows with its control.
enum class TbsTileMode : int {
  None = -1,       // the skin rectangle is empty: nothing to draw
  Fixed = 0,       // the control takes exactly the skin rectangle's size
  Frame = 1,       // four edge strips and the client area repeat
  Horizontal = 2,  // the height is fixed, the middle repeats along x
  Vertical = 3,    // the width is fixed, the middle repeats along y
};

// The geometry a control copies from its record. Corner points and the
// client rectangle are relative to the skin rectangle's top-left corner.
struct TbsSkinGeometry {
  gfx::Rect skinrect;
  gfx::Rect clientrect;
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  TbsTileMode tileMode = TbsTileMode::Fixed;

  // The geometry of a record: the full geometry for records that are fitted
  // by corner points, else only the skin rectangle in fixed mode.
  static TbsSkinGeometry FromRecord(const TbsDataSkinControl& record);
  // Recomputes tileMode from the rectangle and the points.
  void ComputeTileMode();
};

// The corner points and client rectangle moved to a control's size.
struct TbsSizedGeometry {
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect clientrect;
};

// Adjusts a requested size to what the tile mode allows (horizontal mode
// fixes the height, vertical the width, fixed mode both) and returns the
// sized points for the result.
TbsSizedGeometry FitSizeToSkin(const TbsSkinGeometry& geometry, int& width, int& height);

// The sized points for a size, without changing it.
TbsSizedGeometry SizedGeometry(const TbsSkinGeometry& geometry, int width, int height);

// Fits `source` (a rectangle of `picture` with the layout of
// geometry.skinrect, e.g. a state picture of a button) to width x height
// by the geometry's tile mode. `dest` is resized: to the source size in
// fixed mode, to the source height in horizontal mode, to the source width
// in vertical mode. A null or empty picture only sizes the bitmap.
void ComposeSkinPicture(gfx::Bitmap& dest, const gfx::Bitmap* picture, const gfx::Rect& source,
                        const TbsSkinGeometry& geometry, int width, int height);

// Repeats a horizontal strip: the first `left` and last `right` columns of
// `source` keep their size, the columns between repeat to fill `width`.
// The list rows, the combo box item and a scroll bar thumb are laid out
// this way.
void ComposeHorizontalStrip(gfx::Bitmap& dest, const gfx::Bitmap& picture, const gfx::Rect& source,
                            int left, int right, int width);
// The same along y.
void ComposeVerticalStrip(gfx::Bitmap& dest, const gfx::Bitmap& picture, const gfx::Rect& source,
                          int top, int bottom, int height);

// The black pixels of a mask as a region: every run of pixels whose red,
// green and blue are all 0 becomes a one-pixel-high rectangle, shifted by
// offset. A mask without black pixels gives no region.
std::optional<gfx::Region> RegionFromMask(const gfx::Bitmap& mask, gfx::Point offset = {});

// The window shape of a control of that size: its mask fitted like its
// picture, then cut by RegionFromMask. No region when there is no mask, the
// tile mode draws nothing, or the control is smaller than the mask's fixed
// parts.
std::optional<gfx::Region> ShapeRegionFromMask(const gfx::Bitmap* mask,
                                               const TbsSkinGeometry& geometry, int width,
                                               int height);
