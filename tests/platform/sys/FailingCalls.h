#pragma once

// File-system calls that fail the Nth call (counting from 1) with a chosen
// error number and pass every other one on; failAt 0 fails none and only
// counts. Writes can be made short, to exercise write loops.

#include <cerrno>
#include <string>

#include "platform/sys/AtomicFile.h"

namespace systest {

class FailingCalls : public sys::FileSystemCalls {
 public:
  explicit FailingCalls(int failAt, int error = EIO, bool shortWrites = false)
      : failAt_(failAt), error_(error), shortWrites_(shortWrites) {}
  int calls = 0;
  // Whether the chosen call has come and failed.
  bool failed = false;

  int LStat(const std::string& p, sys::FileStatus& s) override {
    return Fail() ? -1 : FileSystemCalls::LStat(p, s);
  }
  int AccessWrite(const std::string& p) override {
    return Fail() ? -1 : FileSystemCalls::AccessWrite(p);
  }
  bool ResolvePath(const std::string& p, std::string& r) override {
    return Fail() ? false : FileSystemCalls::ResolvePath(p, r);
  }
  int MakeTemporary(std::string& t) override {
    return Fail() ? -1 : FileSystemCalls::MakeTemporary(t);
  }
  long Write(int fd, const char* d, unsigned long n) override {
    if (Fail())
      return -1;
    return FileSystemCalls::Write(fd, d, shortWrites_ && n > 3 ? n / 2 : n);
  }
  int ChangeMode(int fd, unsigned m) override {
    return Fail() ? -1 : FileSystemCalls::ChangeMode(fd, m);
  }
  int ChangeOwner(int fd, unsigned u, unsigned g) override {
    return Fail() ? -1 : FileSystemCalls::ChangeOwner(fd, u, g);
  }
  int Sync(int fd) override { return Fail() ? -1 : FileSystemCalls::Sync(fd); }
  int Close(int fd) override {
    // A failed close still releases the descriptor.
    const bool fail = Fail();
    const int result = FileSystemCalls::Close(fd);
    if (fail)
      errno = error_;
    return fail ? -1 : result;
  }
  int Rename(const std::string& a, const std::string& b) override {
    return Fail() ? -1 : FileSystemCalls::Rename(a, b);
  }
  int OpenDirectory(const std::string& p) override {
    return Fail() ? -1 : FileSystemCalls::OpenDirectory(p);
  }
  int Unlink(const std::string& p) override { return Fail() ? -1 : FileSystemCalls::Unlink(p); }

 private:
  bool Fail() {
    if (++calls != failAt_)
      return false;
    failed = true;
    errno = error_;
    return true;
  }
  int failAt_;
  int error_;
  bool shortWrites_;
};

}  // namespace systest
