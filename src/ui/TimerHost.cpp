#include "ui/TimerHost.h"

#include <algorithm>

#include "platform/win/Win.h"
#include "ui/Timer.h"

TTimerHost::TTimerHost() {
  {
    win::WNDCLASS wc;
    wc.lpszClassName = "TTimerHost";
    wc.lpfnWndProc = win::DefWindowProc;
    win::RegisterClass(wc);
  }
  FWindow = win::CreateWindowEx(0, "TTimerHost", "", win::WS_POPUP, 0, 0, 0, 0, nullptr);
  win::SetWindowProc(FWindow, [this](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    if (m == win::WM_TIMER) {
      Fire(w);
      return win::LRESULT{0};
    }
    return win::DefWindowProc(h, m, w, l);
  });
}

TTimerHost::~TTimerHost() {
  if (FWindow)
    win::DestroyWindow(FWindow);
}

win::UINT_PTR TTimerHost::Add(TTimer* Timer) {
  const win::UINT_PTR id = FNextId++;
  FTimers.push_back({id, Timer});
  return id;
}

void TTimerHost::Remove(win::UINT_PTR Id) {
  if (FWindow)
    win::KillTimer(FWindow, Id);
  std::erase_if(FTimers, [Id](const Entry& e) { return e.Id == Id; });
}

void TTimerHost::Fire(win::UINT_PTR Id) {
  // The timer's handler may free the timer, or others: nothing is read
  // from the table after the call.
  for (const Entry& e : FTimers)
    if (e.Id == Id) {
      e.Timer->Timer();
      return;
    }
}
