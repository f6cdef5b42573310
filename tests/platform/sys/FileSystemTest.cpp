#include "platform/sys/FileSystem.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/sys/AtomicFile.h"
#include "platform/sys/TestFiles.h"

TEST(FileSystem, ADirectoryNeverCountsAsAFile) {
  TempDirectory dir;
  WriteTextFile(dir / "file.ini", "x");
  std::filesystem::create_directory(dir / "PuzzlePackage.ini");
  std::filesystem::create_symlink(dir / "file.ini", dir / "link.ini");
  std::filesystem::create_symlink(dir / "missing", dir / "dangling.ini");
  EXPECT_TRUE(sys::FileExists(dir / "file.ini"));
  EXPECT_TRUE(sys::FileExists(dir / "link.ini"));
  EXPECT_FALSE(sys::FileExists(dir / "PuzzlePackage.ini"));
  EXPECT_FALSE(sys::FileExists(dir / "dangling.ini"));
  EXPECT_FALSE(sys::FileExists(dir / "none"));
  EXPECT_FALSE(sys::FileExists(dir.Path()));
}

TEST(FileSystem, ListingReturnsSubDirectoriesButNoHiddenOnesAndNoFiles) {
  TempDirectory dir;
  for (const char* name : {"alpha", "beta", ".hidden", "..dots"})
    std::filesystem::create_directory(dir / name);
  WriteTextFile(dir / "file", "x");
  std::filesystem::create_directory_symlink(dir / "alpha", dir / "linked");
  std::vector<std::string> names = sys::ListDirectories(dir.Path());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"alpha", "beta", "linked"}));
  std::vector<std::string> withSeparator = sys::ListDirectories(dir.Path() + "/");
  std::sort(withSeparator.begin(), withSeparator.end());
  EXPECT_EQ(withSeparator, names);
  EXPECT_TRUE(sys::ListDirectories(dir / "missing").empty());
}

TEST(FileSystem, ProgramDirectoryIsTheExecutablesUnlessOverridden) {
  std::string own = sys::ProgramDirectory();
  ASSERT_FALSE(own.empty());
  EXPECT_EQ(own.back(), '/');
  EXPECT_TRUE(
      sys::FileExists(own + std::filesystem::path(sys::ExecutablePath()).filename().string()));
  sys::SetProgramDirectory("/some/where");
  EXPECT_EQ(sys::ProgramDirectory(), "/some/where/");
  sys::SetProgramDirectory("");
  EXPECT_EQ(sys::ProgramDirectory(), own);
}

TEST(FileSystem, ReadFileBytesKeepsEveryByteAndReadsOnlyRegularFiles) {
  TempDirectory dir;
  std::string bytes("a\0b\r\n\xFF", 6);
  WriteTextFile(dir / "f", bytes);
  EXPECT_EQ(sys::ReadFileBytes(dir / "f"), bytes);
  EXPECT_EQ(sys::ReadFileBytes(dir.Path()), std::nullopt);
  // A pipe with no writer would block a plain open for ever.
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
  EXPECT_EQ(sys::ReadFileBytes(dir / "pipe"), std::nullopt);
  EXPECT_EQ(sys::ReadFileBytes(dir / "none"), std::nullopt);
}

TEST(FileSystem, ReadFileBytesRefusesAFileLargerThanAsked) {
  TempDirectory dir;
  WriteTextFile(dir / "f", std::string(100, 'x'));
  std::string why;
  EXPECT_EQ(sys::ReadFileBytes(dir / "f", &why, 100), std::string(100, 'x'));
  EXPECT_EQ(sys::ReadFileBytes(dir / "f", &why, 99), std::nullopt);
  EXPECT_EQ(why, "larger than 99 bytes");
  // A sparse file of gigabytes costs nothing to make and must not be read
  // into memory.
  { std::ofstream(dir / "huge").put('x'); }
  std::filesystem::resize_file(dir / "huge", std::uintmax_t{3} << 30);
  EXPECT_EQ(sys::ReadFileBytes(dir / "huge", &why), std::nullopt);
  EXPECT_EQ(why, "larger than 256 MB");
}

TEST(FileSystem, APathWithANulByteNamesNoFile) {
  // Cut at the NUL, each of these would name the file or directory before it.
  TempDirectory dir;
  WriteTextFile(dir / "file", "x");
  std::filesystem::create_directory(dir / "sub");
  const std::string file = dir / "file";
  const std::string sub = dir / "sub";
  const std::string nul(1, '\0');
  ::chmod(file.c_str(), 0755);
  EXPECT_FALSE(sys::FileExists(file + nul + "-1.jpg"));
  EXPECT_FALSE(sys::IsExecutableFile(file + nul + "-1-Expert.exe"));
  EXPECT_FALSE(sys::DirectoryExists(sub + nul + "x"));
  EXPECT_TRUE(sys::ListDirectories(dir.Path() + nul + "x").empty());
  EXPECT_EQ(sys::ReadFileBytes(file + nul + ".ini"), std::nullopt);
  EXPECT_FALSE(sys::ReplaceFileAtomically(file + nul + ".ini", "new"));
  EXPECT_EQ(sys::ReadFileBytes(file), "x");
}
