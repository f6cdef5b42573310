#pragma once

// A control timer on the platform's timers, owned by the control it ticks
// for.

#include <functional>

#include "skin/controls/ControlTimer.h"
#include "ui/Timer.h"

class TbsSkinTimer : public TbsControlTimer {
 public:
  TbsSkinTimer(TComponent* Owner, std::function<void()> Tick);
  void Start(unsigned interval) override;
  void Stop() override;
  bool Running() const override;

 private:
  TTimer* FTimer;  // owned by the control
};
