#include "platform/sys/ProfileFile.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/sys/AtomicFile.h"
#include "platform/sys/FailingCalls.h"
#include "platform/sys/ProfileEdit.h"
#include "platform/sys/ProfileText.h"
#include "platform/sys/TestFiles.h"

namespace {

std::string Edit(std::string_view bytes, std::string_view section, std::string_view key,
                 std::string_view value) {
  return sys::EditProfile(bytes, section, key, value).value_or("<refused>");
}

// Entries of a directory other than the given file: what a write may leave
// behind.
int OtherEntries(const std::string& directory, const std::string& keep) {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(directory))
    if (entry.path().filename() != keep)
      ++count;
  return count;
}

// Fails only the Nth file-system call, counting from 1, and makes every write
// a short one.
class FailingCalls : public systest::FailingCalls {
 public:
  explicit FailingCalls(int failAt) : systest::FailingCalls(failAt, EIO, true) {}
};

}  // namespace

TEST(ProfileEdit, ExistingKeyKeepsItsPlaceSpellingAndEveryOtherByte) {
  std::string text =
      "; made by hand\r\n[Package]\r\nname = Brook\r\n\r\n[User]\r\n  Last_Puzzle = 2 ; old\r\n"
      "x=\x01\xFF\r\n";
  EXPECT_EQ(Edit(text, "user", "last_puzzle", "4"),
            "; made by hand\r\n[Package]\r\nname = Brook\r\n\r\n[User]\r\n  Last_Puzzle = 4\r\n"
            "x=\x01\xFF\r\n");
}

TEST(ProfileEdit, NewKeyFollowsTheLastKeyOfItsSection) {
  std::string text = "[Severity]\npuzzle_1=2\n\n; end of severities\n[Other]\na=1\n";
  EXPECT_EQ(Edit(text, "SEVERITY", "puzzle_2", "5"),
            "[Severity]\npuzzle_1=2\npuzzle_2=5\n\n; end of severities\n[Other]\na=1\n");
  EXPECT_EQ(Edit("[Empty]\n\n[B]\n", "empty", "k", "v"), "[Empty]\nk=v\n\n[B]\n");
  // The last line of a file without a line break gets one before the new key.
  EXPECT_EQ(Edit("[s]\r\na=1", "s", "b", "2"), "[s]\r\na=1\r\nb=2");
}

TEST(ProfileEdit, NewSectionIsAppendedAtTheEnd) {
  EXPECT_EQ(Edit("", "User", "last_puzzle", "1"), "[User]\nlast_puzzle=1\n");
  EXPECT_EQ(Edit("[a]\r\nk=1", "User", "n", "1"), "[a]\r\nk=1\r\n[User]\r\nn=1\r\n");
  EXPECT_EQ(Edit("[a]\rk=1\r", "b", "n", "1"), "[a]\rk=1\r[b]\rn=1\r");
}

TEST(ProfileEdit, OnlyTheFirstOfDuplicateSectionsIsWritten) {
  EXPECT_EQ(Edit("[s]\na=1\n[s]\na=2\n", "S", "a", "9"), "[s]\na=9\n[s]\na=2\n");
}

TEST(ProfileEdit, NamesAndValuesThatCouldInjectLinesAreRefused) {
  std::string text = "[s]\na=1\n";
  for (auto [section, key, value] : {std::tuple{"s\n[x", "a", "1"},
                                     {"s]x", "a", "1"},
                                     {"s", "a\r", "1"},
                                     {"s", "a=b", "1"},
                                     {"s", "[x", "1"},
                                     {"s", ";x", "1"},
                                     {"s", "", "1"},
                                     {"s", " a", "1"},
                                     {"s", "a", "1\r\n[t]"},
                                     {"s", "a", "1\n"}})
    EXPECT_EQ(Edit(text, section, key, value), "<refused>")
        << section << "/" << key << "/" << value;
  EXPECT_EQ(Edit(text, "s", "a", std::string_view("1\0", 2)), "<refused>");
}

TEST(ProfileEdit, Windows1252FilesStayWindows1252WhereTheTextAllows) {
  std::string text =
      "[s]\nname=Gr\xF6\xDF"
      "e\n";
  EXPECT_EQ(Edit(text, "s", "city", "Köln €"),
            "[s]\nname=Gr\xF6\xDF"
            "e\ncity=K\xF6ln \x80\n");
}

TEST(ProfileEdit, AWindows1252FileIsRewrittenInUtf8WhenItCouldNotReadTheSame) {
  // A character 1252 cannot hold: the whole file becomes UTF-8, so that the
  // new value reads back as written and the old ones as before.
  EXPECT_EQ(Edit("[s]\nname=Gr\xF6\xDF"
                 "e\n",
                 "s", "n", "\xE2\x88\x9E"),
            "[s]\nname=Gr\xC3\xB6\xC3\x9F"
            "e\nn=\xE2\x88\x9E\n");
  // The edit replaces the only bytes that are not UTF-8, and the rest is
  // Windows-1252 text that happens to form UTF-8 ("\xC3\xA9" is "Ã©", not
  // "é"); kept as it stands, the name would read differently.
  const std::string text = "[Package]\r\nname=\xC3\xA9t\r\n[User]\r\nlast_puzzle=\xB2\r\n";
  const std::string edited = Edit(text, "User", "last_puzzle", "2");
  EXPECT_EQ(edited, "[Package]\r\nname=\xC3\x83\xC2\xA9t\r\n[User]\r\nlast_puzzle=2\r\n");
  const sys::ProfileDocument before = sys::ProfileDocument::FromBytes(text);
  const sys::ProfileDocument after = sys::ProfileDocument::FromBytes(edited);
  EXPECT_EQ(after.Find("Package", "name"), before.Find("Package", "name"));
  // An edit that leaves only ASCII reads the same in both encodings.
  EXPECT_EQ(Edit("[s]\na=\xE9\n", "s", "a", "1"), "[s]\na=1\n");
}

TEST(ProfileWrite, WritesReadBackAndKeepTheFileMode) {
  TempDirectory dir;
  std::string path = dir / "p.ini";
  ASSERT_TRUE(sys::WritePrivateProfileString("User", "last_puzzle", "3", path));
  EXPECT_EQ(ReadTextFile(path), "[User]\nlast_puzzle=3\n");
  ::chmod(path.c_str(), 0640);
  ASSERT_TRUE(sys::WritePrivateProfileString("user", "LAST_PUZZLE", "4", path));
  EXPECT_EQ(sys::GetPrivateProfileInteger("User", "last_puzzle", 0, path), 4);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(OtherEntries(dir.Path(), "p.ini"), 0);
}

TEST(ProfileWrite, ASymbolicLinkIsWrittenThroughAndStaysALink) {
  TempDirectory dir;
  WriteTextFile(dir / "real.ini", "[s]\na=1\n");
  std::filesystem::create_symlink(dir / "real.ini", dir / "link.ini");
  ASSERT_TRUE(sys::WritePrivateProfileString("s", "a", "2", dir / "link.ini"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.ini"));
  EXPECT_EQ(ReadTextFile(dir / "real.ini"), "[s]\na=2\n");
}

TEST(ProfileWrite, AMissingDirectoryOrAnInjectionFailsWithoutWriting) {
  TempDirectory dir;
  EXPECT_FALSE(sys::WritePrivateProfileString("s", "a", "1", dir / "gone/p.ini"));
  WriteTextFile(dir / "p.ini", "[s]\na=1\n");
  EXPECT_FALSE(sys::WritePrivateProfileString("s", "a", "2\n[t]", dir / "p.ini"));
  EXPECT_EQ(ReadTextFile(dir / "p.ini"), "[s]\na=1\n");
  // A directory in the file's place is not replaced by a file.
  std::filesystem::create_directory(dir / "d.ini");
  EXPECT_FALSE(sys::WritePrivateProfileString("s", "a", "2", dir / "d.ini"));
  EXPECT_TRUE(std::filesystem::is_directory(dir / "d.ini"));
}

TEST(ProfileWrite, AnOversizedFileReadsAsEmptyAndIsNeverReplaced) {
  // Gigabytes of an ini file (here sparse) are neither read into memory nor
  // lost to a file holding only the key written.
  TempDirectory dir;
  const std::string path = dir / "p.ini";
  WriteTextFile(path, "[s]\na=1\n");
  const std::uintmax_t size = std::uintmax_t{2} << 30;
  std::filesystem::resize_file(path, size);
  EXPECT_EQ(sys::GetPrivateProfileString("s", "a", "none", path), "none");
  EXPECT_FALSE(sys::WritePrivateProfileString("s", "b", "2", path));
  EXPECT_EQ(std::filesystem::file_size(path), size);
  // Just under the limit is still a settings file.
  std::filesystem::resize_file(path, sys::kProfileFileMax);
  EXPECT_EQ(sys::GetPrivateProfileString("s", "a", "none", path), "1");
}

TEST(ProfileWrite, AFailureAtAnyStepLeavesTheOldOrTheCompleteNewFile) {
  const std::string oldText = "; keep me\n[s]\na=1\n";
  const std::string newText = "; keep me\n[s]\na=1\nb=22\n";
  int failures = 0;
  for (int failAt = 1;; ++failAt) {
    TempDirectory dir;
    std::string path = dir / "p.ini";
    WriteTextFile(path, oldText);
    FailingCalls calls(failAt);
    bool ok = sys::WritePrivateProfileString("s", "b", "22", path, calls);
    std::string now = ReadTextFile(path);
    // A write is reported as failed exactly when the old file is still there.
    if (ok)
      EXPECT_EQ(now, newText) << "fail at " << failAt;
    else
      EXPECT_EQ(now, oldText) << "fail at " << failAt;
    EXPECT_EQ(OtherEntries(dir.Path(), "p.ini"), 0) << "temporary file left, fail at " << failAt;
    if (calls.calls < failAt)
      break;  // every call has been failed once
    failures += ok ? 0 : 1;
  }
  EXPECT_GE(failures, 8);
}

TEST(ProfileWrite, AReadOnlyDirectoryOrFileFailsCleanly) {
  TempDirectory dir;
  std::filesystem::create_directory(dir / "ro");
  std::filesystem::create_directory(dir / "rw");
  const std::string text = "[s]\na=1\n";
  WriteTextFile(dir / "ro/p.ini", text);
  WriteTextFile(dir / "rw/p.ini", text);
  ::chmod((dir / "ro").c_str(), 0555);
  ::chmod((dir / "rw/p.ini").c_str(), 0444);
  ::chmod((dir / "rw").c_str(), 0777);
  ::chmod(dir.Path().c_str(), 0755);

  // Permissions do not bind the superuser, so the writes run in a child
  // that has given up its privileges.
  pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(10);
    bool roDir = sys::WritePrivateProfileString("s", "a", "2", dir / "ro/p.ini");
    bool roFile = sys::WritePrivateProfileString("s", "a", "2", dir / "rw/p.ini");
    ::_exit((roDir ? 1 : 0) | (roFile ? 2 : 0));
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "1: read-only directory written, 2: read-only file written";
  EXPECT_EQ(ReadTextFile(dir / "ro/p.ini"), text);
  EXPECT_EQ(ReadTextFile(dir / "rw/p.ini"), text);
  EXPECT_EQ(OtherEntries(dir / "ro", "p.ini") + OtherEntries(dir / "rw", "p.ini"), 0);
}

TEST(ProfileWrite, APathWithoutDirectoryIsWrittenInTheCurrentOne) {
  TempDirectory dir;
  std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path());
  bool ok = sys::WritePrivateProfileString("s", "a", "1", "p.ini");
  std::filesystem::current_path(previous);
  EXPECT_TRUE(ok);
  EXPECT_EQ(ReadTextFile(dir / "p.ini"), "[s]\na=1\n");
  EXPECT_EQ(OtherEntries(dir.Path(), "p.ini"), 0);
}

namespace {

TEST(AtomicFile, OnlyRegularFilesAreReplacedAndFailuresKeepTheirReason) {
  TempDirectory dir;
  // A pipe (like a device) in the file's place is somebody else's node.
  ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0644), 0);
  errno = 0;
  EXPECT_FALSE(sys::ReplaceFileAtomically(dir / "pipe", "x"));
  EXPECT_NE(errno, 0);
  EXPECT_TRUE(std::filesystem::is_fifo(dir / "pipe"));
  // A link to a regular file is written through.
  WriteTextFile(dir / "real", "old");
  std::filesystem::create_symlink(dir / "real", dir / "link");
  EXPECT_TRUE(sys::ReplaceFileAtomically(dir / "link", "new"));
  EXPECT_EQ(ReadTextFile(dir / "real"), "new");
  // The step that failed says why, even though cleaning up came after it.
  errno = 0;
  EXPECT_FALSE(sys::ReplaceFileAtomically(dir / "gone/file", "x"));
  EXPECT_EQ(errno, ENOENT);
}

TEST(AtomicFile, NamesUpToTheSystemLimitCanBeWritten) {
  TempDirectory dir;
  for (std::size_t length : {247u, 248u, 255u}) {
    const std::string path = dir / std::string(length, 'n');
    ASSERT_TRUE(sys::ReplaceFileAtomically(path, "x")) << length;
    EXPECT_EQ(ReadTextFile(path), "x");
    std::filesystem::remove(path);
    EXPECT_EQ(OtherEntries(dir.Path(), ""), 0) << length;
  }
}

}  // namespace
