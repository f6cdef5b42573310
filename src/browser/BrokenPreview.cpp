#include "browser/BrokenPreview.h"

#include <array>

#include "platform/gfx/DeviceContext.h"

namespace {

constexpr gfx::ColorRef kCream = gfx::RGB(244, 236, 220);
constexpr gfx::ColorRef kPaperShadow = gfx::RGB(214, 200, 176);
constexpr gfx::ColorRef kWalnut = gfx::RGB(96, 64, 40);
constexpr gfx::ColorRef kTeal = gfx::RGB(46, 120, 128);
constexpr gfx::ColorRef kTealLight = gfx::RGB(120, 178, 176);
constexpr gfx::ColorRef kInk = gfx::RGB(40, 32, 28);
constexpr gfx::ColorRef kCrack = gfx::RGB(200, 40, 40);

void Line(gfx::DeviceContext& dc, std::span<const gfx::Point> points, gfx::ColorRef colour) {
  dc.SelectPen({.color = colour});
  dc.Polyline(points);
}

}  // namespace

gfx::Bitmap DrawBrokenPreview() {
  gfx::Bitmap b(PreviewSize, PreviewSize, kCream);
  gfx::DeviceContext dc(b);
  dc.FrameRect({0, 0, PreviewSize, PreviewSize}, kPaperShadow);
  dc.FrameRect({1, 1, PreviewSize - 1, PreviewSize - 1}, kPaperShadow);

  // A small landscape card: sky, hill, sun.
  const gfx::Rect card{40, 30, 110, 90};
  dc.FillRect(card, kTealLight);
  dc.FillRect({card.left, 70, card.right, card.bottom}, kTeal);
  dc.SelectBrush({.color = kCream});
  dc.SelectPen({.color = kCream});
  dc.Rectangle(88, 38, 98, 48);
  dc.FrameRect(card, kWalnut);

  // The crack runs through the card from top to bottom and splits it.
  const std::array<gfx::Point, 6> crack = {
      {{72, 28}, {68, 45}, {78, 58}, {70, 72}, {80, 84}, {75, 93}}};
  Line(dc, crack, kCrack);
  std::array<gfx::Point, 6> beside = crack;
  for (gfx::Point& p : beside)
    p.x += 1;
  Line(dc, beside, kCrack);

  dc.SelectFont(gfx::Font(gfx::LogFont{.faceName = "Arial", .height = 14}));
  dc.SetBkMode(gfx::TRANSPARENT);
  dc.SetTextColor(kInk);
  gfx::Rect first{0, 102, PreviewSize, 118};
  dc.DrawText("Broken picture", first, gfx::DT_CENTER | gfx::DT_SINGLELINE);
  gfx::Rect second{0, 120, PreviewSize, 136};
  dc.SetTextColor(kWalnut);
  dc.DrawText("Defektes Bild", second, gfx::DT_CENTER | gfx::DT_SINGLELINE);
  return b;
}
