#include "platform/sys/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

namespace sys {

namespace {

// How often a taken lock is tried again while waiting.
constexpr std::chrono::milliseconds kRetry{20};

}  // namespace

FileLock::FileLock(const std::string& LockPath, std::chrono::milliseconds Patience) {
  int fd;
  do
    fd = ::open(LockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  while (fd < 0 && errno == EINTR);
  if (fd < 0)
    return;
  const auto deadline = std::chrono::steady_clock::now() + Patience;
  for (;;) {
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
      FFd = fd;
      return;
    }
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline)
      break;
    std::this_thread::sleep_for(kRetry);
  }
  ::close(fd);
}

FileLock::~FileLock() {
  if (FFd >= 0)
    ::close(FFd);  // closing the only descriptor lets go of the lock
}

}  // namespace sys
