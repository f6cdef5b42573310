// Pointer and keyboard input sent with XTest arrives as the right messages
// in the right order; the caption drags the window; the keyboard focus of
// the display is the desktop's activation.

#include "platform/win/Win.h"
#include "platform/win/x11/X11Fixture.h"

// Xlib after the window system's headers.
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace x11test {
namespace {

using ::testing::ElementsAre;

class X11Input : public X11Test {
 protected:
  void SetUp() override {
    X11Test::SetUp();
    if (HasFatalFailure())
      return;
    Open();
    main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
    ASSERT_TRUE(RunUntil([&] { return Viewable(main) && XFocus() == XWindow(main); }));
  }

  // Runs the loop until the log holds `count` lines.
  std::vector<std::string> Collect(std::size_t count) {
    std::vector<std::string> log;
    RunUntil([&] {
      for (std::string& line : rec->Take())
        log.push_back(line);
      return log.size() >= count;
    });
    return log;
  }

  HWND main;
};

TEST_F(X11Input, ClicksWheelAndKeysArriveInOrder) {
  rec->Only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEWHEEL, WM_KEYDOWN,
             WM_KEYUP, WM_CHAR});
  FakeMotion(150, 130);
  FakeButton(1, true);
  FakeButton(1, false);
  FakeMotion(160, 140);
  FakeButton(3, true);
  FakeButton(3, false);
  FakeButton(4, true);
  FakeButton(4, false);
  FakeKeyStroke(XK_a);
  FakeKey(XK_Shift_L, true);
  FakeKeyStroke(XK_b);
  FakeKey(XK_Shift_L, false);
  FakeKeyStroke(XK_Return);
  Flush();
  EXPECT_THAT(Collect(16),
              ElementsAre("main WM_LBUTTONDOWN 50,30", "main WM_LBUTTONUP 50,30",
                          "main WM_RBUTTONDOWN 60,40", "main WM_RBUTTONUP 60,40",
                          "main WM_MOUSEWHEEL", "main WM_KEYDOWN 65", "main WM_CHAR 'a'",
                          "main WM_KEYUP 65", "main WM_KEYDOWN 16", "main WM_KEYDOWN 66",
                          "main WM_CHAR 'B'", "main WM_KEYUP 66", "main WM_KEYUP 16",
                          "main WM_KEYDOWN 13", "main WM_CHAR '\r'", "main WM_KEYUP 13"));
}

TEST_F(X11Input, WheelAwayFromTheUserIsPositive) {
  std::vector<int> deltas;
  rec->OnMessage(main, [&](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_MOUSEWHEEL)
      deltas.push_back(static_cast<short>(HIWORD(w)));
    return std::nullopt;
  });
  FakeMotion(150, 130);
  FakeButton(4, true);
  FakeButton(4, false);
  FakeButton(5, true);
  FakeButton(5, false);
  Flush();
  EXPECT_TRUE(RunUntil([&] { return deltas.size() == 2; }));
  EXPECT_THAT(deltas, ElementsAre(120, -120));
}

// The display reports no motion outside our windows, only that the pointer
// left: that alone tells the window the mouse has gone.
TEST_F(X11Input, PointerLeavingForTheDesktopEndsMouseTracking) {
  rec->OnMessage(main, [](HWND hwnd, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_MOUSEMOVE) {
      TRACKMOUSEEVENT track{.dwFlags = TME_LEAVE, .hwndTrack = hwnd};
      TrackMouseEvent(track);
    }
    return std::nullopt;
  });
  rec->Only({WM_MOUSELEAVE});
  FakeMotion(150, 130);
  FakeMotion(600, 500);
  Flush();
  EXPECT_THAT(Collect(1), ElementsAre("main WM_MOUSELEAVE"));
}

TEST_F(X11Input, CaptionDragMovesTheXWindow) {
  rec->OnMessage(main, [](HWND hwnd, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (m != WM_NCHITTEST)
      return std::nullopt;
    gfx::Point pt{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
    ScreenToClient(hwnd, pt);
    return pt.y < 20 ? HTCAPTION : HTCLIENT;
  });
  rec->Only({WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE});
  FakeMotion(150, 110);
  FakeButton(1, true);
  FakeMotion(180, 130);
  FakeMotion(250, 160);
  FakeButton(1, false);
  Flush();
  EXPECT_THAT(Collect(2), ElementsAre("main WM_ENTERSIZEMOVE", "main WM_EXITSIZEMOVE"));
  EXPECT_EQ(GetWindowRect(main), (gfx::Rect{200, 150, 400, 300}));
  EXPECT_TRUE(RunUntil([&] { return XPosition(main) == gfx::Point{200, 150}; }));
  EXPECT_FALSE(GetCapture());
  // The pointer grab of the loop has ended: a click elsewhere is not ours.
  rec->Only({WM_LBUTTONDOWN});
  FakeMotion(10, 10);
  FakeButton(1, true);
  FakeButton(1, false);
  FakeMotion(250, 200);
  FakeButton(1, true);
  FakeButton(1, false);
  Flush();
  EXPECT_THAT(Collect(1), ElementsAre("main WM_LBUTTONDOWN 50,50"));
}

TEST_F(X11Input, KeyboardFocusOfTheDisplayIsActivation) {
  HWND other = rec->Create("other", WS_POPUP | WS_VISIBLE, {400, 100, 600, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(other) && GetActiveWindow() == other; }));
  EXPECT_TRUE(RunUntil([&] { return XFocus() == XWindow(other); }));
  // Another program (here: the root window) takes the keyboard ...
  XSetInputFocus(probe, DefaultRootWindow(probe), RevertToParent, CurrentTime);
  Flush();
  EXPECT_TRUE(RunUntil([&] { return !GetActiveWindow(); }));
  // ... and the player gives it back to the first window.
  XSetInputFocus(probe, XWindow(main), RevertToParent, CurrentTime);
  Flush();
  EXPECT_TRUE(RunUntil([&] { return GetActiveWindow() == main; }));
}

TEST_F(X11Input, AKeyReleasedWhileTheKeyboardWasElsewhereIsUpWhenItComesBack) {
  FakeKey(XK_Return, true);
  Flush();
  ASSERT_TRUE(RunUntil([&] { return GetKeyState(VK_RETURN) < 0; }));
  // The keyboard leaves for the root window (no window manager hands it on)
  // and Enter is let go there ...
  XSetInputFocus(probe, DefaultRootWindow(probe), RevertToParent, CurrentTime);
  Flush();
  ASSERT_TRUE(RunUntil([&] { return !GetActiveWindow(); }));
  FakeKey(XK_Return, false);
  XSetInputFocus(probe, XWindow(main), RevertToParent, CurrentTime);
  Flush();
  // ... so when the keyboard is back, Enter is up, and pressing it again is
  // a new press, not the repeat of a held key.
  EXPECT_TRUE(RunUntil([&] { return GetActiveWindow() == main; }));
  EXPECT_TRUE(RunUntil([&] { return GetKeyState(VK_RETURN) >= 0; }));
  EXPECT_GE(GetAsyncKeyState(VK_RETURN), 0);
}

}  // namespace
}  // namespace x11test
