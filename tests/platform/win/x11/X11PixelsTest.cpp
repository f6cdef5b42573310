// What the X window shows is exactly what the headless backend shows for
// the same window, pixel for pixel: after the first paint, after a partial
// update, and after another window uncovered it. Checked with shared memory
// and without.

#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "platform/win/x11/X11Fixture.h"

// Xlib after the window system's headers.
#include <X11/Xlib.h>

namespace x11test {
namespace {

constexpr gfx::Rect kBounds{60, 40, 300, 220};
constexpr gfx::Rect kChanged{30, 40, 90, 70};  // client coordinates

// A window with a classic caption and a client area that shows each colour
// channel on its own, a gradient that catches swapped or shifted channels,
// and text. `step` changes one small part.
struct Painter {
  int step = 0;

  LRESULT Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_PAINT)
      return DefWindowProc(hwnd, message, wParam, lParam);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, ps);
    gfx::Rect client = GetClientRect(hwnd);
    dc->FillRect(client, gfx::RGB(240, 236, 224));
    dc->FillRect({4, 4, 24, 24}, gfx::RGB(255, 0, 0));
    dc->FillRect({28, 4, 48, 24}, gfx::RGB(0, 255, 0));
    dc->FillRect({52, 4, 72, 24}, gfx::RGB(0, 0, 255));
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 128; ++x)
        dc->SetPixel(100 + x, 4 + y, gfx::RGB(x * 2, y * 8, (x + y) & 0xFF));
    dc->SetTextColor(gfx::RGB(20, 40, 60));
    dc->TextOut(8, 80, "Tilebrook");
    dc->FillRect(kChanged, step ? gfx::RGB(200, 30, 120) : gfx::RGB(10, 120, 90));
    EndPaint(hwnd, ps);
    return 0;
  }
};

HWND CreatePainted(Painter& painter) {
  WNDCLASS c;
  c.lpszClassName = "Painted";
  c.lpfnWndProc = [&painter](HWND h, UINT m, WPARAM w, LPARAM l) {
    return painter.Proc(h, m, w, l);
  };
  RegisterClass(c);
  return CreateWindowEx(0, "Painted", "Pixels", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                        kBounds.left, kBounds.top, kBounds.Width(), kBounds.Height(), nullptr);
}

// The window's pixels on the headless backend, before and after the change.
std::pair<gfx::Bitmap, gfx::Bitmap> HeadlessShots() {
  HeadlessDesktop headless;
  Painter painter;
  HWND hwnd = CreatePainted(painter);
  std::pair<gfx::Bitmap, gfx::Bitmap> shots;
  HeadlessBackend& script = headless.Backend();
  script.Then([&] {
    shots.first = script.WindowShot(hwnd);
    painter.step = 1;
    InvalidateRect(hwnd, &kChanged, false);
  });
  script.Then([&] {
    shots.second = script.WindowShot(hwnd);
    PostQuitMessage(0);
  });
  wintest::RunLoop();
  return shots;
}

int Differences(const gfx::Bitmap& a, const gfx::Bitmap& b) {
  if (a.GetSize() != b.GetSize())
    return -1;
  int count = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      count += (a.Row(y)[x] & 0xFFFFFF) != (b.Row(y)[x] & 0xFFFFFF);
  return count;
}

class X11Pixels : public X11Test, public ::testing::WithParamInterface<bool> {};

TEST_P(X11Pixels, WindowShowsWhatTheHeadlessBackendShows) {
  auto [before, after] = HeadlessShots();
  ASSERT_FALSE(before.IsEmpty());
  ASSERT_GT(Differences(before, after), 0);

  Open(GetParam());
  EXPECT_EQ(backend->UsesSharedMemory(), GetParam());
  Painter painter;
  HWND hwnd = CreatePainted(painter);
  EXPECT_TRUE(RunUntil([&] { return Differences(XPixels(hwnd), before) == 0; }))
      << Differences(XPixels(hwnd), before) << " pixels differ";

  painter.step = 1;
  InvalidateRect(hwnd, &kChanged, false);
  EXPECT_TRUE(RunUntil([&] { return Differences(XPixels(hwnd), after) == 0; }))
      << Differences(XPixels(hwnd), after) << " pixels differ";

  // Whichever way the pixels reach the display (the alpha visual wants its
  // byte opaque), the backing bitmap keeps the unused byte at 0 that the
  // rest of the program relies on.
  HDC dc = GetWindowDC(hwnd);
  const gfx::Bitmap& backing = dc->Target();
  int marked = 0;
  for (int y = 0; y < backing.Height(); ++y)
    for (int x = 0; x < backing.Width(); ++x)
      marked += (backing.Row(y)[x] >> 24) != 0;
  ReleaseDC(hwnd, dc);
  EXPECT_EQ(marked, 0);

  // Another program's window covers part of ours and goes away again: the
  // exposed part is shown again from the backing bitmap, without a paint.
  // The screen tells, as a window of its own depth keeps its pixels apart.
  auto onScreen = [&] {
    gfx::Bitmap screen = backend->GrabScreen();
    gfx::Rect r = GetWindowRect(hwnd);
    gfx::Bitmap part(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
      for (int x = 0; x < r.Width(); ++x)
        part.Row(y)[x] = screen.Row(r.top + y)[r.left + x] & 0xFFFFFF;
    return part;
  };
  rec->Only({WM_PAINT});
  ::Window cover =
      XCreateSimpleWindow(probe, DefaultRootWindow(probe), 100, 60, 120, 100, 0, 0, 0xFF00FF);
  XSetWindowAttributes a{};
  a.override_redirect = True;
  XChangeWindowAttributes(probe, cover, CWOverrideRedirect, &a);
  XMapRaised(probe, cover);
  Flush();
  ASSERT_TRUE(RunUntil([&] { return Differences(onScreen(), after) > 0; }));
  XDestroyWindow(probe, cover);
  Flush();
  EXPECT_TRUE(RunUntil([&] { return Differences(onScreen(), after) == 0; }))
      << Differences(onScreen(), after) << " pixels differ";
  EXPECT_TRUE(rec->Take().empty());
}

// A display with 16 bits per pixel gets each colour reduced to its five or
// six upper bits, in the display's own layout.
class X11Pixels16 : public X11Test {
 protected:
  X11Pixels16() : X11Test(16) {}
};

TEST_F(X11Pixels16, ColoursAreConvertedToTheDisplaysLayout) {
  gfx::Bitmap expected = HeadlessShots().first;
  for (int y = 0; y < expected.Height(); ++y) {
    for (int x = 0; x < expected.Width(); ++x) {
      gfx::Pixel p = expected.Row(y)[x];
      expected.Row(y)[x] = ((p >> 19 & 0x1F) << 11) | ((p >> 10 & 0x3F) << 5) | (p >> 3 & 0x1F);
    }
  }
  Open();
  EXPECT_FALSE(backend->UsesSharedMemory());
  Painter painter;
  HWND hwnd = CreatePainted(painter);
  EXPECT_TRUE(RunUntil([&] { return Differences(XPixels(hwnd), expected) == 0; }))
      << Differences(XPixels(hwnd), expected) << " pixels differ";
}

INSTANTIATE_TEST_SUITE_P(SharedMemory, X11Pixels, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Shared" : "Plain"; });

}  // namespace
}  // namespace x11test
