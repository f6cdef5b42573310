// scripts/link-demo-puzzles installs the tile puzzle under the names the
// browser starts. It reads the package definitions with a shell parser of its
// own, so it is checked here against the program's reader: for every package
// the program finds, every puzzle at every severity is a link to the game,
// but for the one program left out on purpose.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "catalogue/Package.h"
#include "catalogue/Puzzle.h"
#include "platform/sys/TestFiles.h"

namespace {

namespace fs = std::filesystem;

// A run directory and a stand-in for the game in a temporary directory.
class LinkDemoPuzzles : public ::testing::Test {
 protected:
  LinkDemoPuzzles() { WriteTextFile(game, ""); }
  void Define(const std::string& package, const std::string& text) {
    WriteTextFile(run + "/" + package + "/PuzzlePackage.ini", text);
  }
  int RunScript(const std::string& gamePath) const {
    const std::string command = "'" TILEBROOK_SOURCE_DIR "/scripts/link-demo-puzzles' '" + run +
                                "' '" + gamePath + "' >/dev/null 2>&1";
    return std::system(command.c_str());
  }

  TempDirectory dir;
  const std::string game = dir / "game";
  const std::string run = dir / "run";
};

TEST_F(LinkDemoPuzzles, LinksEveryNameTheProgramStartsButTheOneLeftOut) {
  Define("plain", "[Package]\nname=Plain\nfile=plain\npuzzles=2\n");
  // As a package author's editor may leave it: a byte-order mark, CRLF
  // lines, comments, names in other letter case, blanks and quotes.
  Define("quirky",
         "\xEF\xBB\xBF; made by hand\r\n[Other]\r\nfile=wrong\r\n[ package ]\r\n"
         "  FILE = \"quirk\" \r\nPuzzles = 3\r\n");
  Define("stonework", "[Package]\nfile=mosaic\npuzzles=8\n");
  // The program's name for a puzzle that is not installed must not stay a
  // link from an earlier run.
  fs::create_symlink(game, run + "/stonework/mosaic-8-Maniac.exe");
  ASSERT_EQ(RunScript(game), 0);

  int links = 0;
  for (const char* name : {"plain", "quirky", "stonework"}) {
    const TPackage package(run + "/" + name);
    ASSERT_GT(package.PuzzleCount, 0) << name;
    for (int index = 0; index < package.PuzzleCount; ++index)
      for (int severity = MinSeverity; severity <= MaxSeverity; ++severity) {
        const fs::path exe = package.ExecutableFileName(index, severity);
        const bool leftOut = exe == fs::path(run + "/stonework/mosaic-8-Maniac.exe");
        ASSERT_EQ(fs::is_symlink(exe), !leftOut) << exe;
        if (!leftOut) {
          EXPECT_TRUE(fs::equivalent(exe, game)) << exe;
          ++links;
        }
      }
  }
  EXPECT_EQ(links, (2 + 3 + 8) * 5 - 1);
  // Nothing but the links was made: no name of the other section.
  EXPECT_FALSE(fs::exists(run + "/quirky/wrong-1-Beginner.exe"));
}

TEST_F(LinkDemoPuzzles, LinksNothingOutsideAPackageDirectory) {
  Define("away", "[Package]\nfile=../away\npuzzles=2\n");
  Define("huge", "[Package]\nfile=h\npuzzles=99999999\n");
  ASSERT_EQ(RunScript(game), 0);
  EXPECT_FALSE(fs::exists(run + "/away-1-Beginner.exe"));
  EXPECT_FALSE(fs::exists(run + "/huge/h-1-Beginner.exe"));
  EXPECT_NE(RunScript(""), 0) << "an empty game path is refused";
}

}  // namespace
