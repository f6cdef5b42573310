#pragma once

// A lock that cooperating processes take before they read, change and write
// back a shared file, so that two of them never both start from the old
// contents and the later one drops what the earlier one wrote. The lock is
// held on a separate lock file beside the data (the data file itself is
// replaced by a rename on every write, so a lock on it would not last).
// The system drops the lock when the holder ends, however it ends.

#include <chrono>
#include <string>

namespace sys {

class FileLock {
 public:
  // Takes the lock on LockPath, creating the file when it is missing, and
  // waits at most Patience for a holder to let go. Held() is false when the
  // lock could not be had in time or the file could not be opened.
  FileLock(const std::string& LockPath, std::chrono::milliseconds Patience);
  ~FileLock();
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  bool Held() const { return FFd >= 0; }

 private:
  int FFd = -1;
};

}  // namespace sys
