#pragma once

// One puzzle of a package, and the names of the five severity levels.

#include <array>
#include <string_view>

// The player's severity levels 1 to 5 by name; the names are also part of
// the puzzle executables' file names. Level 0 does not exist and is empty.
inline constexpr std::array<std::string_view, 6> SeverityNames = {
    "", "Beginner", "Intermediate", "Expert", "Guru", "Maniac"};

inline constexpr int MinSeverity = 1;
inline constexpr int MaxSeverity = 5;

// The name of a level, or an empty text for a level outside 1 to 5 (a
// hand-edited definition file can hold any number).
constexpr std::string_view SeverityName(int Level) {
  return Level >= MinSeverity && Level <= MaxSeverity ? SeverityNames[Level] : std::string_view();
}

class TPuzzle {
 public:
  // The player's severity level for this puzzle; stored as read, not checked.
  int Severity = 1;
};
