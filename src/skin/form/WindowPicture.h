#pragma once

// The pictures of the hint and popup-menu windows, fitted to any window
// size. A window picture is cut by four corner points and a client
// rectangle: the corner pieces keep their size and place at their corner,
// the middles between the corner points repeat (or stretch, where the skin
// asks for it) to the window's size, and the client part repeats over the
// sized client area.

#include <optional>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Geometry.h"
#include "platform/gfx/Region.h"
#include "skin/form/FrameGeometry.h"

// The layout of a window picture is a frame's layout (TbsFrameLayout), and
// SizeFrameLayout moves it to a window's size.

// Composes `picture` into `dest` (resized to the sized window). Only the
// size is set when the picture is empty or the right-bottom point does not
// lie right of and below the left-top point. With drawClient the client
// part of the picture is repeated over the sized client area too.
void ComposeWindowPicture(gfx::Bitmap& dest, const gfx::Bitmap& picture,
                          const TbsFrameLayout& layout, const TbsSizedFrame& sized,
                          bool drawClient);

// The same drawn onto dc, the window's top-left corner at dc's origin;
// pixels no piece covers are left as they are.
void DrawWindowPicture(gfx::DeviceContext& dc, const gfx::Bitmap& picture,
                       const TbsFrameLayout& layout, const TbsSizedFrame& sized, bool drawClient);

// The shape a mask picture gives the window: the mask composed like the
// picture, its black pixels inside, the sized client area always inside.
// None when the window is smaller than the mask's fixed parts.
std::optional<gfx::Region> WindowPictureRegion(const gfx::Bitmap& mask,
                                               const TbsFrameLayout& layout,
                                               const TbsSizedFrame& sized);
