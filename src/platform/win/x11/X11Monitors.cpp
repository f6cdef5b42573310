// The display's monitors and work areas. The desktop's screen is the
// primary monitor, its top-left corner the origin of screen coordinates;
// the root window's coordinates are shifted by `origin` to give them.

#include "platform/win/x11/X11Backend.h"

// Last, as it brings in Xlib.
#include "platform/win/x11/X11Impl.h"

namespace win {

namespace {

// What the window manager publishes as free of its panels on the current
// virtual desktop, in root coordinates; empty when it publishes nothing.
gfx::Rect PublishedWorkArea(const X11Backend::Impl& m) {
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
  gfx::Rect published;
  if (XGetWindowProperty(m.display, m.root, m.atoms.netWorkarea, 0, 1024, False, XA_CARDINAL, &type,
                         &format, &count, &after, &data) == Success) {
    const auto* v = reinterpret_cast<const long*>(data);
    if (format == 32 && desktopIndex >= 0 &&
        count >= static_cast<unsigned long>(desktopIndex) * 4 + 4) {
      const long* r = v + desktopIndex * 4;
      published = gfx::Rect::FromXYWH(static_cast<int>(r[0]), static_cast<int>(r[1]),
                                      static_cast<int>(r[2]), static_cast<int>(r[3]));
    }
    XFree(data);
  }
  return published;
}

}  // namespace

// One work area is published for all monitors together; each monitor's is
// the part of it on that monitor, or the whole monitor when none of it is.
std::vector<MonitorArea> X11Backend::Impl::MonitorsOnRoot() const {
  const gfx::Rect whole{0, 0, DisplayWidth(display, screen), DisplayHeight(display, screen)};
  // A display that has gone away is asked nothing more.
  if (connectionLost)
    return {{whole, whole}};
  std::vector<MonitorArea> monitors;
  int count = 0;
  XRRMonitorInfo* listed = listsMonitors ? XRRGetMonitors(display, root, True, &count) : nullptr;
  for (int i = 0; i < count; ++i) {
    const XRRMonitorInfo& info = listed[i];
    const MonitorArea monitor{gfx::Rect::FromXYWH(info.x, info.y, info.width, info.height), {}};
    if (monitor.bounds.IsEmpty())
      continue;
    if (info.primary)
      monitors.insert(monitors.begin(), monitor);
    else
      monitors.push_back(monitor);
  }
  if (listed)
    XRRFreeMonitors(listed);
  if (monitors.empty())
    monitors.push_back({whole, {}});
  const gfx::Rect published = PublishedWorkArea(*this);
  for (MonitorArea& monitor : monitors) {
    monitor.work = published.Intersect(monitor.bounds);
    if (monitor.work.IsEmpty())
      monitor.work = monitor.bounds;
  }
  return monitors;
}

std::vector<MonitorArea> X11Backend::Monitors() const {
  const Impl& m = *impl_;
  std::vector<MonitorArea> monitors = m.MonitorsOnRoot();
  for (MonitorArea& monitor : monitors) {
    monitor.bounds = monitor.bounds.Offset(-m.origin.x, -m.origin.y);
    monitor.work = monitor.work.Offset(-m.origin.x, -m.origin.y);
  }
  return monitors;
}

gfx::Size X11Backend::ScreenSize() const {
  return Monitors().front().bounds.GetSize();
}

gfx::Rect X11Backend::WorkArea() const {
  return Monitors().front().work;
}

}  // namespace win
