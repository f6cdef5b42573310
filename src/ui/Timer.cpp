#include "ui/Timer.h"

#include "platform/win/Win.h"

namespace {

constexpr win::UINT_PTR kTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  if (FWindow)
    win::DestroyWindow(FWindow);
}

void TTimer::SetEnabled(bool Value) {
  if (Value != FEnabled) {
    FEnabled = Value;
    UpdateTimer();
  }
}

void TTimer::SetInterval(unsigned Value) {
  if (Value != FInterval) {
    FInterval = Value;
    UpdateTimer();
  }
}

void TTimer::SetOnTimer(TNotifyEvent Value) {
  FOnTimer = std::move(Value);
  UpdateTimer();
}

void TTimer::Timer() {
  if (FEnabled && FOnTimer)
    FOnTimer(this);
}

void TTimer::UpdateTimer() {
  if (FWindow)
    win::KillTimer(FWindow, kTimerId);
  // A timer without a handler, switched off or of zero interval costs
  // nothing: no platform timer runs for it.
  if (!FEnabled || FInterval == 0 || !FOnTimer)
    return;
  if (!FWindow) {
    {
      win::WNDCLASS wc;
      wc.lpszClassName = "TTimerWindow";
      wc.lpfnWndProc = win::DefWindowProc;
      win::RegisterClass(wc);
    }
    FWindow = win::CreateWindowEx(0, "TTimerWindow", "", win::WS_POPUP, 0, 0, 0, 0, nullptr);
    win::SetWindowProc(FWindow, [this](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
      if (m == win::WM_TIMER) {
        Timer();
        return win::LRESULT{0};
      }
      return win::DefWindowProc(h, m, w, l);
    });
  }
  win::SetTimer(FWindow, kTimerId, FInterval);
}
