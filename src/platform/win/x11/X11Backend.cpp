// Keeping each top-level window's X window in step with the desktop:
// placement, stacking, visibility, shape, title, opacity, focus and cursor.

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

#include "platform/gfx/Region.h"
#include "platform/win/Constants.h"
#include "platform/win/Desktop.h"

// Last, as it brings in Xlib.
#include "platform/win/x11/X11Impl.h"

namespace win {

namespace {

// The Motif hints that ask window managers for no decoration at all.
struct MotifHints {
  unsigned long flags = 2;  // decorations given
  unsigned long functions = 0;
  unsigned long decorations = 0;
  long inputMode = 0;
  unsigned long status = 0;
};

// Window titles in the old STRING property are Latin-1; characters beyond
// it become "?" there (the UTF-8 property carries them exactly).
std::string Latin1(const std::string& utf8) {
  std::string out;
  for (std::size_t i = 0; i < utf8.size();) {
    auto c = static_cast<unsigned char>(utf8[i]);
    if (c < 0x80) {
      out += static_cast<char>(c);
      ++i;
    } else if ((c & 0xE0) == 0xC0 && i + 1 < utf8.size()) {
      unsigned code = ((c & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
      out += code < 0x100 ? static_cast<char>(code) : '?';
      i += 2;
    } else {
      out += '?';
      ++i;
      while (i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80)
        ++i;
    }
  }
  return out;
}

}  // namespace

X11Surface* X11Backend::Impl::Find(HWND hwnd) {
  auto it = surfaces.find(hwnd.id);
  return it == surfaces.end() ? nullptr : &it->second;
}

X11Surface* X11Backend::Impl::Find(::Window window) {
  auto it = byWindow.find(window);
  return it == byWindow.end() ? nullptr : Find(it->second);
}

void X11Backend::Impl::Post(const InputEvent& event) {
  if (desktop)
    desktop->PostInput(event);
}

void X11Backend::Impl::SetProperty(::Window w, Atom name, Atom type, int format, const void* data,
                                   int count) {
  XChangeProperty(display, w, name, type, format, PropModeReplace,
                  static_cast<const unsigned char*>(data), count);
}

// The program's windows have a fixed size; the window manager is told so,
// and that the program chose the position itself.
void X11Backend::Impl::SetNormalHints(const X11Surface& s) {
  XSizeHints hints{};
  hints.flags = USPosition | PPosition | PMinSize | PMaxSize;
  const gfx::Point at = ToRoot(s.info.bounds.TopLeft());
  hints.x = at.x;
  hints.y = at.y;
  hints.min_width = hints.max_width = std::max(s.info.bounds.Width(), 1);
  hints.min_height = hints.max_height = std::max(s.info.bounds.Height(), 1);
  XSetWMNormalHints(display, s.window, &hints);
}

// The time of the input that led to a request. Before any input (the first
// window shown at start-up) the server's present time is fetched through a
// property change, since window managers take a time of 0 for a bug.
Time X11Backend::Impl::InputTime() {
  if (lastInputTime != CurrentTime || surfaces.empty())
    return lastInputTime;
  ::Window w = surfaces.begin()->second.window;
  XChangeProperty(display, w, atoms.netWmPid, XA_CARDINAL, 32, PropModeAppend, nullptr, 0);
  XEvent e;
  XWindowEvent(display, w, PropertyChangeMask, &e);
  lastInputTime = e.xproperty.time;
  // The event is still of interest to the rest of the backend.
  XPutBackEvent(display, &e);
  return lastInputTime;
}

InputEvent::Held X11Backend::Impl::HeldFrom(unsigned state) const {
  return {.shift = (state & ShiftMask) != 0,
          .control = (state & ControlMask) != 0,
          .alt = (state & altMask) != 0,
          .left = (state & Button1Mask) != 0,
          .right = (state & Button3Mask) != 0,
          .middle = (state & Button2Mask) != 0};
}

Cursor X11Backend::Impl::CursorFor(HCURSOR cursor) {
  unsigned shape = XC_left_ptr;
  switch (cursor.id) {
    case IDC_HAND:
      shape = XC_hand2;
      break;
    case IDC_IBEAM:
      shape = XC_xterm;
      break;
    case IDC_WAIT:
      shape = XC_watch;
      break;
    case IDC_CROSS:
      shape = XC_crosshair;
      break;
    case IDC_SIZEWE:
      shape = XC_sb_h_double_arrow;
      break;
    case IDC_SIZENS:
      shape = XC_sb_v_double_arrow;
      break;
    case IDC_SIZENWSE:
      shape = XC_bottom_right_corner;
      break;
    case IDC_SIZENESW:
      shape = XC_bottom_left_corner;
      break;
    case IDC_SIZEALL:
      shape = XC_fleur;
      break;
    case IDC_NO:
      shape = XC_X_cursor;
      break;
    default:
      break;
  }
  auto [it, added] = cursors.try_emplace(static_cast<int>(shape), 0);
  if (added)
    it->second = XCreateFontCursor(display, shape);
  return it->second;
}

// Popups never take the keyboard; when one is activated, the keyboard stays
// with the window that owns it, and the desktop passes keys on from there.
void X11Backend::Impl::Focus(X11Surface& s) {
  X11Surface* target = &s;
  while (target && target->overrideRedirect)
    target = Find(target->info.owner);
  if (!target)
    return;
  if (!target->viewable) {
    pendingFocus = target->hwnd;
    return;
  }
  pendingFocus = nullptr;
  if (!windowManager)
    NoteFocusBefore();
  const Time time = InputTime();
  focusSerial = NextRequest(display);
  if (windowManager) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = target->window;
    e.xclient.message_type = atoms.netActiveWindow;
    e.xclient.format = 32;
    e.xclient.data.l[0] = 1;  // a request from an application
    e.xclient.data.l[1] = static_cast<long>(time);
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  }
  XSetInputFocus(display, target->window, RevertToParent, windowManager ? time : CurrentTime);
}

void X11Backend::Impl::NoteFocusBefore() {
  ::Window focus = 0;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  if (focus != None && focus != PointerRoot && focus != root && !Find(focus))
    focusBefore = focus;
}

void X11Backend::Impl::HandFocusBack(const X11Surface& leaving) {
  if (windowManager || !focusBefore || leaving.overrideRedirect)
    return;
  for (const auto& [id, other] : surfaces)
    if (&other != &leaving && other.shown && !other.overrideRedirect)
      return;  // the program still has a window to take the keyboard
  ::Window focus = 0;
  int revert = 0;
  XGetInputFocus(display, &focus, &revert);
  if (focus != leaving.window)
    return;
  // Only to a window still on the screen, asked without a request that
  // could fail on one that is gone.
  ::Window rootReturn = 0;
  ::Window parent = 0;
  ::Window* children = nullptr;
  unsigned count = 0;
  bool present = false;
  if (XQueryTree(display, root, &rootReturn, &parent, &children, &count)) {
    present = std::find(children, children + count, focusBefore) != children + count;
    XFree(children);
  }
  XWindowAttributes attributes{};
  if (present && XGetWindowAttributes(display, focusBefore, &attributes) &&
      attributes.map_state == IsViewable)
    XSetInputFocus(display, focusBefore, RevertToParent, CurrentTime);
}

namespace {

void PublishTitle(X11Backend::Impl& m, const X11Surface& s) {
  const int size = static_cast<int>(s.title.size());
  m.SetProperty(s.window, m.atoms.netWmName, m.atoms.utf8String, 8, s.title.data(), size);
  m.SetProperty(s.window, m.atoms.netWmIconName, m.atoms.utf8String, 8, s.title.data(), size);
  std::string latin1 = Latin1(s.title);
  m.SetProperty(s.window, XA_WM_NAME, XA_STRING, 8, latin1.data(), static_cast<int>(latin1.size()));
  m.SetProperty(s.window, XA_WM_ICON_NAME, XA_STRING, 8, latin1.data(),
                static_cast<int>(latin1.size()));
}

// Gives a window about to be shown for the first time the program's class
// and its title, before the window manager looks at it.
void NameSurface(X11Backend::Impl& m, X11Surface& s) {
  if (s.named)
    return;
  s.named = true;
  std::string instance = m.options.programName.empty() ? "tilebrook" : m.options.programName;
  std::string className = instance;
  className[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(className[0])));
  XClassHint classHint{instance.data(), className.data()};
  XSetClassHint(m.display, s.window, &classHint);
  PublishTitle(m, s);
}

// A move of a managed window is a request to the window manager, carried
// out later or not at all.
bool ManagedMove(const X11Backend::Impl& m, const X11Surface& s, const gfx::Rect& to) {
  return m.windowManager && !s.overrideRedirect && to.TopLeft() != s.info.bounds.TopLeft();
}

}  // namespace

void X11Backend::CreateSurface(HWND hwnd, const SurfaceInfo& info) {
  Impl& m = *impl_;
  DestroySurface(hwnd);
  X11Surface s;
  s.hwnd = hwnd;
  s.info = info;
  // Hints, drop-down lists and menus (owned popups and tool popups) live
  // outside the window manager; a popup of its own, such as a main window
  // without caption, is a normal window without decoration.
  s.overrideRedirect =
      info.popup && !info.dialog && (info.toolWindow || static_cast<bool>(info.owner));

  XSetWindowAttributes a{};
  // With the alpha visual, what was never drawn (outside the shape) is
  // transparent; otherwise it is left as the screen had it.
  a.background_pixmap = None;
  a.background_pixel = 0;
  a.border_pixel = 0;
  a.bit_gravity = NorthWestGravity;
  a.colormap = m.colormap;
  a.override_redirect = s.overrideRedirect ? True : False;
  a.cursor = m.cursor;
  a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                 EnterWindowMask | LeaveWindowMask | KeyPressMask | KeyReleaseMask |
                 FocusChangeMask | StructureNotifyMask | PropertyChangeMask;
  const gfx::Rect& b = info.bounds;
  const gfx::Point at = m.ToRoot(b.TopLeft());
  s.window = XCreateWindow(
      m.display, m.root, at.x, at.y, static_cast<unsigned>(std::max(b.Width(), 1)),
      static_cast<unsigned>(std::max(b.Height(), 1)), 0, m.depth, InputOutput, m.visual,
      (m.alphaVisual ? CWBackPixel : CWBackPixmap) | CWBorderPixel | CWBitGravity | CWColormap |
          CWOverrideRedirect | CWEventMask | CWCursor,
      &a);

  XWMHints wmHints{};
  wmHints.flags = InputHint | StateHint;
  wmHints.input = s.overrideRedirect ? False : True;
  wmHints.initial_state = NormalState;
  XSetWMHints(m.display, s.window, &wmHints);
  XSetWMProtocols(m.display, s.window, &m.atoms.wmDeleteWindow, 1);
  long pid = getpid();
  m.SetProperty(s.window, m.atoms.netWmPid, XA_CARDINAL, 32, &pid, 1);
  // The process number means something only on the machine that runs it.
  char host[256] = {};
  if (gethostname(host, sizeof host - 1) == 0)
    m.SetProperty(s.window, XA_WM_CLIENT_MACHINE, XA_STRING, 8, host,
                  static_cast<int>(std::strlen(host)));
  MotifHints motif;
  m.SetProperty(s.window, m.atoms.motifWmHints, m.atoms.motifWmHints, 32, &motif, 5);
  Atom windowType = s.overrideRedirect && info.inputTransparent ? m.atoms.typeTooltip
                    : s.overrideRedirect                        ? m.atoms.typePopupMenu
                    : info.dialog                               ? m.atoms.typeDialog
                    : info.toolWindow                           ? m.atoms.typeUtility
                    : info.owner                                ? m.atoms.typeDialog
                                                                : m.atoms.typeNormal;
  m.SetProperty(s.window, m.atoms.netWmWindowType, XA_ATOM, 32, &windowType, 1);
  Atom states[2];
  int stateCount = 0;
  if (info.topmost)
    states[stateCount++] = m.atoms.stateAbove;
  if (info.toolWindow)
    states[stateCount++] = m.atoms.stateSkipTaskbar;
  if (stateCount)
    m.SetProperty(s.window, m.atoms.netWmState, XA_ATOM, 32, states, stateCount);
  if (X11Surface* owner = m.Find(info.owner))
    XSetTransientForHint(m.display, s.window, owner->window);
  // An empty input shape lets presses through to what lies below, whatever
  // the window's visible shape becomes.
  if (info.inputTransparent)
    XShapeCombineRectangles(m.display, s.window, ShapeInput, 0, 0, nullptr, 0, ShapeSet, Unsorted);
  if (!s.overrideRedirect)
    m.SetNormalHints(s);

  m.byWindow[s.window] = hwnd;
  m.surfaces[hwnd.id] = s;
}

void X11Backend::DestroySurface(HWND hwnd) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  if (m.grabWindow == s->window)
    XUngrabPointer(m.display, CurrentTime);
  m.HandFocusBack(*s);
  XDestroyWindow(m.display, s->window);
  m.Forget(*s);
  XFlush(m.display);
}

void X11Backend::Impl::Forget(X11Surface& s) {
  const HWND hwnd = s.hwnd;
  if (s.frame)
    byFrame.erase(s.frame);
  if (grabWindow == s.window)
    grabWindow = 0;
  byWindow.erase(s.window);
  if (pendingFocus == hwnd)
    pendingFocus = nullptr;
  if (captureHwnd == hwnd)
    captureHwnd = nullptr;
  if (systemMove == hwnd)
    systemMove = nullptr;
  surfaces.erase(hwnd.id);
  UpdateGrab();
}

void X11Backend::ShowSurface(HWND hwnd, bool visible) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  s->shown = visible;
  if (visible) {
    // Mapping an iconified window is also how it is restored.
    s->minimized = false;
    NameSurface(m, *s);
    XMapWindow(m.display, s->window);
    // Without a window manager to ask (always, for a popup) the window is
    // mapped at once: its grab or focus can follow in the same breath,
    // before a press could slip by.
    if (s->overrideRedirect || !m.windowManager) {
      s->viewable = true;
      if (m.pendingFocus == hwnd)
        m.Focus(*s);
    }
  } else if (s->overrideRedirect) {
    XUnmapWindow(m.display, s->window);
  } else {
    m.HandFocusBack(*s);
    XWithdrawWindow(m.display, s->window, m.screen);
  }
  // Requests that need the window on the screen (focus) must not follow
  // its unmapping.
  if (!visible)
    s->viewable = false;
  m.UpdateGrab();
  XFlush(m.display);
}

void X11Backend::MinimizeSurface(HWND hwnd) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  s->minimized = true;
  if (m.windowManager && !s->overrideRedirect) {
    XIconifyWindow(m.display, s->window, m.screen);
  } else {
    s->hiddenSerial = NextRequest(m.display);
    XUnmapWindow(m.display, s->window);
  }
  s->viewable = false;
  m.UpdateGrab();
  XFlush(m.display);
}

void X11Backend::MoveSurface(HWND hwnd, const gfx::Rect& bounds) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  if (bounds == s->info.bounds)
    return;  // where the window is already, perhaps as the system reported it
  const bool resized = bounds.GetSize() != s->info.bounds.GetSize();
  if (ManagedMove(m, *s, bounds)) {
    // A window manager that never reports some of them (it may merge
    // requests) leaves a short list: only the latest moves are kept.
    constexpr std::size_t kMovesKept = 64;
    std::vector<gfx::Point>& flight = s->movesInFlight;
    if (flight.empty())
      flight.push_back(s->info.bounds.TopLeft());
    else if (flight.size() >= kMovesKept)
      flight.erase(flight.begin());
    flight.push_back(bounds.TopLeft());
  }
  s->info.bounds = bounds;
  if (resized && !s->overrideRedirect)
    m.SetNormalHints(*s);
  s->moveSerial = NextRequest(m.display);
  const gfx::Point at = m.ToRoot(bounds.TopLeft());
  XMoveResizeWindow(m.display, s->window, at.x, at.y,
                    static_cast<unsigned>(std::max(bounds.Width(), 1)),
                    static_cast<unsigned>(std::max(bounds.Height(), 1)));
  XFlush(m.display);
}

void X11Backend::RestackSurfaces(const std::vector<HWND>& topFirst) {
  Impl& m = *impl_;
  std::vector<::Window> windows;
  for (HWND h : topFirst)
    if (X11Surface* s = m.Find(h))
      windows.push_back(s->window);
  if (!m.windowManager) {
    if (windows.size() > 1)
      XRestackWindows(m.display, windows.data(), static_cast<int>(windows.size()));
    else if (windows.size() == 1)
      XRaiseWindow(m.display, windows.front());
    return;
  }
  // Under a window manager our windows are not siblings (each sits in a
  // frame): the topmost managed one is raised by request, and the popups,
  // which are the root's children, go above it in order.
  X11Surface* topManaged = nullptr;
  std::vector<::Window> popups;
  for (HWND h : topFirst) {
    X11Surface* s = m.Find(h);
    if (!s)
      continue;
    if (s->overrideRedirect)
      popups.push_back(s->window);
    else if (!topManaged)
      topManaged = s;
  }
  if (topManaged)
    XRaiseWindow(m.display, topManaged->window);
  for (auto it = popups.rbegin(); it != popups.rend(); ++it)
    XRaiseWindow(m.display, *it);
}

void X11Backend::SetSurfaceShape(HWND hwnd, const gfx::Region* shape) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  if (!shape) {
    XShapeCombineMask(m.display, s->window, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    auto toX = [](const std::vector<gfx::Rect>& list) {
      std::vector<XRectangle> out;
      out.reserve(list.size());
      for (const gfx::Rect& r : list)
        out.push_back(XRectangle{static_cast<short>(r.left), static_cast<short>(r.top),
                                 static_cast<unsigned short>(r.Width()),
                                 static_cast<unsigned short>(r.Height())});
      return out;
    };
    if (m.alphaVisual) {
      // A compositor shows the window's whole picture, shape or not: what
      // was drawn outside the new shape becomes transparent, while the
      // old shape still lets it be drawn on.
      XShapeCombineMask(m.display, s->window, ShapeBounding, 0, 0, None, ShapeSet);
      const gfx::Rect all{0, 0, s->info.bounds.Width(), s->info.bounds.Height()};
      std::vector<XRectangle> outside = toX(gfx::Region(all).Subtract(*shape).Rects());
      XSetForeground(m.display, m.gc, 0);
      if (!outside.empty())
        XFillRectangles(m.display, s->window, m.gc, outside.data(),
                        static_cast<int>(outside.size()));
    }
    std::vector<XRectangle> rects = toX(shape->Rects());
    XShapeCombineRectangles(m.display, s->window, ShapeBounding, 0, 0, rects.data(),
                            static_cast<int>(rects.size()), ShapeSet, YXBanded);
  }
  XFlush(m.display);
}

// Translucency is a request to the compositing manager; without one the
// window stays opaque.
void X11Backend::SetSurfaceAlpha(HWND hwnd, BYTE alpha) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  if (alpha == 255) {
    XDeleteProperty(m.display, s->window, m.atoms.netWmWindowOpacity);
  } else {
    unsigned long opacity = 0x01010101ul * alpha;
    m.SetProperty(s->window, m.atoms.netWmWindowOpacity, XA_CARDINAL, 32, &opacity, 1);
  }
  XFlush(m.display);
}

void X11Backend::SetSurfaceTitle(HWND hwnd, const std::string& title) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  s->title = title;
  if (!s->named)
    return;
  PublishTitle(m, *s);
  XFlush(m.display);
}

void X11Backend::ActivateSurface(HWND hwnd) {
  Impl& m = *impl_;
  if (X11Surface* s = m.Find(hwnd)) {
    m.Focus(*s);
    XFlush(m.display);
  }
}

// The window system has one cursor for the whole screen; every window of
// ours shows it.
void X11Backend::SetCursor(HCURSOR cursor) {
  Impl& m = *impl_;
  m.cursor = m.CursorFor(cursor);
  for (auto& [id, s] : m.surfaces)
    XDefineCursor(m.display, s.window, m.cursor);
  XFlush(m.display);
}

}  // namespace win
