// The start-up baseline: a bare Xlib program that maps a window of the
// browser's size, paints it once with one XPutImage of a whole frame, and
// waits to be ended.

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <unistd.h>

#include <cstdlib>
#include <vector>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr)
    return 1;
  const int width = 774, height = 607;
  const int screen = DefaultScreen(display);
  Window window =
      XCreateSimpleWindow(display, RootWindow(display, screen), 125, 80, width, height, 0, 0, 0);
  XSelectInput(display, window, ExposureMask);
  XMapWindow(display, window);
  std::vector<unsigned> pixels(static_cast<size_t>(width) * height, 0xF4ECDCu);
  XImage* image =
      XCreateImage(display, DefaultVisual(display, screen), 24, ZPixmap, 0,
                   reinterpret_cast<char*>(pixels.data()), width, height, 32, width * 4);
  GC gc = XCreateGC(display, window, 0, nullptr);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
    if (event.type == Expose && event.xexpose.count == 0) {
      XPutImage(display, window, gc, image, 0, 0, 0, 0, width, height);
      XFlush(display);
    }
  }
}
