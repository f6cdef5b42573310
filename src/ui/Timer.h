#pragma once

// TTimer: fires OnTimer every Interval milliseconds while Enabled, through
// a platform timer on the application's timer window (or, without an
// application, on a timer window of its own).

#include <memory>

#include "ui/Component.h"
#include "ui/Types.h"

class TTimerHost;

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;

  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned Value);
  const TNotifyEvent& OnTimer() const { return FOnTimer; }
  void SetOnTimer(TNotifyEvent Value);

 protected:
  virtual void Timer();

 private:
  friend class TTimerHost;
  void UpdateTimer();
  // The window the timer runs on, found or made when it first starts.
  win::HWND TimerWindow();
  // The host the timer ran on went with its application.
  bool HostGone() const { return FWindow && FHost.expired(); }

  bool FEnabled = true;
  unsigned FInterval = 1000;
  TNotifyEvent FOnTimer;
  win::HWND FWindow{};
  win::UINT_PTR FId = 0;
  std::weak_ptr<TTimerHost> FHost;
  // Without an application the timer keeps a host of its own.
  std::shared_ptr<TTimerHost> FOwnHost;
};
