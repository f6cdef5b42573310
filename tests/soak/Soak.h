#pragma once

// The soak run: the whole program on the headless desktop with its manual
// clock, over an installation generated from a seed, driven by random
// player input (presses, releases, double clicks, the wheel and keys,
// anywhere on the screen, the frame, menus and notices included) and random
// waits. After every step the window state is checked; at the end the
// window is closed and every ini file is checked against what the run
// chose.

#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "platform/sys/TestFiles.h"
#include "platform/win/headless/HeadlessDesktop.h"

class TBrowser;

namespace soak {

struct Result {
  // Input and clock steps handed to the program.
  std::uint64_t Events = 0;
  // Puzzle starts the recording starter saw.
  std::uint64_t Starts = 0;
  // Whether a random action (Alt+F4, the close button, the system menu)
  // closed the window before the last step.
  bool ClosedByPlayer = false;
  // What went wrong, one line each; empty for a sound run.
  std::vector<std::string> Faults;
};

// The player's data of one package as the program holds it when its window
// closes.
struct PackageMemory {
  int LastPuzzle = 0;
  bool SelectionChanged = false;
  bool SeveritiesChanged = false;
  std::vector<int> Severities;
  std::string Definition;  // the definition file's text at start
};

class Run {
 public:
  explicit Run(std::uint32_t Seed);
  ~Run();
  // Plays up to Steps random steps and closes; the outcome.
  Result Play(int Steps);

 private:
  void MakeInstallation();
  void Step();
  void RandomAction();
  void CheckWindow();
  void Remember();
  void CheckFiles();
  void Fault(const std::string& What);
  gfx::Point RandomPoint();

  std::mt19937 random_;
  TempDirectory dir_;
  win::HeadlessDesktop headless_;
  win::HeadlessBackend& script_ = headless_.Backend();
  TBrowser* browser_ = nullptr;
  int stepsLeft_ = 0;
  int closeTries_ = 0;
  Result result_;
  bool remembered_ = false;
  int closedPackage_ = 0;
  std::map<std::string, PackageMemory> packages_;   // by directory
  std::map<std::string, std::string> definitions_;  // text at start
};

// The resident set of this process in KiB.
long ResidentKiB();

}  // namespace soak
