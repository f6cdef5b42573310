// Posting and sending, loops (nested ones included), the script driver and
// timers on the manual clock.

#include "Recorder.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

class MessageLoop : public WinTest {
 protected:
  HWND main = rec.Create("main", WS_POPUP, {0, 0, 100, 100});
  void SetUp() override { rec.Only({WM_USER, WM_USER + 1, WM_USER + 2, WM_TIMER}); }
};

TEST_F(MessageLoop, PostedMessagesArriveInOrderWithPacking) {
  PostMessage(main, WM_USER, 1, MAKELPARAM(-5, 7));
  PostMessage(main, WM_USER + 1);
  MSG msg;
  ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.message, WM_USER);
  ASSERT_TRUE(GetMessage(msg));
  EXPECT_EQ(msg.hwnd, main);
  EXPECT_EQ(GET_X_LPARAM(msg.lParam), -5);
  EXPECT_EQ(GET_Y_LPARAM(msg.lParam), 7);
  ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 1);
  EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageLoop, FiltersLeaveOtherMessagesQueued) {
  HWND other = rec.Create("other", WS_POPUP, {0, 0, 10, 10});
  PostMessage(other, WM_USER);
  PostMessage(main, WM_USER + 2);
  MSG msg;
  ASSERT_TRUE(PeekMessage(msg, main, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 2);
  EXPECT_FALSE(PeekMessage(msg, nullptr, WM_USER + 1, WM_USER + 5, PM_REMOVE));
  ASSERT_TRUE(PeekMessage(msg, nullptr, WM_USER, WM_USER, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, other);
}

TEST_F(MessageLoop, QuitEndsTheLoopAfterEarlierPostsAndMessagesToDeadWindowsAreDropped) {
  HWND doomed = rec.Create("doomed", WS_POPUP, {0, 0, 10, 10});
  PostMessage(doomed, WM_USER);
  PostMessage(main, WM_USER);
  PostQuitMessage(3);
  PostMessage(main, WM_USER + 1);
  DestroyWindow(doomed);
  rec.Only({WM_USER, WM_USER + 1});
  EXPECT_EQ(RunLoop(), 3);
  // Posted messages come before the quit request, whenever it was made.
  EXPECT_THAT(rec.Take(), ElementsAre("main 0x0400", "main 0x0401"));
}

TEST_F(MessageLoop, NestedLoopRunsInsideAProcedureAndTheScriptDrivesBoth) {
  bool inner = false;
  rec.OnMessage(main, [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_USER) {
      // A modal loop: runs until its own end request.
      inner = true;
      MSG msg;
      while (inner && GetMessage(msg))
        DispatchMessage(msg);
      return 0;
    }
    if (m == WM_USER + 1)
      inner = false;
    if (m == WM_USER + 2)
      PostMessage(h, WM_USER + 1);
    return std::nullopt;
  });
  script.Then([&] { PostMessage(main, WM_USER); })
      .Then([&] {
        EXPECT_TRUE(inner);
        PostMessage(main, WM_USER + 2);
      })
      .Then([&] { EXPECT_FALSE(inner); });
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main 0x0400", "main 0x0402", "main 0x0401"));
  EXPECT_EQ(script.StepsLeft(), 0u);
}

TEST_F(MessageLoop, ExhaustedScriptFailsInsteadOfHanging) {
  script.Then([] {});
  MSG msg;
  EXPECT_THROW(GetMessage(msg), ScriptExhausted);
}

TEST_F(MessageLoop, TimersFireAtExactTimesOnTheManualClock) {
  std::vector<std::string> fired;
  rec.OnMessage(main, [&](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_TIMER)
      fired.push_back(std::to_string(w) + "@" + std::to_string(GetTickCount()));
    return std::nullopt;
  });
  clock.Set(1000);
  SetTimer(main, 1, 100);
  SetTimer(main, 2, 250);
  script.Wait(350).Then([&] {
    EXPECT_EQ(GetTickCount(), 1350u);
    KillTimer(main, 2);
  });
  script.Wait(100);
  RunScript();
  EXPECT_THAT(fired, ElementsAre("1@1100", "1@1200", "2@1250", "1@1300", "1@1400"));
}

TEST_F(MessageLoop, ResettingATimerRestartsItsPeriodAndDestroyKillsIt) {
  SetTimer(main, 7, 100);
  script.Wait(60).Then([&] { SetTimer(main, 7, 100); }).Wait(60);
  RunScript();
  EXPECT_TRUE(rec.Take().empty());
  script.Wait(40);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_TIMER 7"));
  DestroyWindow(main);
  EXPECT_FALSE(KillTimer(main, 7));
  EXPECT_FALSE(headless.GetDesktop().NextTimerDue());
}

TEST_F(MessageLoop, LateTimerGivesOneMessage) {
  SetTimer(main, 1, 10);
  clock.Advance(55);
  MSG msg;
  ASSERT_TRUE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_TIMER);
  EXPECT_FALSE(PeekMessage(msg, nullptr, 0, 0, PM_REMOVE));
}

}  // namespace
}  // namespace wintest
