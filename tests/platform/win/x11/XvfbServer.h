#pragma once

// A virtual X server of the test's own: Xvfb on a display number it picks
// itself (it reports the number through a pipe once it accepts clients),
// stopped again when the object goes away; and the way tests start other
// programs (window managers, the real tilebrook) on it.

#include <sys/types.h>
#include <string>
#include <vector>

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

// Starts `args` (the first looked up on the PATH unless it holds a "/")
// with this process's environment, in which each "NAME=value" of `env`
// takes the place of that variable, and its output thrown away, so that
// neither it nor what it starts holds the test's output open. With
// `ownGroup` it leads a process group of its own, which kill(-id) ends
// whole. The process id, or -1 when it could not be started.
pid_t StartProgram(const std::vector<std::string>& args, const std::vector<std::string>& env,
                   bool ownGroup = false);

}  // namespace x11test
