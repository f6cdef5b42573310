// Builds the window frame of an arbitrary skin text over the product's
// pictures at a few window sizes: geometry, frame strips, mask strips, the
// window region and point tests. Whatever the text says, nothing may crash,
// read outside a picture or give a region reaching beyond the window.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "skin/data/SkinData.h"
#include "skin/data/SkinStreams.h"
#include "skin/form/FrameGeometry.h"
#include "skin/product/ProductSkin.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TbsStoredSkin stored(nullptr);
  ReadProductSkin(stored);
  stored.SetIniStrings(SplitLines(std::span(data, size)));
  TbsSkinData skin(nullptr);
  try {
    skin.ApplyStoredSkin(&stored);
  } catch (const TbsConvertError&) {
    return 0;
  }
  if (!SkinCanDrawFrame(skin))
    return 0;
  const int pw = skin.Picture.Width(), ph = skin.Picture.Height();
  const gfx::Size sizes[] = {{pw, ph}, {0, 0}, {1, 1}, {774, 607}, {pw + 3, ph / 2}};
  for (const gfx::Size& s : sizes) {
    const TbsSizedFrame frame = CalcSizedGeometry(skin, s.cx, s.cy);
    TbsFrameStrips strips;
    ComposeFrameStrips(strips, skin.Picture, TbsFrameLayout::FromSkin(skin), s.cx, s.cy);
    TbsFrameStrips mask;
    ComposeMaskStrips(mask, skin, frame);
    const auto region = FrameRegionFromMask(mask, frame);
    if (region && !gfx::Rect{0, 0, s.cx, s.cy}.Intersect(region->Bounds()).IsEmpty() &&
        region->Bounds().Intersect({0, 0, s.cx, s.cy}) != region->Bounds())
      std::abort();
    for (int y = -2; y < s.cy + 2; y += 5)
      for (int x = -2; x < s.cx + 2; x += 5)
        (void)PointInFrameShape(mask, frame, {x, y});
    (void)MapObjectRect(skin, frame, {0, 0, pw, ph});
  }
  return 0;
}
