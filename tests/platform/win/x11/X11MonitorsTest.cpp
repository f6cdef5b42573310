// Two monitors side by side: the program's screen is the primary monitor,
// whichever of them it is, and the other lies beside it.

#include "platform/win/Win.h"
#include "platform/win/x11/X11Fixture.h"

// Xlib after the window system's headers.
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>

namespace x11test {
namespace {

class X11Monitors : public X11Test {
 protected:
  X11Monitors() : X11Test(24, DesktopKind::TwoMonitors) {}

  // Makes the display's output number `index` (0 the left one) the
  // primary monitor, as the desktop's display settings do.
  void MakePrimary(int index) {
    ::Window root = DefaultRootWindow(probe);
    XRRScreenResources* resources = XRRGetScreenResources(probe, root);
    ASSERT_NE(resources, nullptr);
    ASSERT_GT(resources->noutput, index);
    XRRSetOutputPrimary(probe, root, resources->outputs[index]);
    XRRFreeScreenResources(resources);
    XSync(probe, False);
  }

  static gfx::Rect Bounds(HMONITOR monitor) {
    MONITORINFO info;
    EXPECT_TRUE(GetMonitorInfo(monitor, info));
    return info.rcMonitor;
  }

  gfx::Point XPointer() {
    ::Window root = 0;
    ::Window child = 0;
    int x = 0, y = 0, wx = 0, wy = 0;
    unsigned state = 0;
    XQueryPointer(probe, DefaultRootWindow(probe), &root, &child, &x, &y, &wx, &wy, &state);
    return {x, y};
  }
};

TEST_F(X11Monitors, TheScreenIsTheFirstMonitorWhenNoneIsPrimary) {
  Open();
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 2);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
  EXPECT_EQ(Bounds(MonitorFromPoint({900, 10}, MONITOR_DEFAULTTONULL)),
            (gfx::Rect{800, 0, 1600, 600}));
}

// With the right monitor primary, the left one lies at negative
// coordinates, and the program's places are shifted onto the display.
TEST_F(X11Monitors, APrimaryMonitorRightOfAnotherIsTheOrigin) {
  MakePrimary(1);
  Open();
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(Bounds(MonitorFromPoint({-10, 10}, MONITOR_DEFAULTTONULL)),
            (gfx::Rect{-800, 0, 0, 600}));
  gfx::Rect work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_TRUE(gfx::Rect({0, 0, 800, 600}).Contains(work.TopLeft()));

  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 400, 300});
  HWND list = rec->Create("list", WS_POPUP, {150, 120, 250, 200}, main);
  ShowWindow(list, SW_SHOWNOACTIVATE);
  ASSERT_TRUE(RunUntil([&] { return Viewable(list); }));
  EXPECT_EQ(XPosition(list), (gfx::Point{950, 120}));
  SetCursorPos(200, 150);
  backend->Sync();
  EXPECT_EQ(XPointer(), (gfx::Point{1000, 150}));
  gfx::Point cursor;
  ASSERT_TRUE(RunUntil([&] { return GetCursorPos(cursor) && cursor == gfx::Point{200, 150}; }));
}

}  // namespace
}  // namespace x11test
