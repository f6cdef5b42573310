// Hostile and odd installations through the real window: the window shows
// what it can and stays usable; nothing hangs and no file is lost.

#include <sys/stat.h>

#include <filesystem>

#include "browser/BrowserTest.h"
#include "platform/gfx/ImageCodecs.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinLabels.h"
#include "ui/ExtCtrls.h"

namespace browsertest {
namespace {

using BadInputTest = BrowserTest;

TEST_F(BadInputTest, TenThousandPackagesAndAVeryLongName) {
  const auto jpeg = gfx::EncodeJpeg(gfx::Bitmap(20, 20, gfx::RGB(90, 120, 60)), 50).bytes;
  const std::string preview(jpeg.begin(), jpeg.end());
  for (int i = 0; i < 10000; ++i) {
    const std::string d = dir / ("p" + std::to_string(i));
    std::filesystem::create_directory(d);
    const std::string name = i == 0 ? std::string(2000, 'W') : "Package " + std::to_string(i);
    WriteTextFile(d + "/PuzzlePackage.ini", "[Package]\nname=" + name + "\npuzzles=1\n");
    WriteTextFile(d + "/nopreview-1.jpg", preview);
  }
  Then([this] {
    EXPECT_EQ(browser->Packages()->Count(), 10000);
    EXPECT_EQ(browser->lblStatus->Caption(), "10000 Packages / Pakete, 10000 Puzzles");
    browser->cbxPackage->SetItemIndex(9999);
  });
  Then([this] {
    EXPECT_EQ(browser->CurrentPackage(), 9999);
    EXPECT_EQ((*browser->Packages())[9999].PackageName, std::string(2000, 'W'));
    EXPECT_TRUE(browser->Images[0]->Visible());
  });
  CloseWindow();
  Run();
  EXPECT_NE(SettingsText().find("Package=9999"), std::string::npos);
}

TEST_F(BadInputTest, NamesWithSpacesQuotesAmpersandsAndUmlauts) {
  AddPackage({.Directory = "Spaß & \"Rätsel\" 'dir'",
              .Name = "Spaß & Co",
              .Puzzles = 2,
              .File = "puz zle 'ä'&",
              .Preview = "vor schau \"ö\"",
              .Details = {{1, "[Image]\nName=Tom & Jerry\n"}},
              .Markers = {1}});
  ClickOn([this] { return browser->AuthorButtons[0]; }).Dismiss();
  ClickOn([this] { return browser->Images[1]; });
  AltKey('S');
  Then([this] {
    EXPECT_EQ(browser->cbxPackage->ItemText(), "Spaß & Co");
    EXPECT_TRUE(browser->Images[0]->Visible());
    EXPECT_NE(browser->Images[0]->Picture().Graphic(), nullptr);
  });
  CloseWindow();
  Run();
  const std::string d = dir / "Spaß & \"Rätsel\" 'dir'";
  EXPECT_EQ(started, std::vector<std::string>{d + "/puz zle 'ä'&-2-Beginner.exe"});
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].rfind("Title / Titel:\r    Tom && Jerry\r", 0), 0u);
  EXPECT_NE(DefinitionText("Spaß & \"Rätsel\" 'dir'").find("last_puzzle=2"), std::string::npos);
}

TEST_F(BadInputTest, PreviewsThatAreNoPictureFiles) {
  AddPackage({.Directory = "fifo", .Name = "A", .Puzzles = 3});
  AddPackage({.Directory = "dir", .Name = "B", .Puzzles = 2});
  // A pipe in a preview's place must not hang the display; a directory in
  // its place makes the package incomplete.
  std::filesystem::remove(dir / "fifo/puzzle-2.jpg");
  ASSERT_EQ(::mkfifo((dir / "fifo/puzzle-2.jpg").c_str(), 0644), 0);
  WriteTextFile(dir / "fifo/puzzle-3.jpg", "garbage that is no picture");
  std::filesystem::remove(dir / "dir/puzzle-2.jpg");
  std::filesystem::create_directory(dir / "dir/puzzle-2.jpg");
  Dismiss();
  Then([this] {
    EXPECT_EQ(browser->Packages()->Count(), 1);
    for (int s = 0; s < 3; ++s) {
      EXPECT_TRUE(browser->Images[s]->Visible()) << s;
      EXPECT_EQ(browser->Images[s]->Picture().Width(), 150) << s;
    }
  });
  ClickOn([this] { return browser->Images[1]; });
  AltKey('S');
  CloseWindow();
  Run();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].rfind("Puzzle package is incomplete and will be skipped:", 0), 0u);
  EXPECT_EQ(started, std::vector<std::string>{dir / "fifo/puzzle-2-Beginner.exe"});
}

TEST_F(BadInputTest, GarbageDefinitionsAreSkippedAndKept) {
  AddPackage({.Directory = "good", .Name = "Good", .Puzzles = 1});
  const std::string garbage("\x00\xFF[Package\nname=\x01\x02\npuzzles=0x7FFFFFFF\n\xC3", 31);
  WriteTextFile(dir / "bad/PuzzlePackage.ini", garbage);
  WriteTextFile(dir / "huge/PuzzlePackage.ini", "[Package]\npuzzles=99999999\n");
  WriteTextFile(dir / "huge/nopreview-1.jpg", "x");
  Dismiss().Dismiss();
  Then([this] { EXPECT_EQ(browser->Packages()->Count(), 1); });
  CloseWindow();
  Run();
  EXPECT_EQ(notices.size(), 2u);
  EXPECT_EQ(ReadTextFile(dir / "bad/PuzzlePackage.ini"), garbage);
  EXPECT_EQ(ReadTextFile(dir / "huge/PuzzlePackage.ini"), "[Package]\npuzzles=99999999\n");
}

}  // namespace
}  // namespace browsertest
