// The screen (the primary monitor) and the other monitors, system metrics,
// parameters and the stock cursors.

#include "platform/win/Constants.h"
#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/ScreenApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

HMONITOR MonitorAt(std::size_t index) {
  return HMONITOR{static_cast<int>(index) + 1};
}

// How far apart two spans [lo, hi) are along one axis; 0 when they meet.
long long Gap(int lo, int hi, int otherLo, int otherHi) {
  if (hi <= otherLo)
    return static_cast<long long>(otherLo) - hi + 1;
  if (lo >= otherHi)
    return static_cast<long long>(lo) - otherHi + 1;
  return 0;
}

// The monitor the rectangle overlaps most; else, as `flags` say, none, the
// primary one or the nearest one. An empty rectangle stands for its corner.
HMONITOR MonitorFromRect(gfx::Rect r, DWORD flags) {
  if (r.IsEmpty())
    r = gfx::Rect::FromXYWH(r.left, r.top, 1, 1);
  const std::vector<MonitorArea> monitors = D().GetBackend().Monitors();
  std::size_t best = 0;
  long long bestArea = 0;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const gfx::Rect common = r.Intersect(monitors[i].bounds);
    const long long area = common.IsEmpty() ? 0 : 1LL * common.Width() * common.Height();
    if (area > bestArea) {
      best = i;
      bestArea = area;
    }
  }
  if (bestArea > 0)
    return MonitorAt(best);
  if (flags == MONITOR_DEFAULTTONULL || monitors.empty())
    return {};
  if (flags == MONITOR_DEFAULTTOPRIMARY)
    return MonitorAt(0);
  long long bestDistance = -1;
  for (std::size_t i = 0; i < monitors.size(); ++i) {
    const gfx::Rect& m = monitors[i].bounds;
    const long long dx = Gap(r.left, r.right, m.left, m.right);
    const long long dy = Gap(r.top, r.bottom, m.top, m.bottom);
    if (bestDistance < 0 || dx * dx + dy * dy < bestDistance) {
      best = i;
      bestDistance = dx * dx + dy * dy;
    }
  }
  return MonitorAt(best);
}

}  // namespace

int GetSystemMetrics(int index) {
  // The display is asked only for the metrics that depend on it.
  auto screen = [] { return D().GetBackend().ScreenSize(); };
  switch (index) {
    case SM_CXSCREEN:
      return screen().cx;
    case SM_CYSCREEN:
      return screen().cy;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
      return 16;
    case SM_CYCAPTION:
      return 19;
    case SM_CXBORDER:
    case SM_CYBORDER:
      return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
      return 3;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
      return 32;
    case SM_CYMENU:
      return 19;
    case SM_SWAPBUTTON:
      return 0;
    case SM_CXMIN:
      return 112;
    case SM_CYMIN:
      return 27;
    case SM_CXSIZE:
    case SM_CYSIZE:
      return 18;
    case SM_CXFRAME:
    case SM_CYFRAME:
      return 4;
    case SM_CXMINTRACK:
      return 112;
    case SM_CYMINTRACK:
      return 27;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
      return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
      return 2;
    case SM_CXSMICON:
    case SM_CYSMICON:
      return 16;
    case SM_CYSMCAPTION:
      return 15;
    case SM_CXMAXTRACK:
      return screen().cx + 12;
    case SM_CYMAXTRACK:
      return screen().cy + 12;
    case SM_CXDRAG:
    case SM_CYDRAG:
      return 4;
    case SM_CMONITORS:
      return static_cast<int>(D().GetBackend().Monitors().size());
    default:
      return 0;
  }
}

bool SystemParametersInfo(UINT action, UINT, void* out, UINT) {
  if (!out)
    return false;
  switch (action) {
    case SPI_GETWORKAREA:
      *static_cast<gfx::Rect*>(out) = D().GetBackend().WorkArea();
      return true;
    case SPI_GETDRAGFULLWINDOWS:
      // Windows are always moved with their contents.
      *static_cast<BOOL*>(out) = TRUE;
      return true;
    default:
      return false;
  }
}

HMONITOR MonitorFromWindow(HWND hwnd, DWORD flags) {
  if (!IsWindow(hwnd))
    return flags == MONITOR_DEFAULTTONULL ? HMONITOR{} : MonitorAt(0);
  return MonitorFromRect(GetWindowRect(hwnd), flags);
}

HMONITOR MonitorFromPoint(gfx::Point pt, DWORD flags) {
  return MonitorFromRect(gfx::Rect::FromXYWH(pt.x, pt.y, 1, 1), flags);
}

bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info) {
  const std::vector<MonitorArea> monitors = D().GetBackend().Monitors();
  const auto index = static_cast<std::size_t>(monitor.id - 1);
  if (monitor.id < 1 || index >= monitors.size())
    return false;
  info.rcMonitor = monitors[index].bounds;
  info.rcWork = monitors[index].work;
  info.dwFlags = index == 0 ? MONITORINFOF_PRIMARY : 0;
  return true;
}

HCURSOR LoadCursor(std::nullptr_t, int id) {
  switch (id) {
    case IDC_ARROW:
    case IDC_IBEAM:
    case IDC_WAIT:
    case IDC_CROSS:
    case IDC_SIZENWSE:
    case IDC_SIZENESW:
    case IDC_SIZEWE:
    case IDC_SIZENS:
    case IDC_SIZEALL:
    case IDC_NO:
    case IDC_HAND:
      return HCURSOR{id};
    default:
      return nullptr;
  }
}

HCURSOR SetCursor(HCURSOR cursor) {
  Desktop& d = D();
  HCURSOR old = d.in.cursor;
  if (cursor != old) {
    d.in.cursor = cursor;
    d.GetBackend().SetCursor(cursor);
  }
  return old;
}

HCURSOR GetCursor() {
  return D().in.cursor;
}

}  // namespace win
