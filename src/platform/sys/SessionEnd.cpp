#include "platform/sys/SessionEnd.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <initializer_list>

namespace sys {
namespace {

volatile sig_atomic_t ending = 0;
// The pipe's ends; written from the signal handler, so plain ints set
// before the handler is installed.
int readEnd = -1;
int writeEnd = -1;

void Wake() {
  if (writeEnd < 0)
    return;
  const int saved = errno;
  const char byte = 1;
  // A full pipe already wakes the loop; the byte is not needed then.
  [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
  errno = saved;
}

extern "C" void OnSessionEndSignal(int) {
  ending = 1;
  Wake();
}

}  // namespace

void CatchSessionEndSignals() {
  if (readEnd >= 0)
    return;
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
    return;
  readEnd = fds[0];
  writeEnd = fds[1];
  struct sigaction action {};
  action.sa_handler = OnSessionEndSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigset_t endSignals;
  sigemptyset(&endSignals);
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    ::sigaction(signal, &action, nullptr);
    sigaddset(&endSignals, signal);
  }
  // A launcher may hand over a signal mask that blocks them; they would
  // then never arrive, and the session would end the program unsaved.
  ::pthread_sigmask(SIG_UNBLOCK, &endSignals, nullptr);
  if (ending)
    Wake();
}

void RequestSessionEnd() {
  ending = 1;
  Wake();
}

bool SessionEnding() {
  return ending != 0;
}

int SessionEndDescriptor() {
  return readEnd;
}

void ResetSessionEnd() {
  ending = 0;
  if (readEnd < 0)
    return;
  char buffer[64];
  while (::read(readEnd, buffer, sizeof buffer) > 0) {
  }
}

}  // namespace sys
