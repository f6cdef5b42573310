#include "tiles/PuzzleName.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/sys/TestFiles.h"
#include "tiles/PuzzleTitle.h"
#include "tiles/TilesTexts.h"

namespace {

TEST(PuzzleName, ReadsDirectoryBaseNumberAndSeverity) {
  struct Case {
    std::string start, directory, base;
    int number, severity;
  };
  const Case cases[] = {
      {"/games/pack/photo-3-Maniac.exe", "/games/pack", "photo", 3, 5},
      {"/games/pack/old-mill-2024-12-Beginner.exe", "/games/pack", "old-mill-2024", 12, 1},
      {"pack/landscape-1-Intermediate.exe", "pack", "landscape", 1, 2},
      {"Brücke-Übergang-7-Expert.exe", ".", "Brücke-Übergang", 7, 3},
      {"/x-99999-Guru.exe", "", "x", 99999, 4},
      {"/p/-1-2-Guru.exe", "/p", "-1", 2, 4},
  };
  for (const Case& c : cases) {
    const auto name = ParsePuzzleName(c.start);
    ASSERT_TRUE(name.has_value()) << c.start;
    EXPECT_EQ(name->Directory, c.directory) << c.start;
    EXPECT_EQ(name->FileBase, c.base) << c.start;
    EXPECT_EQ(name->Number, c.number) << c.start;
    EXPECT_EQ(name->Severity, c.severity) << c.start;
  }
  EXPECT_EQ(ParsePuzzleName("/games/pack/photo-3-Maniac.exe")->PuzzleStem(), "/games/pack/photo-3");
}

TEST(PuzzleName, RefusesNamesOffThePattern) {
  for (const char* start : {
           "tilebrook-tiles",          // the build's own name
           "photo-3-Maniac",           // no ending
           "photo-3-Maniac.EXE",       // the browser writes ".exe"
           "photo-3-maniac.exe",       // severity names are spelled exactly
           "photo-3-Master.exe",       // not a severity
           "photo-Maniac.exe",         // no number
           "-3-Maniac.exe",            // no base name
           "photo--Maniac.exe",        // empty number
           "photo-0-Maniac.exe",       // numbers start at 1
           "photo-03-Maniac.exe",      // not as the browser writes numbers
           "photo-+3-Maniac.exe",      // not a plain number
           "photo-123456-Maniac.exe",  // beyond any package
           "photo-3-Maniac.exe/",      // a directory
           ".exe",
           "",
       })
    EXPECT_FALSE(ParsePuzzleName(start).has_value()) << start;
}

TEST(PuzzleName, ANameFoundOnTheSearchPathGetsItsDirectory) {
  TempDirectory dir;
  WriteTextFile(dir / "a/photo-1-Guru.exe", "not executable");
  WriteTextFile(dir / "b/photo-1-Guru.exe", "");
  ::chmod((dir / "b/photo-1-Guru.exe").c_str(), 0755);
  const std::string path = dir / "a" + ":" + dir / "b";
  EXPECT_EQ(ResolveStartName("photo-1-Guru.exe", path.c_str()), dir / "b/photo-1-Guru.exe");
  // A path as given stays, and so does a name found nowhere.
  EXPECT_EQ(ResolveStartName("./photo-1-Guru.exe", path.c_str()), "./photo-1-Guru.exe");
  EXPECT_EQ(ResolveStartName("other-1-Guru.exe", path.c_str()), "other-1-Guru.exe");
  EXPECT_EQ(ResolveStartName("photo-1-Guru.exe", nullptr), "photo-1-Guru.exe");
}

TEST(PuzzleName, WrongNameNoticeSaysWhatIsExpectedInBothLanguages) {
  const std::string notice = WrongNameNotice("/usr/bin/tilebrook-tiles");
  EXPECT_NE(notice.find("<file>-<n>-<Severity>.exe"), std::string::npos);
  EXPECT_NE(notice.find("Beginner, Intermediate, Expert, Guru or Maniac"), std::string::npos);
  EXPECT_NE(notice.find("\r\rDieses Legespiel"), std::string::npos);
  EXPECT_EQ(notice.find('\n'), std::string::npos);
  EXPECT_NE(notice.rfind("/usr/bin/tilebrook-tiles"), notice.find("/usr/bin/tilebrook-tiles"));
}

TEST(PuzzleTitle, TheDetailFilesTitleElseFileAndNumber) {
  TempDirectory dir;
  const TPuzzleName name = *ParsePuzzleName(dir / "pack/photo-3-Guru.exe");
  EXPECT_EQ(PuzzleTitle(name), "photo 3");  // no detail file
  WriteTextFile(dir / "pack/photo-3.ini", "[Image]\nName=  \n[Author]\nName=Ann\n");
  EXPECT_EQ(PuzzleTitle(name), "photo 3");  // a blank title
  WriteTextFile(dir / "pack/photo-3.ini", "[image]\nname = Fish & Chips at Dusk\n");
  EXPECT_EQ(PuzzleTitle(name), "Fish & Chips at Dusk");
  EXPECT_EQ(TilesCaption(PuzzleTitle(name), 4),
            "Fish & Chips at Dusk - Guru - Tilebrook(tm) Tiles");
}

}  // namespace
