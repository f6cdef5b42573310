#include "platform/sys/Process.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "platform/sys/TestFiles.h"

namespace {

// Waits until every started child has finished, on the descriptors the event
// loop would watch, and reaps them.
void WaitForChildren() {
  while (sys::UnreapedChildCount() > 0) {
    std::vector<int> fds = sys::ChildWaitDescriptors();
    ASSERT_EQ(fds.size(), sys::UnreapedChildCount());
    std::vector<pollfd> polls;
    for (int fd : fds)
      polls.push_back({fd, POLLIN, 0});
    ASSERT_GT(::poll(polls.data(), polls.size(), -1), 0);
    sys::ReapFinishedChildren();
  }
}

std::string CopyRecorder(const TempDirectory& dir, const std::string& name) {
  std::string path = dir / name;
  std::filesystem::copy_file(TILEBROOK_START_RECORDER, path);
  return path;
}

}  // namespace

TEST(Process, StartsTheProgramAloneWithoutShellAndReapsIt) {
  TempDirectory dir;
  std::string path = CopyRecorder(dir, "photo-3-Maniac.exe");
  // A descriptor of ours without close-on-exec must still not reach the child.
  int leaked = ::open("/dev/null", O_RDONLY);
  ASSERT_GE(leaked, 0);
  int pid = sys::StartProcess(path);
  ::close(leaked);
  ASSERT_GT(pid, 0);
  WaitForChildren();
  EXPECT_EQ(ReadTextFile(path + ".started"),
            "argc=1\nstdin-null=1\nsession-leader=1\nfd3-open=0\n");
  // Reaped: the process id is no longer our child, so no zombie is left.
  errno = 0;
  EXPECT_EQ(::waitpid(pid, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

TEST(Process, ANameWithBlanksAndShellCharactersIsJustAPath) {
  TempDirectory dir;
  std::string path = CopyRecorder(dir, "my puzzle; touch x-1-Guru.exe");
  ASSERT_GT(sys::StartProcess(path), 0);
  WaitForChildren();
  EXPECT_TRUE(std::filesystem::exists(path + ".started"));
  EXPECT_FALSE(std::filesystem::exists(dir / "x-1-Guru.exe"));
}

TEST(Process, AMissingOrNonExecutableProgramIsNotStarted) {
  TempDirectory dir;
  WriteTextFile(dir / "plain.exe", "#!/bin/sh\n");
  EXPECT_EQ(sys::StartProcess(dir / "missing.exe"), -1);
  EXPECT_EQ(sys::StartProcess(dir / "plain.exe"), -1);
  EXPECT_EQ(sys::StartProcess(""), -1);
  EXPECT_EQ(sys::UnreapedChildCount(), 0u);
}

TEST(ShellOpen, OnlyWebAndMailAddressesWithoutControlCharactersAreAccepted) {
  for (const char* ok : {"http://example.org/", "HTTPS://example.org/a b", "mailto:me@example.org"})
    EXPECT_TRUE(sys::IsSafeShellAddress(ok)) << ok;
  for (const char* bad : {"", "file:///etc/passwd", "-v", "--help http://x", "javascript:x",
                          "http://x\n-y", "https://x\x7f", "ftp://x", "httpx://x", "/tmp/a"})
    EXPECT_FALSE(sys::IsSafeShellAddress(bad)) << bad;
  EXPECT_FALSE(sys::ShellOpen("file:///etc/passwd"));
}

TEST(ShellOpen, PassesTheAddressAsOneArgumentToXdgOpen) {
  TempDirectory dir;
  CopyRecorder(dir, "xdg-open");
  std::string oldPath = std::getenv("PATH") ? std::getenv("PATH") : "";
  ::setenv("PATH", dir.Path().c_str(), 1);
  bool started = sys::ShellOpen("https://example.org/a b?x=1&y=$(id)");
  ::setenv("PATH", oldPath.c_str(), 1);
  ASSERT_TRUE(started);
  WaitForChildren();
  EXPECT_EQ(ReadTextFile(dir / "xdg-open.started"),
            "argc=2\narg=https://example.org/a b?x=1&y=$(id)\nstdin-null=1\nsession-leader=1\n"
            "fd3-open=0\n");
}
