#pragma once

// The one repeating timer a control's behaviour needs (auto-repeat, morph
// steps, the typing pause). The behaviour classes only start and stop it;
// the control supplies a platform timer, the tests one on a manual clock.

class TbsControlTimer {
 public:
  virtual ~TbsControlTimer() = default;
  // Starts the timer, or restarts it with a new period: the next tick comes
  // `interval` milliseconds from now.
  virtual void Start(unsigned interval) = 0;
  virtual void Stop() = 0;
  virtual bool Running() const = 0;
};
