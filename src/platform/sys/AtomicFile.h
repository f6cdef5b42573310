#pragma once

// Replacing a file so that it is always either the old file or the complete
// new one, whatever fails on the way: the new bytes go to a temporary file in
// the same directory, which is synced and renamed over the target.
//
// Every file-system call goes through FileSystemCalls, so a test can fail any
// one of them and check that the target is never left half written.

#include <string>
#include <string_view>

namespace sys {

struct FileStatus {
  bool exists = false;
  bool isSymlink = false;
  bool isRegularFile = false;  // not a directory, pipe, socket or device
  unsigned mode = 0;           // permission bits
  unsigned uid = 0;
  unsigned gid = 0;
};

class FileSystemCalls {
 public:
  virtual ~FileSystemCalls() = default;

  // Each returns what the system call returns (-1 and errno on failure).
  virtual int LStat(const std::string& path, FileStatus& status);
  virtual int AccessWrite(const std::string& path);
  // Resolves a symbolic link to its final target; false when it cannot.
  virtual bool ResolvePath(const std::string& path, std::string& resolved);
  // Creates a unique close-on-exec file from a template ending in XXXXXX.
  virtual int MakeTemporary(std::string& pathTemplate);
  virtual long Write(int fd, const char* data, unsigned long size);
  virtual int ChangeMode(int fd, unsigned mode);
  virtual int ChangeOwner(int fd, unsigned uid, unsigned gid);
  virtual int Sync(int fd);
  virtual int Close(int fd);
  virtual int Rename(const std::string& from, const std::string& to);
  virtual int OpenDirectory(const std::string& path);
  virtual int Unlink(const std::string& path);
};

FileSystemCalls& RealFileSystemCalls();

// The calls the program's file writes use when given none: the real ones,
// unless a test has put others in place for a while.
FileSystemCalls& CurrentFileSystemCalls();

// Puts calls in place of the current ones while it lives.
class ScopedFileSystemCalls {
 public:
  explicit ScopedFileSystemCalls(FileSystemCalls& calls);
  ~ScopedFileSystemCalls();
  ScopedFileSystemCalls(const ScopedFileSystemCalls&) = delete;
  ScopedFileSystemCalls& operator=(const ScopedFileSystemCalls&) = delete;

 private:
  FileSystemCalls* previous_;
};

// Writes bytes as the new content of path. False, with the old file untouched,
// when any step up to the rename fails: a missing or read-only directory, a
// read-only file, a full disk, or a path that names something other than a
// regular file (a directory, a pipe, a device), which is never replaced.
// After a failure errno holds the reason of the step that failed. Once
// renamed the file is saved; a failed sync of the directory afterwards is
// not reported.
bool ReplaceFileAtomically(const std::string& path, std::string_view bytes,
                           FileSystemCalls& calls = CurrentFileSystemCalls());

}  // namespace sys
