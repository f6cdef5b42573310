#include "ui/Timer.h"

#include "platform/win/Win.h"
#include "ui/Application.h"
#include "ui/TimerHost.h"

namespace {

// The id of the timer on a window of the timer's own.
constexpr win::UINT_PTR kOwnTimerId = 1;

}  // namespace

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  if (FHosted) {
    if (const std::shared_ptr<TTimerHost> host = FHost.lock())
      host->Remove(FId);
  } else if (FWindow) {
    win::DestroyWindow(FWindow);
  }
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
  if (FWindow && !HostGone())
    win::KillTimer(FWindow, FId);
  // A timer without a handler, switched off or of zero interval costs
  // nothing: no platform timer runs for it.
  if (!FEnabled || FInterval == 0 || !FOnTimer)
    return;
  const win::HWND window = TimerWindow();  // gives the timer its id
  win::SetTimer(window, FId, FInterval);
}

win::HWND TTimer::TimerWindow() {
  if (HostGone()) {
    // The application that ran it is gone, and its window with it.
    FHosted = false;
    FWindow = {};
    FHost.reset();
  }
  if (FWindow)
    return FWindow;
  if (Application != nullptr) {
    const std::shared_ptr<TTimerHost> host = Application->TimerHost();
    FHost = host;
    FHosted = true;
    FWindow = host->Handle();
    FId = host->Add(this);
    return FWindow;
  }
  {
    win::WNDCLASS wc;
    wc.lpszClassName = "TTimerWindow";
    wc.lpfnWndProc = win::DefWindowProc;
    win::RegisterClass(wc);
  }
  FWindow = win::CreateWindowEx(0, "TTimerWindow", "", win::WS_POPUP, 0, 0, 0, 0, nullptr);
  FId = kOwnTimerId;
  win::SetWindowProc(FWindow, [this](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    if (m == win::WM_TIMER) {
      Timer();
      return win::LRESULT{0};
    }
    return win::DefWindowProc(h, m, w, l);
  });
  return FWindow;
}
