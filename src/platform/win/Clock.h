#pragma once

// The source of time for messages and timers: milliseconds as a 32-bit tick
// count that wraps like the classic GetTickCount. Programs use the monotonic
// clock; tests use the manual clock, so that "held for 1050 ms" is exact and
// takes no time at all.

#include "platform/win/Types.h"

namespace win {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DWORD Now() const = 0;
};

// The system's monotonic clock, counted from the first call.
class MonotonicClock final : public Clock {
 public:
  MonotonicClock();
  DWORD Now() const override;

 private:
  long long startMs_ = 0;
};

// A clock that moves only when told to.
class ManualClock final : public Clock {
 public:
  explicit ManualClock(DWORD start = 0) : now_(start) {}
  DWORD Now() const override { return now_; }
  void Set(DWORD now) { now_ = now; }
  void Advance(DWORD ms) { now_ += ms; }

 private:
  DWORD now_;
};

// Tick counts wrap after 49.7 days, so comparisons go through the signed
// difference: "a is not later than b".
constexpr bool TickNotAfter(DWORD a, DWORD b) {
  return static_cast<std::int32_t>(a - b) <= 0;
}

}  // namespace win
