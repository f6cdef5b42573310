#pragma once

// The one place where a program chooses how its windows are shown: on the
// X11 display named by DISPLAY. Tests build their desktops themselves, on
// the headless backend unless they test X11.

#include <memory>
#include <string>

#include "platform/win/Desktop.h"

namespace win {

// A desktop on the display with the real clock, or null with a message for
// the user in `error` when there is no display to show windows on.
std::unique_ptr<Desktop> OpenDesktop(const std::string& programName, std::string& error);

// The same for a program's start: without a display the program cannot do
// anything, so it says why on standard error and ends with exit status 1.
std::unique_ptr<Desktop> OpenDesktopOrExit(const std::string& programName);

}  // namespace win
