#include "X11Probe.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace x11probe {

bool TransientFor(_XDisplay* display, unsigned long window, unsigned long owner) {
  ::Window found = 0;
  return XGetTransientForHint(display, window, &found) && found == owner;
}

bool HasTransientFor(_XDisplay* display, unsigned long window) {
  ::Window found = 0;
  return XGetTransientForHint(display, window, &found) != 0;
}

bool DialogType(_XDisplay* display, unsigned long window) {
  Atom type = 0;
  int format = 0;
  unsigned long count = 0;
  unsigned long after = 0;
  unsigned char* data = nullptr;
  bool dialog = false;
  if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_WINDOW_TYPE", False), 0, 1,
                         False, XA_ATOM, &type, &format, &count, &after, &data) == Success &&
      data != nullptr) {
    dialog = count == 1 && *reinterpret_cast<Atom*>(data) ==
                               XInternAtom(display, "_NET_WM_WINDOW_TYPE_DIALOG", False);
    XFree(data);
  }
  return dialog;
}

bool PointerGrabbed(_XDisplay* display) {
  const int result = XGrabPointer(display, DefaultRootWindow(display), False, ButtonPressMask,
                                  GrabModeAsync, GrabModeAsync, None, None, CurrentTime);
  if (result == GrabSuccess)
    XUngrabPointer(display, CurrentTime);
  XSync(display, False);
  return result == AlreadyGrabbed;
}

unsigned long OtherProgramWindow(_XDisplay* display, int x, int y, int width, int height) {
  const ::Window window =
      XCreateSimpleWindow(display, DefaultRootWindow(display), x, y, static_cast<unsigned>(width),
                          static_cast<unsigned>(height), 0, 0, 0);
  XSelectInput(display, window, ButtonPressMask);
  XMapRaised(display, window);
  XSync(display, False);
  return window;
}

bool Mapped(_XDisplay* display, unsigned long window) {
  XWindowAttributes a{};
  return XGetWindowAttributes(display, window, &a) && a.map_state == IsViewable;
}

bool PressArrived(_XDisplay* display, unsigned long window) {
  XSync(display, False);
  XEvent e{};
  return XCheckTypedWindowEvent(display, window, ButtonPress, &e);
}

}  // namespace x11probe
