#pragma once

// A virtual X server of the test's own: Xvfb on a display number it picks
// itself (it reports the number through a pipe once it accepts clients),
// stopped again when the object goes away.

#include <sys/types.h>
#include <string>

namespace x11test {

class XvfbServer {
 public:
  // A screen of 1024 x 768 pixels with `depth` bits per pixel.
  explicit XvfbServer(int depth = 24);
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // ":N", or empty when the server could not be started (see Error()).
  const std::string& Display() const { return display_; }
  const std::string& Error() const { return error_; }
  // Ends the server at once with `signal`, as a crash or a killed session
  // would, and waits until it has gone.
  void Kill(int signal);

 private:
  pid_t pid_ = -1;
  std::string display_;
  std::string error_;
};

}  // namespace x11test
