#include "platform/sys/StandardStreams.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>

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

}  // namespace sys
