#include "Checker.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/TestFiles.h"

namespace {

class CheckerTest : public ::testing::Test {
 protected:
  void Executable(const std::string& path) {
    WriteTextFile(path, "#!/bin/sh\n");
    ::chmod(path.c_str(), 0755);
  }
  static std::string SmallJpeg() {
    const auto bytes = gfx::EncodeJpeg(gfx::Bitmap(8, 8, gfx::RGB(90, 140, 150))).bytes;
    return std::string(bytes.begin(), bytes.end());
  }
  // A package "Photos" with two puzzles and everything in place, and a
  // problem package "Broken" that the browser still accepts.
  void MakeInstallation() {
    WriteTextFile(dir_ / "photos/PuzzlePackage.ini",
                  "[Package]\nname=Photos\nfile=photo\npreview=pv\npuzzles=2\n"
                  "[User]\nlast_puzzle=2\n[Severity]\npuzzle_1=3\n");
    for (int n = 1; n <= 2; ++n) {
      std::string base = dir_ / "photos/";
      WriteTextFile(base + "pv-" + std::to_string(n) + ".jpg", SmallJpeg());
      for (const char* level : {"Beginner", "Intermediate", "Expert", "Guru", "Maniac"})
        Executable(base + "photo-" + std::to_string(n) + "-" + level + ".exe");
    }
    // No puzzles key: the two previews count. Detail files are named b-n.ini,
    // author markers m-n.ini; puzzle 2 has a marker but no detail file.
    WriteTextFile(dir_ / "broken/PuzzlePackage.ini",
                  "[Package]\nname=Broken \"&\" Co\nfile=b\npreview=m\n[User]\nlast_puzzle=3\n"
                  "[Severity]\npuzzle_1=7\n");
    WriteTextFile(dir_ / "broken/m-1.jpg", SmallJpeg());
    WriteTextFile(dir_ / "broken/m-2.jpg", SmallJpeg());
    WriteTextFile(dir_ / "broken/b-1.ini", "[Image]\nName=x\n");
    WriteTextFile(dir_ / "broken/m-2.ini", "");
    for (const char* level : {"Beginner", "Intermediate", "Expert", "Guru"})
      Executable(dir_ / "broken/b-1-" + level + ".exe");
    WriteTextFile(dir_ / "broken/b-1-Maniac.exe", "not executable");
    for (const char* level : {"Beginner", "Intermediate", "Expert", "Guru", "Maniac"})
      Executable(dir_ / "broken/b-2-" + level + ".exe");
    std::filesystem::create_directory(dir_ / "docs");
  }

  std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> Snapshot() {
    std::map<std::string, std::pair<std::string, std::filesystem::file_time_type>> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_.Path()))
      files[entry.path().string()] = {entry.is_regular_file() ? ReadTextFile(entry.path()) : "",
                                      entry.last_write_time()};
    return files;
  }

  TempDirectory dir_;
};

}  // namespace

TEST_F(CheckerTest, ReportsPackagesNoticesAndProblemsAsJson) {
  MakeInstallation();
  CheckReport report = CheckInstallation(dir_.Path(), false);
  std::string d = dir_.Path();
  EXPECT_EQ(
      FormatJson(report),
      "{\"notices\": [\"Configuration for puzzle package not found. Package will be "
      "skipped:\\r\\rKonfiguration für Puzzle-Paket nicht gefunden. Packet wird "
      "übersprungen:\\r\\r" +
          d +
          "/docs/PuzzlePackage.ini\"], \"packages\": [{\"name\": \"Broken \\\"&\\\" Co\", "
          "\"directory\": \"" +
          d +
          "/broken\", \"file\": \"b\", \"preview\": \"m\", \"puzzles\": 2, "
          "\"last_puzzle\": 3, \"severities\": [7, 1], \"problems\": [\"last_puzzle 3 is "
          "outside 1 to 2\", \"puzzle 1: severity 7 is outside 1 to 5\", \"puzzle 1: "
          "executable not executable: " +
          d + "/broken/b-1-Maniac.exe\", \"puzzle 2: detail file missing although " + d +
          "/broken/m-2.ini shows the author button: " + d +
          "/broken/b-2.ini\"]}, {\"name\": \"Photos\", \"directory\": \"" + d +
          "/photos\", \"file\": \"photo\", \"preview\": \"pv\", \"puzzles\": 2, "
          "\"last_puzzle\": 2, \"severities\": [3, 1], \"problems\": []}], \"remarks\": []}\n");
  EXPECT_EQ(CheckInstallation(dir_.Path(), true).notices.size(), 0u);
}

TEST_F(CheckerTest, WritesNothingIntoAnyPackage) {
  MakeInstallation();
  auto before = Snapshot();
  CheckReport report = CheckInstallation(dir_.Path(), false);
  EXPECT_EQ(report.packages.size(), 2u);
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(CheckerTest, ReadableLinesNameEveryPackageAndProblem) {
  MakeInstallation();
  std::string text = FormatText(CheckInstallation(dir_.Path(), true));
  EXPECT_NE(text.find("package \"Photos\" in " + dir_ / "photos\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    severities 3 1\n"), std::string::npos) << text;
  EXPECT_NE(text.find("    problem: puzzle 1: severity 7 is outside 1 to 5\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 18), "2 packages listed\n");
}

namespace {

int RunChecker(const std::string& args, std::string* out = nullptr) {
  std::string command = std::string(TILEBROOK_CHECK_BINARY) + " " + args + " 2>/dev/null";
  FILE* pipe = ::popen(command.c_str(), "r");
  std::string text;
  char buffer[4096];
  while (std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe))
    text.append(buffer, n);
  int status = ::pclose(pipe);
  if (out)
    *out = text;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST_F(CheckerTest, ExitStatusSaysWhetherAnythingIsListed) {
  std::string out;
  EXPECT_EQ(RunChecker("--json " + dir_.Path(), &out), 1);
  EXPECT_EQ(out, "{\"notices\": [], \"packages\": [], \"remarks\": []}\n");
  MakeInstallation();
  EXPECT_EQ(RunChecker("--ignore --json '" + dir_.Path() + "'", &out), 0);
  EXPECT_EQ(out.rfind("{\"notices\": [], \"packages\": [{\"name\": \"Broken", 0), 0u) << out;
  EXPECT_EQ(RunChecker(""), 2);
  EXPECT_EQ(RunChecker("--verbose " + dir_.Path()), 2);
  EXPECT_EQ(RunChecker(dir_.Path() + " " + dir_.Path()), 2);
  EXPECT_EQ(RunChecker(dir_ / "missing"), 2);
}

TEST_F(CheckerTest, PreviewsThatAreNoPicturesAreProblems) {
  MakeInstallation();
  WriteTextFile(dir_ / "photos/pv-2.jpg", SmallJpeg().substr(0, 40));
  const CheckReport report = CheckInstallation(dir_.Path(), true);
  ASSERT_EQ(report.packages.size(), 2u);
  const std::vector<std::string>& problems = report.packages[1].problems;
  ASSERT_EQ(problems.size(), 1u);
  EXPECT_EQ(problems[0].rfind("puzzle 2: preview cannot be read as a JPEG picture (", 0), 0u);
  EXPECT_NE(problems[0].find(dir_ / "photos/pv-2.jpg"), std::string::npos);
}

TEST_F(CheckerTest, RemarksSayWhatTheNoticesDoNot) {
  MakeInstallation();
  // A puzzle count that does not convert falls back to the previews.
  for (const char* count : {"2.0", "99999999999"}) {
    WriteTextFile(
        dir_ / "photos/PuzzlePackage.ini",
        std::string("[Package]\nname=Photos\nfile=photo\npreview=pv\npuzzles=") + count + "\n");
    CheckReport report = CheckInstallation(dir_.Path(), true);
    ASSERT_EQ(report.remarks.size(), 1u) << count;
    EXPECT_EQ(report.remarks[0], dir_ / "photos/PuzzlePackage.ini" + ": puzzles=" + count +
                                     " is not a whole number the browser can read; it counts "
                                     "the previews instead");
  }
  // A definition that cannot be read is more than an incomplete package.
  std::filesystem::remove(dir_ / "photos/PuzzlePackage.ini");
  ASSERT_EQ(::mkfifo((dir_ / "photos/PuzzlePackage.ini").c_str(), 0644), 0);
  CheckReport report = CheckInstallation(dir_.Path(), false);
  ASSERT_EQ(report.remarks.size(), 1u);
  EXPECT_EQ(report.remarks[0], dir_ / "photos/PuzzlePackage.ini" +
                                   " cannot be read (not a regular file); the browser reports "
                                   "the package as incomplete");
  EXPECT_NE(FormatText(report).find("remark: " + report.remarks[0] + "\n"), std::string::npos);

  // A directory that cannot be listed is not an empty one. Permissions do
  // not bind the superuser, so the check runs in a child without them.
  std::filesystem::create_directory(dir_ / "closed");
  ::chmod((dir_ / "closed").c_str(), 0);
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(10);
    CheckReport closed = CheckInstallation(dir_ / "closed", false);
    ::_exit(closed.remarks.size() == 1 &&
                    closed.remarks[0] == dir_ / "closed" +
                                             " cannot be read (Permission denied); the browser "
                                             "would find no packages in it"
                ? 0
                : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  ::chmod((dir_ / "closed").c_str(), 0755);
}

TEST_F(CheckerTest, ControlCharactersFromPackagesNeverReachTheTerminal) {
  MakeInstallation();
  WriteTextFile(dir_ / "photos/PuzzlePackage.ini",
                "[Package]\nname=Ph\x1b]0;owned\x07otos\nfile=ph\x1b[2Jto\npreview=pv\n");
  const std::string text = FormatText(CheckInstallation(dir_.Path(), false));
  EXPECT_EQ(text.find('\x1b'), std::string::npos);
  EXPECT_EQ(text.find('\x07'), std::string::npos);
  EXPECT_NE(text.find("package \"Ph\\x1b]0;owned\\x07otos\""), std::string::npos) << text;
  EXPECT_NE(text.find("file ph\\x1b[2Jto,"), std::string::npos) << text;
}

TEST_F(CheckerTest, UnwritableOutputFailsAndSaysWhy) {
  MakeInstallation();
  const std::string command = std::string(TILEBROOK_CHECK_BINARY) + " --json '" + dir_.Path() +
                              "' >/dev/full 2>'" + dir_ / "err.txt" + "'";
  const int status = std::system(command.c_str());
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
  EXPECT_EQ(ReadTextFile(dir_ / "err.txt"),
            "tilebrook-check: cannot write to standard output: No space left on device\n");
}

TEST(DemoInstallation, ListsItsPackagesInNameOrderAndLacksOnlyItsPrograms) {
  CheckReport report = CheckInstallation(TILEBROOK_SOURCE_DIR "/assets/demo", false);
  EXPECT_TRUE(report.notices.empty());
  EXPECT_TRUE(report.remarks.empty());
  ASSERT_EQ(report.packages.size(), 3u);
  // An initial umlaut sorts with its base letter.
  EXPECT_EQ(report.packages[0].name, "Ährenfeld Quilts");
  EXPECT_EQ(report.packages[0].puzzles, 14);
  EXPECT_EQ(report.packages[1].name, "Brookside Landscapes");
  // The puzzle programs are not kept in the repository: the run directory
  // links the tile puzzle under their names.
  for (const CheckedPackage& package : report.packages) {
    EXPECT_EQ(package.problems.size(), 5u * static_cast<std::size_t>(package.puzzles));
    for (const std::string& problem : package.problems)
      EXPECT_NE(problem.find(": executable missing: "), std::string::npos) << problem;
  }
}

TEST(DemoInstallation, TheRunDirectoryHasEveryPuzzleProgramButOneManiac) {
  TempDirectory run;
  std::filesystem::copy(TILEBROOK_SOURCE_DIR "/assets/demo", run.Path(),
                        std::filesystem::copy_options::recursive);
  const std::string link = std::string("'") + TILEBROOK_SOURCE_DIR +
                           "/scripts/link-demo-puzzles' '" + run.Path() + "' /bin/sh";
  ASSERT_EQ(std::system(link.c_str()), 0);
  std::error_code error;
  EXPECT_EQ(std::filesystem::read_symlink(run / "brookside/landscape-6-Guru.exe", error),
            "/bin/sh");
  CheckReport report = CheckInstallation(run.Path(), false);
  ASSERT_EQ(report.packages.size(), 3u);
  std::vector<std::string> problems;
  for (const CheckedPackage& package : report.packages)
    problems.insert(problems.end(), package.problems.begin(), package.problems.end());
  EXPECT_EQ(problems, std::vector<std::string>{"puzzle 8: executable missing: " + run.Path() +
                                               "/stonework/mosaic-8-Maniac.exe"});
}
