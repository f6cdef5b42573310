// The screen and its one monitor, system metrics, parameters and the stock
// cursors.

#include "platform/win/Constants.h"
#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/ScreenApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

constexpr HMONITOR kMonitor{1};

}  // namespace

int GetSystemMetrics(int index) {
  gfx::Size screen = D().GetBackend().ScreenSize();
  switch (index) {
    case SM_CXSCREEN:
      return screen.cx;
    case SM_CYSCREEN:
      return screen.cy;
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
      return screen.cx + 12;
    case SM_CYMAXTRACK:
      return screen.cy + 12;
    case SM_CXDRAG:
    case SM_CYDRAG:
      return 4;
    case SM_CMONITORS:
      return 1;
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
  if (!IsWindow(hwnd) && flags == MONITOR_DEFAULTTONULL)
    return {};
  return kMonitor;
}

HMONITOR MonitorFromPoint(gfx::Point pt, DWORD flags) {
  gfx::Size s = D().GetBackend().ScreenSize();
  if (flags == MONITOR_DEFAULTTONULL && !gfx::Rect{0, 0, s.cx, s.cy}.Contains(pt))
    return {};
  return kMonitor;
}

bool GetMonitorInfo(HMONITOR monitor, MONITORINFO& info) {
  if (monitor != kMonitor)
    return false;
  Backend& b = D().GetBackend();
  gfx::Size s = b.ScreenSize();
  info.rcMonitor = {0, 0, s.cx, s.cy};
  info.rcWork = b.WorkArea();
  info.dwFlags = MONITORINFOF_PRIMARY;
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
