// Window timers: due times on the desktop's clock, delivered as WM_TIMER when
// nothing else is waiting.

#include <algorithm>

#include "platform/win/Internal.h"
#include "platform/win/TimerApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace detail {

bool TakeTimerMessage(Desktop& d, HWND filter, bool remove, MSG& out) {
  const DWORD now = d.Now();
  Timer* best = nullptr;
  for (Timer& t : d.timers) {
    if (!TickNotAfter(t.due, now))
      continue;
    if (filter && t.hwnd != filter && !IsChild(filter, t.hwnd))
      continue;
    if (!best || static_cast<std::int32_t>(t.due - best->due) < 0)
      best = &t;
  }
  if (!best)
    return false;
  out = MSG{best->hwnd, WM_TIMER, best->id, 0, now, d.in.cursorPos};
  // The next period starts when this one is delivered; a late timer gives
  // one message, not one per missed period.
  if (remove)
    best->due = now + best->interval;
  return true;
}

void KillWindowTimers(Desktop& d, HWND hwnd) {
  std::erase_if(d.timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

}  // namespace detail

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse) {
  Desktop& d = D();
  if (!W(hwnd))
    return 0;
  elapse = std::max<UINT>(elapse, 1);
  DWORD due = d.Now() + elapse;
  for (Timer& t : d.timers) {
    if (t.hwnd == hwnd && t.id == id) {
      t.interval = elapse;
      t.due = due;
      return id;
    }
  }
  d.timers.push_back(Timer{hwnd, id, elapse, due});
  return id;
}

bool KillTimer(HWND hwnd, UINT_PTR id) {
  return std::erase_if(D().timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) >
         0;
}

DWORD GetTickCount() {
  return D().Now();
}

}  // namespace win
