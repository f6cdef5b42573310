// Opening the display and keeping each top-level window's X window in step
// with the desktop: placement, stacking, visibility, shape, title, opacity,
// focus and cursor.

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

#include "platform/gfx/Region.h"
#include "platform/sys/SessionEnd.h"
#include "platform/win/Constants.h"
#include "platform/win/Desktop.h"

// Last, as it brings in Xlib.
#include "platform/win/x11/X11Impl.h"

namespace win {

namespace {

// Requests on windows the window manager has just destroyed or reparented
// fail harmlessly; the default handler would end the program for them.
int IgnoreErrors(Display*, XErrorEvent*) {
  return 0;
}

// Losing the display leaves nothing to show and no way to ask the player,
// but the player's choices are still to be saved: instead of the process
// exit Xlib would make, the loss becomes a request to end the session, and
// the program closes in order without sending the display anything more.
int ConnectionLost(Display*) {
  std::fprintf(stderr, "The connection to the X display was lost.\n");
  return 0;
}

void ContinueAfterConnectionLost(Display*, void* impl) {
  static_cast<X11Backend::Impl*>(impl)->connectionLost = true;
  sys::RequestSessionEnd();
}

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

X11Backend::Impl::~Impl() {
  if (!display)
    return;
  if (connectionLost) {
    for (auto& [id, s] : surfaces)
      FreeShm(s);
    XCloseDisplay(display);
    return;
  }
  for (auto& [id, s] : surfaces) {
    FreeShm(s);
    XDestroyWindow(display, s.window);
  }
  for (auto& [id, c] : cursors)
    XFreeCursor(display, c);
  if (gc)
    XFreeGC(display, gc);
  XCloseDisplay(display);
}

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
  hints.x = s.info.bounds.left;
  hints.y = s.info.bounds.top;
  hints.min_width = hints.max_width = std::max(s.info.bounds.Width(), 1);
  hints.min_height = hints.max_height = std::max(s.info.bounds.Height(), 1);
  XSetWMNormalHints(display, s.window, &hints);
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
  focusSerial = NextRequest(display);
  if (windowManager) {
    XEvent e{};
    e.xclient.type = ClientMessage;
    e.xclient.window = target->window;
    e.xclient.message_type = atoms.netActiveWindow;
    e.xclient.format = 32;
    e.xclient.data.l[0] = 1;  // a request from an application
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &e);
  }
  XSetInputFocus(display, target->window, RevertToParent, CurrentTime);
}

std::unique_ptr<X11Backend> X11Backend::Open(const X11Options& options, std::string& error) {
  auto impl = std::make_unique<Impl>();
  impl->options = options;
  const char* name = options.displayName.empty() ? nullptr : options.displayName.c_str();
  impl->display = XOpenDisplay(name);
  if (!impl->display) {
    error = "cannot open the X display \"" + std::string(XDisplayName(name)) + "\"";
    return nullptr;
  }
  XSetErrorHandler(IgnoreErrors);
  XSetIOErrorHandler(ConnectionLost);
  XSetIOErrorExitHandler(impl->display, ContinueAfterConnectionLost, impl.get());
  Display* dpy = impl->display;
  impl->screen = DefaultScreen(dpy);
  impl->root = RootWindow(dpy, impl->screen);
  impl->visual = DefaultVisual(dpy, impl->screen);
  impl->depth = DefaultDepth(dpy, impl->screen);
  if (impl->visual->c_class != TrueColor) {
    error = "the X display offers no true-colour visual";
    return nullptr;
  }
  XGCValues values{};
  values.graphics_exposures = False;
  impl->gc = XCreateGC(dpy, impl->root, GCGraphicsExposures, &values);

  // Our bitmaps hold blue, green, red and an unused byte, least significant
  // first: a 24- or 32-bit visual with these masks takes them as they are.
  int bitsPerPixel = 0;
  int formats = 0;
  if (XPixmapFormatValues* list = XListPixmapFormats(dpy, &formats)) {
    for (int i = 0; i < formats; ++i)
      if (list[i].depth == impl->depth)
        bitsPerPixel = list[i].bits_per_pixel;
    XFree(list);
  }
  impl->directPixels = bitsPerPixel == 32 && impl->visual->red_mask == 0xFF0000 &&
                       impl->visual->green_mask == 0xFF00 && impl->visual->blue_mask == 0xFF;
  impl->shmAvailable = options.useSharedMemory && impl->directPixels && XShmQueryExtension(dpy);
  int shapeEvent = 0;
  int shapeError = 0;
  if (!XShapeQueryExtension(dpy, &shapeEvent, &shapeError)) {
    error = "the X display cannot shape windows (no SHAPE extension)";
    return nullptr;
  }

  const char* names[] = {"WM_PROTOCOLS",
                         "WM_DELETE_WINDOW",
                         "WM_STATE",
                         "UTF8_STRING",
                         "_NET_WM_NAME",
                         "_NET_WM_ICON_NAME",
                         "_MOTIF_WM_HINTS",
                         "_NET_WM_WINDOW_TYPE",
                         "_NET_WM_WINDOW_TYPE_NORMAL",
                         "_NET_WM_WINDOW_TYPE_DIALOG",
                         "_NET_WM_WINDOW_TYPE_UTILITY",
                         "_NET_WM_WINDOW_TYPE_POPUP_MENU",
                         "_NET_WM_STATE",
                         "_NET_WM_STATE_ABOVE",
                         "_NET_WM_STATE_SKIP_TASKBAR",
                         "_NET_WM_WINDOW_OPACITY",
                         "_NET_WORKAREA",
                         "_NET_CURRENT_DESKTOP",
                         "_NET_ACTIVE_WINDOW",
                         "_NET_WM_PID",
                         "_NET_SUPPORTING_WM_CHECK"};
  static_assert(sizeof(X11Atoms) == sizeof(names) / sizeof(names[0]) * sizeof(Atom));
  XInternAtoms(dpy, const_cast<char**>(names), sizeof(names) / sizeof(names[0]), False,
               reinterpret_cast<Atom*>(&impl->atoms));

  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(dpy, impl->root, impl->atoms.netSupportingWmCheck, 0, 1, False, XA_WINDOW,
                         &type, &format, &count, &after, &data) == Success) {
    impl->windowManager = count == 1;
    XFree(data);
  }
  return std::unique_ptr<X11Backend>(new X11Backend(std::move(impl)));
}

X11Backend::X11Backend(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

X11Backend::~X11Backend() = default;

unsigned long X11Backend::NativeWindow(HWND hwnd) const {
  X11Surface* s = impl_->Find(hwnd);
  return s ? s->window : 0;
}

bool X11Backend::UsesSharedMemory() const {
  return impl_->shmAvailable;
}

bool X11Backend::HasWindowManager() const {
  return impl_->windowManager;
}

void X11Backend::Sync() {
  XSync(impl_->display, False);
}

gfx::Size X11Backend::ScreenSize() const {
  return {DisplayWidth(impl_->display, impl_->screen),
          DisplayHeight(impl_->display, impl_->screen)};
}

// The window manager publishes the part of the screen its panels leave
// free, one rectangle per virtual desktop; without it the whole screen is
// the work area.
gfx::Rect X11Backend::WorkArea() const {
  Impl& m = *impl_;
  const gfx::Size size = ScreenSize();
  const gfx::Rect screen{0, 0, size.cx, size.cy};
  long desktopIndex = 0;
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(m.display, m.root, m.atoms.netCurrentDesktop, 0, 1, False, XA_CARDINAL,
                         &type, &format, &count, &after, &data) == Success) {
    if (count == 1 && format == 32)
      desktopIndex = *reinterpret_cast<long*>(data);
    XFree(data);
  }
  data = nullptr;
  gfx::Rect area = screen;
  if (XGetWindowProperty(m.display, m.root, m.atoms.netWorkarea, 0, 1024, False, XA_CARDINAL, &type,
                         &format, &count, &after, &data) == Success) {
    const auto* v = reinterpret_cast<const long*>(data);
    if (format == 32 && desktopIndex >= 0 &&
        count >= static_cast<unsigned long>(desktopIndex) * 4 + 4) {
      const long* r = v + desktopIndex * 4;
      gfx::Rect published = gfx::Rect::FromXYWH(static_cast<int>(r[0]), static_cast<int>(r[1]),
                                                static_cast<int>(r[2]), static_cast<int>(r[3]));
      gfx::Rect inside = published.Intersect(screen);
      if (!inside.IsEmpty())
        area = inside;
    }
    XFree(data);
  }
  return area;
}

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
  a.background_pixmap = None;
  a.border_pixel = 0;
  a.bit_gravity = NorthWestGravity;
  a.colormap = DefaultColormap(m.display, m.screen);
  a.override_redirect = s.overrideRedirect ? True : False;
  a.cursor = m.cursor;
  a.event_mask = ExposureMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask |
                 EnterWindowMask | LeaveWindowMask | KeyPressMask | KeyReleaseMask |
                 FocusChangeMask | StructureNotifyMask | PropertyChangeMask;
  const gfx::Rect& b = info.bounds;
  s.window = XCreateWindow(
      m.display, m.root, b.left, b.top, static_cast<unsigned>(std::max(b.Width(), 1)),
      static_cast<unsigned>(std::max(b.Height(), 1)), 0, m.depth, InputOutput, m.visual,
      CWBackPixmap | CWBorderPixel | CWBitGravity | CWColormap | CWOverrideRedirect | CWEventMask |
          CWCursor,
      &a);

  XWMHints wmHints{};
  wmHints.flags = InputHint | StateHint;
  wmHints.input = s.overrideRedirect ? False : True;
  wmHints.initial_state = NormalState;
  XSetWMHints(m.display, s.window, &wmHints);
  std::string instance = m.options.programName.empty() ? "tilebrook" : m.options.programName;
  std::string className = instance;
  className[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(className[0])));
  XClassHint classHint{instance.data(), className.data()};
  XSetClassHint(m.display, s.window, &classHint);
  XSetWMProtocols(m.display, s.window, &m.atoms.wmDeleteWindow, 1);
  long pid = getpid();
  m.SetProperty(s.window, m.atoms.netWmPid, XA_CARDINAL, 32, &pid, 1);
  MotifHints motif;
  m.SetProperty(s.window, m.atoms.motifWmHints, m.atoms.motifWmHints, 32, &motif, 5);
  Atom windowType = s.overrideRedirect ? m.atoms.typePopupMenu
                    : info.dialog      ? m.atoms.typeDialog
                    : info.toolWindow  ? m.atoms.typeUtility
                    : info.owner       ? m.atoms.typeDialog
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
  m.FreeShm(*s);
  XDestroyWindow(m.display, s->window);
  m.byWindow.erase(s->window);
  if (m.pendingFocus == hwnd)
    m.pendingFocus = nullptr;
  if (m.pendingGrab == hwnd)
    m.pendingGrab = nullptr;
  m.surfaces.erase(hwnd.id);
  XFlush(m.display);
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
    XMapWindow(m.display, s->window);
  } else if (s->overrideRedirect) {
    XUnmapWindow(m.display, s->window);
  } else {
    XWithdrawWindow(m.display, s->window, m.screen);
  }
  XFlush(m.display);
}

void X11Backend::MinimizeSurface(HWND hwnd) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  s->minimized = true;
  if (m.windowManager && !s->overrideRedirect)
    XIconifyWindow(m.display, s->window, m.screen);
  else
    XUnmapWindow(m.display, s->window);
  XFlush(m.display);
}

void X11Backend::MoveSurface(HWND hwnd, const gfx::Rect& bounds) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  const bool resized = bounds.GetSize() != s->info.bounds.GetSize();
  s->info.bounds = bounds;
  if (resized) {
    m.FreeShm(*s);
    if (!s->overrideRedirect)
      m.SetNormalHints(*s);
  }
  s->moveSerial = NextRequest(m.display);
  XMoveResizeWindow(m.display, s->window, bounds.left, bounds.top,
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
  if (windows.size() > 1)
    XRestackWindows(m.display, windows.data(), static_cast<int>(windows.size()));
  else if (windows.size() == 1)
    XRaiseWindow(m.display, windows.front());
}

void X11Backend::SetSurfaceShape(HWND hwnd, const gfx::Region* shape) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  if (!s)
    return;
  if (!shape) {
    XShapeCombineMask(m.display, s->window, ShapeBounding, 0, 0, None, ShapeSet);
  } else {
    std::vector<XRectangle> rects;
    for (const gfx::Rect& r : shape->Rects())
      rects.push_back(XRectangle{static_cast<short>(r.left), static_cast<short>(r.top),
                                 static_cast<unsigned short>(r.Width()),
                                 static_cast<unsigned short>(r.Height())});
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
  const int size = static_cast<int>(title.size());
  m.SetProperty(s->window, m.atoms.netWmName, m.atoms.utf8String, 8, title.data(), size);
  m.SetProperty(s->window, m.atoms.netWmIconName, m.atoms.utf8String, 8, title.data(), size);
  std::string latin1 = Latin1(title);
  m.SetProperty(s->window, XA_WM_NAME, XA_STRING, 8, latin1.data(),
                static_cast<int>(latin1.size()));
  m.SetProperty(s->window, XA_WM_ICON_NAME, XA_STRING, 8, latin1.data(),
                static_cast<int>(latin1.size()));
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

// While a window holds the capture, the pointer is grabbed for it: the move
// loop must keep hearing of the pointer when it runs ahead of the window.
void X11Backend::CaptureSurface(HWND hwnd) {
  Impl& m = *impl_;
  X11Surface* s = m.Find(hwnd);
  m.grabbing = s && s->viewable;
  // A popup that has just been shown is not mapped yet: it is grabbed for
  // as soon as the display maps it.
  m.pendingGrab = s && !s->viewable ? hwnd : HWND{};
  if (m.grabbing) {
    XGrabPointer(
        m.display, s->window, False,
        ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask,
        GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
  } else {
    XUngrabPointer(m.display, CurrentTime);
  }
  XFlush(m.display);
}

void X11Backend::WarpPointer(gfx::Point screen) {
  Impl& m = *impl_;
  XWarpPointer(m.display, None, m.root, 0, 0, 0, 0, screen.x, screen.y);
  XFlush(m.display);
  InputEvent e;
  e.kind = InputEvent::Kind::MouseMove;
  e.pt = screen;
  m.Post(e);
}

}  // namespace win
