// The browser settings, the first run, the help switch and button, the web
// buttons, and closing when there is nothing (more) to show.

#include <sys/stat.h>

#include <filesystem>

#include "app/CommandLine.h"
#include "browser/BrowserTest.h"
#include "platform/sys/FileSystem.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinLabels.h"
#include "ui/ExtCtrls.h"

namespace browsertest {
namespace {

using SettingsTest = BrowserTest;

TEST_F(SettingsTest, TheFirstRunShowsTheIntroductionOverTheFirstPageOnce) {
  std::filesystem::remove(TBrowser::SettingsFileName());
  AddPackage({.Directory = "z", .Name = "Zeta", .Puzzles = 2, .Extra = "[User]\nlast_puzzle=2\n"});
  AddPackage({.Directory = "a", .Name = "alpha", .Puzzles = 2});
  Then([this] {
    EXPECT_EQ(OpenNoticeText(), IntroductionText);
    EXPECT_EQ(browser->cbxPackage->ItemText(), "alpha");
    EXPECT_TRUE(browser->Images[0]->Visible());
    EXPECT_FALSE(browser->FirstRun());
  });
  Dismiss();
  CloseWindow();
  Run();
  EXPECT_EQ(SettingsText(), "[Browser]\nPackage=0\nFirstTime=0\n");

  // The next run shows no introduction; switching to Zeta is remembered.
  notices.clear();
  Then([this] {
    EXPECT_EQ(OpenNoticeText(), "(no notice)");
    browser->cbxPackage->SetItemIndex(1);
  });
  CloseWindow();
  Run();
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(SettingsText(), "[Browser]\nPackage=1\nFirstTime=0\n");

  Then([this] {
    EXPECT_EQ(browser->CurrentPackage(), 1);
    EXPECT_EQ(browser->CurrentPuzzle(), 1);
  });
  CloseWindow();
  Run();
}

TEST_F(SettingsTest, ThePackageIndexFallsBackToTheFirstPackage) {
  WriteSettings("[Browser]\nPackage=5\nFirstTime=0\n");
  for (const char* name : {"b", "c", "a"})
    AddPackage({.Directory = name, .Name = name, .Puzzles = 1});
  Then([this] { EXPECT_EQ(browser->cbxPackage->ItemText(), "a"); });
  CloseWindow();
  Run();
  EXPECT_EQ(SettingsText(), "[Browser]\nPackage=0\nFirstTime=0\n");
}

TEST_F(SettingsTest, TheHelpSwitchReadsAndWritesNothing) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 1});
  WriteSettings("[Browser]\nPackage=7\n");
  const auto before = std::filesystem::last_write_time(TBrowser::SettingsFileName());
  const std::string definition = DefinitionText("p");
  Then([this] {
    EXPECT_EQ(OpenNoticeText(), CommandLineHelpText);
    EXPECT_EQ(Application->Title(), "Tilebrook(tm) - Puzzle Browser 1.0.0.31");
    EXPECT_FALSE(browser->Visible());
    EXPECT_EQ(browser->Packages(), nullptr);
  });
  Dismiss();
  EXPECT_EQ(Run({"/i", "/h", "foo"}), 0);
  EXPECT_EQ(SettingsText(), "[Browser]\nPackage=7\n");
  EXPECT_EQ(std::filesystem::last_write_time(TBrowser::SettingsFileName()), before);
  EXPECT_EQ(DefinitionText("p"), definition);

  std::filesystem::remove(TBrowser::SettingsFileName());
  Dismiss();
  Run({"-HELP"});
  EXPECT_FALSE(sys::FileExists(TBrowser::SettingsFileName()));
}

TEST_F(SettingsTest, WithoutPackagesTheProgramSaysSoAndCloses) {
  std::filesystem::remove(TBrowser::SettingsFileName());
  std::filesystem::create_directories(dir / "docs");
  // The scan's notice, then the window's; no introduction follows.
  Dismiss();
  Then([this] {
    EXPECT_EQ(OpenNoticeText(), NoPackages);
    const auto* surface = script.FindSurface(browser->Handle());
    EXPECT_TRUE(surface == nullptr || surface->presents == 0);
  });
  Dismiss();
  Run();
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_EQ(notices[0].rfind("Configuration for puzzle package not found.", 0), 0u);
  EXPECT_EQ(SettingsText(), "[Browser]\nPackage=0\nFirstTime=0\n");
}

TEST_F(SettingsTest, APreviewDeletedWhileRunningClosesAndEveryPackageKeepsItsData) {
  AddPackage({.Directory = "a", .Name = "A", .Puzzles = 9});
  AddPackage({.Directory = "b", .Name = "B", .Puzzles = 3});
  Then([this] { browser->cbxPackage->SetItemIndex(1); });
  ClickOn([this] { return browser->Images[2]; });
  Then([this] {
    browser->cbxPackage->SetItemIndex(0);
    std::filesystem::remove(dir / "a/puzzle-8.jpg");
  });
  NextPage();
  Then([this] { EXPECT_EQ(OpenNoticeText(), PreviewNotFound(dir / "a/puzzle-8.jpg")); });
  Dismiss();
  Run();
  EXPECT_EQ(notices.size(), 1u);
  EXPECT_NE(DefinitionText("a").find("last_puzzle=1"), std::string::npos);
  EXPECT_NE(DefinitionText("b").find("last_puzzle=3"), std::string::npos);
  EXPECT_NE(SettingsText().find("Package=0"), std::string::npos);
}

TEST_F(SettingsTest, AnUnwritableSettingsFileIsReportedAndThePackagesStillSave) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 3});
  // A directory in the settings file's place cannot be replaced by a file
  // (and, without /i, would be reported as a package without definition).
  std::filesystem::remove(TBrowser::SettingsFileName());
  std::filesystem::create_directories(TBrowser::SettingsFileName());
  // Nothing can be read from it either: this is a first run.
  Dismiss();
  ClickOn([this] { return browser->Images[2]; });
  CloseWindow();
  Dismiss();
  Run({"/i"});
  EXPECT_EQ(notices, (std::vector<std::string>{
                         IntroductionText, "Unable to write to " + TBrowser::SettingsFileName()}));
  EXPECT_NE(DefinitionText("p").find("last_puzzle=3"), std::string::npos) << DefinitionText("p");
}

TEST_F(SettingsTest, TheHelpButtonAndTheWebButtons) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 1});
  std::vector<std::string> opened;
  Then([&] {
    EXPECT_EQ(browser->lblMore->URL(), "https://tilebrook.example");
    EXPECT_EQ(browser->lblNewsletter->URL(), "https://tilebrook.example/newsletters");
    // Recorded instead of opened: an empty address is refused.
    for (TbsSkinLinkLabel* label : {browser->lblMore, browser->lblNewsletter}) {
      label->OnClick = [&opened, label, url = label->URL()](TObject*) { opened.push_back(url); };
      label->SetURL("");
    }
  });
  ClickOn([this] { return browser->btnHelp; }).Dismiss();
  ClickOn([this] { return browser->btnHomepage; });
  ClickOn([this] { return browser->bsSkinButton1; });
  Then([this] { EXPECT_FALSE(browser->lblMore->Visible()); });
  CloseWindow();
  Run();
  EXPECT_EQ(notices, std::vector<std::string>{IntroductionText});
  EXPECT_EQ(opened, (std::vector<std::string>{"https://tilebrook.example",
                                              "https://tilebrook.example/newsletters"}));
}

}  // namespace
}  // namespace browsertest
