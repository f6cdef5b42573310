// Selecting puzzles, choosing severities, the author details and starting.

#include <sys/stat.h>

#include "browser/BrowserTest.h"
#include "browser/PuzzleStarter.h"
#include "platform/win/VirtualKeys.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinLabels.h"
#include "ui/ExtCtrls.h"

namespace browsertest {
namespace {

class PuzzleTest : public BrowserTest {
 public:
  // Opens the severity list with the mouse and picks a level by its row.
  BrowserTest& ChooseSeverity(int Level) {
    ClickOn([this] { return browser->cbxSeverity; });
    return Then([this, Level] {
             ASSERT_TRUE(browser->cbxSeverity->ListOpen());
             TbsPopupListBox* list = browser->cbxSeverity->ListBox();
             const TRect rows = list->RowsRect();
             script.InjectMouseMove(list->ClientToScreen(
                 {rows.left + 20, rows.top + (Level - 1) * list->ItemHeight() + 5}));
           })
        .Then([this] { script.InjectButton(win::MouseButton::Left, true); })
        .Then([this] { script.InjectButton(win::MouseButton::Left, false); });
  }
};

TEST_F(PuzzleTest, Slot4OfPage2SelectsPuzzle11) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 13});
  NextPage();
  ClickOn([this] { return browser->Images[4]; }).Then([this] {
    EXPECT_EQ(browser->CurrentPuzzle(), 10);
    EXPECT_TRUE(browser->Bevels[4]->Visible());
    EXPECT_FALSE(browser->Bevels[0]->Visible());
    EXPECT_EQ(browser->btnStart->Caption(), "&Start: Puzzle 11");
  });
  ClickOn([this] { return browser->btnStart; });
  CloseWindow();
  Run();
  EXPECT_EQ(started, std::vector<std::string>{dir / "p/puzzle-11-Beginner.exe"});
}

TEST_F(PuzzleTest, ADoubleClickStartsThePuzzleUnderThePointer) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 6});
  DoubleClickOn([this] { return browser->Images[3]; });
  // Clicking the background does nothing.
  ClickOn([this] { return browser->bsSkinLinkImage1; }, 100, 300).Then([this] {
    EXPECT_EQ(browser->CurrentPuzzle(), 3);
  });
  CloseWindow();
  Run();
  EXPECT_EQ(started, std::vector<std::string>{dir / "p/puzzle-4-Beginner.exe"});
  EXPECT_TRUE(notices.empty());
}

TEST_F(PuzzleTest, AChosenSeverityStaysWithItsPuzzleAndSurvivesARestart) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 6});
  WriteTextFile(dir / "p/puzzle-2-Expert.exe", "");
  ClickOn([this] { return browser->Images[1]; });
  ChooseSeverity(3);
  ClickOn([this] { return browser->Images[4]; }).Then([this] {
    EXPECT_EQ(browser->cbxSeverity->ItemIndex(), 0);
  });
  ClickOn([this] { return browser->Images[1]; }).Then([this] {
    EXPECT_EQ(browser->cbxSeverity->ItemIndex(), 2);
  });
  ClickOn([this] { return browser->btnStart; });
  CloseWindow();
  Run();
  EXPECT_EQ(started, std::vector<std::string>{dir / "p/puzzle-2-Expert.exe"});
  const std::string definition = DefinitionText("p");
  EXPECT_NE(definition.find("[Severity]\npuzzle_1=1\npuzzle_2=3\npuzzle_3=1\npuzzle_4=1\n"
                            "puzzle_5=1\npuzzle_6=1\n"),
            std::string::npos)
      << definition;

  // The next run shows level 3 for puzzle 2 straight away.
  started.clear();
  notices.clear();
  Then([this] {
    EXPECT_EQ(browser->CurrentPuzzle(), 1);
    EXPECT_EQ(browser->cbxSeverity->ItemIndex(), 2);
  });
  CloseWindow();
  Run();
}

TEST_F(PuzzleTest, ChoosingTheSameSeverityMarksNothing) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 2, .Extra = "[Severity]\npuzzle_1=2\n"});
  ChooseSeverity(2);
  ClickOn([this] { return browser->Images[1]; });  // leaves the box: the exit commits too
  CloseWindow();
  Run();
  EXPECT_EQ(DefinitionText("p").find("puzzle_2="), std::string::npos);
}

TEST_F(PuzzleTest, ASeverityOutsideTheLevelsIsShownAndStartedAsBeginner) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 2, .Extra = "[Severity]\npuzzle_1=9\n"});
  Then([this] { EXPECT_EQ(browser->cbxSeverity->ItemIndex(), 0); });
  ChooseSeverity(1);
  ClickOn([this] { return browser->btnStart; });
  CloseWindow();
  Run();
  EXPECT_EQ(started, std::vector<std::string>{dir / "p/puzzle-1-Beginner.exe"});
  // Beginner was what the player saw: the file keeps its own value.
  EXPECT_NE(DefinitionText("p").find("puzzle_1=9"), std::string::npos);
}

TEST_F(PuzzleTest, AMissingLevelNamesTheExecutableItLookedFor) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 2});
  ChooseSeverity(2);
  AltKey('S').Dismiss();
  CloseWindow();
  Run();
  EXPECT_TRUE(started.empty());
  EXPECT_EQ(notices, std::vector<std::string>{PuzzleNotFound(dir / "p/puzzle-1-Intermediate.exe")});
}

TEST_F(PuzzleTest, AFileTheSystemRefusesToStartIsReported) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 1});
  const std::string exe = dir / "p/puzzle-1-Beginner.exe";
  ::chmod(exe.c_str(), 0644);
  Then([this] { browser->StartPuzzle = StartPuzzleProgram; });
  AltKey('S').Dismiss();
  CloseWindow();
  Run();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0], PuzzleNotStartedText(exe,
                                             "The file is not executable.\r\r"
                                             "Die Datei ist nicht ausführbar."));
}

TEST_F(PuzzleTest, DetailsShowAmpersandsAndTheDefaults) {
  AddPackage(
      {.Directory = "p",
       .Name = "P",
       .Puzzles = 3,
       .File = "game",
       .Details = {{1, "[Image]\nName=Salt & Pepper\n"},
                   {2,
                    "[Image]\nName=Mill\n[Author]\nName=A&B\nURL=https://a.example\n"
                    "Contact=a@example.org\n[Publisher]\nName=Press\nURL=https://p.example\n"}},
       .Markers = {1, 2, 3}});
  ClickOn([this] { return browser->AuthorButtons[0]; }).Dismiss();
  ClickOn([this] { return browser->AuthorButtons[1]; }).Dismiss();
  ClickOn([this] { return browser->AuthorButtons[2]; }).Dismiss();
  Then([this] { EXPECT_EQ(browser->CurrentPuzzle(), 0); });
  CloseWindow();
  Run();
  ASSERT_EQ(notices.size(), 3u);
  EXPECT_EQ(
      notices[0],
      "Title / Titel:\r    Salt && Pepper\r\rAuthor / Urheber:\r    No author / Kein Urheber\r"
      "    No email / Keine Email\r    No homepage / Keine Homepage\r\r"
      "Publisher / Verleger:\r    No publisher / Kein Verleger\r    ");
  EXPECT_EQ(notices[1],
            "Title / Titel:\r    Mill\r\rAuthor / Urheber:\r    A&&B\r    a@example.org\r"
            "    https://a.example\r\rPublisher / Verleger:\r    Press\r    https://p.example");
  EXPECT_EQ(notices[2], PuzzleNotFound(dir / "p/game-3.ini"));
}

}  // namespace
}  // namespace browsertest
