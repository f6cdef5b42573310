// A started program that has finished is reaped while the message loop
// waits, so that it never stays behind as a zombie.

#include <sys/wait.h>

#include "Recorder.h"
#include "platform/sys/Process.h"

namespace wintest {
namespace {

TEST_F(WinTest, FinishedChildIsReapedWhileTheLoopWaits) {
  int pid = sys::StartProcess("/bin/true");
  ASSERT_GT(pid, 0);
  // The first step waits until the child has ended, leaving it to be
  // reaped; the loop's next wait must reap it.
  script.Then([pid] {
    siginfo_t info{};
    waitid(P_PID, static_cast<id_t>(pid), &info, WEXITED | WNOWAIT);
  });
  script.Then([] { EXPECT_EQ(sys::UnreapedChildCount(), 0u); });
  RunScript();
}

}  // namespace
}  // namespace wintest
