#include "DesignGen.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "Paint.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Font.h"

namespace designgen {

using namespace art::palette;
using art::Mix;
using art::Painter;
using art::Shade;
using gfx::ColorRef;
using gfx::Rect;

namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 570;
// The picture sits one pixel left of the client area (its control is at
// x = -1), so a client position x is picture column x + 1.
constexpr int kToPicture = 1;
constexpr int kPanelRight = 196;  // the walnut column
// Where the six previews and their bevels sit (client 204,149 to 716,485),
// with a little room round them.
constexpr Rect kPreviewArea = Rect{198, 143, 722, 491}.Offset(kToPicture, 0);
// The list rows and the combo box field behind the star strips.
constexpr ColorRef kListBackground = kField;

// Calls `pixel(x, y, rim)` for every pixel of a rectangle whose corners are
// cut off three pixels deep; `rim` marks its one-pixel outline.
template <typename Pixel>
void ForEachCutPixel(const Rect& r, Pixel pixel) {
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) {
      const int dx = std::min(x - r.left, r.right - 1 - x);
      const int dy = std::min(y - r.top, r.bottom - 1 - y);
      if (dx + dy >= 3)
        pixel(x, y, dx == 0 || dy == 0 || dx + dy == 3);
    }
}

// Cream paper laid with faint square tiles, each a touch off the grid, as a
// hand-laid floor would be.
void Paper(Painter& p) {
  p.Fill({0, 0, kWidth, kHeight}, kCream);
  constexpr int kTile = 30;
  art::Random random(0x7111E5);
  const ColorRef joint = Mix(kCream, kPaperShadow, 56);
  for (int ty = -1; ty * kTile < kHeight; ++ty)
    for (int tx = -1; tx * kTile < kWidth; ++tx) {
      const int jx = random.Range(-1, 1), jy = random.Range(-1, 1);
      const Rect tile =
          Rect::FromXYWH(tx * kTile + 2 + jx, ty * kTile + 2 + jy, kTile - 3, kTile - 3);
      p.Fill(tile, Shade(kCream, random.Range(-2, 2)));
      p.HLine(tile.left, tile.right, tile.bottom, joint);
      p.VLine(tile.right, tile.top + 1, tile.bottom + 1, joint);
      p.HLine(tile.left, tile.right, tile.top, Mix(kCream, kHighlight, 120));
    }
}

// The calm, light table the previews lie on.
void PreviewTable(Painter& p) {
  const Rect r = kPreviewArea;
  ForEachCutPixel(r, [&](int x, int y, bool rim) {
    p.Set(x, y, rim ? Mix(kPaperShadow, kCream, 60) : Mix(kField, kHighlight, 90));
  });
  // A soft shadow along the table's lower and right edges.
  p.HLine(r.left + 3, r.right - 1, r.bottom, Mix(kCream, kPaperShadow, 120));
  p.VLine(r.right, r.top + 3, r.bottom, Mix(kCream, kPaperShadow, 120));
}

void WalnutPanel(Painter& p) {
  const auto grain = art::SmoothNoise(0xA1217, kPanelRight, 3);
  const auto knots = art::SmoothNoise(0x5EED, kHeight, 40);
  for (int x = 0; x < kPanelRight; ++x) {
    const int tone = static_cast<int>(std::lround(grain[x] * 5));
    for (int y = 0; y < kHeight; ++y) {
      // A slow wave along the grain keeps the wood from looking printed.
      const int wave = static_cast<int>(std::lround(knots[y] * 3 * std::sin(x * 0.07)));
      p.Set(x, y, Shade(kWalnut, tone + wave));
    }
  }
  p.VLine(kPanelRight - 3, 0, kHeight, Shade(kWalnut, 22));
  p.VLine(kPanelRight - 2, 0, kHeight, kWalnutDark);
  p.VLine(kPanelRight - 1, 0, kHeight, kWalnutDark);
  for (int i = 0; i < 4; ++i)
    p.VLine(kPanelRight + i, 0, kHeight, Mix(kCream, kWalnutDark, 70 - 16 * i));
}

// Tiles stepping down the panel like stones across a brook, over a faint
// ribbon of water.
void Stones(Painter& p) {
  // Three thin ripple lines wind down behind the stones, each mixed into
  // the two columns it falls between so that the curve stays smooth.
  for (int line = 0; line < 3; ++line)
    for (int y = 150; y < 470; ++y) {
      const double x = 98 + 40 * std::sin((y - 150) / 52.0) + (line - 1) * 8 +
                       2.0 * std::sin((y - 150) / 23.0 + line);
      const int column = static_cast<int>(std::floor(x));
      const double right = x - column;
      const int fade = std::min({y - 150, 470 - y, 40}) * 120 / 40;
      p.Blend(column, y, kTealLight, static_cast<int>(fade * (1 - right)));
      p.Blend(column + 1, y, kTealLight, static_cast<int>(fade * right));
    }
  struct Stone {
    int x, y, size;
    ColorRef face;
  };
  const Stone stones[] = {{46, 168, 30, kCream},       {104, 214, 26, kTealLight},
                          {64, 266, 28, kPaperShadow}, {122, 318, 24, kCream},
                          {58, 368, 26, kTealLight},   {110, 420, 22, kPaperShadow}};
  for (const Stone& s : stones) {
    const Rect r = Rect::FromXYWH(s.x, s.y, s.size, s.size);
    // Shadow first, one pixel down and right, then the stone.
    ForEachCutPixel(r, [&](int x, int y, bool) { p.Blend(x + 2, y + 2, kWalnutDark, 150); });
    ForEachCutPixel(r, [&](int x, int y, bool rim) {
      const ColorRef face = Mix(Shade(s.face, 14), Shade(s.face, -14), (y - r.top) * 256 / s.size);
      p.Set(x, y, rim ? Mix(s.face, kWalnutDark, 120) : face);
    });
    p.HLine(r.left + 3, r.right - 3, r.top + 1, Mix(s.face, kHighlight, 160));
  }
}

void Title(gfx::Bitmap& bitmap) {
  gfx::DeviceContext dc(bitmap);
  dc.SetBkMode(gfx::TRANSPARENT);
  const int panelWidth = kPanelRight - 4;
  auto centred = [&](const std::string& text, const gfx::LogFont& font, int y, ColorRef colour,
                     ColorRef shadow) {
    dc.SelectFont(gfx::Font(font));
    const int x = (panelWidth - dc.GetTextExtent(text).cx) / 2;
    dc.SetTextColor(shadow);
    dc.TextOut(x + 1, y + 2, text);
    dc.SetTextColor(colour);
    dc.TextOut(x, y, text);
  };
  centred("Tilebrook", {.faceName = "Liberation Serif", .height = -38, .weight = gfx::FW_BOLD}, 34,
          kCream, kWalnutDark);
  centred("Puzzle Browser", {.faceName = "Liberation Sans", .height = -14}, 86,
          Mix(kTealLight, kCream, 90), kWalnutDark);
  Painter p(bitmap);
  p.HLine(38, panelWidth - 38, 112, Mix(kWalnut, kCream, 90));
  p.HLine(38, panelWidth - 38, 113, kWalnutDark);
}

}  // namespace

gfx::Bitmap DrawBackground() {
  gfx::Bitmap bitmap(kWidth, kHeight);
  Painter p(bitmap);
  Paper(p);
  PreviewTable(p);
  WalnutPanel(p);
  Stones(p);
  Title(bitmap);
  return bitmap;
}

gfx::Bitmap DrawStars(int count) {
  gfx::Bitmap bitmap(80, 17, kListBackground);
  Painter p(bitmap);
  constexpr double kPi = 3.14159265358979323846;
  auto star = [](double cx, double cy, double outer, double inner) {
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < 10; ++i) {
      const double r = i % 2 == 0 ? outer : inner;
      const double a = -kPi / 2 + i * kPi / 5;
      points.emplace_back(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    return points;
  };
  for (int i = 0; i < count; ++i) {
    const double cx = 8 + 16 * i, cy = 9.0;
    p.Polygon(star(cx, cy, 8.0, 3.4), gfx::RGB(120, 20, 20));
    p.Polygon(star(cx, cy + 0.3, 6.6, 2.7), gfx::RGB(200, 40, 40));
    p.Polygon(star(cx - 0.6, cy - 0.8, 3.0, 1.3), gfx::RGB(228, 96, 84));
  }
  return bitmap;
}

std::vector<art::AssetFile> GenerateDesign() {
  std::vector<art::AssetFile> files;
  files.push_back({.name = "background.jpg", .picture = DrawBackground()});
  // The places of the window's controls, outlined on the contact sheet.
  auto at = [](int x, int y, int w, int h) { return Rect::FromXYWH(x + kToPicture, y, w, h); };
  files.back().annotations = {
      {kPreviewArea, "previews"},
      {at(204, 149, 512, 336), "bevels"},
      {at(204, 99, 543, 18), "cbxPackage"},
      {at(204, 82, 85, 13), "Package / Paket:"},
      {at(204, 130, 45, 13), "lblPuzzles"},
      {at(649, 492, 66, 13), "lblPuzzlePage"},
      {at(207, 508, 141, 13), "Severity"},
      {at(207, 526, 187, 18), "cbxSeverity"},
      {at(411, 526, 336, 19), "btnStart"},
      {at(723, 468, 18, 36), "udPageNext"},
      {at(16, 494, 23, 19), "btnHelp"},
      {at(118, 494, 74, 19), "bsSkinButton1"},
      {at(118, 526, 74, 19), "btnHomepage"},
  };
  for (int n = 1; n <= 5; ++n)
    files.push_back({.name = "stars-" + std::to_string(n) + ".bmp", .picture = DrawStars(n)});
  return files;
}

}  // namespace designgen
