// Builds the window frame of an arbitrary skin text over the product's
// pictures at a few window sizes: geometry, frame strips, mask strips, the
// window region and point tests, then a form on a headless desktop in that
// frame, painted, faded and hit-tested at those sizes. Whatever the text says,
// nothing may crash, read outside a picture or give a region reaching
// beyond the window.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStreams.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/SkinForm.h"
#include "skin/product/ProductSkin.h"
#include "ui/Application.h"

namespace {

struct Desktop {
  win::HeadlessDesktop headless;
  TScreen screen;
  TApplication application;
};

// A form in the frame of `skin`, shown, painted and hit-tested at each
// size.
void TryOnForm(TbsSkinData& skin, std::span<const gfx::Size> sizes) {
  static Desktop* desktop = new Desktop();
  auto* form = new TForm(&desktop->application);
  form->SetBorderStyle(bsSingle);
  form->SetCaption("Tilebrook(tm) - Puzzle Browser");
  auto* frame = new TbsSkinForm(form);
  frame->SetSkinData(&skin);
  form->Show();
  for (const gfx::Size& s : sizes) {
    form->SetBounds(10, 10, s.cx, s.cy);
    desktop->application.ProcessMessages();
    for (int y = -2; y < form->Height() + 2; y += 9)
      for (int x = -2; x < form->Width() + 2; x += 9)
        (void)win::SendMessage(form->Handle(), win::WM_NCHITTEST, 0,
                               win::MAKELPARAM(form->Left() + x, form->Top() + y));
    frame->TrackActiveObject({20, 10}, true);
    // A few steps of every object's hover fade, as the fade timer takes
    // them: each morph kind between its two looks at the object's size.
    for (const auto& object : frame->ObjectList())
      if (object->Morphing) {
        object->Highlighted = true;
        for (int step = 0; step < 4; ++step)
          object->MorphStep();
      }
    frame->RollUp(true);
    frame->RollUp(false);
  }
  frame->SetSkinData(nullptr);
  delete form;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The product's pictures are read once; every input brings its own text.
  static TbsStoredSkin* stored = [] {
    auto* s = new TbsStoredSkin(nullptr);
    ReadProductSkin(*s);
    return s;
  }();
  // The text is dropped when the input is done, so that the run ends with
  // the allocations it began with and the fuzzer's leak check stays quiet.
  struct ForgetText {
    TbsStoredSkin* stored;
    ~ForgetText() { stored->SetIniStrings(std::vector<std::string>{}); }
  } forget{stored};
  stored->SetIniStrings(SplitLines(std::span(data, size)));
  TbsSkinData skin(nullptr);
  try {
    skin.ApplyStoredSkin(stored);
  } catch (const TbsConvertError&) {
    return 0;
  }
  const int pw = skin.Picture.Width(), ph = skin.Picture.Height();
  const gfx::Size sizes[] = {{pw, ph}, {0, 0}, {1, 1}, {774, 607}, {pw + 3, ph / 2}};
  // A skin that cannot draw a frame gets the plain one on the form.
  for (const gfx::Size& s : sizes) {
    if (!SkinCanDrawFrame(skin))
      break;
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
  // On the form, a window twice the picture's size stands for the large
  // one: the frame's strips tile and stretch the same way, and the run
  // stays quick.
  const gfx::Size formSizes[] = {
      {pw, ph}, {0, 0}, {1, 1}, {2 * pw + 1, 2 * ph + 3}, {pw + 3, ph / 2}};
  TryOnForm(skin, formSizes);
  return 0;
}
