#pragma once

// The pictures of the hint and popup-menu windows, fitted to any window
// size. A window picture is cut by four corner points and a client
// rectangle: the corner pieces keep their size and place at their corner,
// the middles between the corner points repeat (or stretch, where the skin
// asks for it) to the window's size, and the client part repeats over the
// sized client area.

#include <optional>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"

// The layout of a window picture, in picture coordinates.
struct TbsWindowPictureLayout {
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect clientrect;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
};

// A layout moved to a window of Width x Height: the right points move with
// the right edge, the bottom points with the bottom edge, and the client
// rectangle grows by the window's growth.
struct TbsSizedWindowPicture {
  int Width = 0;
  int Height = 0;
  gfx::Point LeftTop;
  gfx::Point RightTop;
  gfx::Point LeftBottom;
  gfx::Point RightBottom;
  gfx::Rect ClientRect;
};

TbsSizedWindowPicture SizeWindowPicture(const TbsWindowPictureLayout& layout, gfx::Size pictureSize,
                                        int width, int height);

// Composes `picture` into `dest` (resized to the sized window). Only the
// size is set when the picture is empty or the right-bottom point does not
// lie right of and below the left-top point. With drawClient the client
// part of the picture is repeated over the sized client area too.
void ComposeWindowPicture(gfx::Bitmap& dest, const gfx::Bitmap& picture,
                          const TbsWindowPictureLayout& layout, const TbsSizedWindowPicture& sized,
                          bool drawClient);

// The shape a mask picture gives the window: the mask composed like the
// picture, its black pixels inside, the sized client area always inside.
// None when the window is smaller than the mask's fixed parts.
std::optional<gfx::Region> WindowPictureRegion(const gfx::Bitmap& mask,
                                               const TbsWindowPictureLayout& layout,
                                               const TbsSizedWindowPicture& sized);
