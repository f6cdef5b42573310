// The windows under the desktops players run: bare X, two window managers
// (one of which keeps windows on the screen) and a Wayland compositor with
// XWayland. Popups close on presses outside the program and when their
// owner moves; the program knows where its window really is after a drag;
// a drag ends when the system breaks it; keys typed after the window
// manager took an Alt release are plain keys; shapes are transparent.

#include "platform/win/Win.h"
#include "platform/win/x11/X11Fixture.h"

// Xlib after the window system's headers.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

namespace x11test {
namespace {

using ::testing::ElementsAre;

constexpr int kCaptionHeight = 20;

gfx::Point Plus(gfx::Point p, int dx, int dy) {
  return {p.x + dx, p.y + dy};
}

class X11Desktop : public X11Test, public ::testing::WithParamInterface<DesktopKind> {
 protected:
  X11Desktop() : X11Test(24, GetParam()) {}

  void SetUp() override {
    X11Test::SetUp();
    if (HasFatalFailure())
      return;
    Open();
    main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 400, 300});
    rec->OnMessage(main, [this](HWND hwnd, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
      if (m == WM_CANCELMODE && popup)
        ShowWindow(popup, SW_HIDE);
      if (m != WM_NCHITTEST)
        return std::nullopt;
      gfx::Point pt{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
      ScreenToClient(hwnd, pt);
      return pt.y < kCaptionHeight ? HTCAPTION : HTCLIENT;
    });
    ASSERT_TRUE(RunUntil([&] { return Viewable(main); }));
    // A window manager may hold back the keyboard from a new window; the
    // player would click it.
    if (!RunUntil([&] { return XFocus() == XWindow(main) && GetActiveWindow() == main; }, 500)) {
      XSetInputFocus(probe, XWindow(main), RevertToParent, CurrentTime);
      Flush();
    }
    ASSERT_TRUE(RunUntil([&] { return XFocus() == XWindow(main) && GetActiveWindow() == main; }));
    ASSERT_TRUE(Placed());
  }

  // The desktop's idea of the window is where the display shows it.
  bool Placed() {
    return RunUntil([&] { return GetWindowRect(main).TopLeft() == XPosition(main); });
  }

  void RunFor(DWORD ms) {
    const DWORD until = desktop->Now() + ms;
    RunUntil([&] { return TickNotAfter(until, desktop->Now()); });
  }

  // Runs until the log shows `line`.
  bool Saw(const std::string& line) { return RunSteps({Logged(line)}); }

  // A point of the screen outside the main window.
  gfx::Point Outside() {
    gfx::Rect r = GetWindowRect(main);
    return r.Contains({900, 700}) ? gfx::Point{60, 700} : gfx::Point{900, 700};
  }

  // A step that does something at once.
  static Step Do(std::function<void()> action) {
    return [action] {
      action();
      return true;
    };
  }

  // A step that waits until the log shows `line`.
  Step Logged(const std::string& line) {
    return [this, line] {
      for (std::string& l : rec->Take())
        seen.push_back(l);
      return std::find(seen.begin(), seen.end(), line) != seen.end();
    };
  }

  // Steps that press the caption at `grip`, wait until the window manager
  // (or our own loop) has taken the drag, and drag to `to` in five moves.
  std::vector<Step> Drag(gfx::Point grip, gfx::Point to) {
    rec->Only({WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE});
    std::vector<Step> steps = {Do([=, this] {
                                 FakeMotion(grip.x, grip.y);
                                 Flush();
                               }),
                               Pause(50), Do([this] {
                                 FakeButton(1, true);
                                 Flush();
                               }),
                               Logged("main WM_ENTERSIZEMOVE"), Pause(250)};
    for (int i = 1; i <= 5; ++i) {
      steps.push_back(Do([=, this] {
        FakeMotion(grip.x + (to.x - grip.x) * i / 5, grip.y + (to.y - grip.y) * i / 5);
        Flush();
      }));
      steps.push_back(Pause(40));
    }
    return steps;
  }

  HWND main;
  HWND popup;
  std::vector<std::string> seen;
};

TEST_P(X11Desktop, PopupClosesOnAPressOutsideTheProgramAndWhenItsOwnerMoves) {
  popup =
      rec->Create("list", WS_POPUP, {0, 0, 200, 100}, nullptr, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  auto open = [&] {
    gfx::Rect r = GetWindowRect(main);
    SetWindowPos(popup, HWND_TOPMOST, r.left + 10, r.top + 40, 200, 100,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
    return RunUntil([&] { return Viewable(popup); });
  };
  ASSERT_TRUE(open());
  gfx::Point away = Outside();
  FakeMotion(away.x, away.y);
  FakeButton(1, true);
  FakeButton(1, false);
  Flush();
  EXPECT_TRUE(RunUntil([&] { return !IsWindowVisible(popup) && !Viewable(popup); }));
  EXPECT_EQ(GetActiveWindow(), main);

  if (GetParam() == DesktopKind::XWayland)
    return;  // the compositor places windows itself
  // Another program moves the window, as xdotool or the window manager's
  // own drag would: the desktop follows and the list closes.
  ASSERT_TRUE(open());
  const gfx::Point from = GetWindowRect(main).TopLeft();
  const gfx::Point to = Plus(from, -40, 60);
  XMoveWindow(probe, XWindow(main), to.x, to.y);
  Flush();
  EXPECT_TRUE(RunUntil([&] { return !IsWindowVisible(popup); }));
  EXPECT_TRUE(Placed());
  EXPECT_EQ(GetWindowRect(main).TopLeft(), to);
}

// Window managers that keep windows on the screen stop the drag at the
// edge; under XWayland only the compositor can move the window at all.
TEST_P(X11Desktop, AfterADragToTheScreenEdgeAClickLandsWhereItWasAimed) {
  if (GetParam() == DesktopKind::XWayland)
    GTEST_SKIP() << "open: the compositor's move does not end as seen from the program";
  const gfx::Rect start = GetWindowRect(main);
  const gfx::Point grip = Plus(start.TopLeft(), 150, 10);
  std::vector<Step> steps = Drag(grip, {1020, grip.y + 40});
  steps.push_back(Do([this] {
    FakeButton(1, false);
    Flush();
  }));
  steps.push_back(Logged("main WM_EXITSIZEMOVE"));
  ASSERT_TRUE(RunSteps(steps));
  ASSERT_TRUE(Placed());
  const gfx::Rect r = GetWindowRect(main);
  EXPECT_GT(r.left, start.left);
  EXPECT_FALSE(GetCapture());

  rec->Only({WM_LBUTTONDOWN});
  seen.clear();
  FakeMotion(std::min(r.left + 50, 1000), r.top + 50);
  FakeButton(1, true);
  FakeButton(1, false);
  Flush();
  EXPECT_TRUE(
      Saw("main WM_LBUTTONDOWN " + std::to_string(std::min(r.left + 50, 1000) - r.left) + ",50"));
}

TEST_P(X11Desktop, IconifyingTheWindowDuringADragEndsTheDrag) {
  if (GetParam() == DesktopKind::XWayland)
    GTEST_SKIP() << "the compositor offers no iconifying to X windows";
  const gfx::Point grip = Plus(GetWindowRect(main).TopLeft(), 150, 10);
  std::vector<Step> steps = Drag(grip, Plus(grip, 30, 20));
  // The window manager iconifies it (bare X: another program unmaps it)
  // while the button is still held.
  steps.push_back(Do([this] {
    if (backend->HasWindowManager())
      XIconifyWindow(probe, XWindow(main), DefaultScreen(probe));
    else
      XUnmapWindow(probe, XWindow(main));
    Flush();
  }));
  steps.push_back(Logged("main WM_EXITSIZEMOVE"));
  EXPECT_TRUE(RunSteps(steps));
  FakeButton(1, false);
  XMapWindow(probe, XWindow(main));
  Flush();
  ASSERT_TRUE(RunUntil([&] { return Viewable(main); }));
  ASSERT_TRUE(Placed());
  // The pointer moving on moves the window no more.
  const gfx::Point at = GetWindowRect(main).TopLeft();
  FakeMotion(grip.x + 200, grip.y + 150);
  Flush();
  RunFor(300);
  EXPECT_EQ(GetWindowRect(main).TopLeft(), at);
  EXPECT_EQ(XPosition(main), at);
  EXPECT_FALSE(GetCapture());
}

// Alt+Tab: the window manager takes the keyboard while Alt is down, and the
// release of Alt goes to another window.
TEST_P(X11Desktop, KeysAfterAltTabbingAwayAndBackAreTypedWithoutAlt) {
  if (GetParam() == DesktopKind::XWayland)
    GTEST_SKIP() << "open: another X client cannot take the keyboard under the compositor";
  XSetWindowAttributes a{};
  a.override_redirect = True;
  ::Window other =
      XCreateWindow(probe, DefaultRootWindow(probe), 600, 500, 100, 100, 0, CopyFromParent,
                    InputOutput, CopyFromParent, CWOverrideRedirect, &a);
  XMapRaised(probe, other);
  rec->Only({WM_KEYDOWN, WM_SYSKEYDOWN, WM_CHAR, WM_SYSCHAR});
  FakeKey(XK_Alt_L, true);
  Flush();
  ASSERT_TRUE(Saw("main WM_SYSKEYDOWN 18"));
  XSetInputFocus(probe, other, RevertToParent, CurrentTime);
  Flush();
  ASSERT_TRUE(RunUntil([&] { return !GetActiveWindow(); }));
  FakeKey(XK_Alt_L, false);
  XSetInputFocus(probe, XWindow(main), RevertToParent, CurrentTime);
  Flush();
  ASSERT_TRUE(RunUntil([&] { return GetActiveWindow() == main; }));
  seen.clear();
  FakeKeyStroke(XK_Escape);
  FakeKeyStroke(XK_a);
  Flush();
  ASSERT_TRUE(Saw("main WM_CHAR 'a'"));
  EXPECT_THAT(seen, ElementsAre("main WM_KEYDOWN 27", "main WM_CHAR '\x1B'", "main WM_KEYDOWN 65",
                                "main WM_CHAR 'a'"));
  XDestroyWindow(probe, other);
}

// A compositor takes the window as a picture: outside the shape it must be
// transparent, not black. The screen under XWayland is the compositor's
// output, shown on the Xvfb server underneath.
TEST_P(X11Desktop, CornersOutsideTheShapeShowWhatIsBehind) {
  if (GetParam() != DesktopKind::XWayland)
    GTEST_SKIP() << "without a compositor the shape cuts the pixels itself";
  GTEST_SKIP() << "open: the compositor's frame around the window still shows black there";
  std::vector<gfx::Rect> cut = {{12, 0, 288, 12}, {0, 12, 300, 188}, {12, 188, 288, 200}};
  SetWindowRgn(main, gfx::Region::FromRects(cut), true);
  RunFor(500);
  ::Display* host = XOpenDisplay(server.HostDisplay().c_str());
  ASSERT_NE(host, nullptr);
  const gfx::Rect r = GetWindowRect(main);
  auto pixel = [&](int x, int y) {
    XImage* image = XGetImage(host, DefaultRootWindow(host), x, y, 1, 1, AllPlanes, ZPixmap);
    unsigned long p = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0;
    if (image)
      XDestroyImage(image);
    return p;
  };
  const unsigned long behind = pixel(r.left - 4, r.top + 2);
  const unsigned long corner = pixel(r.left + 2, r.top + 2);
  const unsigned long inside = pixel(r.left + 150, r.top + 100);
  XCloseDisplay(host);
  EXPECT_NE(corner, 0ul);
  EXPECT_EQ(corner, behind);
  EXPECT_NE(inside, behind);
}

INSTANTIATE_TEST_SUITE_P(Desktops, X11Desktop,
                         ::testing::Values(DesktopKind::Bare, DesktopKind::Openbox,
                                           DesktopKind::Metacity, DesktopKind::XWayland),
                         [](const auto& info) { return DesktopName(info.param); });

}  // namespace
}  // namespace x11test
