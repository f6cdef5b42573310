// Seeded random layouts of overlapping, partly shaped children, checked
// against a plain reference: at every sampled point the screen must show,
// and the mouse must reach, the top-most child whose shape holds the point.

#include <random>

#include "Recorder.h"

namespace wintest {
namespace {

struct Placed {
  HWND hwnd;
  gfx::Rect rect;                // parent client coordinates
  std::optional<gfx::Rect> cut;  // window coordinates of the shape, if shaped
  gfx::ColorRef color;
};

class LayoutProperty : public WinTest {};

TEST_F(LayoutProperty, ScreenAndHitTestingAgreeWithAReference) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    std::mt19937 rng(seed);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    DWORD parentStyle = WS_POPUP | WS_VISIBLE | (seed % 2 ? WS_CLIPCHILDREN : 0);
    HWND main = rec.Create("main", parentStyle, {50, 50, 250, 250});
    PaintWith(main, gfx::clWhite);
    std::vector<Placed> placed;  // creation order: later ones are on top
    for (int i = 0; i < 8; ++i) {
      int x = pick(-20, 180);
      int y = pick(-20, 180);
      gfx::Rect r = gfx::Rect::FromXYWH(x, y, pick(5, 80), pick(5, 80));
      gfx::ColorRef color = gfx::RGB(i * 30, 255 - i * 30, (i * 77) & 0xFF);
      HWND c = rec.Create("c", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, r, main);
      PaintWith(c, color);
      std::optional<gfx::Rect> cut;
      if (pick(0, 2) == 0) {
        cut = gfx::Rect{r.Width() / 4, 0, r.Width(), r.Height() * 3 / 4};
        SetWindowRgn(c, gfx::Region(*cut), true);
      }
      placed.push_back({c, r, cut, color});
    }
    // Lift one child to the top of the z-order.
    std::size_t lifted = static_cast<std::size_t>(pick(0, 7));
    SetWindowPos(placed[lifted].hwnd, HWND_TOP, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    std::vector<Placed> order = placed;
    order.push_back(order[lifted]);
    order.erase(order.begin() + static_cast<std::ptrdiff_t>(lifted));
    RunScript();
    // Repainting some windows alone must not draw over what lies above them.
    for (int i = 0; i < 3; ++i)
      InvalidateRect(placed[static_cast<std::size_t>(pick(0, 7))].hwnd, nullptr, true);
    if (seed % 3 == 0)
      InvalidateRect(main, nullptr, true);
    RunScript();

    gfx::Bitmap shot = script.Screenshot();
    for (int sample = 0; sample < 300; ++sample) {
      gfx::Point p{pick(0, 199), pick(0, 199)};
      const Placed* top = nullptr;
      for (const Placed& c : order) {
        gfx::Point local{p.x - c.rect.left, p.y - c.rect.top};
        bool inside = c.rect.Contains(p) && (!c.cut || c.cut->Contains(local));
        if (inside)
          top = &c;
      }
      gfx::ColorRef want = top ? top->color : gfx::clWhite;
      ASSERT_EQ(shot.GetPixel(50 + p.x, 50 + p.y), want)
          << "seed " << seed << " at " << p.x << "," << p.y;
      ASSERT_EQ(WindowFromPoint({50 + p.x, 50 + p.y}), top ? top->hwnd : main)
          << "seed " << seed << " at " << p.x << "," << p.y;
    }
    DestroyWindow(main);
  }
}

}  // namespace
}  // namespace wintest
