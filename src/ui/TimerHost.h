#pragma once

// TTimerHost: the hidden window that delivers the timers of an
// application's TTimer components, one window for all of them, each timer
// under an id of its own. The application makes it when its first timer
// starts; timers hold it weakly, so that one outliving the application
// finds it gone instead of calling into it.

#include <vector>

#include "platform/win/Types.h"

class TTimer;

class TTimerHost {
 public:
  TTimerHost();
  // Destroys the window, and every timer running on it with it.
  ~TTimerHost();
  TTimerHost(const TTimerHost&) = delete;
  TTimerHost& operator=(const TTimerHost&) = delete;

  win::HWND Handle() const { return FWindow; }
  // A new id for Timer, whose WM_TIMER fires it.
  win::UINT_PTR Add(TTimer* Timer);
  // Stops the timer of Id and forgets it.
  void Remove(win::UINT_PTR Id);
  int Count() const { return static_cast<int>(FTimers.size()); }

 private:
  void Fire(win::UINT_PTR Id);

  struct Entry {
    win::UINT_PTR Id;
    TTimer* Timer;
  };
  win::HWND FWindow{};
  win::UINT_PTR FNextId = 1;
  std::vector<Entry> FTimers;
};
