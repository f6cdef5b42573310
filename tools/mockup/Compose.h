#pragma once

// The skin engine's ways of fitting skin pictures to a size, as the review
// mock-up needs them: the control tile modes, the frame strips with the
// caption and button row, and the window pictures of menus and hints. They
// follow the engine's rules closely enough to judge the skin's look; the
// engine itself is the reference.

#include <string>

#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinData.h"

namespace mockup {

using gfx::Rect;

// Draws a control record's picture rectangle `source` fitted to `dest` by
// the record's tile mode (fixed, frame, horizontal, vertical).
void ComposeControl(gfx::DeviceContext& dc, const Rect& dest, const TbsDataSkinCustomControl& rec,
                    const gfx::Bitmap& picture, const Rect& source);

// Draws text centred in r in the given font and colour.
void CentredText(gfx::DeviceContext& dc, const Rect& r, const std::string& text,
                 const gfx::LogFont& font, gfx::ColorRef colour);
gfx::LogFont SkinFont(const std::string& name, int height, const TbsFontStyles& style);

struct FrameLook {
  bool active = true;
  std::string title;
  int hoveredButton = -1;  // 0 close, 1 minimise, 2 roll-up
};

// A whole skinned window of the given outer size: frame strips, caption
// object, button row and mask. The client area is left for the caller;
// returns it in window coordinates.
Rect DrawFrame(gfx::Bitmap& window, const TbsSkinData& skin, const FrameLook& look,
               gfx::ColorRef outside);

// The popup or hint window picture fitted to a size (client included).
void ComposeWindowPicture(gfx::DeviceContext& dc, const Rect& dest, const gfx::Bitmap& picture,
                          gfx::Point lt, gfx::Point rt, gfx::Point lb, gfx::Point rb,
                          const Rect& client);

}  // namespace mockup
