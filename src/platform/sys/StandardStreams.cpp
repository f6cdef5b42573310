#include "platform/sys/StandardStreams.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <new>

namespace sys {

void PrepareStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
      continue;
    // The lower numbers are open by now and the system hands out the
    // lowest free one, so this opens fd itself.
    if (::open("/dev/null", O_RDWR) < 0)
      break;
  }
  ::signal(SIGPIPE, SIG_IGN);
}

void ReportUnhandledFailure(const char* program, const std::exception& failure) {
  const bool noMemory = dynamic_cast<const std::bad_alloc*>(&failure) != nullptr;
  std::fprintf(stderr, "%s: %s\n", program, noMemory ? "out of memory" : failure.what());
}

}  // namespace sys
