// The installation changing under the running program: packages deleted or
// renamed, a definition rewritten by another program, previews replaced by
// a directory or a pipe, the settings file's place taken. Nothing hangs or
// crashes, the player hears about what could not be saved (the settings file by
// name, each package by its own notice),
// and every other file is saved.

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "browser/BrowserTest.h"
#include "catalogue/Package.h"
#include "platform/sys/FileSystem.h"
#include "ui/ExtCtrls.h"

namespace browsertest {
namespace {

class ChangedInstallationTest : public BrowserTest {
 protected:
  void SetUp() override {
    AddPackage({.Directory = "a", .Name = "A", .Puzzles = 8});
    AddPackage({.Directory = "b", .Name = "B", .Puzzles = 2});
    AddPackage({.Directory = "c", .Name = "C", .Puzzles = 3});
  }

  // Every package has been looked at, so every one has data to save.
  void LookAtEveryPackage() {
    Then([this] {
      for (int i = 0; i < browser->Packages()->Count(); ++i)
        (*browser->Packages())[i].SelectionChanged = true;
    });
  }

  std::string Definition(const std::string& Directory) const {
    return sys::ReadFileBytes(dir / Directory + "/PuzzlePackage.ini").value_or("<missing>");
  }
};

TEST_F(ChangedInstallationTest, PackagesDeletedRenamedOrRewrittenWhileRunning) {
  LookAtEveryPackage();
  Then([this] {
    std::filesystem::remove_all(dir / "b");
    std::filesystem::rename(dir / "c", dir / "c-old");
    // Another program rewrites the definition with keys of its own.
    WriteTextFile(dir / "a/PuzzlePackage.ini",
                  "[Package]\nname=A\nfile=puzzle\npreview=puzzle\npuzzles=8\nversion=2\n");
  });
  CloseWindow();
  Dismiss().Dismiss();
  Run();
  EXPECT_EQ(std::count(notices.begin(), notices.end(), std::string(PackageSaveFailedText)), 2);
  EXPECT_EQ(notices.size(), 2u);
  // The other program's keys stay; the player's are added.
  EXPECT_EQ(Definition("a"),
            "[Package]\nname=A\nfile=puzzle\npreview=puzzle\npuzzles=8\nversion=2\n"
            "[User]\nlast_puzzle=1\n");
  // Nothing is created where a package was, and the moved one is left alone.
  EXPECT_FALSE(std::filesystem::exists(dir / "b"));
  EXPECT_FALSE(std::filesystem::exists(dir / "c"));
  EXPECT_EQ(Definition("c-old"), "[Package]\nname=C\nfile=puzzle\npreview=puzzle\npuzzles=3\n");
  EXPECT_EQ(SettingsText(), "[Browser]\nFirstTime=0\nPackage=0\n");
}

TEST_F(ChangedInstallationTest, APreviewReplacedByADirectoryEndsTheProgramWithItsNotice) {
  LookAtEveryPackage();
  Then([this] {
    std::filesystem::remove(dir / "a/puzzle-7.jpg");
    std::filesystem::create_directory(dir / "a/puzzle-7.jpg");
  });
  NextPage().Dismiss();
  Run();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], PreviewNotFound(dir / "a/puzzle-7.jpg"));
  // The close after the notice saved everything.
  EXPECT_NE(Definition("a").find("last_puzzle=1"), std::string::npos);
  EXPECT_NE(Definition("c").find("last_puzzle=1"), std::string::npos);
  EXPECT_EQ(SettingsText(), "[Browser]\nFirstTime=0\nPackage=0\n");
}

TEST_F(ChangedInstallationTest, APreviewReplacedByAPipeDoesNotHang) {
  Then([this] {
    std::filesystem::remove(dir / "a/puzzle-8.jpg");
    ASSERT_EQ(::mkfifo((dir / "a/puzzle-8.jpg").c_str(), 0644), 0);
  });
  NextPage();
  Then([this] {
    // The page is shown; the pipe's slot has no picture to show.
    EXPECT_EQ(browser->CurrentPuzzle(), 6);
    EXPECT_TRUE(browser->Images[0]->Visible());
  });
  CloseWindow();
  Run();
  EXPECT_NE(Definition("a").find("last_puzzle=7"), std::string::npos);
}

TEST_F(ChangedInstallationTest, ASettingsFileThatCannotBeWrittenStillLetsThePackagesSave) {
  LookAtEveryPackage();
  Then([] {
    // Something else now stands where the settings file was.
    std::filesystem::remove(TBrowser::SettingsFileName());
    std::filesystem::create_directory(TBrowser::SettingsFileName());
  });
  CloseWindow();
  Dismiss();
  Run();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], "Unable to write to " + TBrowser::SettingsFileName());
  for (const char* d : {"a", "b", "c"})
    EXPECT_NE(Definition(d).find("last_puzzle=1"), std::string::npos) << d;
}

}  // namespace
}  // namespace browsertest
