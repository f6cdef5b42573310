#include "ToolOutput.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

std::string LastSystemError() {
  return std::strerror(errno);
}

bool WriteStandardOutput(std::string_view text, std::string& why) {
  errno = 0;
  const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
  const bool flushed = written && std::fflush(stdout) == 0;
  // A failure while writing is the one to report; close anyway, so that a
  // later flush at exit cannot fail unseen.
  const int reason = errno;
  const bool closed = std::fclose(stdout) == 0;
  if (written && flushed && closed)
    return true;
  why = std::strerror(!written || !flushed ? (reason != 0 ? reason : EIO)
                                           : (errno != 0 ? errno : EIO));
  return false;
}
