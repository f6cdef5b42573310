// The pointer: grabbing it for the capture and while a popup is open,
// noticing when the system breaks the grab, and handing caption drags to
// the window manager.

#include "platform/win/Desktop.h"

// Last, as it brings in Xlib.
#include "platform/win/x11/X11Impl.h"

namespace win {

namespace {

constexpr unsigned kGrabMask =
    ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask;

// How the window manager names a move in _NET_WM_MOVERESIZE.
constexpr long kMoveResizeMove = 8;

}  // namespace

bool X11Backend::Impl::QueryPointer(gfx::Point& at, unsigned& state) {
  ::Window rootReturn = 0;
  ::Window child = 0;
  int wx = 0;
  int wy = 0;
  return XQueryPointer(display, root, &rootReturn, &child, &at.x, &at.y, &wx, &wy, &state);
}

// The capture takes every pointer event for its window. Without it, an open
// popup (a drop-down list, a menu) still grabs the pointer, reporting events
// over our windows as usual: a press anywhere else then reaches us instead
// of the window manager, and closes the popup. A hint closes on no press
// and takes no input, so it grabs nothing: a press on another program
// while it is up belongs to that program.
void X11Backend::Impl::UpdateGrab() {
  ::Window want = 0;
  bool forCapture = false;
  if (X11Surface* c = Find(captureHwnd); c && c->viewable) {
    want = c->window;
    forCapture = true;
  } else if (!systemMove) {
    for (auto& [id, s] : surfaces)
      if (s.overrideRedirect && !s.info.inputTransparent && s.shown && s.viewable)
        want = s.window;
  }
  if (want == grabWindow && forCapture == grabForCapture)
    return;
  if (!want) {
    grabWindow = 0;
    grabForCapture = false;
    XUngrabPointer(display, CurrentTime);
    return;
  }
  grabSerial = NextRequest(display);
  int status = XGrabPointer(display, want, forCapture ? False : True, kGrabMask, GrabModeAsync,
                            GrabModeAsync, None, None, CurrentTime);
  grabWindow = status == GrabSuccess ? want : 0;
  grabForCapture = grabWindow && forCapture;
}

// The server ended our grab by itself: the grab window left the screen, or
// the window manager took the pointer. A drag that relied on it is over.
void X11Backend::Impl::GrabLost() {
  grabWindow = 0;
  const bool hadCapture = grabForCapture;
  grabForCapture = false;
  if (hadCapture && captureHwnd) {
    InputEvent e;
    e.kind = InputEvent::Kind::CaptureLost;
    e.hwnd = captureHwnd;
    Post(e);
  }
}

void X11Backend::CaptureSurface(HWND hwnd) {
  Impl& m = *impl_;
  const HWND old = m.captureHwnd;
  m.captureHwnd = hwnd;
  m.UpdateGrab();
  // Our own move loop has ended: the window manager may have kept the
  // window from where the loop put it.
  if (!hwnd && old)
    if (X11Surface* s = m.Find(old); s && !s->overrideRedirect && s->viewable)
      m.ReportPosition(*s, m.PositionOnScreen(*s), true);
  XFlush(m.display);
}

void X11Backend::WarpPointer(gfx::Point screen) {
  Impl& m = *impl_;
  const gfx::Point at = m.ToRoot(screen);
  XWarpPointer(m.display, None, m.root, 0, 0, 0, 0, at.x, at.y);
  XFlush(m.display);
  InputEvent e;
  e.kind = InputEvent::Kind::MouseMove;
  e.pt = screen;
  m.Post(e);
}

// Hands the drag to the window manager, which keeps windows where it wants
// them (on the screen, clear of panels) and is the only one that can move
// a window at all under a Wayland compositor.
bool X11Backend::BeginSystemMove(HWND hwnd, gfx::Point) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!m.systemMoves || !s || s->overrideRedirect || !s->viewable)
    return false;
  gfx::Point at;
  unsigned state = 0;
  // A press already released is a click: the window manager would start a
  // move that no release ends.
  if (!m.QueryPointer(at, state) || !(state & Button1Mask))
    return false;
  // The window manager can only take the pointer once we let it go.
  XUngrabPointer(m.display, m.lastInputTime);
  m.grabWindow = 0;
  m.grabForCapture = false;
  XEvent e{};
  e.xclient.type = ClientMessage;
  e.xclient.window = s->window;
  e.xclient.message_type = m.atoms.netWmMoveResize;
  e.xclient.format = 32;
  e.xclient.data.l[0] = at.x;
  e.xclient.data.l[1] = at.y;
  e.xclient.data.l[2] = kMoveResizeMove;
  e.xclient.data.l[3] = Button1;
  e.xclient.data.l[4] = 1;  // a request from an application
  XSendEvent(m.display, m.root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  XFlush(m.display);
  m.systemMove = hwnd;
  return true;
}

// The window manager says nothing when a move ends; the button it was
// started with being up again tells.
void X11Backend::Impl::CheckSystemMove() {
  if (!systemMove)
    return;
  gfx::Point at;
  unsigned state = 0;
  if (QueryPointer(at, state) && (state & Button1Mask))
    return;
  EndSystemMove();
}

void X11Backend::Impl::EndSystemMove() {
  const HWND hwnd = systemMove;
  systemMove = nullptr;
  if (X11Surface* s = Find(hwnd); s && s->viewable)
    ReportPosition(*s, PositionOnScreen(*s), true);
  InputEvent e;
  e.kind = InputEvent::Kind::SystemMoveEnded;
  e.hwnd = hwnd;
  Post(e);
  UpdateGrab();
}

}  // namespace win
