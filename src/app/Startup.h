#pragma once

// The program's start-up and run, on a desktop that is already open: the
// application title, the window, the switches, the settings, the message
// loop. main() opens the display and calls this; tests call it on a
// headless desktop.

#include <functional>
#include <string>
#include <vector>

class TBrowser;

inline constexpr char ApplicationTitle[] = "Tilebrook(tm) - Puzzle Browser";

// Runs the browser with the program's parameters (without its own name).
// Prepare, when given, sees the window right after it is created, before
// the switches are evaluated. Returns the program's exit status: 0, or 1
// after a failure nothing else handled (memory running out, say), which
// closes the window as the session's end does, saving the player's data.
int RunTilebrook(const std::vector<std::string>& Params,
                 const std::function<void(TBrowser&)>& Prepare = {});
