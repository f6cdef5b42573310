#include "platform/sys/FileLock.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/sys/TestFiles.h"

namespace {

using std::chrono::milliseconds;

TEST(FileLock, OneHolderAtATimeAndFreeAgainWhenLetGo) {
  TempDirectory dir;
  const std::string path = dir / "data.lock";
  {
    sys::FileLock first(path, milliseconds(0));
    ASSERT_TRUE(first.Held());
    // Another taker (another open file, as in another process) waits and
    // gives up when its patience runs out.
    sys::FileLock second(path, milliseconds(60));
    EXPECT_FALSE(second.Held());
  }
  sys::FileLock again(path, milliseconds(0));
  EXPECT_TRUE(again.Held());
  EXPECT_EQ(ReadTextFile(path), "");  // the lock file holds nothing
}

TEST(FileLock, ALockFileThatCannotBeMadeIsNotHeld) {
  TempDirectory dir;
  EXPECT_FALSE(sys::FileLock(dir / "missing/data.lock", milliseconds(0)).Held());
  // Not taken through a link someone left in its place.
  WriteTextFile(dir / "target", "keep");
  ASSERT_EQ(symlink((dir / "target").c_str(), (dir / "link.lock").c_str()), 0);
  EXPECT_FALSE(sys::FileLock(dir / "link.lock", milliseconds(0)).Held());
  EXPECT_EQ(ReadTextFile(dir / "target"), "keep");
}

}  // namespace
