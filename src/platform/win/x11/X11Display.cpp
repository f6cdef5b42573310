// Opening the display: the visual of our windows, the atoms, the window
// manager's abilities, the error handler, and where the screen begins.

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "platform/sys/SessionEnd.h"
#include "platform/win/Desktop.h"

// Last, as it brings in Xlib.
#include "platform/win/x11/X11Impl.h"

namespace win {

namespace {

// The backends whose errors the handler records, by display. Requests on
// windows the window manager has just destroyed or reparented fail
// harmlessly; the default handler would end the program for them, so the
// handler records and goes on.
std::map<Display*, X11Backend::Impl*>& Recorders() {
  static std::map<Display*, X11Backend::Impl*> recorders;
  return recorders;
}

int RecordError(Display* display, XErrorEvent* error) {
  auto it = Recorders().find(display);
  if (it == Recorders().end())
    return 0;
  X11Backend::Impl& m = *it->second;
  // A shared-memory attach fails on a display on another machine; the
  // presenter then goes through the connection.
  if (m.attachingShm) {
    m.attachFailed = true;
    return 0;
  }
  // The window manager's frames come and go without telling us, as does
  // another program's window we hand the keyboard back to; a request on one
  // that is gone is expected.
  if (m.byFrame.count(error->resourceid) || m.destroyedByOthers.count(error->resourceid) ||
      (m.focusBefore && error->resourceid == m.focusBefore))
    return 0;
  m.errors.push_back({error->error_code, error->request_code, error->resourceid});
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

}  // namespace

X11Backend::Impl::~Impl() {
  if (!display)
    return;
  Recorders().erase(display);
  DetachSharedPixels();
  if (connectionLost) {
    XCloseDisplay(display);
    return;
  }
  for (auto& [id, s] : surfaces)
    XDestroyWindow(display, s.window);
  for (auto& [id, c] : cursors)
    XFreeCursor(display, c);
  if (gc)
    XFreeGC(display, gc);
  if (alphaVisual)
    XFreeColormap(display, colormap);
  XCloseDisplay(display);
}

namespace {

// A 32-bit visual whose pixels hold blue, green, red and alpha, as our
// bitmaps do (with the unused byte made opaque).
bool FindAlphaVisual(Display* dpy, int screen, XVisualInfo& out) {
  if (!XMatchVisualInfo(dpy, screen, 32, TrueColor, &out))
    return false;
  return out.red_mask == 0xFF0000 && out.green_mask == 0xFF00 && out.blue_mask == 0xFF;
}

// The modifier bit of the Alt keys, which is Mod1 on nearly every keyboard
// map but not all.
unsigned FindAltMask(Display* dpy) {
  unsigned mask = Mod1Mask;
  XModifierKeymap* map = XGetModifierMapping(dpy);
  if (!map)
    return mask;
  for (int mod = Mod1MapIndex; mod <= Mod5MapIndex; ++mod) {
    for (int k = 0; k < map->max_keypermod; ++k) {
      KeyCode code = map->modifiermap[mod * map->max_keypermod + k];
      KeySym sym = code ? XkbKeycodeToKeysym(dpy, code, 0, 0) : NoSymbol;
      if (sym == XK_Alt_L || sym == XK_Alt_R) {
        mask = 1u << mod;
        XFreeModifiermap(map);
        return mask;
      }
    }
  }
  XFreeModifiermap(map);
  return mask;
}

// Whether the root lists `atom` among the window manager's supported hints.
bool Supported(Display* dpy, ::Window root, Atom list, Atom atom) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  bool found = false;
  if (XGetWindowProperty(dpy, root, list, 0, 4096, False, XA_ATOM, &type, &format, &count, &after,
                         &data) == Success &&
      data) {
    const auto* atoms = reinterpret_cast<const Atom*>(data);
    for (unsigned long i = 0; i < count && format == 32; ++i)
      found = found || atoms[i] == atom;
    XFree(data);
  }
  return found;
}

}  // namespace

std::unique_ptr<X11Backend> X11Backend::Open(const X11Options& options, std::string& error) {
  auto impl = std::make_unique<Impl>();
  impl->options = options;
  const char* name = options.displayName.empty() ? nullptr : options.displayName.c_str();
  impl->display = XOpenDisplay(name);
  if (!impl->display) {
    error = "cannot open the X display \"" + std::string(XDisplayName(name)) + "\"";
    return nullptr;
  }
  Recorders()[impl->display] = impl.get();
  XSetErrorHandler(RecordError);
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
  impl->colormap = DefaultColormap(dpy, impl->screen);
  // A display of fewer colours keeps its own visual: what it shows is
  // converted anyway, and no compositor runs on it.
  XVisualInfo alpha{};
  if (impl->depth == 24 && FindAlphaVisual(dpy, impl->screen, alpha)) {
    impl->visual = alpha.visual;
    impl->depth = alpha.depth;
    impl->colormap = XCreateColormap(dpy, impl->root, alpha.visual, AllocNone);
    impl->alphaVisual = true;
  }
  impl->altMask = FindAltMask(dpy);
  // The graphics context must match the depth of the windows drawn on.
  Pixmap sample = XCreatePixmap(dpy, impl->root, 1, 1, static_cast<unsigned>(impl->depth));
  XGCValues values{};
  values.graphics_exposures = False;
  impl->gc = XCreateGC(dpy, sample, GCGraphicsExposures, &values);
  XFreePixmap(dpy, sample);

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
                         "_NET_WM_WINDOW_TYPE_TOOLTIP",
                         "_NET_WM_STATE",
                         "_NET_WM_STATE_ABOVE",
                         "_NET_WM_STATE_SKIP_TASKBAR",
                         "_NET_WM_WINDOW_OPACITY",
                         "_NET_WORKAREA",
                         "_NET_CURRENT_DESKTOP",
                         "_NET_ACTIVE_WINDOW",
                         "_NET_WM_PID",
                         "_NET_SUPPORTING_WM_CHECK",
                         "_NET_SUPPORTED",
                         "_NET_WM_MOVERESIZE"};
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
  impl->systemMoves = impl->windowManager && Supported(dpy, impl->root, impl->atoms.netSupported,
                                                       impl->atoms.netWmMoveResize);
  int randrEvent = 0;
  int randrError = 0;
  int randrMajor = 0;
  int randrMinor = 0;
  impl->listsMonitors = XRRQueryExtension(dpy, &randrEvent, &randrError) &&
                        XRRQueryVersion(dpy, &randrMajor, &randrMinor) &&
                        (randrMajor > 1 || (randrMajor == 1 && randrMinor >= 5));
  impl->origin = impl->MonitorsOnRoot().front().bounds.TopLeft();
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

bool X11Backend::HasSystemMoves() const {
  return impl_->systemMoves;
}

std::vector<std::string> X11Backend::TakeErrors() {
  XSync(impl_->display, False);
  std::vector<std::string> out;
  for (const X11Error& e : impl_->errors)
    out.push_back("error " + std::to_string(e.code) + " of request " + std::to_string(e.request) +
                  " on resource " + std::to_string(e.resource));
  impl_->errors.clear();
  return out;
}

void X11Backend::Sync() {
  XSync(impl_->display, False);
}

}  // namespace win
