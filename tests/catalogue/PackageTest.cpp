#include "catalogue/Package.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "catalogue/NoticeRecorder.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/TestFiles.h"

namespace {

const char* const kSaveFailed =
    "Current selection could not be saved for next session.\r"
    "The package is maybe corrupt or you have uninstalled it.\r\r"
    "Die aktuelle Einstellung konnte nicht gespeichert werden.\r"
    "Das Paket ist entweder beschädigt oder Sie haben es deinstalliert.";

class PackageTest : public ::testing::Test {
 protected:
  std::string Dir() const { return dir_ / "pack"; }
  std::string Definition() const { return Dir() + "/PuzzlePackage.ini"; }
  void Define(const std::string& text) { WriteTextFile(Definition(), text); }
  void Previews(const std::string& base, int count) {
    for (int n = 1; n <= count; ++n)
      WriteTextFile(Dir() + "/" + base + "-" + std::to_string(n) + ".jpg", "");
  }
  std::vector<int> Severities(const TPackage& p) {
    std::vector<int> s;
    for (const TPuzzle& puzzle : p.Puzzles)
      s.push_back(puzzle.Severity);
    return s;
  }

  TempDirectory dir_;
  NoticeRecorder recorder_;
};

}  // namespace

TEST_F(PackageTest, MissingKeysTakeTheirDefaultsAndThePuzzleCountIsThePreviewCount) {
  Define("[Package]\nname=X\n");
  Previews("nopreview", 4);
  WriteTextFile(Dir() + "/nopreview-6.jpg", "");  // after a gap: not counted
  TPackage p(Dir());
  EXPECT_EQ(p.Directory, Dir());
  EXPECT_EQ(p.FileName(), Definition());
  EXPECT_EQ(p.PackageName, "X");
  EXPECT_EQ(p.FileBase, "nofile");
  EXPECT_EQ(p.PreviewBase, "nopreview");
  EXPECT_EQ(p.PuzzleCount, 4);
  EXPECT_EQ(p.LastPuzzle, 0);
  EXPECT_EQ(Severities(p), (std::vector<int>{1, 1, 1, 1}));
  EXPECT_FALSE(p.SelectionChanged);
  EXPECT_FALSE(p.SeveritiesChanged);
}

TEST_F(PackageTest, ThePuzzleCountKeyWinsOverThePreviewsWhenItIsANumber) {
  Previews("p", 5);
  for (auto [value, expected] :
       {std::pair{"3", 3}, {"7", 7}, {"0x0A", 10}, {"ten", 5}, {"-2", -2}}) {
    Define(std::string("[Package]\npreview=p\npuzzles=") + value + "\n");
    TPackage p(Dir());
    EXPECT_EQ(p.PuzzleCount, expected) << value;
    EXPECT_EQ(p.Puzzles.size(), static_cast<std::size_t>(std::max(expected, 0))) << value;
  }
}

TEST_F(PackageTest, ThePlayersSectionIsReadAsStoredWithoutRangeChecks) {
  Define(
      "[Package]\nname=N\nfile=photo\npreview=pv\npuzzles=3\n[User]\nlast_puzzle=4\n"
      "[Severity]\npuzzle_1=5\npuzzle_03=4\nPUZZLE_2=9\n");
  TPackage p(Dir());
  EXPECT_EQ(p.LastPuzzle, 3);
  // "puzzle_03" is not the key of puzzle 3: numbers have no leading zeros.
  EXPECT_EQ(Severities(p), (std::vector<int>{5, 9, 1}));
}

TEST_F(PackageTest, PerPuzzleFilesAreNamedFromTheBaseNamesAndNumbers) {
  Define("[Package]\nfile=photo\npreview=pv\npuzzles=3\n");
  TPackage p(Dir());
  EXPECT_EQ(p.PreviewFileName(0), Dir() + "/pv-1.jpg");
  EXPECT_EQ(p.AuthorMarkerFileName(9), Dir() + "/pv-10.ini");
  EXPECT_EQ(p.DetailFileName(2), Dir() + "/photo-3.ini");
  EXPECT_EQ(p.ExecutableFileName(2, 5), Dir() + "/photo-3-Maniac.exe");
  EXPECT_EQ(p.ExecutableFileName(0, 1), Dir() + "/photo-1-Beginner.exe");
  EXPECT_EQ(p.ExecutableFileName(0, 0), "");
  EXPECT_EQ(p.ExecutableFileName(0, 6), "");
}

TEST_F(PackageTest, NothingIsWrittenUnlessAChangeFlagIsSet) {
  const std::string text = "[Package]\r\npuzzles=2\r\n; hand-made\r\n";
  Define(text);
  ::chmod(Definition().c_str(), 0444);
  auto before = std::filesystem::last_write_time(Definition());
  {
    TPackage p(Dir());
    p.LastPuzzle = 1;
    p.Puzzles[0].Severity = 4;
  }
  EXPECT_EQ(ReadTextFile(Definition()), text);
  EXPECT_EQ(std::filesystem::last_write_time(Definition()), before);
  EXPECT_TRUE(recorder_.notices.empty());
}

TEST_F(PackageTest, TheSelectionIsWrittenBackOneBased) {
  Define("[Package]\npuzzles=5\n[User]\nlast_puzzle=4\n");
  {
    TPackage p(Dir());
    p.SelectionChanged = true;
  }
  EXPECT_EQ(ReadTextFile(Definition()), "[Package]\npuzzles=5\n[User]\nlast_puzzle=4\n");
  {
    TPackage p(Dir());
    p.SelectionChanged = true;
    p.LastPuzzle = 0;
  }
  EXPECT_EQ(ReadTextFile(Definition()), "[Package]\npuzzles=5\n[User]\nlast_puzzle=1\n");
}

TEST_F(PackageTest, OneSeverityChangeWritesEveryPuzzlesSeverityInOrder) {
  Define("[Package]\npuzzles=3\n\n[Severity]\npuzzle_2=3\n");
  {
    TPackage p(Dir());
    p.Puzzles[2].Severity = 5;
    p.SeveritiesChanged = true;
  }
  EXPECT_EQ(ReadTextFile(Definition()),
            "[Package]\npuzzles=3\n\n[Severity]\npuzzle_2=3\npuzzle_1=1\npuzzle_3=5\n");
  EXPECT_TRUE(recorder_.notices.empty());
}

TEST_F(PackageTest, AFailedSaveIsReportedOnceAndDestructionGoesOn) {
  Define("[Package]\npuzzles=3\n");
  {
    TPackage p(Dir());
    p.SelectionChanged = true;
    p.SeveritiesChanged = true;
    // The player uninstalled the package while the browser was running.
    std::filesystem::remove_all(Dir());
  }
  EXPECT_EQ(recorder_.notices, std::vector<std::string>{kSaveFailed});
  EXPECT_FALSE(std::filesystem::exists(Dir()));
}

TEST_F(PackageTest, DamagedDefinitionsTakeTheirDefaults) {
  std::mt19937 random(7);
  std::string garbage;
  for (int i = 0; i < 200000; ++i)
    garbage += static_cast<char>(random());
  std::string manyLines;
  for (int i = 0; i < 100000; ++i)
    manyLines += "[Package]\nname=" + std::to_string(i) + "\n";
  std::string longLines = "[Package]\nname=" + std::string(1 << 20, 'n') + "\n" +
                          std::string(1 << 20, '[') + "\npuzzles=" + std::string(5000, '9') + "\n";
  Previews("nopreview", 2);
  for (const std::string& text : {garbage, std::string("name=X\npuzzles=9\n"), longLines}) {
    Define(text);
    TPackage p(Dir());
    EXPECT_EQ(p.FileBase, "nofile");
    EXPECT_EQ(p.PuzzleCount, 2);
    EXPECT_EQ(p.Puzzles.size(), 2u);
  }
  Define(manyLines);
  TPackage many(Dir());
  EXPECT_EQ(many.PackageName, "0");  // only the first section is searched
  Define(longLines);
  TPackage longOne(Dir());
  EXPECT_EQ(longOne.PackageName, std::string(2047, 'n'));
}

TEST_F(PackageTest, AnAbsurdPuzzleCountDoesNotExhaustMemory) {
  Define("[Package]\npuzzles=0x7FFFFFFF\n");
  TPackage p(Dir());
  EXPECT_EQ(p.PuzzleCount, 2147483647);
  EXPECT_EQ(p.Puzzles.size(), static_cast<std::size_t>(TPackage::MaxPuzzleRecords));
}

TEST_F(PackageTest, ABaseNameWithANulByteNamesNoFiles) {
  // Cut short at the NUL, every preview name would be the definition's own,
  // and counting the previews would not end.
  Define(std::string("[Package]\nfile=PuzzlePackage.ini\0\npreview=PuzzlePackage.ini\0\n", 61));
  Previews("PuzzlePackage.ini", 2);
  TPackage p(Dir());
  EXPECT_EQ(p.PreviewBase, std::string("PuzzlePackage.ini\0", 18));
  EXPECT_EQ(p.PuzzleCount, 0);
  EXPECT_FALSE(sys::FileExists(p.DetailFileName(0)));
}
