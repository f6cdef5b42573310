#include "skin/controls/ButtonLook.h"

#include "skin/controls/PlainLook.h"
#include "skin/data/EffectBmp.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinGeometry.h"

using gfx::Bitmap;
using gfx::DeviceContext;
using gfx::Rect;

Rect ButtonActiveRect(const TbsDataSkinButtonControl& record) {
  return record.activeskinrect.IsEmpty() ? record.skinrect : record.activeskinrect;
}

Rect ButtonDownRect(const TbsDataSkinButtonControl& record) {
  return record.downskinrect.IsEmpty() ? ButtonActiveRect(record) : record.downskinrect;
}

TbsButtonStatePicture ChooseButtonStatePicture(const TbsDataSkinButtonControl& record,
                                               const TbsButtonState& state) {
  if (!state.Enabled && !record.disabledskinrect.IsEmpty())
    return {record.disabledskinrect, false, false};
  if (state.PressedLook())
    return {ButtonDownRect(record), true, true};
  if (state.Focused || state.MouseOver)
    return {ButtonActiveRect(record), true, false};
  if (!record.morphing || state.MorphFactor != 1.0)
    return {record.skinrect, false, false};
  // A fade-out is about to start from the fully hot look.
  return {ButtonActiveRect(record), true, false};
}

int ButtonGlyphCell(int numGlyphs, bool enabled, bool mouseOver, bool down) {
  if (down && mouseOver && numGlyphs > 2)
    return 3;
  if (mouseOver && numGlyphs > 3)
    return 4;
  if (enabled || numGlyphs < 2)
    return 1;
  return 2;
}

void PlaceGlyphAndText(DeviceContext& dc, const Rect& rect, int margin, bool pressed, int cell,
                       int cellCount, const Bitmap* glyph, const std::string& text,
                       TbsButtonLayout layout, int spacing) {
  const bool hasGlyph = glyph != nullptr && !glyph->IsEmpty() && cellCount > 0;
  const int gw = hasGlyph ? glyph->Width() / cellCount : 0;
  const int gh = hasGlyph ? glyph->Height() : 0;
  Rect measure;
  dc.DrawText(text, measure, gfx::DT_CALCRECT);
  const int tw = measure.Width();
  const int th = measure.Height();
  dc.SetBkMode(gfx::TRANSPARENT);
  const int cx = rect.left + rect.Width() / 2;
  const int cy = rect.top + rect.Height() / 2;
  gfx::Point g, t;
  if (margin != -1) {
    switch (layout) {
      case blGlyphLeft:
        g = {rect.left + margin, cy - gh / 2};
        t = {g.x + gw + spacing, cy - th / 2};
        break;
      case blGlyphRight:
        g = {rect.right - gw - margin, cy - gh / 2};
        t = {g.x - spacing - tw, cy - th / 2};
        break;
      case blGlyphTop:
        g = {cx - gw / 2, rect.top + margin};
        t = {cx - tw / 2, g.y + gh + spacing};
        break;
      case blGlyphBottom:
        g = {cx - gw / 2, rect.bottom - gh - margin};
        t = {cx - tw / 2, g.y - spacing - th};
        break;
    }
  } else {
    const int hw = (gw + tw + spacing) / 2;
    const int hh = (th + gh + spacing) / 2;
    switch (layout) {
      case blGlyphLeft:
        g = {cx - hw, cy - gh / 2};
        t = {cx + hw - tw, cy - th / 2};
        break;
      case blGlyphRight:
        t = {cx - hw, cy - th / 2};
        g = {cx + hw - gw, cy - gh / 2};
        break;
      case blGlyphTop:
        g = {cx - gw / 2, cy - hh};
        t = {cx - tw / 2, cy + hh - th};
        break;
      case blGlyphBottom:
        t = {cx - tw / 2, cy - hh};
        g = {cx - gw / 2, cy + hh - gh};
        break;
    }
  }
  if (pressed) {
    g = {g.x + 1, g.y + 1};
    t = {t.x + 1, t.y + 1};
  }
  Rect textRect{t.x, t.y, t.x, t.y};
  dc.DrawText(text, textRect, gfx::DT_CALCRECT);
  textRect.right += 2;
  dc.DrawText(text, textRect, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
  if (hasGlyph && gw > 0 && cell >= 1 && cell <= cellCount) {
    const int sx = (cell - 1) * gw;
    const gfx::ColorRef key = glyph->GetPixel(sx, gh - 1);
    dc.TransparentBlt(g.x, g.y, gw, gh, *glyph, sx, 0, gw, gh, key);
  }
}

namespace {

void PaintStatePicture(Bitmap& bitmap, const TbsSkinData& skin,
                       const TbsDataSkinButtonControl& record, const TbsButtonStatePicture& pick,
                       const TbsButtonState& state, const TbsButtonContent& content, int width,
                       int height) {
  const TbsSkinGeometry geometry = TbsSkinGeometry::FromRecord(record);
  ComposeSkinPicture(bitmap, skin.ActivePicture(record.pictureindex), pick.Rect, geometry, width,
                     height);
  if (bitmap.IsEmpty())
    return;
  const TbsSizedGeometry sized = SizedGeometry(geometry, bitmap.Width(), bitmap.Height());
  DeviceContext dc(bitmap);
  dc.SelectFont(content.UseSkinFont
                    ? MakeSkinFont(record.fontname, record.fontheight, record.fontstyle)
                    : content.DefaultFont);
  gfx::ColorRef color = record.fontcolor;
  if (!state.Enabled)
    color = record.disabledfontcolor;
  else if (pick.MouseOver && pick.Down)
    color = record.downfontcolor;
  else if (pick.MouseOver)
    color = record.activefontcolor;
  dc.SetTextColor(color);
  const int cell = ButtonGlyphCell(content.NumGlyphs, state.Enabled, pick.MouseOver, pick.Down);
  PlaceGlyphAndText(dc, sized.clientrect, content.Margin, pick.MouseOver && pick.Down, cell,
                    content.NumGlyphs, content.Glyph, content.Caption, content.Layout,
                    content.Spacing);
}

}  // namespace

void PaintButtonSkinLook(Bitmap& bitmap, const TbsSkinData& skin,
                         const TbsDataSkinButtonControl& record, const TbsButtonState& state,
                         const TbsButtonContent& content, int width, int height) {
  if (record.morphing && state.MorphFactor > 0.0 && state.MorphFactor < 1.0 && state.Enabled) {
    Bitmap normal, hot;
    PaintStatePicture(normal, skin, record, {record.skinrect, false, false}, state, content, width,
                      height);
    PaintStatePicture(hot, skin, record, {ButtonActiveRect(record), true, false}, state, content,
                      width, height);
    TbsEffectBmp from(normal);
    from.ApplyMorph(record.morphkind, TbsEffectBmp(hot), state.MorphFactor);
    bitmap = from.ToBitmap();
    return;
  }
  PaintStatePicture(bitmap, skin, record, ChooseButtonStatePicture(record, state), state, content,
                    width, height);
}

void PaintButtonPlainLook(DeviceContext& dc, int width, int height, const TbsButtonState& state,
                          const TbsButtonContent& content) {
  const Rect client{0, 0, width, height};
  const bool pressed = state.PressedLook();
  PaintPlainStateBox(dc, client,
                     pressed                              ? TbsPlainState::Pressed
                     : (state.MouseOver || state.Focused) ? TbsPlainState::Hot
                                                          : TbsPlainState::Normal);
  dc.SelectFont(content.DefaultFont);
  dc.SetTextColor(state.Enabled ? content.DefaultFontColor : gfx::clBtnShadow);
  const int cell = ButtonGlyphCell(content.NumGlyphs, state.Enabled, state.MouseOver, state.Down);
  PlaceGlyphAndText(dc, client, content.Margin, pressed, cell, content.NumGlyphs, content.Glyph,
                    content.Caption, content.Layout, content.Spacing);
}
