// Sending and posting, and the message loop's choice of the next message.

#include <algorithm>

#include "platform/sys/SessionEnd.h"
#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

bool InRange(UINT message, UINT min, UINT max) {
  return (min == 0 && max == 0) || (message >= min && message <= max);
}

bool ForWindow(HWND target, HWND filter) {
  return !filter || target == filter || IsChild(filter, target);
}

// Whether a filter could accept any input message, so that raw input is
// worth routing.
bool RangeTakesInput(UINT min, UINT max) {
  if (min == 0 && max == 0)
    return true;
  auto overlaps = [&](UINT lo, UINT hi) { return min <= hi && max >= lo; };
  return overlaps(WM_KEYFIRST, WM_KEYLAST) || overlaps(WM_MOUSEFIRST, WM_MOUSELAST) ||
         overlaps(WM_NCMOUSEMOVE, WM_NCMBUTTONDBLCLK);
}

bool TakeFrom(std::deque<MSG>& queue, HWND filter, UINT min, UINT max, bool remove, MSG& out) {
  for (auto it = queue.begin(); it != queue.end(); ++it) {
    if (!InRange(it->message, min, max) || (it->hwnd && !ForWindow(it->hwnd, filter)) ||
        (!it->hwnd && filter))
      continue;
    out = *it;
    if (remove && it == queue.begin())
      queue.pop_front();  // the usual case, much cheaper than a general erase
    else if (remove)
      queue.erase(it);
    return true;
  }
  return false;
}

// Routes raw input until one event becomes a message (or none is left).
bool RouteNextInput(Desktop& d) {
  while (!d.rawInput.empty()) {
    auto [event, time] = d.rawInput.front();
    d.rawInput.pop_front();
    MSG msg;
    bool routed = false;
    TakeHeldState(event, &d.in.keys, nullptr);
    if (event.held && !event.held->alt)
      d.in.altAlone = false;
    switch (event.kind) {
      case InputEvent::Kind::KeyDown:
      case InputEvent::Kind::KeyUp:
        routed = RouteKey(d, event, time, msg);
        break;
      case InputEvent::Kind::FocusChange: {
        // Activation from outside, in its place among the other input.
        Window* w = d.Find(event.hwnd);
        if (!event.hwnd) {
          // Another program has the keyboard: nothing of ours keeps the
          // mouse either.
          if (d.in.capture)
            ReleaseCapture();
          Activate(nullptr, WA_INACTIVE);
        } else if (w && CanActivate(*w)) {
          Activate(event.hwnd, WA_ACTIVE);
        }
        break;
      }
      case InputEvent::Kind::Moved: {
        // The window is where the system put it; the procedure hears of it
        // as of any move, in its place among the other input, and what it
        // has open (a drop-down list) closes, as the list would otherwise
        // stay behind. Our own move loop, which holds the capture, has
        // closed them already.
        Window* w = d.Find(event.hwnd);
        if (w && w->IsTopLevel() && w->rect.TopLeft() != event.pt) {
          SetWindowPos(event.hwnd, nullptr, event.pt.x, event.pt.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
          if (IsWindow(event.hwnd) && !d.in.capture)
            SendMessage(event.hwnd, WM_CANCELMODE);
        }
        break;
      }
      case InputEvent::Kind::CaptureLost:
        if (d.in.capture)
          ReleaseCapture();
        break;
      case InputEvent::Kind::KeyReleasedElsewhere: {
        // Up, with its toggle kept; in its place among the other input, so
        // that a press before it still reads as held.
        BYTE& key = d.in.keys[event.vk & 0xFF];
        key = static_cast<BYTE>(key & 1);
        break;
      }
      case InputEvent::Kind::SystemMoveEnded:
        if (d.in.systemMove == event.hwnd)
          d.in.systemMove = nullptr;
        break;
      default:
        routed = RouteMouse(d, event, time, msg);
        break;
    }
    if (routed) {
      d.routedInput.push_back(msg);
      return true;
    }
  }
  return false;
}

// A request to end the session reaches the loops as one quit message: it
// ends every nested loop (notices, menus, moving) and then the program's.
void NoteSessionEnd(Desktop& d) {
  if (!sys::SessionEnding()) {
    // A request that was withdrawn (by a test) may come again.
    d.sessionEndPosted = false;
    return;
  }
  if (d.sessionEndPosted)
    return;
  d.sessionEndPosted = true;
  d.quitPosted = true;
  d.quitCode = 0;
}

// The next message in the classic order, without waiting.
bool Take(Desktop& d, MSG& msg, HWND filter, UINT min, UINT max, bool remove) {
  NoteSessionEnd(d);
  if (TakeFrom(d.posted, filter, min, max, remove, msg))
    return true;
  if (d.quitPosted && !filter && InRange(WM_QUIT, min, max)) {
    msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(d.quitCode), 0, d.Now(), d.in.cursorPos};
    if (remove)
      d.quitPosted = false;
    return true;
  }
  if (RangeTakesInput(min, max)) {
    do {
      if (TakeFrom(d.routedInput, filter, min, max, remove, msg))
        return true;
    } while (RouteNextInput(d));
    // Routing may have posted notices (a mouse-leave): they are due now,
    // not after the program next waits.
    if (TakeFrom(d.posted, filter, min, max, remove, msg))
      return true;
  }
  if (InRange(WM_PAINT, min, max) && TakePaintMessage(d, filter, msg))
    return true;
  if (InRange(WM_TIMER, min, max) && TakeTimerMessage(d, filter, remove, msg))
    return true;
  return false;
}

std::optional<DWORD> WaitTimeout(Desktop& d) {
  std::optional<DWORD> due = d.NextTimerDue();
  if (!due)
    return std::nullopt;
  DWORD now = d.Now();
  return TickNotAfter(*due, now) ? 0 : *due - now;
}

}  // namespace

LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!Desktop::Exists())
    return 0;
  Desktop& d = D();
  Window* w = d.Find(hwnd);
  if (!w)
    return 0;
  Desktop::Busy busy(d);
  std::shared_ptr<const WNDPROC> proc = w->proc;
  if (!*proc)
    return DefWindowProc(hwnd, message, wParam, lParam);
  return (*proc)(hwnd, message, wParam, lParam);
}

LRESULT CallWindowProc(const WNDPROC& proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (!proc)
    return DefWindowProc(hwnd, message, wParam, lParam);
  return proc(hwnd, message, wParam, lParam);
}

bool PostMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Desktop& d = D();
  if (hwnd && !d.Find(hwnd))
    return false;
  d.posted.push_back(MSG{hwnd, message, wParam, lParam, d.Now(), d.in.cursorPos});
  return true;
}

void PostQuitMessage(int exitCode) {
  Desktop& d = D();
  d.quitPosted = true;
  d.quitCode = exitCode;
}

bool PeekMessage(MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  d.GetBackend().PollEvents();
  bool remove = (removeFlags & PM_REMOVE) != 0;
  if (!Take(d, msg, hwnd, filterMin, filterMax, remove))
    return false;
  if (remove)
    d.current = msg;
  return true;
}

bool GetMessage(MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  while (!Take(d, msg, hwnd, filterMin, filterMax, true)) {
    PresentDamage(d);
    d.GetBackend().WaitForEvents(WaitTimeout(d));
  }
  d.current = msg;
  return msg.message != WM_QUIT;
}

void WaitMessage() {
  Desktop& d = D();
  Desktop::Busy busy(d);
  MSG msg;
  while (!Take(d, msg, nullptr, 0, 0, false)) {
    PresentDamage(d);
    d.GetBackend().WaitForEvents(WaitTimeout(d));
  }
}

bool TranslateMessage(const MSG& msg) {
  Desktop& d = D();
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
    return false;
  InputState& in = d.in;
  if (!in.pendingChar || in.pendingCharWindow != msg.hwnd || in.pendingCharTime != msg.time)
    return false;
  UINT charMessage = msg.message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  // The character comes next, before anything posted earlier, as when the
  // classic system translates a key press.
  d.posted.push_front(MSG{msg.hwnd, charMessage, static_cast<WPARAM>(in.pendingChar), msg.lParam,
                          msg.time, msg.pt});
  in.pendingChar = 0;
  return true;
}

LRESULT DispatchMessage(const MSG& msg) {
  if (!msg.hwnd)
    return 0;
  return SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
}

DWORD GetMessageTime() {
  return D().current.time;
}

gfx::Point GetMessagePos() {
  return D().current.pt;
}

}  // namespace win
