// The caption object: its background looks, the window's title fitted into
// its text rectangle, and the active and inactive looks that follow the
// window's activation.

#include <algorithm>

#include "skin/data/EffectBmp.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinFont.h"
#include "skin/form/SkinForm.h"

using gfx::Bitmap;
using gfx::DeviceContext;
using gfx::Rect;

std::string CaptionTextFit(const DeviceContext& dc, const std::string& text, int width) {
  if (dc.GetTextExtent(text).cx <= width)
    return text;
  std::string rest = text;
  while (!rest.empty()) {
    // Remove whole UTF-8 sequences, never half a character.
    do
      rest.pop_back();
    while (!rest.empty() && (static_cast<unsigned char>(rest.back()) & 0xC0) == 0x80);
    if (!rest.empty() && (static_cast<unsigned char>(rest.back()) & 0xC0) == 0xC0)
      rest.pop_back();
    if (dc.GetTextExtent(rest + "...").cx <= width)
      break;
  }
  return rest + "...";
}

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsSkinForm* form, const TbsDataSkinCaption* record)
    : TbsActiveSkinObject(form, record) {
  if (record == nullptr)
    return;
  FontName = record->fontname;
  FontHeight = record->fontheight;
  FontStyle = record->fontstyle;
  FontColor = record->fontcolor;
  ActiveFontColor = record->activefontcolor;
  Alignment = record->alignment;
  TextRectKey = BoundedFrameRect(record->textrect);
  Shadow = record->shadow;
  ShadowColor = record->shadowcolor;
  ActiveShadowColor = record->activeshadowcolor;
  FrameRect = BoundedFrameRect(record->framerect);
  ActiveFrameRect = BoundedFrameRect(record->activeframerect);
  FrameTextRect = BoundedFrameRect(record->frametextrect);
  FrameLeftOffset = BoundedFrameValue(record->frameleftoffset);
  FrameRightOffset = BoundedFrameValue(record->framerightoffset);
}

void TbsSkinCaptionObject::MouseDown(int X, int Y, TMouseButton Button) {
  TbsActiveSkinObject::MouseDown(X, Y, Button);
}

void TbsSkinCaptionObject::MouseUp(int X, int Y, TMouseButton Button) {
  if (SkinForm->OnMouseUpEvent)
    SkinForm->OnMouseUpEvent(IDName, X, Y, ObjectRect, Button);
}

// The caption's look follows the window, not the pointer.
void TbsSkinCaptionObject::MouseEnter() {
  Hovered = true;
  if (SkinForm->OnMouseEnterEvent)
    SkinForm->OnMouseEnterEvent(IDName);
}

void TbsSkinCaptionObject::MouseLeave() {
  Hovered = false;
  if (SkinForm->OnMouseLeaveEvent)
    SkinForm->OnMouseLeaveEvent(IDName);
}

Rect TbsSkinCaptionObject::TextRect() const {
  Rect t = TextRectKey;
  if (!t.IsEmpty())
    t.right += ObjectRect.Width() - SkinRect.Width();
  if (!FrameRect.IsEmpty()) {
    t.left += FrameTextRect.left;
    t.top += FrameTextRect.top;
    t.right += FrameTextRect.right - FrameRect.Width();
  }
  return t;
}

void TbsSkinCaptionObject::PaintCaptionBackground(DeviceContext& dc, const Rect& s,
                                                  const Bitmap* picture, int w, int h) const {
  if (picture == nullptr || w <= 0 || h <= 0 || s.IsEmpty())
    return;
  const TbsSkinData* skin = SkinForm->SkinData();
  const int l = skin ? std::clamp(skin->lefttoppoint.x - SkinRect.left, 0, s.Width()) : 0;
  const int r = skin ? std::clamp(SkinRect.right - skin->righttoppoint.x, 0, s.Width() - l) : 0;
  if (l == 0 && r == 0) {
    dc.StretchBlt(0, 0, w, h, *picture, s.left, s.top, s.Width(), s.Height());
    return;
  }
  const Rect middle{s.left + l, s.top, s.right - r, s.bottom};
  // A caption without a middle to repeat keeps its corners only.
  if (!middle.IsEmpty())
    dc.TileBlt({0, 0, w, h}, *picture, middle);
  dc.BitBlt(0, 0, l, h, *picture, s.left, s.top);
  dc.BitBlt(w - r, 0, r, h, *picture, s.right - r, s.top);
}

void TbsSkinCaptionObject::DrawCaptionText(DeviceContext& dc, int x0, int y0, bool active) const {
  const std::string& caption = SkinForm->OwnerForm()->Caption();
  const Rect t = TextRect();
  if (caption.empty() || TextRectKey.IsEmpty() || t.IsEmpty())
    return;
  gfx::SavedDC saved(dc);
  dc.SelectFont(MakeSkinFont(FontName, FontHeight, FontStyle));
  // Measured once, for the frame, the shadow and the text.
  DeviceContext::TextRun run = dc.MeasureTextRun(caption);
  if (run.size.cx > t.Width())
    run = dc.MeasureTextRun(CaptionTextFit(dc, caption, t.Width()));
  const gfx::Size size = run.size;
  int x = t.left;
  if (Alignment == TbsAlignment::taRightJustify)
    x = t.right - size.cx;
  else if (Alignment == TbsAlignment::taCenter)
    x = t.left + t.Width() / 2 - size.cx / 2;
  int y = t.top + t.Height() / 2 - size.cy / 2;
  x += x0;
  y += y0;
  dc.SetBkMode(gfx::TRANSPARENT);
  // Nothing of the title reaches beyond its rectangle.
  dc.IntersectClipRect(t.Offset(x0, y0));
  if (!FrameRect.IsEmpty() && StatesPicture != nullptr) {
    const Rect source = active && !ActiveFrameRect.IsEmpty() ? ActiveFrameRect : FrameRect;
    const int width = FrameRect.Width() + size.cx - FrameTextRect.Width();
    const int a = std::clamp(FrameLeftOffset, 0, source.Width());
    const int b = std::clamp(FrameRightOffset, 0, source.Width() - a);
    const bool sane = width > 0 && width <= gfx::Bitmap::kMaxDimension && source.Height() > 0 &&
                      source.Height() <= gfx::Bitmap::kMaxDimension &&
                      static_cast<long long>(width) * source.Height() <= gfx::Bitmap::kMaxPixels;
    if (sane) {
      Bitmap frame(width, source.Height());
      DeviceContext fdc(frame);
      const Rect middle{source.left + a, source.top, source.right - b, source.bottom};
      if (!middle.IsEmpty())
        fdc.TileBlt({a, 0, width - b, source.Height()}, *StatesPicture, middle);
      fdc.BitBlt(0, 0, a, source.Height(), *StatesPicture, source.left, source.top);
      fdc.BitBlt(width - b, 0, b, source.Height(), *StatesPicture, source.right - b, source.top);
      dc.DrawBitmap(x - FrameTextRect.left, y - FrameTextRect.top, frame);
    }
  }
  if (Shadow) {
    dc.SetTextColor(active ? ActiveShadowColor : ShadowColor);
    dc.TextOut(x + 1, y + 1, run);
  }
  dc.SetTextColor(active ? ActiveFontColor : FontColor);
  dc.TextOut(x, y, run);
}

void TbsSkinCaptionObject::DrawCaptionLook(DeviceContext& dc, bool active) const {
  // The look drawn in its place as it would be composed on its own: black
  // where the pictures leave a gap, and nothing beyond its rectangle.
  const int w = std::max(ObjectRect.Width(), 0), h = std::max(ObjectRect.Height(), 0);
  if (w == 0 || h == 0)
    return;
  gfx::SavedDC saved(dc);
  dc.IntersectClipRect(Rect::FromXYWH(ObjectRect.left, ObjectRect.top, w, h));
  const gfx::Point origin = dc.GetViewportOrg();
  dc.SetViewportOrg({origin.x + ObjectRect.left, origin.y + ObjectRect.top});
  dc.FillRect({0, 0, w, h}, gfx::clBlack);
  if (active)
    PaintCaptionBackground(dc, ActiveSkinRect, StatesPicture, w, h);
  else
    PaintCaptionBackground(dc, SkinRect, Picture, w, h);
  DrawCaptionText(dc, 0, 0, active);
}

Rect TbsSkinCaptionObject::ShownPart() const {
  const TCustomForm* form = SkinForm->OwnerForm();
  return ObjectRect.Intersect({0, 0, form->Width(), form->Height()})
      .Offset(-ObjectRect.left, -ObjectRect.top);
}

Bitmap TbsSkinCaptionObject::LookPart(bool active, const Rect& part) const {
  Bitmap out(std::max(part.Width(), 0), std::max(part.Height(), 0));
  if (out.IsEmpty())
    return out;
  DeviceContext dc(out);
  dc.SetViewportOrg({-ObjectRect.left - part.left, -ObjectRect.top - part.top});
  DrawCaptionLook(dc, active);
  return out;
}

void TbsSkinCaptionObject::DrawInactiveLook(DeviceContext& dc, bool active,
                                            TbsInactiveEffect effect) const {
  const Rect part = ShownPart();
  if (part.IsEmpty())
    return;
  TbsEffectBmp look(LookPart(active, part));
  ApplyFrameInactiveEffect(look, effect);
  look.Draw(dc, ObjectRect.left + part.left, ObjectRect.top + part.top);
}

const TbsSkinCaptionObject::TbsFadeLooks& TbsSkinCaptionObject::FadeLooks(const Rect& part) {
  const gfx::Size size = ObjectRect.GetSize();
  const std::string& caption = SkinForm->OwnerForm()->Caption();
  if (!FFadeLooks || FFadeLooks->Size != size || FFadeLooks->Part != part ||
      FFadeLooks->Caption != caption)
    FFadeLooks.emplace(
        TbsFadeLooks{size, part, caption, LookPart(false, part), LookPart(true, part)});
  return *FFadeLooks;
}

void TbsSkinCaptionObject::Draw(DeviceContext& dc, bool) {
  const TbsSkinData* skin = SkinForm->SkinData();
  const bool inactiveEffect = skin != nullptr && skin->autorenderinginactiveimage;
  if (Morphing && CanMorph()) {
    if (MorphKind == TbsMorphKind::mkDefault && (MorphProgress <= 0 || MorphProgress >= 1)) {
      // A blend that has not left one look yet shows that look unmixed;
      // the fade's looks are composed once it takes its first step (the
      // window's first paint is usually here, just after activation).
      const bool activeLook = MorphProgress >= 1;
      if (!inactiveEffect || Highlighted)
        DrawCaptionLook(dc, activeLook);
      else
        DrawInactiveLook(dc, activeLook, skin->inactiveeffect);
      return;
    }
    // Only the part inside the window is composed, so that an object far
    // larger than the window costs no more than what shows.
    const Rect shown = ShownPart();
    std::function<void(TbsEffectBmp&)> finish;
    if (inactiveEffect && !Highlighted)
      finish = [skin](TbsEffectBmp& b) { ApplyFrameInactiveEffect(b, skin->inactiveeffect); };
    if (IsSlidingMorph(MorphKind)) {
      // A slide takes other columns of the looks at every step.
      DrawMorphPart(
          dc, shown, [this](bool active, const Rect& part) { return LookPart(active, part); },
          finish);
      return;
    }
    // Every step of a blend or gradient and every repaint during it mixes
    // the same two looks; they are composed once.
    const TbsFadeLooks& looks = FadeLooks(shown);
    DrawMorphPart(
        dc, shown,
        [&looks](bool active, const Rect&) {
          return (active ? looks.Active : looks.Normal).Clone();
        },
        finish);
    return;
  }
  FFadeLooks.reset();
  if (ActiveSkinRect.IsEmpty() || (!Highlighted && !Morphing)) {
    DrawCaptionText(dc, ObjectRect.left, ObjectRect.top, Highlighted);
    return;
  }
  if (Highlighted) {
    DrawCaptionLook(dc, true);
    return;
  }
  if (inactiveEffect)
    DrawInactiveLook(dc, false, skin->inactiveeffect);
  else
    DrawCaptionLook(dc, false);
}
