#include "SkinLook.h"

#include <algorithm>
#include <cmath>

namespace skingen {

using namespace art::palette;
using art::Mix;
using art::Shade;

namespace {

// Grain as whole tone steps, so that neighbouring rows or columns differ by
// a few levels at most: visible as texture, never as stripes.
std::vector<int> Grain(std::uint64_t seed, int length, int period, int amplitude) {
  std::vector<int> grain;
  for (double v : art::SmoothNoise(seed, length, period))
    grain.push_back(static_cast<int>(std::lround(v * amplitude)));
  return grain;
}

}  // namespace

Walnut::Walnut() : bandGrain_(Grain(0x7B0A11, 30, 3, 4)), sideGrain_(Grain(0x51DE5, 7, 2, 5)) {}

ColorRef Walnut::Band(int y) const {
  if (y <= 0)
    return gfx::RGB(150, 108, 74);
  if (y >= 29)
    return kWalnutDark;
  const ColorRef base = Mix(Shade(kWalnut, 14), Shade(kWalnut, -8), (y - 1) * 256 / 27);
  return Shade(base, bandGrain_[static_cast<std::size_t>(y)]);
}

ColorRef Walnut::Bottom(int y) const {
  if (y <= 0)
    return kWalnutDark;
  if (y >= 6)
    return Mix(kWalnut, kWalnutDark, 190);
  return Shade(Shade(kWalnut, -4), bandGrain_[static_cast<std::size_t>(10 + y)]);
}

ColorRef Walnut::Side(int x) const {
  if (x <= 0)
    return Mix(kWalnut, kWalnutDark, 190);
  if (x >= 6)
    return kWalnutDark;
  const int lift = x == 1 ? 10 : 0;
  return Shade(kWalnut, lift + sideGrain_[static_cast<std::size_t>(x)]);
}

namespace {

int CornerDistance(const Rect& r, int x, int y) {
  const int dx = std::min(x - r.left, r.right - 1 - x);
  const int dy = std::min(y - r.top, r.bottom - 1 - y);
  return dx + dy;
}

}  // namespace

bool InCutShape(const Rect& r, int cut, int x, int y) {
  return r.Contains({x, y}) && CornerDistance(r, x, y) >= cut;
}

bool OnCutEdge(const Rect& r, int cut, int x, int y) {
  if (!InCutShape(r, cut, x, y))
    return false;
  return x == r.left || x == r.right - 1 || y == r.top || y == r.bottom - 1 ||
         CornerDistance(r, x, y) == cut;
}

void CutPlate(Painter& p, const Rect& r, int cut, ColorRef top, ColorRef bottom, ColorRef outline,
              ColorRef outside) {
  const int h = r.Height();
  for (int y = r.top; y < r.bottom; ++y) {
    const ColorRef row = Mix(top, bottom, h <= 1 ? 0 : (y - r.top) * 256 / (h - 1));
    for (int x = r.left; x < r.right; ++x) {
      if (OnCutEdge(r, cut, x, y))
        p.Set(x, y, outline);
      else if (InCutShape(r, cut, x, y))
        p.Set(x, y, row);
      else if (outside != gfx::clNone)
        p.Set(x, y, outside);
    }
  }
}

void ButtonFace(Painter& p, const Rect& r, State state, int cut, ColorRef outside, ColorRef rim) {
  const Rect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  switch (state) {
    case State::Normal:
      CutPlate(p, r, cut, kHighlight, gfx::RGB(230, 217, 194), rim, outside);
      p.HLine(inner.left + cut - 1, inner.right - cut + 1, inner.top, gfx::RGB(255, 253, 248));
      break;
    case State::Hover:
      CutPlate(p, r, cut, gfx::RGB(246, 252, 248), gfx::RGB(196, 226, 220), rim, outside);
      p.HLine(inner.left + cut - 1, inner.right - cut + 1, inner.top, gfx::clWhite);
      break;
    case State::Down:
      CutPlate(p, r, cut, gfx::RGB(214, 200, 176), gfx::RGB(246, 240, 228), rim, outside);
      p.HLine(inner.left + cut - 1, inner.right - cut + 1, inner.top, gfx::RGB(196, 180, 154));
      break;
    case State::Disabled:
      CutPlate(p, r, cut, gfx::RGB(240, 234, 222), gfx::RGB(232, 224, 208),
               Mix(kWalnut, kCream, 130), outside);
      break;
  }
}

void FieldFace(Painter& p, const Rect& r, bool focused, ColorRef outside) {
  CutPlate(p, r, 1, kField, kField, focused ? kTeal : kWalnut, outside);
  // A soft inner shadow under the top edge makes the field read as sunk in.
  p.HLine(r.left + 1, r.right - 1, r.top + 1, Mix(kField, kPaperShadow, focused ? 110 : 150));
}

void TealFace(Painter& p, const Rect& r, State state) {
  switch (state) {
    case State::Normal:
      CutPlate(p, r, 1, gfx::RGB(84, 152, 156), kTeal, Mix(kTeal, kWalnutDark, 110));
      break;
    case State::Hover:
      CutPlate(p, r, 1, gfx::RGB(128, 190, 188), gfx::RGB(66, 142, 148),
               Mix(kTeal, kWalnutDark, 110));
      break;
    case State::Down:
      CutPlate(p, r, 1, gfx::RGB(30, 88, 96), gfx::RGB(52, 120, 128), Mix(kTeal, kWalnutDark, 150));
      break;
    case State::Disabled:
      CutPlate(p, r, 1, gfx::RGB(200, 196, 186), gfx::RGB(184, 178, 166),
               Mix(kWalnut, kCream, 130));
      break;
  }
}

void DrawGlyph(Painter& p, int x, int y, Glyph glyph, ColorRef c) {
  switch (glyph) {
    case Glyph::Close:
      for (int i = 0; i < 6; ++i) {
        p.HLine(x + 4 + i, x + 6 + i, y + 5 + i, c);
        p.HLine(x + 9 - i, x + 11 - i, y + 5 + i, c);
      }
      break;
    case Glyph::Minimize:
      p.Fill({x + 4, y + 9, x + 11, y + 11}, c);
      break;
    case Glyph::Maximize:
      p.Frame({x + 4, y + 4, x + 11, y + 11}, c);
      p.HLine(x + 4, x + 11, y + 5, c);
      break;
    case Glyph::Restore:
      p.Frame({x + 6, y + 3, x + 12, y + 8}, c);
      p.HLine(x + 6, x + 12, y + 4, c);
      // The front window hides the back one: it takes the plate's own tone.
      p.Fill({x + 3, y + 6, x + 9, y + 12}, p.Get(x + 1, y + 8));
      p.Frame({x + 3, y + 6, x + 9, y + 12}, c);
      p.HLine(x + 3, x + 9, y + 7, c);
      break;
    case Glyph::RollUp:
      for (int i = 0; i < 4; ++i)
        p.HLine(x + 4 + i, x + 11 - i, y + 10 - i, c);
      break;
    case Glyph::RollDown:
      for (int i = 0; i < 4; ++i)
        p.HLine(x + 4 + i, x + 11 - i, y + 6 + i, c);
      break;
    case Glyph::SysMenu:
      p.Frame({x + 4, y + 6, x + 11, y + 10}, c);
      break;
    case Glyph::Tray:
      p.Fill({x + 5, y + 7, x + 10, y + 12}, c);
      break;
  }
}

void DrawArrow(Painter& p, const Rect& r, Direction d, ColorRef c, bool small) {
  const int rows = small ? 3 : 4;
  const int cx = r.left + (r.Width() - 1) / 2;
  const int cy = r.top + (r.Height() - 1) / 2;
  for (int i = 0; i < rows; ++i) {
    // Row i of the arrow is 2i+1 pixels long; the tip row is row 0.
    const int half = i;
    switch (d) {
      case Direction::Up:
        p.HLine(cx - half, cx + half + 1, cy - rows / 2 + i, c);
        break;
      case Direction::Down:
        p.HLine(cx - half, cx + half + 1, cy + rows / 2 - i, c);
        break;
      case Direction::Left:
        p.VLine(cx - rows / 2 + i, cy - half, cy + half + 1, c);
        break;
      case Direction::Right:
        p.VLine(cx + rows / 2 - i, cy - half, cy + half + 1, c);
        break;
    }
  }
}

void DrawCheck(Painter& p, const Rect& r, ColorRef c) {
  const int x = r.left + (r.Width() - 7) / 2;
  const int y = r.top + (r.Height() - 7) / 2;
  // Three parallel strokes from (0, 4) down to (2, 6) and up to (6, 2).
  for (int s = 0; s < 2; ++s) {
    for (int i = 0; i <= 2; ++i)
      p.Set(x + i, y + 3 + i + s, c);
    for (int i = 0; i <= 4; ++i)
      p.Set(x + 2 + i, y + 5 - i + s, c);
  }
}

void DrawDot(Painter& p, const Rect& r, ColorRef c) {
  const double cx = r.left + r.Width() / 2.0;
  const double cy = r.top + r.Height() / 2.0;
  p.Disc(cx, cy, 2.6, c);
}

void DrawGrip(Painter& p, const Rect& r, bool vertical, ColorRef dark, ColorRef light) {
  const int cx = r.left + r.Width() / 2;
  const int cy = r.top + r.Height() / 2;
  for (int i = -1; i <= 1; ++i) {
    if (vertical) {
      p.HLine(cx - 3, cx + 3, cy + 2 * i - 1, dark);
      p.HLine(cx - 3, cx + 3, cy + 2 * i, light);
    } else {
      p.VLine(cx + 2 * i - 1, cy - 3, cy + 3, dark);
      p.VLine(cx + 2 * i, cy - 3, cy + 3, light);
    }
  }
}

void DrawEmblem(Painter& p, int x, int y, ColorRef tileA, ColorRef tileB, ColorRef edge) {
  // Four tiles of 6 x 6 stepping down to the right, like stones across a brook.
  const Rect tiles[] = {{1, 2, 7, 8}, {8, 1, 14, 7}, {2, 9, 8, 15}, {9, 8, 15, 14}};
  for (int i = 0; i < 4; ++i) {
    const Rect t = tiles[i].Offset(x, y);
    const ColorRef face = (i == 0 || i == 3) ? tileA : tileB;
    CutPlate(p, t, 1, Shade(face, 14), Shade(face, -10), edge);
  }
}

}  // namespace skingen
