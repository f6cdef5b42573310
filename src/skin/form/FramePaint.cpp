// Painting of the frame: the non-client size, the skinned and the plain
// frame, the client background and the size limits.

#include <algorithm>

#include "platform/win/Win.h"
#include "skin/data/EffectBmp.h"
#include "skin/form/SkinForm.h"

using gfx::Bitmap;
using gfx::DeviceContext;
using gfx::Point;
using gfx::Rect;

namespace {

constexpr int kPlainBorder = 3;

void ApplyInactiveEffect(TbsEffectBmp& bmp, TbsInactiveEffect effect) {
  switch (effect) {
    case TbsInactiveEffect::ieBrightness:
      bmp.Lighten(0.5);
      break;
    case TbsInactiveEffect::ieDarkness:
      bmp.Darken(0.3);
      break;
    case TbsInactiveEffect::ieGrayScale:
      bmp.GreyScale();
      break;
    case TbsInactiveEffect::ieNoise:
      bmp.AddNoise(50);
      break;
    case TbsInactiveEffect::ieSplitBlur:
      bmp.SplitBlur(1);
      break;
    case TbsInactiveEffect::ieInvert:
      bmp.Invert();
      break;
  }
}

void DrawStrip(DeviceContext& dc, const Bitmap& strip, Point at, bool effect,
               TbsInactiveEffect kind) {
  if (strip.IsEmpty())
    return;
  if (!effect) {
    dc.DrawBitmap(at.x, at.y, strip);
    return;
  }
  TbsEffectBmp bmp(strip);
  ApplyInactiveEffect(bmp, kind);
  bmp.Draw(dc, at.x, at.y);
}

// Repeats a tile over the client area from its top-left corner.
void TileClient(DeviceContext& dc, const Bitmap& picture, const Rect& tile, int width, int height) {
  if (tile.IsEmpty() || width <= 0 || height <= 0)
    return;
  dc.TileBlt({0, 0, width, height}, picture, tile);
}

}  // namespace

void ApplyFrameInactiveEffect(TbsEffectBmp& bmp, TbsInactiveEffect effect) {
  ApplyInactiveEffect(bmp, effect);
}

int TbsSkinForm::PlainCaptionHeight() const {
  const TFormBorderStyle b = FOwnerForm->BorderStyle();
  return b == bsToolWindow || b == bsSizeToolWin ? 15 : 19;
}

Rect TbsSkinForm::PlainCaptionRect() const {
  return {kPlainBorder, kPlainBorder, FOwnerForm->Width() - kPlainBorder,
          kPlainBorder + PlainCaptionHeight()};
}

void TbsSkinForm::NCCalcSize(TMessage& Message) {
  Rect* r = nullptr;
  if (Message.WParam != 0)
    r = &reinterpret_cast<win::NCCALCSIZE_PARAMS*>(Message.LParam)->rgrc[0];
  else if (Message.LParam != 0)
    r = reinterpret_cast<Rect*>(Message.LParam);
  Message.Result = 0;
  if (r == nullptr || FOwnerForm->BorderStyle() == bsNone)
    return;
  if (FSkinLoaded) {
    const Rect& c = FSD->clientrect;
    r->left += c.left;
    r->top += c.top;
    r->right -= FSD->Picture.Width() - c.right;
    r->bottom -= FSD->Picture.Height() - c.bottom;
  } else {
    r->left += kPlainBorder;
    r->top += PlainCaptionHeight() + kPlainBorder;
    r->right -= kPlainBorder;
    r->bottom -= kPlainBorder;
  }
  r->right = std::max(r->right, r->left);
  r->bottom = std::max(r->bottom, r->top);
}

void TbsSkinForm::GetMinMaxInfo(TMessage& Message) {
  auto* info = reinterpret_cast<win::MINMAXINFO*>(Message.LParam);
  if (info == nullptr)
    return;
  info->ptMinTrackSize = {MinFrameWidth(), MinFrameHeight()};
  const Rect area = WorkArea(FMaximizeOnFullScreen);
  info->ptMaxTrackSize = {std::max(area.Width(), info->ptMinTrackSize.x),
                          std::max(area.Height(), info->ptMinTrackSize.y)};
}

// A hidden window shows nothing of what is painted into it, and showing it
// repaints it whole, frame included; painting it before is wasted.
bool TbsSkinForm::FrameOnScreen() const {
  return FOwnerForm->HandleAllocated() && FOwnerForm->BorderStyle() != bsNone &&
         win::IsWindowVisible(FOwnerForm->Handle());
}

void TbsSkinForm::PaintFrame() {
  if (!FrameOnScreen())
    return;
  FFramePaintDue = false;
  const win::HWND h = FOwnerForm->Handle();
  win::HDC dc = FrameDC();
  if (dc == nullptr)
    return;
  if (FSkinLoaded)
    PaintSkinFrame(*dc);
  else
    PaintPlainFrame(*dc);
  win::ReleaseDC(h, dc);
}

// The frame never paints the client area it surrounds; leaving that out of
// the context keeps the client out of what goes to the screen again.
gfx::DeviceContext* TbsSkinForm::FrameDC() const {
  const win::HWND h = FOwnerForm->Handle();
  const Rect window = win::GetWindowRect(h);
  Point origin{0, 0};
  win::ClientToScreen(h, origin);
  const Rect client = win::GetClientRect(h).Offset(origin.x, origin.y);
  const gfx::Region inside(client.Intersect(FrameClientRect().Offset(window.left, window.top)));
  return win::GetDCEx(h, &inside, win::DCX_WINDOW | win::DCX_EXCLUDERGN);
}

Rect TbsSkinForm::FrameClientRect() const {
  const int w = FOwnerForm->Width(), h = FOwnerForm->Height();
  if (FSkinLoaded)
    return ::CalcSizedGeometry(*FSD, w, h).SizedClientRect;
  return {kPlainBorder, PlainCaptionHeight() + kPlainBorder, w - kPlainBorder, h - kPlainBorder};
}

void TbsSkinForm::InvalidateFrame() {
  const win::HWND h = FOwnerForm->Handle();
  const Rect window = win::GetWindowRect(h);
  Point origin{0, 0};
  win::ClientToScreen(h, origin);
  gfx::Region frame(window.Offset(-origin.x, -origin.y));
  frame -= gfx::Region(win::GetClientRect(h));
  win::RedrawWindow(h, nullptr, &frame, win::RDW_INVALIDATE | win::RDW_FRAME);
}

void TbsSkinForm::PaintObjectNow(TbsActiveSkinObject& Object) {
  if (!FrameOnScreen() || !Object.Drawable())
    return;
  const win::HWND h = FOwnerForm->Handle();
  win::HDC dc = FrameDC();
  if (dc == nullptr)
    return;
  Object.Draw(*dc, true);
  win::ReleaseDC(h, dc);
}

void TbsSkinForm::PaintSkinFrame(DeviceContext& dc) {
  FFrameWidth = FOwnerForm->Width();
  FFrameHeight = FOwnerForm->Height();
  const int w = FFrameWidth, h = FFrameHeight;
  if (w < MinFrameWidth() || h < MinFrameHeight())
    return;
  CalcSizedGeometry();
  PlaceObjects();
  const bool active = WindowIsActive();
  const Bitmap& source = !active && !FSD->InactivePicture.IsEmpty() &&
                                 FSD->InactivePicture.GetSize() == FSD->Picture.GetSize()
                             ? FSD->InactivePicture
                             : FSD->Picture;
  const Rect& client = FSized.SizedClientRect;
  const bool effect = !active && FSD->autorenderinginactiveimage;
  if (!effect) {
    // Straight into the window: each strip within its place, and each
    // object within the strip it belongs to, as if drawn on that strip.
    gfx::SavedDC saved(dc);
    if (client.top < client.bottom)
      dc.ExcludeClipRect(client);
    const TbsFramePlaces at = DrawFrameStrips(dc, source, TbsFrameLayout::FromSkin(*FSD), w, h);
    for (const auto& object : FObjectList) {
      if (!object->Visible || !object->Drawable())
        continue;
      const Rect& place = object->ObjectRect.bottom > client.top ? at.Bottom : at.Top;
      if (place.IsEmpty())
        continue;
      gfx::SavedDC clipped(dc);
      dc.IntersectClipRect(place);
      object->Draw(dc, false);
    }
    return;
  }
  TbsFrameStrips strips;
  ComposeFrameStrips(strips, source, TbsFrameLayout::FromSkin(*FSD), w, h);
  for (const auto& object : FObjectList) {
    if (!object->Visible || !object->Drawable())
      continue;
    const bool bottom = object->ObjectRect.bottom > client.top;
    Bitmap& strip = bottom ? strips.Bottom : strips.Top;
    if (strip.IsEmpty())
      continue;
    DeviceContext sdc(strip);
    const Point at = bottom ? BottomStripOrigin(strips, h) : TopStripOrigin();
    sdc.SetViewportOrg({-at.x, -at.y});
    object->Draw(sdc, false);
  }
  gfx::SavedDC saved(dc);
  if (client.top < client.bottom)
    dc.ExcludeClipRect(client);
  DrawStrip(dc, strips.Top, TopStripOrigin(), effect, FSD->inactiveeffect);
  DrawStrip(dc, strips.Left, LeftStripOrigin(strips), effect, FSD->inactiveeffect);
  DrawStrip(dc, strips.Right, RightStripOrigin(strips, w), effect, FSD->inactiveeffect);
  DrawStrip(dc, strips.Bottom, BottomStripOrigin(strips, h), effect, FSD->inactiveeffect);
}

void TbsSkinForm::PaintPlainFrame(DeviceContext& dc) {
  const int w = FOwnerForm->Width(), h = FOwnerForm->Height();
  const int ch = PlainCaptionHeight();
  if (FObjectList.empty())
    CreatePlainButtons();
  PlaceObjects();
  Bitmap band(std::max(w - 2 * kPlainBorder, 0), ch);
  if (!band.IsEmpty()) {
    DeviceContext bdc(band);
    band.Fill(gfx::clBtnFace);
    Rect area = PlainCaptionRect();
    for (const auto& o : FObjectList) {
      const auto* b = dynamic_cast<const TbsSkinStdButtonObject*>(o.get());
      if (!o->Visible || b == nullptr)
        continue;
      if (b->Command == TbsStdCommand::cmSysMenu)
        area.left = std::max(area.left, o->ObjectRect.right);
      else
        area.right = std::min(area.right, o->ObjectRect.left);
    }
    area = area.Offset(-kPlainBorder, -kPlainBorder);
    if (ch - 4 > 1) {
      for (int i = 0; i < ch - 5; ++i) {
        bdc.SelectPen(
            gfx::Pen{gfx::PS_SOLID, 1, i % 2 == 0 ? gfx::clBtnHighlight : gfx::clBtnShadow});
        bdc.MoveTo(area.left + 2, 2 + i);
        bdc.LineTo(area.right - 6, 2 + i);
      }
    }
    const TFont& font = WindowIsActive() ? FDefCaptionFont : FDefInActiveCaptionFont;
    bdc.SelectFont(font.Handle());
    const std::string text = CaptionTextFit(bdc, FOwnerForm->Caption(), area.Width());
    if (!text.empty()) {
      const int tw = bdc.GetTextExtent(text).cx;
      const int th = bdc.GetTextExtent(text).cy;
      const int x = area.left + area.Width() / 2 - (tw + 5) / 2;
      bdc.FillRect({x, 0, x + tw + 5, ch}, gfx::clBtnFace);
      bdc.SetBkMode(gfx::TRANSPARENT);
      bdc.SetTextColor(font.Color());
      bdc.TextOut(x + 3, ch / 2 - th / 2, text);
    }
    bdc.SetViewportOrg({-kPlainBorder, -kPlainBorder});
    for (const auto& o : FObjectList)
      if (o->Visible)
        o->Draw(bdc, true);
  }
  gfx::SavedDC saved(dc);
  const Rect client{kPlainBorder, ch + kPlainBorder, w - kPlainBorder, h - kPlainBorder};
  if (!client.IsEmpty())
    dc.ExcludeClipRect(client);
  dc.DrawBitmap(kPlainBorder, kPlainBorder, band);
  const std::pair<gfx::ColorRef, gfx::ColorRef> edges[] = {{gfx::cl3DLight, gfx::cl3DDkShadow},
                                                           {gfx::clBtnHighlight, gfx::clBtnShadow},
                                                           {gfx::clBtnFace, gfx::clBtnFace}};
  Rect r{0, 0, w, h};
  for (const auto& [light, dark] : edges) {
    if (r.IsEmpty())
      break;
    dc.FillRect({r.left, r.top, r.right, r.top + 1}, light);
    dc.FillRect({r.left, r.top, r.left + 1, r.bottom}, light);
    dc.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, dark);
    dc.FillRect({r.right - 1, r.top, r.right, r.bottom}, dark);
    r = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
}

void TbsSkinForm::PaintClientBackground(DeviceContext& dc) {
  const Rect client = FOwnerForm->ClientRect();
  const int cw = client.Width(), ch = client.Height();
  const Bitmap* bg = FSkinLoaded ? FSD->ActivePicture(FSD->bgpictureindex) : nullptr;
  if (bg != nullptr)
    TileClient(dc, *bg, bg->Bounds(), cw, ch);
  else if (FSkinLoaded && !FSD->clientrect.IsEmpty())
    TileClient(dc, FSD->Picture, FSD->clientrect, cw, ch);
  else
    dc.FillRect(client, gfx::clBtnFace);
  if (FLogoBitMap.Empty())
    return;
  const Bitmap& logo = FLogoBitMap.Pixels();
  const int x = std::max(cw / 2 - logo.Width() / 2, 0);
  const int y = std::max(ch / 2 - logo.Height() / 2, 0);
  if (FLogoBitMapTransparent)
    dc.TransparentBlt(x, y, logo.Width(), logo.Height(), logo, 0, 0, logo.Width(), logo.Height(),
                      logo.GetPixel(0, logo.Height() - 1));
  else
    dc.DrawBitmap(x, y, logo);
}
