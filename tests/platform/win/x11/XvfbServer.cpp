#include "platform/win/x11/XvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

extern char** environ;

namespace x11test {

namespace {

// Starting a server takes well under a second; a minute means it hangs.
constexpr int kStartTimeoutMs = 60000;

}  // namespace

XvfbServer::XvfbServer(int depth) {
  int fds[2];
  if (pipe2(fds, O_CLOEXEC) != 0) {
    error_ = "no pipe for Xvfb";
    return;
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  // The write end becomes descriptor 3 of the server, without close-on-exec.
  posix_spawn_file_actions_adddup2(&actions, fds[1], 3);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  std::vector<std::string> args = {"Xvfb",      "-displayfd", "3",
                                   "-screen",   "0",          "1024x768x" + std::to_string(depth),
                                   "-nolisten", "tcp",        "-noreset"};
  std::vector<char*> argv;
  for (std::string& a : args)
    argv.push_back(a.data());
  argv.push_back(nullptr);
  int rc = posix_spawnp(&pid_, "Xvfb", &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  if (rc != 0) {
    pid_ = -1;
    close(fds[0]);
    error_ = "Xvfb could not be started";
    return;
  }
  std::string number;
  pollfd p{fds[0], POLLIN, 0};
  while (poll(&p, 1, kStartTimeoutMs) > 0) {
    char c = 0;
    if (read(fds[0], &c, 1) != 1 || c == '\n')
      break;
    number += c;
  }
  close(fds[0]);
  if (number.empty())
    error_ = "Xvfb did not report a display number";
  else
    display_ = ":" + number;
}

XvfbServer::~XvfbServer() {
  Kill(SIGTERM);
}

void XvfbServer::Kill(int signal) {
  if (pid_ <= 0)
    return;
  kill(pid_, signal);
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
}

}  // namespace x11test
