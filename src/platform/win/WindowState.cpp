// ShowWindow: showing and hiding, and the minimised and maximised states of
// top-level windows. A minimised window keeps WS_VISIBLE but leaves the
// screen, and the windows it owns leave with it; a maximised one fills the
// work area until it is restored.

#include <algorithm>

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/ScreenApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

// The windows a top-level window owns leave the screen with it and come
// back with it, hearing why through WM_SHOWWINDOW.
void ShowOwnedWindows(Desktop& d, HWND owner, bool show) {
  std::vector<HWND> owned;
  for (HWND h : d.topLevels) {
    Window* o = d.Find(h);
    if (o && o->owner == owner && (show ? o->hiddenWithOwner : (o->style & WS_VISIBLE) != 0))
      owned.push_back(h);
  }
  for (HWND h : owned) {
    SendMessage(h, WM_SHOWWINDOW, show ? TRUE : FALSE, show ? SW_PARENTOPENING : SW_PARENTCLOSING);
    if (Window* o = W(h))
      o->hiddenWithOwner = !show;
    SetWindowPos(h, nullptr, 0, 0, 0, 0,
                 (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW) | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER |
                     SWP_NOACTIVATE);
  }
}

void Minimize(Desktop& d, HWND hwnd, bool wasVisible) {
  if (!wasVisible)
    SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
  Window* w = W(hwnd);
  if (!w)
    return;
  w->style |= WS_MINIMIZE | WS_VISIBLE;
  d.GetBackend().MinimizeSurface(hwnd);
  // A drag of the window, or of anything in it, ends as it leaves the
  // screen.
  if (d.in.capture && (d.in.capture == hwnd || IsChild(hwnd, d.in.capture)))
    ReleaseCapture();
  if (d.in.systemMove == hwnd)
    d.in.systemMove = nullptr;
  ShowOwnedWindows(d, hwnd, false);
  SendMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
  if (d.in.active == hwnd)
    ActivateOther(hwnd);
}

void Unminimize(Desktop& d, HWND hwnd, bool activate) {
  Window* w = W(hwnd);
  w->style &= ~WS_MINIMIZE;
  d.GetBackend().ShowSurface(hwnd, true);
  gfx::Rect c = w->client;
  WPARAM kind = (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
  SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(c.Width(), c.Height()));
  if ((w = W(hwnd)))
    OnGeometryChanged(hwnd, ScreenRect(*w), false);
  ShowOwnedWindows(d, hwnd, true);
  if (activate && (w = W(hwnd)) && CanActivate(*w))
    Activate(hwnd, WA_ACTIVE);
}

// The maximised rectangle: the work area, widened by the frame so that the
// border lies just outside it, unless the procedure says otherwise.
gfx::Rect MaximizedRect(HWND hwnd) {
  Window* w = W(hwnd);
  MINMAXINFO info;
  DefaultGetMinMaxInfo(*w, info);
  int frame = -info.ptMaxPosition.x;
  gfx::Rect work;
  SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0);
  info.ptMaxPosition = {work.left - frame, work.top - frame};
  info.ptMaxSize = {work.Width() + 2 * frame, work.Height() + 2 * frame};
  SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return gfx::Rect::FromXYWH(info.ptMaxPosition.x, info.ptMaxPosition.y, info.ptMaxSize.x,
                             info.ptMaxSize.y);
}

void Maximize(HWND hwnd, bool activate) {
  Window* w = W(hwnd);
  if (!(w->style & WS_MAXIMIZE)) {
    w->restoreRect = w->rect;
    gfx::Rect r = MaximizedRect(hwnd);
    if (!(w = W(hwnd)))
      return;
    w->style |= WS_MAXIMIZE;
    SetWindowPos(
        hwnd, HWND_TOP, r.left, r.top, r.Width(), r.Height(),
        SWP_SHOWWINDOW | SWP_NOSENDCHANGING | SWP_FRAMECHANGED | (activate ? 0 : SWP_NOACTIVATE));
    return;
  }
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | (activate ? 0 : SWP_NOACTIVATE));
}

void Unmaximize(HWND hwnd, bool activate) {
  Window* w = W(hwnd);
  w->style &= ~WS_MAXIMIZE;
  gfx::Rect r = w->restoreRect;
  SetWindowPos(hwnd, HWND_TOP, r.left, r.top, r.Width(), r.Height(),
               SWP_SHOWWINDOW | SWP_FRAMECHANGED | (activate ? 0 : SWP_NOACTIVATE));
}

}  // namespace

bool ShowWindow(HWND hwnd, int command) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  Window* w = W(hwnd);
  if (!w)
    return false;
  const bool wasVisible = (w->style & WS_VISIBLE) != 0;
  const bool child = w->IsChild();
  const bool activate = !child && command != SW_SHOWNA && command != SW_SHOWNOACTIVATE &&
                        command != SW_SHOWMINNOACTIVE;

  if (command == SW_HIDE) {
    if (!wasVisible)
      return false;
    SendMessage(hwnd, WM_SHOWWINDOW, FALSE, 0);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
  }
  if (!child) {
    const bool minimized = (w->style & WS_MINIMIZE) != 0;
    const bool maximized = (w->style & WS_MAXIMIZE) != 0;
    if (command == SW_MINIMIZE || command == SW_SHOWMINIMIZED || command == SW_SHOWMINNOACTIVE) {
      if (!minimized)
        Minimize(d, hwnd, wasVisible);
      return wasVisible;
    }
    if (command == SW_SHOWMAXIMIZED) {
      if (minimized)
        Unminimize(d, hwnd, false);
      if (!wasVisible && W(hwnd))
        SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
      if (W(hwnd))
        Maximize(hwnd, true);
      return wasVisible;
    }
    if (minimized) {
      // Showing a minimised window restores it to its former state.
      Unminimize(d, hwnd, activate);
      return wasVisible;
    }
    if (maximized && (command == SW_RESTORE || command == SW_SHOWNORMAL)) {
      Unmaximize(hwnd, activate);
      return wasVisible;
    }
  }

  if (!wasVisible)
    SendMessage(hwnd, WM_SHOWWINDOW, TRUE, 0);
  // A top-level window shown without activation still comes to the top, as
  // a hint or a drop-down list must.
  UINT flags = SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE;
  if (child)
    flags |= SWP_NOACTIVATE | SWP_NOZORDER;
  else if (!activate)
    flags |= SWP_NOACTIVATE;
  SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
  return wasVisible;
}

bool IsZoomed(HWND hwnd) {
  Window* w = W(hwnd);
  return w && (w->style & WS_MAXIMIZE);
}

}  // namespace win
