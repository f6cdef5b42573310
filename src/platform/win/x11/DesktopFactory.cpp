#include "platform/win/x11/DesktopFactory.h"

#include <cstdio>
#include <cstdlib>

#include "platform/win/x11/X11Backend.h"

namespace win {

std::unique_ptr<Desktop> OpenDesktop(const std::string& programName, std::string& error) {
  const char* display = std::getenv("DISPLAY");
  if (!display || !*display) {
    error = programName + ": no display to show windows on (DISPLAY is not set)";
    return nullptr;
  }
  X11Options options;
  options.displayName = display;
  options.programName = programName;
  std::unique_ptr<X11Backend> backend = X11Backend::Open(options, error);
  if (!backend) {
    error = programName + ": " + error;
    return nullptr;
  }
  return std::make_unique<Desktop>(std::move(backend), std::make_unique<MonotonicClock>());
}

std::unique_ptr<Desktop> OpenDesktopOrExit(const std::string& programName) {
  std::string error;
  std::unique_ptr<Desktop> desktop = OpenDesktop(programName, error);
  if (!desktop) {
    std::fprintf(stderr, "%s\n", error.c_str());
    std::exit(1);
  }
  return desktop;
}

}  // namespace win
