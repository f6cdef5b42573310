#include "platform/win/Clock.h"

#include <chrono>

namespace win {

namespace {

long long SteadyMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

}  // namespace

MonotonicClock::MonotonicClock() : startMs_(SteadyMs()) {}

DWORD MonotonicClock::Now() const {
  return static_cast<DWORD>(SteadyMs() - startMs_);
}

}  // namespace win
