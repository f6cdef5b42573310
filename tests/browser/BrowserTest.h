#pragma once

// End-to-end runs of the whole program on the headless desktop: a temporary
// program directory with packages, the program's own start-up, a script of
// input and clock steps, every notice read and dismissed as a player would,
// and puzzle starts recorded instead of run.

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "browser/Browser.h"
#include "platform/sys/TestFiles.h"
#include "platform/win/headless/HeadlessDesktop.h"

namespace browsertest {

// One package as a test lays it out.
struct PackageLayout {
  std::string Directory;  // sub-directory of the program directory
  std::string Name;
  int Puzzles = 6;
  std::string File = "puzzle";
  std::string Preview = "puzzle";
  // Extra lines for the definition, such as "[User]\nlast_puzzle=4".
  std::string Extra = {};
  // Detail texts, and puzzle numbers (1-based) with an author marker.
  std::map<int, std::string> Details = {};
  std::vector<int> Markers = {};
  // Every puzzle gets its Beginner executable unless this is false.
  bool Executables = true;
};

class BrowserTest : public ::testing::Test {
 protected:
  BrowserTest();
  ~BrowserTest() override;

  // Writes a package into the program directory.
  void AddPackage(const PackageLayout& Package);
  // Writes the browser settings file.
  void WriteSettings(const std::string& Text);
  std::string SettingsText() const;
  std::string DefinitionText(const std::string& Directory) const;

  // Runs the program with these parameters through the script given so
  // far; the script must end by closing the window. A status other than
  // expectedStatus (a failure the program caught at its top) fails the test.
  int Run(const std::vector<std::string>& Params = {});

 public:
  // Script steps.
  BrowserTest& Then(std::function<void()> Step);
  // Reads the open notice into `notices` and presses Return.
  BrowserTest& Dismiss();
  // Clicks a point of a control (found when the step runs).
  BrowserTest& ClickOn(std::function<TControl*()> Control, int X = -1, int Y = -1);
  BrowserTest& DoubleClickOn(std::function<TControl*()> Control);
  BrowserTest& Key(unsigned Vk, char32_t Ch = 0);
  // Alt with a letter key ('S') or another key (VK_F4).
  BrowserTest& AltKey(unsigned Vk);
  BrowserTest& CloseWindow();
  // The page buttons of the up-down: the lower one shows the next page.
  BrowserTest& NextPage() { return PageButton(false); }
  BrowserTest& PreviousPage() { return PageButton(true); }

 protected:
  BrowserTest& PageButton(bool Up);

  // The text of the notice open now, or "(no notice)".
  static std::string OpenNoticeText();

  TempDirectory dir;
  win::HeadlessDesktop headless;
  win::HeadlessBackend& script = headless.Backend();
  // Valid while Run runs.
  TBrowser* browser = nullptr;
  std::vector<std::string> notices;
  std::vector<std::string> started;
  // What the recording starter answers: empty means started.
  std::string startFailure;
  int expectedStatus = 0;
};

// The notice texts the browser shows, for comparisons.
std::string PreviewNotFound(const std::string& Path);
std::string PuzzleNotFound(const std::string& Path);
extern const char* const NoPackages;
extern const char* const FirstPage;
extern const char* const LastPage;

}  // namespace browsertest
