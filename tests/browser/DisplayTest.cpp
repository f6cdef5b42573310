// The package and page display as the player sees it: what is visible, the
// page label and up-down, paging with its notices, switching packages.

#include "browser/BrowserTest.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/Win.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinLabels.h"
#include "skin/controls/SkinUpDown.h"
#include "ui/Application.h"
#include "ui/ExtCtrls.h"
#include "ui/Graphics.h"

namespace browsertest {
namespace {

class DisplayTest : public BrowserTest {
 public:
  BrowserTest& ChoosePackage(int Index) {
    return Then([this, Index] { browser->cbxPackage->SetItemIndex(Index); });
  }

 protected:
  // The slots whose image, bevel and author button are visible, as text:
  // "i" image, "b" bevel, "a" author button, "-" nothing.
  std::string Slots() const {
    std::string out;
    for (int s = 0; s < SlotCount; ++s) {
      std::string slot;
      if (browser->Images[s]->Visible())
        slot += 'i';
      if (browser->Bevels[s]->Visible())
        slot += 'b';
      if (browser->AuthorButtons[s]->Visible())
        slot += 'a';
      out += (s ? " " : "") + (slot.empty() ? "-" : slot);
    }
    return out;
  }
};

TEST_F(DisplayTest, NothingOfTheSlotsShowsBeforeTheFirstDisplay) {
  AddPackage({.Directory = "a", .Name = "A", .Puzzles = 2, .Markers = {1, 2}});
  int presentedBeforeShow = -1;
  Then([this] { EXPECT_EQ(Slots(), "iba ia - - - -"); }).CloseWindow();
  const int status = RunTilebrook({}, [&](TBrowser& b) {
    browser = &b;
    for (int s = 0; s < SlotCount; ++s) {
      EXPECT_FALSE(b.Bevels[s]->Visible());
      EXPECT_EQ(b.Images[s]->Picture().Graphic(), nullptr);
    }
    // The first display runs as the window is shown, before it is painted.
    b.OnShow = [&, show = b.OnShow](TObject* Sender) {
      const auto* surface = script.FindSurface(b.Handle());
      presentedBeforeShow = surface ? surface->presents : 0;
      show(Sender);
    };
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(presentedBeforeShow, 0);
}

TEST_F(DisplayTest, SixPuzzlesHideThePagingAndSevenShowIt) {
  AddPackage({.Directory = "six", .Name = "Alpha", .Puzzles = 6});
  AddPackage({.Directory = "seven", .Name = "Beta", .Puzzles = 7});
  Then([this] {
    EXPECT_FALSE(browser->udPageNext->Visible());
    EXPECT_FALSE(browser->lblPuzzlePage->Visible());
    EXPECT_EQ(browser->lblPuzzles->Caption(), "6 Puzzles:");
    EXPECT_EQ(browser->lblStatus->Caption(), "2 Packages / Pakete, 13 Puzzles");
  });
  ChoosePackage(1).Then([this] {
    EXPECT_TRUE(browser->udPageNext->Visible());
    EXPECT_TRUE(browser->lblPuzzlePage->Visible());
    EXPECT_EQ(browser->lblPuzzlePage->Caption(), "1 / 2");
    EXPECT_EQ(browser->udPageNext->Max(), 6);
    EXPECT_EQ(browser->udPageNext->Increment(), 6);
  });
  CloseWindow();
  Run();
  EXPECT_TRUE(notices.empty());
}

TEST_F(DisplayTest, SevenPuzzlesPageToAShortLastPageAndBack) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 7});
  ClickOn([this] { return browser->Images[1]; });
  NextPage().Then([this] {
    EXPECT_EQ(browser->CurrentPuzzle(), 6);
    EXPECT_EQ(browser->lblPuzzlePage->Caption(), "2 / 2");
    EXPECT_EQ(Slots(), "ib - - - - -");
    EXPECT_EQ(browser->btnStart->Caption(), "&Start: Puzzle 7");
  });
  NextPage().Dismiss().Then([this] { EXPECT_EQ(browser->CurrentPuzzle(), 6); });
  PreviousPage().Then([this] {
    EXPECT_EQ(browser->CurrentPuzzle(), 0);
    EXPECT_EQ(Slots(), "ib i i i i i");
  });
  CloseWindow();
  Run();
  EXPECT_EQ(notices, std::vector<std::string>{LastPage});
}

TEST_F(DisplayTest, ThirteenPuzzlesKeepTheSlotUntilTheLastPage) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 13, .Extra = "[User]\nlast_puzzle=5\n"});
  PreviousPage().Dismiss();
  NextPage().Then([this] { EXPECT_EQ(browser->CurrentPuzzle(), 10); });
  NextPage().Then([this] {
    EXPECT_EQ(browser->CurrentPuzzle(), 12);
    EXPECT_EQ(browser->lblPuzzlePage->Caption(), "3 / 3");
  });
  CloseWindow();
  Run();
  EXPECT_EQ(notices, std::vector<std::string>{FirstPage});
  EXPECT_NE(DefinitionText("p").find("last_puzzle=13"), std::string::npos);
}

TEST_F(DisplayTest, StatusAndLabelsOfOnePackageWithOnePuzzle) {
  AddPackage({.Directory = "p", .Name = "Solo", .Puzzles = 1, .Markers = {1}});
  Then([this] {
    EXPECT_EQ(browser->lblStatus->Caption(), "1 Package / Paket, 1 Puzzle");
    EXPECT_EQ(browser->lblPuzzles->Caption(), "1 Puzzle:");
    EXPECT_EQ(browser->btnStart->Caption(), "&Start: Puzzle 1");
    EXPECT_EQ(browser->cbxPackage->ItemText(), "Solo");
    EXPECT_EQ(Slots(), "iba - - - - -");
  });
  CloseWindow();
  Run();
}

TEST_F(DisplayTest, SwitchingPackagesRestoresEachSelection) {
  AddPackage({.Directory = "a", .Name = "A", .Puzzles = 12});
  AddPackage({.Directory = "b", .Name = "B", .Puzzles = 3, .Extra = "[User]\nlast_puzzle=2\n"});
  NextPage();
  ClickOn([this] { return browser->Images[2]; }).Then([this] {
    EXPECT_EQ(browser->CurrentPuzzle(), 8);
  });
  ChoosePackage(1).Then([this] {
    EXPECT_EQ(browser->CurrentPackage(), 1);
    EXPECT_EQ(browser->CurrentPuzzle(), 1);
    EXPECT_FALSE(browser->udPageNext->Visible());
  });
  ChoosePackage(0).Then([this] {
    EXPECT_EQ(browser->CurrentPuzzle(), 8);
    EXPECT_EQ(browser->lblPuzzlePage->Caption(), "2 / 2");
    EXPECT_EQ(Slots(), "i i ib i i i");
  });
  CloseWindow();
  Run();
  EXPECT_NE(DefinitionText("a").find("last_puzzle=9"), std::string::npos);
  EXPECT_NE(DefinitionText("b").find("last_puzzle=2"), std::string::npos);
  EXPECT_NE(SettingsText().find("Package=0"), std::string::npos);
}

TEST_F(DisplayTest, ArrowsInTheOpenPackageListSwitchPackagesAndKeepItOpen) {
  AddPackage({.Directory = "a", .Name = "A", .Puzzles = 3});
  AddPackage({.Directory = "b", .Name = "B", .Puzzles = 4});
  AddPackage({.Directory = "c", .Name = "C", .Puzzles = 5});
  ClickOn([this] { return browser->cbxPackage; }).Then([this] {
    ASSERT_TRUE(browser->cbxPackage->ListOpen());
  });
  Key(win::VK_DOWN);
  Key(win::VK_DOWN).Then([this] {
    // Each step shows its package at once, and the list stays in front.
    EXPECT_EQ(browser->CurrentPackage(), 2);
    EXPECT_EQ(browser->lblPuzzles->Caption(), "5 Puzzles:");
    EXPECT_TRUE(browser->cbxPackage->ListOpen());
    EXPECT_EQ(browser->cbxPackage->ListBox()->ItemIndex(), 2);
  });
  Key(win::VK_UP);
  Key(win::VK_RETURN).Then([this] {
    EXPECT_FALSE(browser->cbxPackage->ListOpen());
    EXPECT_EQ(browser->CurrentPackage(), 1);
    EXPECT_EQ(browser->lblPuzzles->Caption(), "4 Puzzles:");
  });
  CloseWindow();
  Run();
  EXPECT_NE(SettingsText().find("Package=1"), std::string::npos);
}

TEST_F(DisplayTest, ALastPuzzleOutsideThePackageShowsAndKeepsTheNearest) {
  AddPackage({.Directory = "high", .Name = "A", .Puzzles = 8, .Extra = "[User]\nlast_puzzle=40\n"});
  AddPackage({.Directory = "low", .Name = "B", .Puzzles = 8, .Extra = "[User]\nlast_puzzle=-3\n"});
  Then([this] {
    EXPECT_EQ(browser->CurrentPuzzle(), 7);
    EXPECT_EQ(browser->lblPuzzlePage->Caption(), "2 / 2");
    EXPECT_EQ(Slots(), "i ib - - - -");
  });
  ChoosePackage(1).Then([this] { EXPECT_EQ(browser->CurrentPuzzle(), 0); });
  CloseWindow();
  Run();
  EXPECT_NE(DefinitionText("high").find("last_puzzle=8"), std::string::npos);
  EXPECT_NE(DefinitionText("low").find("last_puzzle=1"), std::string::npos);
}

TEST_F(DisplayTest, AnUnreadablePreviewShowsThePlaceholderAndStaysStartable) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 3});
  WriteTextFile(dir / "p/puzzle-2.jpg", "\xFF\xD8\xFF\xE0 truncated");
  ClickOn([this] { return browser->Images[1]; }).Then([this] {
    EXPECT_EQ(Slots(), "i ib i - - -");
    EXPECT_EQ(browser->Images[1]->Picture().Width(), 150);
  });
  AltKey('S');
  CloseWindow();
  Run();
  EXPECT_TRUE(notices.empty());
  EXPECT_EQ(started, std::vector<std::string>{dir / "p/puzzle-2-Beginner.exe"});
}

// A picture whose every pixel differs from its neighbours, so that a slot
// showing it one pixel off shows other pixels.
std::string NoisyJpeg(int Width, int Height) {
  gfx::Bitmap b(Width, Height);
  for (int y = 0; y < Height; ++y)
    for (int x = 0; x < Width; ++x)
      b.SetPixel(x, y, gfx::RGB((x * 7 + y * 3) % 256, (x * 13) % 256, (y * 11) % 256));
  const std::vector<std::uint8_t> bytes = gfx::EncodeJpeg(b, 95).bytes;
  return std::string(bytes.begin(), bytes.end());
}

TEST_F(DisplayTest, APictureLargerThanItsSlotShowsItsMiddleAndTheSlotKeepsOnlyThat) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 3});
  // Wider and taller by odd and even amounts; taller only.
  WriteTextFile(dir / "p/puzzle-1.jpg", NoisyJpeg(401, 304));
  WriteTextFile(dir / "p/puzzle-2.jpg", NoisyJpeg(120, 397));
  Then([this] {
    // Each slot as the screen shows it, against the same slot showing the
    // whole picture, drawn centred by the image control itself.
    for (int s : {0, 1}) {
      TImage* image = browser->Images[s];
      const TRect slot = TRect::FromXYWH(image->ClientToScreen({0, 0}).x,
                                         image->ClientToScreen({0, 0}).y, 150, 150);
      auto shoot = [&] {
        Application->ProcessMessages();
        win::GdiFlush();
        const gfx::Bitmap screen = script.Screenshot();
        gfx::Bitmap shot(slot.Width(), slot.Height());
        gfx::DeviceContext(shot).BitBlt(0, 0, slot.Width(), slot.Height(), screen, slot.left,
                                        slot.top);
        return shot;
      };
      EXPECT_EQ(image->Picture().Width(), s == 0 ? 150 : 120);
      EXPECT_EQ(image->Picture().Height(), 150);
      const gfx::Bitmap kept = shoot();
      const std::string file = dir / ("p/puzzle-" + std::to_string(s + 1) + ".jpg");
      image->Picture().Bitmap().SetPixels(gfx::LoadImageFile(file).bitmap);
      image->Invalidate();
      EXPECT_TRUE(kept.SameAs(shoot())) << "slot " << s;
    }
    // A picture of the slot's size stays the picture it was read as.
    EXPECT_NE(dynamic_cast<TJPEGImage*>(browser->Images[2]->Picture().Graphic()), nullptr);
  });
  CloseWindow();
  Run();
  EXPECT_TRUE(notices.empty());
}

TEST_F(DisplayTest, TabVisitsTheControlsInTheDesignedOrder) {
  AddPackage({.Directory = "p", .Name = "P", .Puzzles = 8, .Markers = {1, 3}});
  std::vector<std::string> visited;
  auto record = [&] {
    Then([&] {
      visited.push_back(Screen->ActiveControl() ? Screen->ActiveControl()->Name() : "-");
    });
  };
  record();
  for (int i = 0; i < 8; ++i) {
    Key(win::VK_TAB);
    record();
  }
  CloseWindow();
  Run();
  EXPECT_EQ(visited,
            (std::vector<std::string>{"cbxPackage", "Copy1", "Copy3", "cbxSeverity", "btnStart",
                                      "btnHelp", "bsSkinButton1", "btnHomepage", "udPageNext"}));
}

}  // namespace
}  // namespace browsertest
