#pragma once

// The package checker: runs the browser's own discovery on a program
// directory and reports what the browser would list and show, plus what a
// package author should fix although the browser accepts the package. It
// never sets a package's change flags, so nothing is written into a package.

#include <string>
#include <vector>

struct CheckedPackage {
  std::string name;
  std::string directory;
  std::string file;
  std::string preview;
  int puzzles = 0;
  int lastPuzzle = 0;  // 1-based, as read
  std::vector<int> severities;
  std::vector<std::string> problems;
};

struct CheckReport {
  std::vector<std::string> notices;      // in the order the browser would show them
  std::vector<CheckedPackage> packages;  // in list order
  // What the notices do not say: a directory or definition that cannot be
  // read, a puzzle count that does not convert and falls back to the
  // previews. In the order the directories are listed.
  std::vector<std::string> remarks;
};

// Discovery with directory as the program directory; ignoreErrors acts like
// the browser's ignore switch.
CheckReport CheckInstallation(const std::string& directory, bool ignoreErrors);

// {"notices": [...], "packages": [{"name", "directory", "file", "preview",
// "puzzles", "last_puzzle", "severities", "problems"}], "remarks": [...]} on
// one line.
std::string FormatJson(const CheckReport& report);

// The same in readable lines; control characters from names and files are
// shown as \xHH, so that nothing read from a package reaches the terminal as
// a command.
std::string FormatText(const CheckReport& report);
