// Activation of top-level windows, keyboard focus and mouse capture.

#include <algorithm>

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

// The program as a whole became active or inactive: every top-level window
// hears of it.
void TellApplication(Desktop& d, bool active) {
  std::vector<HWND> tops = d.topLevels;
  for (HWND h : tops)
    SendMessage(h, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
}

}  // namespace

namespace detail {

bool CanActivate(const Window& w) {
  return w.IsTopLevel() && !w.destroying && ShownOnScreen(w) && !(w.style & WS_DISABLED);
}

void Activate(HWND hwnd, WORD how) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  if (hwnd)
    hwnd = GetAncestor(hwnd, GA_ROOT);
  HWND old = d.in.active;
  if (old == hwnd)
    return;
  // Activation brings the window (and the windows it owns) to the top.
  if (hwnd && !d.topLevels.empty() && d.topLevels.front() != hwnd)
    SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (W(old)) {
    SendMessage(old, WM_NCACTIVATE, FALSE, static_cast<LPARAM>(hwnd.id));
    SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsIconic(old) ? 1 : 0),
                static_cast<LPARAM>(hwnd.id));
  }
  if (d.in.active != old)
    return;  // a procedure activated another window meanwhile
  if (!W(hwnd)) {
    d.in.active = nullptr;
    TellApplication(d, false);
    SetFocus(nullptr);
    return;
  }
  if (!W(old))
    TellApplication(d, true);
  if (d.in.active != old || !W(hwnd))
    return;
  d.in.active = hwnd;
  d.GetBackend().ActivateSurface(hwnd);
  SendMessage(hwnd, WM_NCACTIVATE, TRUE, static_cast<LPARAM>(old.id));
  SendMessage(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsIconic(hwnd) ? 1 : 0),
              static_cast<LPARAM>(old.id));
  // Unless the procedure put the focus somewhere inside, the window itself
  // takes it.
  if (d.in.active == hwnd && W(hwnd) && (!d.in.focus || GetAncestor(d.in.focus, GA_ROOT) != hwnd))
    SetFocus(hwnd);
}

void ActivateOther(HWND leaving) {
  Desktop& d = D();
  Window* w = W(leaving);
  if (w) {
    Window* owner = W(w->owner);
    if (owner && CanActivate(*owner)) {
      Activate(owner->hwnd, WA_ACTIVE);
      return;
    }
  }
  for (HWND h : d.topLevels) {
    Window* o = W(h);
    if (h != leaving && o && CanActivate(*o) && !(o->exStyle & WS_EX_TOOLWINDOW) &&
        !(o->exStyle & WS_EX_NOACTIVATE)) {
      Activate(h, WA_ACTIVE);
      return;
    }
  }
  Activate(nullptr, WA_INACTIVE);
}

void ForgetWindow(Desktop& d, HWND hwnd) {
  InputState& in = d.in;
  if (in.capture == hwnd) {
    in.capture = nullptr;
    d.GetBackend().CaptureSurface(nullptr);
  }
  if (in.focus == hwnd)
    in.focus = nullptr;
  if (in.active == hwnd)
    in.active = nullptr;
  if (in.hoverWindow == hwnd)
    in.hoverWindow = nullptr;
  if (in.trackWindow == hwnd) {
    in.trackWindow = nullptr;
    in.trackFlags = 0;
  }
  if (in.lastPress && in.lastPress->hwnd == hwnd)
    in.lastPress.reset();
}

}  // namespace detail

HWND SetFocus(HWND hwnd) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  HWND old = d.in.focus;
  if (hwnd && !W(hwnd))
    return nullptr;
  if (hwnd) {
    HWND root = GetAncestor(hwnd, GA_ROOT);
    if (d.in.active != root) {
      Activate(root, WA_ACTIVE);
      old = d.in.focus;
    }
  }
  if (old == hwnd)
    return old;
  d.in.focus = hwnd;
  if (W(old))
    SendMessage(old, WM_KILLFOCUS, static_cast<WPARAM>(hwnd.id), 0);
  if (hwnd && d.in.focus == hwnd)
    SendMessage(hwnd, WM_SETFOCUS, static_cast<WPARAM>(old.id), 0);
  return old;
}

HWND GetFocus() {
  return D().in.focus;
}

HWND SetActiveWindow(HWND hwnd) {
  Desktop& d = D();
  HWND old = d.in.active;
  Window* w = W(hwnd);
  if (!w || !w->IsTopLevel())
    return nullptr;
  Activate(hwnd, WA_ACTIVE);
  return old;
}

HWND GetActiveWindow() {
  return D().in.active;
}

HWND GetForegroundWindow() {
  return D().in.active;
}

bool SetForegroundWindow(HWND hwnd) {
  if (!W(hwnd))
    return false;
  Activate(hwnd, WA_ACTIVE);
  return true;
}

HWND SetCapture(HWND hwnd) {
  Desktop& d = D();
  HWND old = d.in.capture;
  if (!W(hwnd) || old == hwnd)
    return old;
  d.in.capture = hwnd;
  d.GetBackend().CaptureSurface(GetAncestor(hwnd, GA_ROOT));
  if (W(old))
    SendMessage(old, WM_CAPTURECHANGED, 0, static_cast<LPARAM>(hwnd.id));
  return old;
}

bool ReleaseCapture() {
  Desktop& d = D();
  HWND old = d.in.capture;
  d.in.capture = nullptr;
  if (old)
    d.GetBackend().CaptureSurface(nullptr);
  if (W(old))
    SendMessage(old, WM_CAPTURECHANGED, 0, 0);
  return true;
}

HWND GetCapture() {
  return D().in.capture;
}

}  // namespace win
