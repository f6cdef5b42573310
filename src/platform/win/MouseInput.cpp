// Turning raw mouse input into messages: hit testing, capture, activation by
// click, double clicks, parent notices and mouse-leave tracking.

#include <cstdlib>

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

constexpr UINT kDoubleClickTime = 500;
constexpr int kDoubleClickHalfWidth = 2;  // half of SM_CXDOUBLECLK

int ButtonVk(MouseButton b) {
  return b == MouseButton::Left ? 0x01 : b == MouseButton::Right ? 0x02 : 0x04;
}

UINT ButtonMessage(MouseButton b, bool down, bool dbl, bool nonClient) {
  UINT base = b == MouseButton::Left    ? WM_LBUTTONDOWN
              : b == MouseButton::Right ? WM_RBUTTONDOWN
                                        : WM_MBUTTONDOWN;
  UINT m = base + (down ? (dbl ? 2 : 0) : 1);
  return nonClient ? m - WM_LBUTTONDOWN + WM_NCLBUTTONDOWN : m;
}

struct Target {
  HWND hwnd;
  LRESULT hit = HTNOWHERE;
};

// The window that gets the mouse at a screen point: the capture window, or
// the top-most window under the point that does not answer HTTRANSPARENT.
Target FindTarget(Desktop& d, gfx::Point pt) {
  if (d.in.capture)
    return {d.in.capture, HTCLIENT};
  HWND after = nullptr;
  while (HWND h = WindowAtPoint(pt, after)) {
    LRESULT hit = SendHitTest(h, pt);
    if (hit != HTTRANSPARENT && IsWindow(h))
      return {h, hit};
    after = h;
  }
  return {};
}

// Posts the leave notice asked for with TrackMouseEvent once the pointer is
// no longer over the tracked part of the tracked window.
void UpdateLeaveTracking(Desktop& d, HWND target, bool nonClient) {
  InputState& in = d.in;
  in.hoverWindow = target;
  in.hoverNonClient = nonClient;
  if (!in.trackWindow || in.capture)
    return;
  bool trackingFrame = (in.trackFlags & TME_NONCLIENT) != 0;
  if (target == in.trackWindow && nonClient == trackingFrame)
    return;
  PostMessage(in.trackWindow, trackingFrame ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
  in.trackWindow = nullptr;
  in.trackFlags = 0;
}

void NotifyParentsOfPress(HWND child, UINT downMessage, gfx::Point screen) {
  Window* w = W(child);
  if (!w || !w->IsChild() || (w->exStyle & WS_EX_NOPARENTNOTIFY))
    return;
  HWND h = child;
  while (Window* c = W(h)) {
    if (!c->IsChild() || (c->exStyle & WS_EX_NOPARENTNOTIFY))
      break;
    h = c->parent;
    gfx::Point local = screen;
    ScreenToClient(h, local);
    SendMessage(h, WM_PARENTNOTIFY, downMessage, MAKELPARAM(local.x, local.y));
  }
}

bool IsDoubleClick(const Desktop& d, HWND target, MouseButton button, bool nonClient, DWORD time,
                   gfx::Point pt) {
  const std::optional<LastPress>& last = d.in.lastPress;
  if (!last || last->hwnd != target || last->button != button || last->nonClient != nonClient)
    return false;
  if (time - last->time > kDoubleClickTime)
    return false;
  if (std::abs(pt.x - last->pt.x) > kDoubleClickHalfWidth ||
      std::abs(pt.y - last->pt.y) > kDoubleClickHalfWidth)
    return false;
  if (nonClient)
    return true;
  Window* w = W(target);
  return w && (w->windowClass->style & CS_DBLCLKS);
}

// Asks the clicked window whether the click activates its top-level window;
// false when the click is to be eaten.
bool ActivateByClick(Desktop& d, HWND target, LRESULT hit, UINT downMessage) {
  HWND root = GetAncestor(target, GA_ROOT);
  if (d.in.active == root)
    return true;
  LRESULT answer = SendMessage(target, WM_MOUSEACTIVATE, static_cast<WPARAM>(root.id),
                               MAKELPARAM(static_cast<int>(hit), static_cast<int>(downMessage)));
  Window* r = W(root);
  if ((answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT || answer == 0) && r &&
      !(r->exStyle & WS_EX_NOACTIVATE) && CanActivate(*r))
    Activate(root, WA_CLICKACTIVE);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

}  // namespace

namespace detail {

WPARAM MouseKeyFlags(const Desktop& d) {
  const auto& k = d.in.keys;
  WPARAM flags = 0;
  if (k[0x01] & 0x80)
    flags |= MK_LBUTTON;
  if (k[0x02] & 0x80)
    flags |= MK_RBUTTON;
  if (k[0x04] & 0x80)
    flags |= MK_MBUTTON;
  if (k[0x10] & 0x80)
    flags |= MK_SHIFT;
  if (k[0x11] & 0x80)
    flags |= MK_CONTROL;
  return flags;
}

bool RouteMouse(Desktop& d, const InputEvent& e, DWORD time, MSG& out) {
  Desktop::Busy busy(d);
  const gfx::Point pt = e.pt;
  using Kind = InputEvent::Kind;
  if (e.kind == Kind::ButtonDown || e.kind == Kind::ButtonUp)
    d.in.keys[ButtonVk(e.button)] = e.kind == Kind::ButtonDown ? 0x80 : 0;

  if (e.kind == Kind::Wheel) {
    HWND target = d.in.focus ? d.in.focus : d.in.active;
    if (!target)
      return false;
    out = MSG{target,
              WM_MOUSEWHEEL,
              MAKEWPARAM(static_cast<int>(MouseKeyFlags(d)), e.wheelDelta),
              MAKELPARAM(pt.x, pt.y),
              time,
              pt};
    return true;
  }

  Target t = FindTarget(d, pt);
  HWND root = t.hwnd ? GetAncestor(t.hwnd, GA_ROOT) : HWND{};
  bool usable = t.hwnd && t.hit != HTERROR && (d.in.capture || IsWindowEnabled(root));
  bool nonClient = usable && !d.in.capture && t.hit != HTCLIENT;
  UpdateLeaveTracking(d, usable ? t.hwnd : HWND{}, nonClient);
  if (!t.hwnd && !d.in.capture && e.kind == Kind::ButtonDown && d.in.active) {
    // A press outside every window of the program closes what the active
    // window has open (a drop-down list), as a press on another of its
    // controls would.
    SendMessage(d.in.active, WM_CANCELMODE);
  }
  if (!usable)
    return false;

  UINT message = WM_MOUSEMOVE;
  if (e.kind == Kind::ButtonDown) {
    UINT down = ButtonMessage(e.button, true, false, false);
    if (!d.in.capture) {
      if (!ActivateByClick(d, t.hwnd, t.hit, down) || !IsWindow(t.hwnd))
        return false;
      NotifyParentsOfPress(t.hwnd, down, pt);
      if (!IsWindow(t.hwnd))
        return false;
    }
    bool dbl = IsDoubleClick(d, t.hwnd, e.button, nonClient, time, pt);
    if (dbl)
      d.in.lastPress.reset();
    else
      d.in.lastPress = LastPress{t.hwnd, e.button, nonClient, time, pt};
    message = ButtonMessage(e.button, true, dbl, nonClient);
  } else if (e.kind == Kind::ButtonUp) {
    message = ButtonMessage(e.button, false, false, nonClient);
  } else if (nonClient) {
    message = WM_NCMOUSEMOVE;
  }

  if (!d.in.capture) {
    UINT trigger = e.kind == Kind::MouseMove
                       ? WM_MOUSEMOVE
                       : ButtonMessage(e.button, e.kind == Kind::ButtonDown, false, false);
    SendMessage(t.hwnd, WM_SETCURSOR, static_cast<WPARAM>(t.hwnd.id),
                MAKELPARAM(static_cast<int>(t.hit), static_cast<int>(trigger)));
    if (!IsWindow(t.hwnd))
      return false;
  }

  if (nonClient) {
    out = MSG{t.hwnd, message, static_cast<WPARAM>(t.hit), MAKELPARAM(pt.x, pt.y), time, pt};
  } else {
    gfx::Point local = pt;
    ScreenToClient(t.hwnd, local);
    out = MSG{t.hwnd, message, MouseKeyFlags(d), MAKELPARAM(local.x, local.y), time, pt};
  }
  return true;
}

}  // namespace detail

bool TrackMouseEvent(TRACKMOUSEEVENT& track) {
  Desktop& d = D();
  InputState& in = d.in;
  if (track.dwFlags & TME_CANCEL) {
    if (in.trackWindow == track.hwndTrack) {
      in.trackWindow = nullptr;
      in.trackFlags = 0;
    }
    return true;
  }
  if (!IsWindow(track.hwndTrack) || !(track.dwFlags & TME_LEAVE))
    return false;
  bool frame = (track.dwFlags & TME_NONCLIENT) != 0;
  // Asking while the pointer is already elsewhere gives the notice at once.
  if (in.hoverWindow != track.hwndTrack || in.hoverNonClient != frame) {
    PostMessage(track.hwndTrack, frame ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0);
    return true;
  }
  in.trackWindow = track.hwndTrack;
  in.trackFlags = track.dwFlags & (TME_LEAVE | TME_NONCLIENT);
  return true;
}

UINT GetDoubleClickTime() {
  return kDoubleClickTime;
}

bool GetCursorPos(gfx::Point& pt) {
  pt = D().in.cursorPos;
  return true;
}

bool SetCursorPos(int x, int y) {
  D().GetBackend().WarpPointer({x, y});
  return true;
}

}  // namespace win
