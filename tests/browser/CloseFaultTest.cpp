// The close with the file system failing: every call of the close sequence
// (the settings, then each package) fails once, with no space, no
// permission or an I/O error. Every file must then be the old one or the
// new one, byte for byte, and each file left old must be named to the
// player.

#include <cerrno>

#include "browser/BrowserTest.h"
#include "catalogue/IniFile.h"
#include "catalogue/Package.h"
#include "platform/sys/FailingCalls.h"
#include "platform/sys/FileSystem.h"
#include "ui/Form.h"

namespace browsertest {
namespace {

class CloseFaultTest : public BrowserTest {
 protected:
  // The same installation every time: two packages, a few choices made.
  void Install() {
    AddPackage({.Directory = "a", .Name = "A", .Puzzles = 8, .Extra = "[User]\nlast_puzzle=2\n"});
    AddPackage({.Directory = "b", .Name = "B", .Puzzles = 3});
    WriteSettings("[Browser]\nFirstTime=0\n");
  }

  std::vector<std::string> Files() const {
    return {TBrowser::SettingsFileName(), dir / "a/PuzzlePackage.ini", dir / "b/PuzzlePackage.ini"};
  }

  std::vector<std::string> Contents() const {
    std::vector<std::string> out;
    for (const std::string& f : Files())
      out.push_back(sys::ReadFileBytes(f).value_or("<missing>"));
    return out;
  }

  // Plays the choices, then closes with `calls` in place for the close
  // alone.
  void PlayAndClose(systest::FailingCalls& calls) {
    notices.clear();
    Then([this, &calls] {
      TPackageList& list = *browser->Packages();
      list[1].SelectionChanged = true;
      list[1].LastPuzzle = 2;
      list[1].SeveritiesChanged = true;
      list[1].Puzzles[0].Severity = 4;
      list[0].SeveritiesChanged = true;
      list[0].Puzzles[7].Severity = 5;
      TCloseEvent close = browser->OnClose;
      browser->OnClose = [&calls, close](TObject* Sender, TCloseAction& Action) {
        sys::ScopedFileSystemCalls failing(calls);
        close(Sender, Action);
      };
    });
    CloseWindow();
    // A notice per file that could not be saved; more than enough answers.
    for (int i = 0; i < 4; ++i)
      Dismiss();
    try {
      Run();
    } catch (const win::ScriptExhausted&) {
      // The answers left over were not needed.
    }
  }
};

TEST_F(CloseFaultTest, EveryFileIsOldOrNewAndEachOldOneIsNamed) {
  Install();
  const std::vector<std::string> old = Contents();
  systest::FailingCalls counting(0);
  PlayAndClose(counting);
  const std::vector<std::string> fresh = Contents();
  for (std::size_t f = 0; f < fresh.size(); ++f)
    ASSERT_NE(fresh[f], old[f]) << Files()[f] << " is not written by the close";
  ASSERT_GT(counting.calls, 20);

  const int errors[] = {ENOSPC, EACCES, EIO};
  int reported = 0;
  for (int failAt = 1; failAt <= counting.calls; ++failAt) {
    Install();
    systest::FailingCalls calls(failAt, errors[failAt % 3]);
    PlayAndClose(calls);
    ASSERT_TRUE(calls.failed) << "call " << failAt << " never came";
    const std::vector<std::string> now = Contents();
    std::vector<std::string> named;
    for (const std::string& n : notices)
      if (n != "(no notice)")
        named.push_back(n);
    int oldFiles = 0;
    for (std::size_t f = 0; f < now.size(); ++f) {
      EXPECT_TRUE(now[f] == old[f] || now[f] == fresh[f])
          << "call " << failAt << " left " << Files()[f] << " as:\n"
          << now[f];
      if (now[f] != old[f])
        continue;
      ++oldFiles;
      // The settings notice names its file; a package's notice is the
      // package's own fixed text, one for each package not saved.
      const bool package = Files()[f].ends_with("PuzzlePackage.ini");
      bool told = false;
      for (const std::string& n : named)
        told = told ||
               (package ? n == PackageSaveFailedText : n.find(Files()[f]) != std::string::npos);
      EXPECT_TRUE(told) << "call " << failAt << ": nobody was told about " << Files()[f];
    }
    // A notice only for a file that was not saved.
    EXPECT_EQ(named.size(), static_cast<std::size_t>(oldFiles)) << "call " << failAt;
    reported += oldFiles;
  }
  // Most calls come before a file is in place, so most failures are seen.
  EXPECT_GT(reported, counting.calls / 2);
}

}  // namespace
}  // namespace browsertest
