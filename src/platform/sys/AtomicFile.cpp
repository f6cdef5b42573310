#include "platform/sys/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include "platform/sys/FileSystem.h"

namespace sys {

int FileSystemCalls::LStat(const std::string& path, FileStatus& status) {
  struct stat st {};
  status = {};
  if (::lstat(path.c_str(), &st) != 0)
    return -1;
  status.exists = true;
  status.isSymlink = S_ISLNK(st.st_mode);
  status.isRegularFile = S_ISREG(st.st_mode);
  status.mode = st.st_mode & 07777;
  status.uid = st.st_uid;
  status.gid = st.st_gid;
  return 0;
}

int FileSystemCalls::AccessWrite(const std::string& path) {
  return ::access(path.c_str(), W_OK);
}

bool FileSystemCalls::ResolvePath(const std::string& path, std::string& resolved) {
  char buffer[PATH_MAX];
  if (::realpath(path.c_str(), buffer) == nullptr)
    return false;
  resolved = buffer;
  return true;
}

int FileSystemCalls::MakeTemporary(std::string& pathTemplate) {
  return ::mkostemp(pathTemplate.data(), O_CLOEXEC);
}

long FileSystemCalls::Write(int fd, const char* data, unsigned long size) {
  return ::write(fd, data, size);
}

int FileSystemCalls::ChangeMode(int fd, unsigned mode) {
  return ::fchmod(fd, mode);
}

int FileSystemCalls::ChangeOwner(int fd, unsigned uid, unsigned gid) {
  return ::fchown(fd, uid, gid);
}

int FileSystemCalls::Sync(int fd) {
  return ::fsync(fd);
}

int FileSystemCalls::Close(int fd) {
  return ::close(fd);
}

int FileSystemCalls::Rename(const std::string& from, const std::string& to) {
  return ::rename(from.c_str(), to.c_str());
}

int FileSystemCalls::OpenDirectory(const std::string& path) {
  return ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
}

int FileSystemCalls::Unlink(const std::string& path) {
  return ::unlink(path.c_str());
}

FileSystemCalls& RealFileSystemCalls() {
  static FileSystemCalls calls;
  return calls;
}

namespace {

FileSystemCalls* current = nullptr;

}  // namespace

FileSystemCalls& CurrentFileSystemCalls() {
  return current != nullptr ? *current : RealFileSystemCalls();
}

ScopedFileSystemCalls::ScopedFileSystemCalls(FileSystemCalls& calls) : previous_(current) {
  current = &calls;
}

ScopedFileSystemCalls::~ScopedFileSystemCalls() {
  current = previous_;
}

namespace {

unsigned DefaultNewFileMode() {
  // Reading the umask means setting it; the program is single-threaded at
  // this level, and the value is put back at once.
  mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~static_cast<unsigned>(mask);
}

bool WriteAll(FileSystemCalls& calls, int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    long n = calls.Write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR)
      continue;
    if (n == 0)
      errno = ENOSPC;  // a write that makes no progress has run out of room
    if (n <= 0)
      return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           FileSystemCalls& calls) {
  if (!IsWholePath(path)) {
    errno = ENOENT;
    return false;
  }
  // Renaming over a symbolic link would replace the link, not the file the
  // player's tools point at.
  std::string target = path;
  FileStatus status;
  if (calls.LStat(target, status) == 0 && status.isSymlink) {
    if (!calls.ResolvePath(path, target))
      return false;
    calls.LStat(target, status);
  }
  // A pipe or a device in the file's place is somebody else's; renaming a
  // regular file over it would destroy the node.
  if (status.exists && !status.isRegularFile) {
    errno = EINVAL;
    return false;
  }
  // The rename would succeed over a write-protected file; honour the
  // protection the way an in-place write would.
  if (status.exists && calls.AccessWrite(target) != 0)
    return false;

  std::size_t slash = target.rfind('/');
  std::string directory = slash == std::string::npos ? "./" : target.substr(0, slash + 1);
  std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
  // The temporary name adds eight bytes to the file's name; a name near the
  // system's limit is shortened in it, so that it still fits.
  constexpr std::size_t kAddedBytes = 8;  // "." before, ".XXXXXX" after
  if (base.size() + kAddedBytes > NAME_MAX)
    base.resize(NAME_MAX - kAddedBytes);
  std::string temporary = directory + "." + base + ".XXXXXX";

  int fd = calls.MakeTemporary(temporary);
  if (fd < 0)
    return false;
  bool ok = WriteAll(calls, fd, bytes);
  ok = ok && calls.ChangeMode(fd, status.exists ? status.mode : DefaultNewFileMode()) == 0;
  if (ok && status.exists)
    calls.ChangeOwner(fd, status.uid, status.gid);  // only where permitted
  ok = ok && calls.Sync(fd) == 0;
  ok = (calls.Close(fd) == 0) && ok;
  ok = ok && calls.Rename(temporary, target) == 0;
  if (!ok) {
    const int reason = errno;
    calls.Unlink(temporary);
    errno = reason;
    return false;
  }

  // The rename is the commit point: the new file is in place and readers see
  // it. Syncing the directory only makes the rename survive a power cut, so
  // trouble there must not turn a completed save into a reported failure.
  int dirFd = calls.OpenDirectory(directory);
  if (dirFd >= 0) {
    calls.Sync(dirFd);
    calls.Close(dirFd);
  }
  return true;
}

}  // namespace sys
