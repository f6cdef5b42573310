#pragma once

// Starting a puzzle executable: by its full path alone, no arguments, not
// waited for. The browser goes through a replaceable starter so that tests
// can record the starts instead of running programs.

#include <functional>
#include <string>

// Starts the program at Path. Returns an empty text when it runs, or why it
// could not be started, in the player's words (English, an empty line,
// German).
using TPuzzleStarter = std::function<std::string(const std::string& Path)>;

// The real starter.
std::string StartPuzzleProgram(const std::string& Path);

// The notice for a puzzle file that exists but cannot be started.
std::string PuzzleNotStartedText(const std::string& Path, const std::string& Reason);
