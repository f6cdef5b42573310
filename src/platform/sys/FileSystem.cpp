#include "platform/sys/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>

namespace sys {
namespace {

std::string& ProgramDirectoryOverride() {
  static std::string directory;
  return directory;
}

}  // namespace

bool IsWholePath(const std::string& path) {
  return path.find('\0') == std::string::npos;
}

bool FileExists(const std::string& path) {
  struct stat st {};
  return IsWholePath(path) && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

bool DirectoryExists(const std::string& path) {
  struct stat st {};
  return IsWholePath(path) && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool IsExecutableFile(const std::string& path) {
  struct stat st {};
  return IsWholePath(path) && ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode) &&
         (st.st_mode & 0111) != 0;
}

std::vector<std::string> ListDirectories(const std::string& directory) {
  std::vector<std::string> names;
  if (!IsWholePath(directory))
    return names;
  DIR* dir = ::opendir(directory.c_str());
  if (dir == nullptr)
    return names;
  std::string prefix = directory;
  if (!prefix.empty() && prefix.back() != PathSeparator)
    prefix += PathSeparator;
  while (const dirent* entry = ::readdir(dir)) {
    if (entry->d_name[0] == '.')
      continue;
    bool isDirectory = entry->d_type == DT_DIR;
    // Links to directories count as directories; file systems that do not
    // report entry types need a stat.
    if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN)
      isDirectory = DirectoryExists(prefix + entry->d_name);
    if (isDirectory)
      names.emplace_back(entry->d_name);
  }
  ::closedir(dir);
  return names;
}

std::optional<std::string> ReadFileBytes(const std::string& path, std::string* why,
                                         std::size_t maxBytes) {
  auto fail = [&](std::string reason) -> std::optional<std::string> {
    if (why != nullptr)
      *why = std::move(reason);
    return std::nullopt;
  };
  if (!IsWholePath(path))
    return fail(std::strerror(ENOENT));
  // Non-blocking, so that a pipe in a file's place cannot hang the program;
  // only regular files are read (a device could be endless).
  int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0)
    return fail(std::strerror(errno));
  std::string bytes;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return fail(S_ISDIR(st.st_mode) ? "a directory, not a file" : "not a regular file");
  }
  // A damaged or hostile file can be any size (a sparse file of terabytes
  // costs its maker nothing); it is refused before it is read, and a file
  // that grows while it is read is refused at the limit.
  const auto tooLarge = [&] {
    ::close(fd);
    return fail(maxBytes % (1u << 20) == 0 ? "larger than " + std::to_string(maxBytes >> 20) + " MB"
                                           : "larger than " + std::to_string(maxBytes) + " bytes");
  };
  if (st.st_size > 0 && static_cast<unsigned long long>(st.st_size) > maxBytes)
    return tooLarge();
  if (st.st_size > 0)
    bytes.reserve(static_cast<std::size_t>(st.st_size));
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR)
      continue;
    if (n < 0) {
      const int error = errno;
      ::close(fd);
      return fail(std::strerror(error));
    }
    if (n == 0)
      break;
    if (static_cast<std::size_t>(n) > maxBytes - bytes.size())
      return tooLarge();
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
  ::close(fd);
  return bytes;
}

std::string ExecutablePath() {
  char buffer[PATH_MAX];
  ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n <= 0)
    return {};
  return std::string(buffer, static_cast<std::size_t>(n));
}

std::string ProgramDirectory() {
  if (!ProgramDirectoryOverride().empty())
    return ProgramDirectoryOverride();
  std::string exe = ExecutablePath();
  std::size_t slash = exe.rfind(PathSeparator);
  if (slash == std::string::npos)
    return std::string(".") + PathSeparator;
  return exe.substr(0, slash + 1);
}

void SetProgramDirectory(const std::string& directory) {
  std::string& current = ProgramDirectoryOverride();
  current = directory;
  if (!current.empty() && current.back() != PathSeparator)
    current += PathSeparator;
}

}  // namespace sys
