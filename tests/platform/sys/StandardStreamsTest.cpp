// A program started without standard streams gets /dev/null in their place
// and leaves open ones alone; a stream whose reader has gone does not end it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

#include "platform/sys/StandardStreams.h"

namespace {

bool IsDevNull(int fd) {
  struct stat null {};
  struct stat mine {};
  return ::stat("/dev/null", &null) == 0 && ::fstat(fd, &mine) == 0 && S_ISCHR(mine.st_mode) &&
         mine.st_rdev == null.st_rdev;
}

// Runs `setup`, PrepareStandardStreams and `check` in a child; true
// when the child found what it expected.
template <typename Setup, typename Check>
bool InChild(Setup setup, Check check) {
  const pid_t child = ::fork();
  if (child == 0) {
    setup();
    sys::PrepareStandardStreams();
    ::_exit(check() ? 0 : 1);
  }
  int status = 0;
  return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

TEST(StandardStreams, MissingOnesBecomeDevNullAndLaterFilesGetOtherNumbers) {
  EXPECT_TRUE(InChild(
      [] {
        for (int fd : {0, 1, 2})
          ::close(fd);
      },
      [] {
        const int later = ::open("/dev/zero", O_RDONLY);
        return IsDevNull(0) && IsDevNull(1) && IsDevNull(2) && later > 2 && ::write(2, "x", 1) == 1;
      }));
  // A pipe on descriptor 1 stays; only the gaps around it are filled.
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  EXPECT_TRUE(InChild(
      [&] {
        ::close(0);
        ::dup2(pipeEnds[1], 1);
        ::close(2);
      },
      [] { return IsDevNull(0) && IsDevNull(2) && ::write(1, "y", 1) == 1; }));
  // With the child gone and this end closed, the read cannot wait.
  ::close(pipeEnds[1]);
  char byte = 0;
  EXPECT_EQ(::read(pipeEnds[0], &byte, 1), 1);
  EXPECT_EQ(byte, 'y');
  ::close(pipeEnds[0]);
}

TEST(StandardStreams, WritingToAPipeWithoutReaderFailsInsteadOfEndingTheProgram) {
  int pipeEnds[2];
  ASSERT_EQ(::pipe(pipeEnds), 0);
  ::close(pipeEnds[0]);
  EXPECT_TRUE(InChild([] {},
                      [&] {
                        errno = 0;
                        return ::write(pipeEnds[1], "z", 1) == -1 && errno == EPIPE;
                      }));
  ::close(pipeEnds[1]);
}

}  // namespace
