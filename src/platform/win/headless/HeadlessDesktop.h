#pragma once

// A desktop on the headless backend with a manual clock, as tests use it.

#include <memory>

#include "platform/win/Desktop.h"
#include "platform/win/headless/HeadlessBackend.h"

namespace win {

class HeadlessDesktop {
 public:
  explicit HeadlessDesktop(HeadlessOptions options = {})
      : HeadlessDesktop(std::make_unique<ManualClock>(), options) {}

  Desktop& GetDesktop() { return desktop_; }
  HeadlessBackend& Backend() { return *backend_; }
  ManualClock& Clock() { return *clock_; }

 private:
  HeadlessDesktop(std::unique_ptr<ManualClock> clock, HeadlessOptions options)
      : clock_(clock.get()),
        backend_(new HeadlessBackend(*clock_, options)),
        desktop_(std::unique_ptr<win::Backend>(backend_), std::move(clock)) {}

  ManualClock* clock_;
  HeadlessBackend* backend_;
  Desktop desktop_;
};

}  // namespace win
