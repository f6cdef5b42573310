// The program's timers: one window delivers them all, a handler may free
// its own timer or another, and a timer that outlives the application
// goes on without it.

#include "UiTest.h"
#include "ui/Timer.h"
#include "ui/TimerHost.h"

namespace {

using namespace uitest;
using ::testing::ElementsAre;

class Timers : public UiTest {
 protected:
  // Handles the messages due on the clock now, without an application.
  static void Pump() {
    win::MSG msg;
    while (win::PeekMessage(msg, nullptr, 0, 0, win::PM_REMOVE))
      win::DispatchMessage(msg);
  }
  static int TopLevelWindows() {
    int count = 0;
    for (win::HWND w = win::GetTopWindow(nullptr); w; w = win::GetWindow(w, win::GW_HWNDNEXT))
      ++count;
    return count;
  }
};

TEST_F(Timers, TimersShareOneWindowAndFireInTheOrderTheyFallDue) {
  std::vector<std::string> fired;
  auto add = [&](const char* name, unsigned interval, bool enabled = true) {
    auto* timer = new TTimer(app.get());
    timer->SetEnabled(enabled);
    timer->SetInterval(interval);
    timer->SetOnTimer([&fired, name](TObject*) { fired.push_back(name); });
    return timer;
  };
  add("a", 100);
  TTimer* b = add("b", 150);
  TTimer* c = add("c", 100);
  // Switched off: no timer runs for it, and it takes no id.
  add("off", 10, false);
  EXPECT_EQ(app->TimerHost()->Count(), 3);
  // b frees itself and c at its first turn; a goes on alone.
  b->SetOnTimer([&](TObject*) {
    fired.push_back("b");
    delete c;
    delete b;
  });
  script.Wait(350);
  RunScript();
  EXPECT_THAT(fired, ElementsAre("a", "c", "b", "a", "a"));
  EXPECT_EQ(app->TimerHost()->Count(), 1);
}

TEST_F(Timers, ATimerOutlivingTheApplicationRunsOnAWindowOfItsOwn) {
  TTimer timer(nullptr);
  int fired = 0;
  timer.SetInterval(100);
  timer.SetOnTimer([&](TObject*) { ++fired; });
  app.reset();
  // Its window went with the application: nothing fires any more.
  clock.Advance(200);
  Pump();
  EXPECT_EQ(fired, 0);
  // Started again, it fires on a window of its own.
  timer.SetEnabled(false);
  timer.SetEnabled(true);
  clock.Advance(100);
  Pump();
  EXPECT_EQ(fired, 1);
}

// Without any application, a timer makes its window when it first starts,
// keeps it while it is stopped and started again, and takes it along when
// it goes.
TEST_F(Timers, ATimerWithoutAnApplicationHasAWindowOfItsOwnForItsLife) {
  app.reset();
  const int before = TopLevelWindows();
  int fired = 0;
  {
    TTimer timer(nullptr);
    timer.SetInterval(100);
    EXPECT_EQ(TopLevelWindows(), before);
    timer.SetOnTimer([&](TObject*) { ++fired; });
    EXPECT_EQ(TopLevelWindows(), before + 1);
    clock.Advance(100);
    Pump();
    EXPECT_EQ(fired, 1);
    timer.SetEnabled(false);
    clock.Advance(100);
    Pump();
    EXPECT_EQ(fired, 1);
    timer.SetEnabled(true);
    EXPECT_EQ(TopLevelWindows(), before + 1);
    clock.Advance(100);
    Pump();
    EXPECT_EQ(fired, 2);
  }
  EXPECT_EQ(TopLevelWindows(), before);
}

}  // namespace
