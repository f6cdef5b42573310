#include "ui/Timer.h"

#include "platform/win/Win.h"
#include "ui/Application.h"
#include "ui/TimerHost.h"

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) {}

TTimer::~TTimer() {
  if (const std::shared_ptr<TTimerHost> host = FHost.lock())
    host->Remove(FId);
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
    FWindow = {};
    FHost.reset();
  }
  if (FWindow)
    return FWindow;
  std::shared_ptr<TTimerHost> host;
  if (Application != nullptr) {
    host = Application->TimerHost();
  } else {
    FOwnHost = std::make_shared<TTimerHost>();
    host = FOwnHost;
  }
  FHost = host;
  FWindow = host->Handle();
  FId = host->Add(this);
  return FWindow;
}
