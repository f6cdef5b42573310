// Windows as the display shows them: decoration, names, shapes, popups,
// minimising, the work area, close requests and moves by the system and
// by a window manager slower than the program.

#include <unistd.h>

#include "platform/sys/Process.h"
#include "platform/sys/SessionEnd.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Fixture.h"

// Xlib after the window system's headers.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace x11test {
namespace {

using ::testing::ElementsAre;

class X11Windows : public X11Test {
 protected:
  void SetUp() override {
    X11Test::SetUp();
    if (!HasFatalFailure())
      Open();
  }

  // Reads up to `length` 32-bit units of a property and hands its format,
  // items and item count to `use` while the X buffer is still alive.
  template <typename Use>
  void ReadProperty(unsigned long window, const char* name, long length, Use use) {
    SyncProgram();
    Atom atom = XInternAtom(probe, name, False);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(probe, window, atom, 0, length, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
      use(format, data, count);
      XFree(data);
    }
  }

  std::vector<long> LongProperty(unsigned long window, const char* name) {
    std::vector<long> out;
    ReadProperty(window, name, 64, [&](int format, unsigned char* data, unsigned long count) {
      if (format == 32)
        out.assign(reinterpret_cast<long*>(data), reinterpret_cast<long*>(data) + count);
    });
    return out;
  }

  std::string TextProperty(unsigned long window, const char* name) {
    std::string out;
    ReadProperty(window, name, 1024, [&](int, unsigned char* data, unsigned long count) {
      out.assign(reinterpret_cast<char*>(data), count);
    });
    return out;
  }

  // The position among the root's children, bottom first.
  int StackIndex(HWND hwnd) {
    SyncProgram();
    ::Window root = 0;
    ::Window parent = 0;
    ::Window* children = nullptr;
    unsigned count = 0;
    XQueryTree(probe, DefaultRootWindow(probe), &root, &parent, &children, &count);
    int index = -1;
    for (unsigned i = 0; i < count; ++i)
      if (children[i] == XWindow(hwnd))
        index = static_cast<int>(i);
    if (children)
      XFree(children);
    return index;
  }

  void SetWmState(HWND hwnd, long state) {
    Atom wmState = XInternAtom(probe, "WM_STATE", False);
    long value[2] = {state, 0};
    XChangeProperty(probe, XWindow(hwnd), wmState, wmState, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(value), 2);
    Flush();
  }
};

TEST_F(X11Windows, NormalWindowIsUndecoratedAndNamedAfterItsTextAndTheProgram) {
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  SetWindowText(main, "Puzzle Browser \xC3\xA4");
  ASSERT_TRUE(RunUntil([&] { return Viewable(main); }));
  unsigned long xw = XWindow(main);
  EXPECT_FALSE(OverrideRedirect(main));
  std::vector<long> motif = LongProperty(xw, "_MOTIF_WM_HINTS");
  ASSERT_EQ(motif.size(), 5u);
  EXPECT_EQ(motif[0] & 2, 2);  // decorations are given ...
  EXPECT_EQ(motif[2], 0);      // ... and there are none
  EXPECT_EQ(TextProperty(xw, "_NET_WM_NAME"), "Puzzle Browser \xC3\xA4");
  EXPECT_EQ(TextProperty(xw, "WM_NAME"), "Puzzle Browser \xE4");
  EXPECT_EQ(TextProperty(xw, "WM_CLASS"), std::string("wintest\0Wintest\0", 16));
  // The process number beside it means something only on this machine.
  char host[256] = {};
  gethostname(host, sizeof host - 1);
  EXPECT_EQ(TextProperty(xw, "WM_CLIENT_MACHINE"), host);
  EXPECT_EQ(LongProperty(xw, "_NET_WM_PID"), std::vector<long>{getpid()});
  EXPECT_EQ(XPosition(main), (gfx::Point{100, 100}));
}

TEST_F(X11Windows, OnlyWindowsThatHaveBeenShownCarryTheProgramsNames) {
  // A window kept hidden (as the application's own window always is) is not
  // found by a search for the program's title or class; once shown, it is,
  // with the text it was given meanwhile.
  HWND hidden = rec->Create("hidden", WS_POPUP, {0, 0, 1, 1});
  SetWindowText(hidden, "Puzzle Browser");
  HWND later = rec->Create("later", WS_POPUP, {100, 100, 300, 250});
  SetWindowText(later, "Before");
  SetWindowText(later, "Puzzle Browser");
  ShowWindow(later, SW_SHOW);
  // The display has handled every earlier request once the window shows.
  ASSERT_TRUE(RunUntil([&] { return Viewable(later); }));
  EXPECT_EQ(TextProperty(XWindow(hidden), "WM_NAME"), "");
  EXPECT_EQ(TextProperty(XWindow(hidden), "_NET_WM_NAME"), "");
  EXPECT_EQ(TextProperty(XWindow(hidden), "WM_CLASS"), "");
  EXPECT_EQ(TextProperty(XWindow(later), "WM_NAME"), "Puzzle Browser");
  EXPECT_EQ(TextProperty(XWindow(later), "WM_CLASS"), std::string("wintest\0Wintest\0", 16));
  // Hidden again, it keeps them, and a new text reaches it at once.
  ShowWindow(later, SW_HIDE);
  SetWindowText(later, "After");
  EXPECT_TRUE(RunUntil([&] { return TextProperty(XWindow(later), "_NET_WM_NAME") == "After"; }));
}

TEST_F(X11Windows, AShownWindowDestroyedByAnotherProgramEndsTheSession) {
  // The program's own destruction, and another program destroying a
  // window never shown, change nothing.
  HWND hidden = rec->Create("hidden", WS_POPUP, {0, 0, 1, 1});
  HWND own = rec->Create("own", WS_POPUP | WS_VISIBLE, {10, 10, 50, 50});
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(main) && Viewable(own); }));
  DestroyWindow(own);
  XDestroyWindow(probe, XWindow(hidden));
  Flush();
  RunSteps({Pause(100)});
  EXPECT_FALSE(sys::SessionEnding());
  // A dialog of the main window is closed as by its close button, and
  // the program goes on.
  HWND dialog = rec->Create("dialog", WS_POPUP | WS_CAPTION | WS_VISIBLE, {150, 150, 200, 100},
                            main, WS_EX_DLGMODALFRAME);
  ASSERT_TRUE(RunUntil([&] { return Viewable(dialog); }));
  ASSERT_FALSE(OverrideRedirect(dialog));
  XDestroyWindow(probe, XWindow(dialog));
  Flush();
  EXPECT_TRUE(RunUntil([&] { return !IsWindow(dialog); }));
  EXPECT_FALSE(sys::SessionEnding());
  // The main window, destroyed from outside: the program is asked to end,
  // as at the end of the session.
  XDestroyWindow(probe, XWindow(main));
  Flush();
  // (The loop ends on the quit message the request brings.)
  RunUntil([] { return sys::SessionEnding(); });
  EXPECT_TRUE(sys::SessionEnding());
  sys::ResetSessionEnd();
}

TEST_F(X11Windows, WindowRegionBecomesTheBoundingShape) {
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  std::vector<gfx::Rect> rects = {{4, 0, 196, 2}, {0, 2, 200, 140}, {30, 140, 170, 150}};
  gfx::Region shape = gfx::Region::FromRects(rects);
  SetWindowRgn(main, shape, true);
  EXPECT_TRUE(RunUntil([&] { return XShape(main) == shape; }));
  // The shape survives a move, and removing the region gives the window
  // its full rectangle back.
  MoveWindow(main, 50, 60, 200, 150, true);
  EXPECT_TRUE(RunUntil([&] { return XPosition(main) == gfx::Point{50, 60}; }));
  EXPECT_EQ(XShape(main), shape);
  SetWindowRgn(main, std::nullopt, true);
  EXPECT_TRUE(RunUntil([&] { return XShape(main) == gfx::Region({0, 0, 200, 150}); }));
}

TEST_F(X11Windows, OwnedPopupsBypassTheWindowManagerAndLeaveTheKeyboardWithTheOwner) {
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(main) && XFocus() == XWindow(main); }));
  HWND list = rec->Create("list", WS_POPUP, {120, 200, 220, 300}, main, WS_EX_TOOLWINDOW);
  ShowWindow(list, SW_SHOW);
  ASSERT_TRUE(RunUntil([&] { return Viewable(list); }));
  EXPECT_TRUE(OverrideRedirect(list));
  EXPECT_EQ(XFocus(), XWindow(main));
  EXPECT_GT(StackIndex(list), StackIndex(main));
  // Keys typed meanwhile reach the desktop through the owner's window.
  SetFocus(list);
  rec->Only({WM_KEYDOWN});
  FakeKeyStroke(XK_Down);
  Flush();
  std::vector<std::string> log;
  EXPECT_TRUE(RunUntil([&] {
    for (std::string& line : rec->Take())
      log.push_back(line);
    return !log.empty();
  }));
  EXPECT_THAT(log, ElementsAre("list WM_KEYDOWN 40"));
}

TEST_F(X11Windows, MinimiseTakesTheWindowOffTheScreenAndRestoreBringsItBack) {
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(main); }));
  ASSERT_FALSE(backend->HasWindowManager());
  ShowWindow(main, SW_MINIMIZE);
  EXPECT_TRUE(RunUntil([&] { return !Viewable(main); }));
  ShowWindow(main, SW_RESTORE);
  EXPECT_TRUE(RunUntil([&] { return Viewable(main); }));
  EXPECT_FALSE(IsIconic(main));
}

// Without a window manager nothing shows a minimized window's icon; another
// program mapping the window again (a window list, xdotool) restores it.
TEST_F(X11Windows, MinimisedWindowMappedByAnotherProgramIsRestored) {
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(main); }));
  ShowWindow(main, SW_MINIMIZE);
  ASSERT_TRUE(RunUntil([&] { return !Viewable(main); }));
  rec->Only({WM_SYSCOMMAND});
  XMapWindow(probe, XWindow(main));
  Flush();
  EXPECT_TRUE(RunUntil([&] { return !IsIconic(main); }));
  EXPECT_THAT(rec->Take(), ElementsAre("main WM_SYSCOMMAND 0xF120"));
  // Minimized again at once after our own map: that map is no request.
  ShowWindow(main, SW_MINIMIZE);
  ShowWindow(main, SW_RESTORE);
  ShowWindow(main, SW_MINIMIZE);
  backend->Sync();
  RunSteps({Pause(100)});
  EXPECT_TRUE(IsIconic(main));
}

// A window manager reports iconifying and restoring through the window's
// state property; the desktop follows as if the player had used the
// window's own commands.
TEST_F(X11Windows, IconifyAndRestoreByTheSystemReachTheWindowAsCommands) {
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(main); }));
  rec->Only({WM_SYSCOMMAND});
  SetWmState(main, IconicState);
  EXPECT_TRUE(RunUntil([&] { return IsIconic(main); }));
  SetWmState(main, NormalState);
  EXPECT_TRUE(RunUntil([&] { return !IsIconic(main); }));
  EXPECT_THAT(rec->Take(), ElementsAre("main WM_SYSCOMMAND 0xF020", "main WM_SYSCOMMAND 0xF120"));
}

TEST_F(X11Windows, WindowPlacedElsewhereByTheSystemMovesInTheDesktopToo) {
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(main); }));
  // What a window manager sends after placing the window at 140, 90.
  XEvent e{};
  e.xconfigure.type = ConfigureNotify;
  e.xconfigure.event = e.xconfigure.window = XWindow(main);
  e.xconfigure.x = 140;
  e.xconfigure.y = 90;
  e.xconfigure.width = 200;
  e.xconfigure.height = 150;
  XSendEvent(probe, XWindow(main), False, StructureNotifyMask, &e);
  Flush();
  EXPECT_TRUE(RunUntil([&] { return GetWindowRect(main) == gfx::Rect{140, 90, 340, 240}; }));
}

// The probe takes a window manager's part: requests on the program's
// windows come to it, and it carries them out one at a time, later than
// the program made them, as a busy window manager does.
class X11SlowWindowManager : public X11Test {
 protected:
  void SetUp() override {
    X11Test::SetUp();
    if (HasFatalFailure())
      return;
    ::Window root = DefaultRootWindow(probe);
    ::Window check = XCreateSimpleWindow(probe, root, 0, 0, 1, 1, 0, 0, 0);
    XChangeProperty(probe, root, XInternAtom(probe, "_NET_SUPPORTING_WM_CHECK", False), XA_WINDOW,
                    32, PropModeReplace, reinterpret_cast<unsigned char*>(&check), 1);
    XSelectInput(probe, root, SubstructureRedirectMask);
    XSync(probe, False);
    Open();
  }

  // Carries out the oldest request still waiting; false when none waits.
  // The places the program asked `window` to move to are kept in `asked`.
  bool CarryOutOne(HWND window) {
    XSync(probe, False);
    while (XPending(probe)) {
      XEvent e;
      XNextEvent(probe, &e);
      if (e.type == MapRequest) {
        XMapWindow(probe, e.xmaprequest.window);
      } else if (e.type == ConfigureRequest) {
        const XConfigureRequestEvent& r = e.xconfigurerequest;
        XWindowChanges changes{};
        changes.x = r.x;
        changes.y = r.y;
        changes.width = r.width;
        changes.height = r.height;
        changes.sibling = r.above;
        changes.stack_mode = r.detail;
        XConfigureWindow(probe, r.window,
                         static_cast<unsigned>(r.value_mask & ~(CWBorderWidth | CWSibling)),
                         &changes);
        if (r.window == XWindow(window) && (r.value_mask & (CWX | CWY)))
          asked.push_back({r.x, r.y});
      } else {
        continue;
      }
      XSync(probe, False);
      return true;
    }
    return false;
  }

  std::vector<gfx::Point> asked;
};

// A notice is placed several times before it is shown; the window manager
// carries the moves out afterwards, and the display reports each place.
// The program has left those places already: they are not moves, and the
// notice stays where the program put it last.
TEST_F(X11SlowWindowManager, PlacesTheProgramHasLeftAreNotTakenForMoves) {
  HWND notice = rec->Create("notice", WS_POPUP, {0, 0, 200, 150});
  for (gfx::Point at : {gfx::Point{100, 100}, gfx::Point{200, 150}, gfx::Point{300, 200}})
    SetWindowPos(notice, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ShowWindow(notice, SW_SHOWNOACTIVATE);
  backend->Sync();
  const gfx::Rect placed{300, 200, 500, 350};
  for (int i = 0; i < 20 && CarryOutOne(notice); ++i) {
    ASSERT_TRUE(RunSteps({Pause(30)}));
    EXPECT_EQ(GetWindowRect(notice), placed) << "after request " << i;
  }
  EXPECT_TRUE(Viewable(notice));
  EXPECT_EQ(XPosition(notice), placed.TopLeft());
  EXPECT_THAT(asked, ElementsAre(gfx::Point{100, 100}, gfx::Point{200, 150}, gfx::Point{300, 200}));
}

// Translucency is asked of a compositing manager through the window's
// opacity, a fraction of the largest 32-bit number.
TEST_F(X11Windows, LayeredAlphaBecomesTheWindowsOpacity) {
  HWND main =
      rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250}, nullptr, WS_EX_LAYERED);
  SetLayeredWindowAttributes(main, 0, 200, LWA_ALPHA);
  backend->Sync();
  std::vector<long> opacity = LongProperty(XWindow(main), "_NET_WM_WINDOW_OPACITY");
  ASSERT_EQ(opacity.size(), 1u);
  EXPECT_EQ(static_cast<std::uint32_t>(opacity[0]), 0xC8C8C8C8u);
  SetLayeredWindowAttributes(main, 0, 255, LWA_ALPHA);
  backend->Sync();
  EXPECT_TRUE(LongProperty(XWindow(main), "_NET_WM_WINDOW_OPACITY").empty());
}

TEST_F(X11Windows, WorkAreaIsWhatTheWindowManagerPublishesElseTheScreen) {
  EXPECT_EQ(backend->ScreenSize(), (gfx::Size{1024, 768}));
  EXPECT_EQ(backend->WorkArea(), (gfx::Rect{0, 0, 1024, 768}));
  long area[8] = {0, 0, 1024, 768, 0, 24, 1024, 720};
  long current = 1;
  XChangeProperty(probe, DefaultRootWindow(probe), XInternAtom(probe, "_NET_WORKAREA", False),
                  XA_CARDINAL, 32, PropModeReplace, reinterpret_cast<unsigned char*>(area), 8);
  XChangeProperty(probe, DefaultRootWindow(probe),
                  XInternAtom(probe, "_NET_CURRENT_DESKTOP", False), XA_CARDINAL, 32,
                  PropModeReplace, reinterpret_cast<unsigned char*>(&current), 1);
  Flush();
  gfx::Rect work;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  EXPECT_EQ(work, (gfx::Rect{0, 24, 1024, 744}));
}

TEST_F(X11Windows, ASizeSetByAnotherProgramIsPutBack) {
  // No window manager holds a window tool to the size hints here; the
  // window's picture fits one size only.
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(main); }));
  auto xSize = [&] {
    ::Window root = 0;
    int x = 0, y = 0;
    unsigned w = 0, h = 0, border = 0, depth = 0;
    XGetGeometry(probe, XWindow(main), &root, &x, &y, &w, &h, &border, &depth);
    return gfx::Size{static_cast<int>(w), static_cast<int>(h)};
  };
  XResizeWindow(probe, XWindow(main), 120, 90);
  Flush();
  // (The probe's own request reaches the display before its first look.)
  EXPECT_TRUE(RunUntil([&] { return xSize() == gfx::Size{200, 150}; }));
  EXPECT_EQ(XPosition(main), (gfx::Point{100, 100}));
}

TEST_F(X11Windows, TheKeyboardGoesBackToTheWindowItCameFromWhenTheLastWindowGoes) {
  // Without a window manager nobody else hands the keyboard on: another
  // program's window had it when ours took it, and has it back when ours
  // are gone, not before.
  XSetWindowAttributes a{};
  ::Window other = XCreateWindow(probe, DefaultRootWindow(probe), 600, 500, 100, 100, 0,
                                 CopyFromParent, InputOutput, CopyFromParent, 0, &a);
  XMapRaised(probe, other);
  XSync(probe, False);
  XSetInputFocus(probe, other, RevertToParent, CurrentTime);
  Flush();
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(main) && XFocus() == XWindow(main); }));
  HWND notice = rec->Create("notice", WS_POPUP | WS_CAPTION | WS_VISIBLE, {150, 150, 250, 200},
                            main, WS_EX_DLGMODALFRAME);
  ASSERT_TRUE(RunUntil([&] { return Viewable(notice) && XFocus() == XWindow(notice); }));
  DestroyWindow(notice);
  EXPECT_TRUE(RunUntil([&] { return XFocus() == XWindow(main); }));
  DestroyWindow(main);
  EXPECT_TRUE(RunUntil([&] { return XFocus() == other; }));
  XDestroyWindow(probe, other);
  Flush();
}

TEST_F(X11Windows, CloseRequestFromTheSystemClosesTheWindow) {
  HWND main = rec->Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 250});
  ASSERT_TRUE(RunUntil([&] { return Viewable(main); }));
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = XWindow(main);
  e.xclient.message_type = XInternAtom(probe, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = static_cast<long>(XInternAtom(probe, "WM_DELETE_WINDOW", False));
  XSendEvent(probe, XWindow(main), False, NoEventMask, &e);
  Flush();
  EXPECT_TRUE(RunUntil([&] { return !IsWindow(main); }));
}

// The loop wakes for a finished child and reaps it; nothing else would,
// since the loop has no other reason to look.
TEST_F(X11Windows, FinishedChildIsReapedByTheWaitingLoop) {
  ASSERT_GT(sys::StartProcess("/bin/true"), 0);
  EXPECT_TRUE(RunUntil([] { return sys::UnreapedChildCount() == 0; }));
}

}  // namespace
}  // namespace x11test
