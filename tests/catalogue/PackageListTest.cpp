#include "catalogue/PackageList.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "catalogue/NoticeRecorder.h"
#include "catalogue/Switches.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/TestFiles.h"

namespace {

const std::string kMissing =
    "Configuration for puzzle package not found. Package will be skipped:\r\r"
    "Konfiguration für Puzzle-Paket nicht gefunden. Packet wird übersprungen:\r\r";
const std::string kIncomplete =
    "Puzzle package is incomplete and will be skipped:\r\r"
    "Puzzle-Packet ist unvollständig und wird übersprungen:\r\r";

// A temporary program directory that discovery scans.
class PackageListTest : public ::testing::Test {
 protected:
  PackageListTest() { sys::SetProgramDirectory(dir_.Path()); }
  ~PackageListTest() override {
    sys::SetProgramDirectory("");
    IgnoreErrors = false;
  }

  void Package(const std::string& sub, const std::string& name, int puzzles, int previews) {
    std::string text = "[Package]\nname=" + name + "\npreview=pv\n";
    if (puzzles >= 0)
      text += "puzzles=" + std::to_string(puzzles) + "\n";
    WriteTextFile(dir_ / sub + "/PuzzlePackage.ini", text);
    for (int n = 1; n <= previews; ++n)
      WriteTextFile(dir_ / sub + "/pv-" + std::to_string(n) + ".jpg", "");
  }
  std::vector<std::string> Names(const TPackageList& list) {
    std::vector<std::string> names;
    for (int i = 0; i < list.Count(); ++i)
      names.push_back(list[i].PackageName);
    return names;
  }

  TempDirectory dir_;
  NoticeRecorder recorder_;
};

}  // namespace

TEST_F(PackageListTest, PackagesAreSortedByNameIgnoringCase) {
  Package("one", "beta", 2, 2);
  Package("two", "Alpha", 1, 1);
  Package("three", "Gamma", 3, 3);
  WriteTextFile(dir_ / "loose-file.ini", "[Package]\n");
  TPackageList list;
  EXPECT_EQ(Names(list), (std::vector<std::string>{"Alpha", "beta", "Gamma"}));
  EXPECT_EQ(list[0].Directory, dir_ / "two");
  EXPECT_EQ(list.Directories.size(), 3u);
  for (const std::string& candidate : list.Directories)
    EXPECT_EQ(candidate.rfind(dir_.Path() + "/", 0), 0u) << candidate;
  EXPECT_TRUE(recorder_.notices.empty());
}

TEST_F(PackageListTest, BadCandidatesAreReportedOneNoticeEachAndSkipped) {
  Package("good", "Good", 2, 2);
  std::filesystem::create_directory(dir_ / "docs");
  Package("short", "Short", 6, 5);
  Package("empty", "Empty", -1, 0);  // no puzzles key, no first preview
  Package("zero", "Zero", 0, 3);
  std::filesystem::create_directories(dir_ / "dirdef/PuzzlePackage.ini");
  Package(".hidden", "Hidden", 1, 1);
  TPackageList list;
  EXPECT_EQ(Names(list), std::vector<std::string>{"Good"});
  std::vector<std::string> expected;
  for (const std::string& candidate : list.Directories) {
    std::string name = candidate.substr(candidate.rfind('/') + 1);
    if (name == "docs" || name == "dirdef")
      expected.push_back(kMissing + candidate + "/PuzzlePackage.ini");
    else if (name != "good")
      expected.push_back(kIncomplete + candidate);
  }
  EXPECT_EQ(recorder_.notices, expected);
  EXPECT_EQ(expected.size(), 5u);
}

TEST_F(PackageListTest, IgnoringErrorsSilencesTheNoticesButSkipsTheSame) {
  Package("good", "Good", 2, 2);
  Package("short", "Short", 6, 5);
  std::filesystem::create_directory(dir_ / "docs");
  IgnoreErrors = true;
  TPackageList list;
  EXPECT_EQ(Names(list), std::vector<std::string>{"Good"});
  EXPECT_TRUE(recorder_.notices.empty());
}

TEST_F(PackageListTest, AnUnreadableProgramDirectoryGivesAnEmptyList) {
  sys::SetProgramDirectory(dir_ / "missing");
  TPackageList list;
  EXPECT_EQ(list.Count(), 0);
  EXPECT_TRUE(list.Directories.empty());
  EXPECT_TRUE(recorder_.notices.empty());
}

TEST_F(PackageListTest, DestructionSavesEachPackageAndReportsAVanishedOne) {
  Package("a", "A", 2, 2);
  Package("b", "B", 2, 2);
  {
    TPackageList list;
    ASSERT_EQ(list.Count(), 2);
    list[0].SelectionChanged = true;
    list[0].LastPuzzle = 1;
    list[1].SelectionChanged = true;
    std::filesystem::remove_all(dir_ / "b");
  }
  EXPECT_EQ(sys::ReadFileBytes(dir_ / "a/PuzzlePackage.ini"),
            "[Package]\nname=A\npreview=pv\npuzzles=2\n[User]\nlast_puzzle=2\n");
  ASSERT_EQ(recorder_.notices.size(), 1u);
  EXPECT_EQ(recorder_.notices[0].rfind("Current selection could not be saved", 0), 0u);
}
