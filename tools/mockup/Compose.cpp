#include "Compose.h"

#include <algorithm>

#include "platform/gfx/Font.h"
#include "skin/data/SkinObjectRecords.h"

namespace mockup {

namespace {

// Copies source rectangle s repeated over d (clipped); a zero-sized source
// draws nothing.
void Tile(gfx::DeviceContext& dc, const Rect& d, const gfx::Bitmap& p, const Rect& s) {
  if (s.IsEmpty() || d.IsEmpty())
    return;
  dc.TileBlt(d, p, s);
}

}  // namespace

void ComposeControl(gfx::DeviceContext& dc, const Rect& dest, const TbsDataSkinCustomControl& r,
                    const gfx::Bitmap& p, const Rect& s) {
  const int sw = s.Width(), sh = s.Height();
  const int W = dest.Width(), H = dest.Height();
  const int x0 = dest.left, y0 = dest.top;
  const gfx::Point LT = r.lefttoppoint, RT = r.righttoppoint, LB = r.leftbottompoint,
                   RB = r.rightbottompoint;
  const Rect C = r.clientrect;
  if (RB.x != 0 && RB.y != 0) {  // frame
    const int dW = W - sw, dH = H - sh;
    const gfx::Point RT2{RT.x + dW, RT.y}, LB2{LB.x, LB.y + dH}, RB2{RB.x + dW, RB.y + dH};
    const Rect C2{C.left, C.top, C.right + dW, C.bottom + dH};
    auto src = [&](int l, int t, int rr, int b) {
      return Rect{s.left + l, s.top + t, s.left + rr, s.top + b};
    };
    auto dst = [&](int l, int t, int rr, int b) { return Rect{x0 + l, y0 + t, x0 + rr, y0 + b}; };
    Tile(dc, dst(LT.x, 0, RT2.x, C.top), p, src(LT.x, 0, RT.x, C.top));
    Tile(dc, dst(LB.x, C2.bottom, RB2.x, H), p, src(LB.x, C.bottom, RB.x, sh));
    Tile(dc, dst(0, LT.y, C.left, LB2.y), p, src(0, LT.y, C.left, LB.y));
    Tile(dc, dst(C2.right, RT.y, W, RB2.y), p, src(C.right, RT.y, sw, RB.y));
    auto corner = [&](int sl, int st, int sr, int sb, int dl, int dt) {
      if (sr > sl && sb > st)
        dc.BitBlt(x0 + dl, y0 + dt, sr - sl, sb - st, p, s.left + sl, s.top + st);
    };
    corner(0, 0, LT.x, C.top, 0, 0);
    corner(0, C.top, C.left, LT.y, 0, C2.top);
    corner(RT.x, 0, sw, C.top, RT2.x, 0);
    corner(C.right, C.top, sw, RT.y, C2.right, C2.top);
    corner(0, LB.y, C.left, sh, 0, LB2.y);
    corner(C.left, C.bottom, LB.x, sh, C2.left, C2.bottom);
    corner(RB.x, C.bottom, sw, sh, RB2.x, C2.bottom);
    corner(C.right, RB.y, sw, C.bottom, C2.right, RB2.y);
    Tile(dc, dst(C2.left, C2.top, C2.right, C2.bottom), p, src(C.left, C.top, C.right, C.bottom));
  } else if (RT.x != 0 || RT.y != 0) {  // horizontal
    const int L = LT.x, R = sw - RT.x;
    dc.BitBlt(x0, y0, L, sh, p, s.left, s.top);
    Tile(dc, {x0 + L, y0, x0 + W - R, y0 + sh}, p, {s.left + L, s.top, s.right - R, s.bottom});
    dc.BitBlt(x0 + W - R, y0, R, sh, p, s.right - R, s.top);
  } else if (LB.x != 0 || LB.y != 0) {  // vertical
    const int T = LT.y, B = sh - LB.y;
    dc.BitBlt(x0, y0, sw, T, p, s.left, s.top);
    Tile(dc, {x0, y0 + T, x0 + sw, y0 + H - B}, p, {s.left, s.top + T, s.right, s.bottom - B});
    dc.BitBlt(x0, y0 + H - B, sw, B, p, s.left, s.bottom - B);
  } else {
    dc.BitBlt(x0, y0, sw, sh, p, s.left, s.top);
  }
}

gfx::LogFont SkinFont(const std::string& name, int height, const TbsFontStyles& style) {
  return {.faceName = name,
          .height = height,
          .weight = style.fsBold ? gfx::FW_BOLD : gfx::FW_NORMAL,
          .italic = style.fsItalic,
          .underline = style.fsUnderline};
}

void CentredText(gfx::DeviceContext& dc, const Rect& r, const std::string& text,
                 const gfx::LogFont& font, gfx::ColorRef colour) {
  dc.SelectFont(gfx::Font(font));
  dc.SetBkMode(gfx::TRANSPARENT);
  dc.SetTextColor(colour);
  Rect box = r;
  dc.DrawText(text, box, gfx::DT_CENTER | gfx::DT_VCENTER | gfx::DT_SINGLELINE);
}

Rect DrawFrame(gfx::Bitmap& window, const TbsSkinData& skin, const FrameLook& look,
               gfx::ColorRef outside) {
  gfx::DeviceContext dc(window);
  const gfx::Bitmap& P = skin.Picture;
  const int W = window.Width(), H = window.Height();
  const int PW = P.Width(), PH = P.Height();
  const int dx = W - PW, dy = H - PH;
  const Rect C = skin.clientrect;
  const Rect C2{C.left, C.top, C.right + dx, C.bottom + dy};
  const gfx::Point LT = skin.lefttoppoint, RT = skin.righttoppoint, LB = skin.leftbottompoint,
                   RB = skin.rightbottompoint;
  // Top and bottom strips: the middle from column 0, the corners over it.
  Tile(dc, {0, 0, W, C.top}, P, {LT.x, 0, RT.x, C.top});
  dc.BitBlt(0, 0, LT.x, C.top, P, 0, 0);
  dc.BitBlt(RT.x + dx, 0, PW - RT.x, C.top, P, RT.x, 0);
  const int bottom = PH - C.bottom;
  Tile(dc, {0, H - bottom, W, H}, P, {LB.x, C.bottom, RB.x, PH});
  dc.BitBlt(0, H - bottom, LB.x, bottom, P, 0, C.bottom);
  dc.BitBlt(RB.x + dx, H - bottom, PW - RB.x, bottom, P, RB.x, C.bottom);
  // Side strips repeated down from their first row.
  Tile(dc, {0, C.top, C.left, H - bottom}, P, {0, LT.y, C.left, LB.y});
  Tile(dc, {C2.right, C.top, W, H - bottom}, P, {C.right, RT.y, PW, RB.y});

  // The caption object widens with the window.
  for (const auto& rec : skin.ObjectRecords) {
    const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(rec.get());
    if (!caption)
      continue;
    const Rect R{caption->skinrect.left, caption->skinrect.top, caption->skinrect.right + dx,
                 caption->skinrect.bottom};
    const gfx::Bitmap* active = skin.ActivePicture(caption->activepictureindex);
    const gfx::Bitmap& source = look.active && active ? *active : P;
    const Rect S = look.active && active ? caption->activeskinrect : caption->skinrect;
    const int L = LT.x - caption->skinrect.left, Rr = caption->skinrect.right - RT.x;
    Tile(dc, R, source, {S.left + L, S.top, S.right - Rr, S.bottom});
    dc.BitBlt(R.left, R.top, L, S.Height(), source, S.left, S.top);
    dc.BitBlt(R.right - Rr, R.top, Rr, S.Height(), source, S.right - Rr, S.top);
    Rect T = caption->textrect;
    T = {R.left + T.left, R.top + T.top, R.left + T.right + dx, R.top + T.bottom};
    const auto font = SkinFont(caption->fontname, caption->fontheight, caption->fontstyle);
    if (caption->shadow)
      CentredText(dc, T.Offset(1, 1), look.title, font,
                  look.active ? caption->activeshadowcolor : caption->shadowcolor);
    CentredText(dc, T, look.title, font,
                look.active ? caption->activefontcolor : caption->fontcolor);
    break;
  }
  // The button row, right-aligned in the buttons rectangle; the maximise
  // button is hidden as the browser's border icons ask.
  const Rect B = skin.buttonsrect.Offset(skin.buttonsrect.left > PW / 2 ? dx : 0, 0);
  int x = B.right;
  int slot = 0;
  for (const char* name : {"closebutton", "minbutton", "rollupbutton"}) {
    const int i = skin.IndexOfObjectRecord(name);
    if (i < 0)
      continue;
    const auto& button = *skin.ObjectRecords[i];
    const gfx::Bitmap* picture = skin.ActivePicture(button.activepictureindex);
    const Rect S = slot == look.hoveredButton ? button.activeskinrect : button.skinrect;
    if (picture)
      dc.BitBlt(x - S.Width(), B.top, S.Width(), S.Height(), *picture, S.left, S.top);
    x -= S.Width() + skin.buttonsoffset;
    ++slot;
  }
  // The mask: white pixels of its corner pieces are outside the window.
  const gfx::Bitmap& M = skin.MaskPicture;
  for (int y = 0; y < std::min(C.top, M.Height()); ++y)
    for (int wx = 0; wx < W; ++wx) {
      int mx = wx;
      if (wx >= RT.x + dx)
        mx = wx - dx;
      else if (wx >= LT.x)
        mx = LT.x + (wx - LT.x) % std::max(1, RT.x - LT.x);
      if (M.GetPixel(mx, y) != gfx::clBlack)
        window.SetPixel(wx, y, outside);
    }
  return C2;
}

void ComposeWindowPicture(gfx::DeviceContext& dc, const Rect& dest, const gfx::Bitmap& P,
                          gfx::Point LT, gfx::Point RT, gfx::Point LB, gfx::Point RB,
                          const Rect& C) {
  const int W = dest.Width(), H = dest.Height();
  const int dW = W - P.Width(), dH = H - P.Height();
  const int x0 = dest.left, y0 = dest.top;
  const gfx::Point RT2{RT.x + dW, RT.y}, LB2{LB.x, LB.y + dH}, RB2{RB.x + dW, RB.y + dH};
  const Rect C2{C.left, C.top, C.right + dW, C.bottom + dH};
  auto d = [&](int l, int t, int r, int b) { return Rect{x0 + l, y0 + t, x0 + r, y0 + b}; };
  Tile(dc, d(LT.x, 0, RT2.x, C2.top), P, {LT.x, 0, RT.x, C.top});
  Tile(dc, d(LB.x, C2.bottom, RB2.x, H), P, {LB.x, C.bottom, RB.x, P.Height()});
  Tile(dc, d(0, LT.y, C2.left, LB2.y), P, {0, LT.y, C.left, LB.y});
  Tile(dc, d(C2.right, RT.y, W, RB2.y), P, {C.right, RT.y, P.Width(), RB.y});
  auto corner = [&](int sl, int st, int sr, int sb, int dl, int dt) {
    if (sr > sl && sb > st)
      dc.BitBlt(x0 + dl, y0 + dt, sr - sl, sb - st, P, sl, st);
  };
  corner(0, 0, LT.x, C.top, 0, 0);
  corner(0, C.top, C.left, LT.y, 0, C2.top);
  corner(RT.x, 0, P.Width(), C.top, RT2.x, 0);
  corner(C.right, C.top, P.Width(), RT.y, C2.right, C2.top);
  corner(0, LB.y, C.left, P.Height(), 0, LB2.y);
  corner(C.left, C.bottom, LB.x, P.Height(), C2.left, C2.bottom);
  corner(RB.x, C.bottom, P.Width(), P.Height(), RB2.x, C2.bottom);
  corner(C.right, RB.y, P.Width(), C.bottom, C2.right, RB2.y);
  Tile(dc, d(C2.left, C2.top, C2.right, C2.bottom), P, C);
}

}  // namespace mockup
