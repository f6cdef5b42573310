#include "platform/sys/Process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

extern char** environ;

namespace sys {
namespace {

struct Child {
  int pid = -1;
  int pidfd = -1;  // -1 when the kernel has no process descriptors
};

std::vector<Child>& Children() {
  static std::vector<Child> children;
  return children;
}

int OpenProcessDescriptor(int pid) {
#ifdef SYS_pidfd_open
  long fd = ::syscall(SYS_pidfd_open, pid, 0);
  if (fd >= 0) {
    ::fcntl(static_cast<int>(fd), F_SETFD, FD_CLOEXEC);
    return static_cast<int>(fd);
  }
#endif
  (void)pid;
  return -1;
}

// The spawn settings shared by every start: see StartProcess.
class SpawnSettings {
 public:
  SpawnSettings() {
    posix_spawnattr_init(&attr_);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attr_, &none);
    sigset_t all;
    sigfillset(&all);
    posix_spawnattr_setsigdefault(&attr_, &all);
    posix_spawnattr_setflags(&attr_,
                             POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSID);
    posix_spawn_file_actions_init(&actions_);
    posix_spawn_file_actions_addopen(&actions_, 0, "/dev/null", O_RDONLY, 0);
#if defined(__GLIBC__) && (__GLIBC__ > 2 || (__GLIBC__ == 2 && __GLIBC_MINOR__ >= 34))
    posix_spawn_file_actions_addclosefrom_np(&actions_, 3);
#endif
  }
  ~SpawnSettings() {
    posix_spawn_file_actions_destroy(&actions_);
    posix_spawnattr_destroy(&attr_);
  }
  SpawnSettings(const SpawnSettings&) = delete;
  SpawnSettings& operator=(const SpawnSettings&) = delete;

  // argv[0] is the program; searchPath looks it up along PATH.
  int Spawn(const std::vector<std::string>& args, bool searchPath, int* errorOut) {
    std::vector<char*> argv;
    argv.reserve(args.size() + 1);
    for (const std::string& arg : args)
      argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    int error = searchPath ? posix_spawnp(&pid, argv[0], &actions_, &attr_, argv.data(), environ)
                           : posix_spawn(&pid, argv[0], &actions_, &attr_, argv.data(), environ);
    if (error != 0) {
      if (errorOut != nullptr)
        *errorOut = error;
      return -1;
    }
    Children().push_back({pid, OpenProcessDescriptor(pid)});
    return pid;
  }

 private:
  posix_spawnattr_t attr_;
  posix_spawn_file_actions_t actions_;
};

int Spawn(const std::vector<std::string>& args, bool searchPath, int* error = nullptr) {
  ReapFinishedChildren();
  SpawnSettings settings;
  return settings.Spawn(args, searchPath, error);
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size())
    return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    char c = text[i];
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c + 32);
    if (c != prefix[i])
      return false;
  }
  return true;
}

}  // namespace

int StartProcess(const std::string& path, int* error) {
  if (path.empty()) {
    if (error != nullptr)
      *error = ENOENT;
    return -1;
  }
  return Spawn({path}, false, error);
}

bool IsSafeShellAddress(std::string_view address) {
  for (char c : address) {
    auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F)
      return false;
  }
  return StartsWithIgnoreCase(address, "http:") || StartsWithIgnoreCase(address, "https:") ||
         StartsWithIgnoreCase(address, "mailto:");
}

bool ShellOpen(const std::string& address) {
  if (!IsSafeShellAddress(address))
    return false;
  return Spawn({"xdg-open", address}, true) > 0;
}

std::size_t ReapFinishedChildren() {
  std::vector<Child>& children = Children();
  std::size_t reaped = 0;
  auto finished = [&reaped](const Child& child) {
    int status = 0;
    pid_t result = ::waitpid(child.pid, &status, WNOHANG);
    // ECHILD means someone else collected it; either way it is gone.
    if (result == child.pid || (result < 0 && errno == ECHILD)) {
      if (child.pidfd >= 0)
        ::close(child.pidfd);
      ++reaped;
      return true;
    }
    return false;
  };
  children.erase(std::remove_if(children.begin(), children.end(), finished), children.end());
  return reaped;
}

std::vector<int> ChildWaitDescriptors() {
  std::vector<int> fds;
  for (const Child& child : Children())
    if (child.pidfd >= 0)
      fds.push_back(child.pidfd);
  return fds;
}

std::size_t UnreapedChildCount() {
  return Children().size();
}

}  // namespace sys
