// The windows under the desktops players run: bare X, two window managers
// (one of which keeps windows on the screen) and a Wayland compositor with
// XWayland. Popups close on presses outside the program and when their
// owner moves; the program knows where its window really is after a drag;
// a drag ends when the system breaks it; keys typed after the window
// manager took an Alt release are plain keys; shapes are transparent.

#include <algorithm>
#include <cstdlib>
#include <memory>

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
// The colour the main window shows, which no desktop uses.
constexpr gfx::ColorRef kFace = gfx::RGB(0x12, 0xAB, 0x34);
constexpr unsigned long kFacePixel = 0x12AB34;

// Whether two screen pixels show the same colour, give or take the
// rounding of a compositor's blending.
bool Near(unsigned long a, unsigned long b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 4)
      return false;
  return true;
}

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
      if (m == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, ps);
        dc->FillRect(GetClientRect(hwnd), kFace);
        EndPaint(hwnd, ps);
        return 0;
      }
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

  // Where the player sees the main window: the top-left corner of its
  // colour on the screen, as the display (or, under XWayland, the
  // compositor) shows it.
  std::optional<gfx::Point> Seen() {
    ::Display* screen = XOpenDisplay(server.HostDisplay().c_str());
    if (!screen)
      return std::nullopt;
    const int width = DisplayWidth(screen, DefaultScreen(screen));
    const int height = DisplayHeight(screen, DefaultScreen(screen));
    XImage* image = XGetImage(screen, DefaultRootWindow(screen), 0, 0, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    std::optional<gfx::Point> found;
    for (int y = 0; image && y < height && !found; ++y)
      for (int x = 0; x < width && !found; ++x)
        if (Near(XGetPixel(image, x, y) & 0xFFFFFF, kFacePixel))
          found = gfx::Point{x, y};
    if (image)
      XDestroyImage(image);
    XCloseDisplay(screen);
    return found;
  }

  // Runs the loop until the window shows on the screen. Looking takes
  // longer than the loop's timer, so it looks only now and then: the loop
  // must also go idle to show what was painted.
  std::optional<gfx::Point> WaitUntilSeen() {
    std::optional<gfx::Point> found;
    DWORD next = desktop->Now();
    RunUntil([&] {
      if (TickNotAfter(next, desktop->Now())) {
        found = Seen();
        next = desktop->Now() + 100;
      }
      return found.has_value();
    });
    return found;
  }

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

  // A step that waits until the log has a line starting with `prefix`.
  Step LoggedStarting(const std::string& prefix) {
    return [this, prefix] {
      for (std::string& l : rec->Take())
        seen.push_back(l);
      return std::any_of(seen.begin(), seen.end(),
                         [&](const std::string& l) { return l.rfind(prefix, 0) == 0; });
    };
  }

  // Steps that press the caption at `grip` once the pointer is seen over
  // it (a compositor takes a moment to hand it to the window), wait until
  // the window manager (or our own loop) has taken the drag, and drag to
  // `to` in five moves.
  std::vector<Step> Drag(gfx::Point grip, gfx::Point to) {
    rec->Only({WM_NCMOUSEMOVE, WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE});
    // The pointer is nudged until the window reports it: a compositor may
    // take the first motion for the pointer's arrival alone.
    auto nudges = std::make_shared<int>(0);
    Step over = LoggedStarting("main WM_NCMOUSEMOVE");
    std::vector<Step> steps = {[=, this] {
                                 if ((*nudges)++ % 10 == 0) {
                                   FakeMotion(grip.x + (*nudges / 10) % 2, grip.y);
                                   Flush();
                                 }
                                 return over();
                               },
                               Do([=, this] {
                                 FakeMotion(grip.x, grip.y);
                                 Flush();
                               }),
                               Do([this] {
                                 rec->Only({WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE});
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
  if (GetParam() == DesktopKind::XWayland)
    GTEST_SKIP() << "a compositor never shows an X program presses on its other surfaces";
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
// Window managers that keep windows on the screen stop the drag at the
// edge; under XWayland only the compositor can move the window at all, and
// the screen it shows is the only place that tells where the window went.
TEST_P(X11Desktop, AfterADragToTheScreenEdgeAClickLandsWhereItWasAimed) {
  if (GetParam() == DesktopKind::XWayland)
    GTEST_SKIP() << "open: pointer input sent to the compositor's seat reaches it only sometimes";
  const std::optional<gfx::Point> start = WaitUntilSeen();
  ASSERT_TRUE(start);
  const gfx::Point grip = Plus(*start, 150, 10);
  std::vector<Step> steps = Drag(grip, {1020, grip.y + 40});
  steps.push_back(Do([this] {
    FakeButton(1, false);
    Flush();
  }));
  steps.push_back(Logged("main WM_EXITSIZEMOVE"));
  ASSERT_TRUE(RunSteps(steps));
  EXPECT_FALSE(GetCapture());
  RunFor(200);
  const std::optional<gfx::Point> seen = WaitUntilSeen();
  ASSERT_TRUE(seen);
  EXPECT_GT(seen->x, start->x + 200);
  if (GetParam() != DesktopKind::XWayland) {
    EXPECT_TRUE(Placed());
    EXPECT_EQ(GetWindowRect(main).TopLeft(), *seen);
  }

  rec->Only({WM_LBUTTONDOWN});
  this->seen.clear();
  FakeMotion(seen->x + 50, seen->y + 50);
  FakeButton(1, true);
  FakeButton(1, false);
  Flush();
  EXPECT_TRUE(Saw("main WM_LBUTTONDOWN 50,50"));
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
  // A window manager still busy with an earlier activation of the main
  // window may hand it the keyboard once more; the probe then asks again.
  auto focusUntil = [&](::Window to, const std::function<bool()>& done) {
    DWORD asked = desktop->Now();
    XSetInputFocus(probe, to, RevertToParent, CurrentTime);
    Flush();
    return RunUntil([&] {
      if (done())
        return true;
      if (desktop->Now() - asked >= 500) {
        XSetInputFocus(probe, to, RevertToParent, CurrentTime);
        Flush();
        asked = desktop->Now();
      }
      return false;
    });
  };
  ASSERT_TRUE(focusUntil(other, [&] { return !GetActiveWindow(); }));
  FakeKey(XK_Alt_L, false);
  ASSERT_TRUE(focusUntil(XWindow(main), [&] { return GetActiveWindow() == main; }));
  seen.clear();
  FakeKeyStroke(XK_Escape);
  FakeKeyStroke(XK_a);
  Flush();
  ASSERT_TRUE(Saw("main WM_CHAR 'a'"));
  EXPECT_THAT(seen, ElementsAre("main WM_KEYDOWN 27", "main WM_CHAR '\x1B'", "main WM_KEYDOWN 65",
                                "main WM_CHAR 'a'"));
  XDestroyWindow(probe, other);
}

// Window managers refuse or log activation requests without the time of
// the input that caused them.
TEST_P(X11Desktop, ActivationRequestsCarryATime) {
  if (!backend->HasWindowManager())
    GTEST_SKIP() << "without a window manager the program sets the focus itself";
  XSelectInput(probe, DefaultRootWindow(probe), SubstructureNotifyMask);
  Flush();
  HWND other = rec->Create("other", WS_POPUP | WS_VISIBLE, {500, 300, 700, 450});
  ASSERT_TRUE(RunUntil([&] { return Viewable(other); }));
  SetActiveWindow(main);
  backend->Sync();
  const Atom active = XInternAtom(probe, "_NET_ACTIVE_WINDOW", False);
  std::vector<long> times;
  // Every request sent within a while after the first.
  const DWORD until = desktop->Now() + 300;
  RunUntil([&] {
    XEvent e;
    while (XCheckTypedEvent(probe, ClientMessage, &e))
      if (e.xclient.message_type == active)
        times.push_back(e.xclient.data.l[1]);
    return !times.empty() && TickNotAfter(until, desktop->Now());
  });
  ASSERT_FALSE(times.empty());
  for (long t : times)
    EXPECT_NE(t, 0);
}

// A compositor takes the window as a picture: outside the shape it must be
// transparent, not black. The screen under XWayland is the compositor's
// output, shown on the Xvfb server underneath.
TEST_P(X11Desktop, CornersOutsideTheShapeShowWhatIsBehind) {
  if (GetParam() != DesktopKind::XWayland && GetParam() != DesktopKind::Composited)
    GTEST_SKIP() << "without a compositor the shape cuts the pixels itself";
  std::vector<gfx::Rect> cut = {{12, 0, 288, 12}, {0, 12, 300, 188}, {12, 188, 288, 200}};
  SetWindowRgn(main, gfx::Region::FromRects(cut), true);
  RunFor(300);
  // The first pixel of the window's colour is where its cut top edge
  // begins, 12 pixels right of the corner.
  const std::optional<gfx::Point> first = WaitUntilSeen();
  ASSERT_TRUE(first);
  const gfx::Point origin = Plus(*first, -12, 0);
  ::Display* host = XOpenDisplay(server.HostDisplay().c_str());
  ASSERT_NE(host, nullptr);
  auto pixel = [&](int x, int y) {
    XImage* image = XGetImage(host, DefaultRootWindow(host), x, y, 1, 1, AllPlanes, ZPixmap);
    unsigned long p = image ? XGetPixel(image, 0, 0) & 0xFFFFFF : 0;
    if (image)
      XDestroyImage(image);
    return p;
  };
  const unsigned long corners[] = {pixel(origin.x + 2, origin.y + 2),
                                   pixel(origin.x + 297, origin.y + 197)};
  const unsigned long inside = pixel(origin.x + 150, origin.y + 100);
  XCloseDisplay(host);
  EXPECT_TRUE(Near(inside, kFacePixel));
  for (unsigned long corner : corners) {
    EXPECT_FALSE(Near(corner, 0));  // black: the compositor took the cut-out as opaque
    EXPECT_FALSE(Near(corner, kFacePixel));
  }
}

INSTANTIATE_TEST_SUITE_P(Desktops, X11Desktop,
                         ::testing::Values(DesktopKind::Bare, DesktopKind::Openbox,
                                           DesktopKind::Metacity, DesktopKind::Composited,
                                           DesktopKind::XWayland),
                         [](const auto& info) { return DesktopName(info.param); });

}  // namespace
}  // namespace x11test
