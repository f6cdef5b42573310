// Control hints on the manual clock: when they appear, where, for how long,
// and who may change or stop them.

#include "UiTest.h"
#include "ui/ExtCtrls.h"
#include "ui/HintWindow.h"

namespace uitest {
namespace {

using ::testing::ElementsAre;

class Hints : public UiTest {
 protected:
  Hints() {
    form = MakeForm();
    author = Button("author", 10, 10, "Author / Urheber");
    other = Button("other", 100, 10, "Other|A longer help text");
  }

  TTestButton* Button(const std::string& name, int x, int y, const std::string& hint) {
    auto* b = new TTestButton(form, form, name, &log);
    b->SetBounds(x, y, 21, 21);
    b->SetHint(hint);
    b->SetShowHint(true);
    return b;
  }

  bool HintShowing() const {
    THintWindow* w = app->HintWindow();
    return w && w->HandleAllocated() && win::IsWindowVisible(w->Handle());
  }
  std::string HintText() const { return HintShowing() ? app->HintWindow()->Caption() : ""; }

  // Records at each step whether a hint shows, as "-" or its text.
  std::function<void()> Note(std::vector<std::string>& out) {
    return [this, &out] { out.push_back(HintShowing() ? HintText() : "-"); };
  }

  TForm* form = nullptr;
  TTestButton* author = nullptr;
  TTestButton* other = nullptr;
  std::vector<std::string> log;
};

TEST_F(Hints, AppearAfterHintPauseBelowTheCursorAndHideAfterHintHidePause) {
  std::vector<std::string> seen;
  TPoint p = At(author, 5, 5);
  script.MoveTo(p.x, p.y).Wait(499).Then(Note(seen)).Wait(1).Then(Note(seen));
  script.Then([&] {
    TRect r = win::GetWindowRect(app->HintWindow()->Handle());
    EXPECT_EQ(r.left, p.x);
    EXPECT_EQ(r.top, p.y + 20);
    EXPECT_GT(r.Width(), 6);
  });
  script.Wait(2499).Then(Note(seen)).Wait(1).Then(Note(seen));
  // Resting on longer brings it back only after leaving and returning.
  script.Wait(5000).Then(Note(seen));
  RunScript();
  EXPECT_THAT(seen, ElementsAre("-", "Author / Urheber", "Author / Urheber", "-", "-"));
}

TEST_F(Hints, MovingToAnotherControlWhileAHintShowsTakesTheShortPause) {
  std::vector<std::string> seen;
  TPoint a = At(author, 5, 5);
  TPoint b = At(other, 5, 5);
  script.MoveTo(a.x, a.y).Wait(500).Then(Note(seen));
  script.MoveTo(b.x, b.y).Then(Note(seen)).Wait(50).Then(Note(seen));
  // Off every hinted control the hint goes at once; coming back waits the
  // full pause again.
  script.MoveTo(5, 5).Then(Note(seen)).MoveTo(a.x, a.y).Wait(50).Then(Note(seen));
  script.Wait(450).Then(Note(seen));
  RunScript();
  EXPECT_THAT(seen, ElementsAre("Author / Urheber", "-", "Other", "-", "-", "Author / Urheber"));
}

TEST_F(Hints, APressOrAKeyCancelsTheHint) {
  std::vector<std::string> seen;
  TPoint a = At(author, 5, 5);
  script.MoveTo(a.x, a.y).Wait(500).Then(Note(seen)).Press().Release().Then(Note(seen));
  script.Wait(3000).Then(Note(seen));
  RunScript();
  EXPECT_THAT(seen, ElementsAre("Author / Urheber", "-", "-"));
}

TEST_F(Hints, ParentShowHintAndTheApplicationSwitchDecide) {
  std::vector<std::string> seen;
  // A control without its own setting follows its parent.
  auto* plain = new TTestButton(form, form, "plain", &log);
  plain->SetBounds(200, 10, 20, 20);
  plain->SetHint("Plain");
  EXPECT_TRUE(plain->ParentShowHint());
  TPoint p = At(plain, 5, 5);
  script.MoveTo(p.x, p.y).Wait(600).Then(Note(seen)).MoveTo(1, 1);
  script.Then([&] { form->SetShowHint(true); });
  script.MoveTo(p.x, p.y).Wait(600).Then(Note(seen)).MoveTo(1, 1);
  script.Then([&] { app->SetShowHint(false); });
  script.MoveTo(p.x, p.y).Wait(600).Then(Note(seen));
  RunScript();
  EXPECT_THAT(seen, ElementsAre("-", "Plain", "-"));
}

TEST_F(Hints, OnShowHintAndTheControlMayChangeOrRefuseTheHint) {
  std::vector<std::string> seen;
  app->OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
    if (info.HintControl == other)
      canShow = false;
    text = "[" + text + "]";
    info.HideTimeout = 100;
  };
  TPoint a = At(author, 5, 5);
  TPoint b = At(other, 5, 5);
  script.MoveTo(a.x, a.y).Wait(500).Then(Note(seen)).Wait(100).Then(Note(seen));
  script.MoveTo(b.x, b.y).Wait(500).Then(Note(seen));
  RunScript();
  EXPECT_THAT(seen, ElementsAre("[Author / Urheber]", "-", "-"));
}

class TLoudHint : public THintWindow {
 public:
  using THintWindow::THintWindow;
  void ActivateHint(TRect Rect, const std::string& AHint) override {
    THintWindow::ActivateHint(Rect, AHint + "!");
  }
};

TEST_F(Hints, TheHintWindowClassCanBeReplaced) {
  app->HintWindowClass = [](TComponent* owner) -> THintWindow* { return new TLoudHint(owner); };
  std::vector<std::string> seen;
  TPoint a = At(author, 5, 5);
  script.MoveTo(a.x, a.y).Wait(500).Then(Note(seen));
  RunScript();
  EXPECT_NE(dynamic_cast<TLoudHint*>(app->HintWindow()), nullptr);
  EXPECT_THAT(seen, ElementsAre("Author / Urheber!"));
}

TEST_F(Hints, TheHintWindowSizesToItsTextAndNeverTakesTheMouse) {
  THintWindow hint(nullptr);
  TRect one = hint.CalcHintRect(1000, "Author", nullptr);
  TRect two = hint.CalcHintRect(1000, "Author / Urheber", nullptr);
  EXPECT_GT(two.Width(), one.Width());
  EXPECT_EQ(one.Height(), two.Height());
  // Wrapped at the maximum width, it grows in height instead.
  TRect wrapped = hint.CalcHintRect(60, "Author / Urheber", nullptr);
  EXPECT_LE(wrapped.Width(), 68);
  EXPECT_GT(wrapped.Height(), one.Height());
  // Kept on the screen.
  hint.ActivateHint({1000, 760, 1060, 780}, "x");
  EXPECT_EQ(win::GetWindowRect(hint.Handle()), (TRect{964, 748, 1024, 768}));
  EXPECT_EQ(win::WindowFromPoint({1000, 760}), nullptr);
  EXPECT_NE(win::GetActiveWindow(), hint.Handle());
}

// A hint is kept on the monitor it shows on, not pulled onto the screen
// (the primary monitor).
class HintsOnTwoMonitors : public UiTest {
 protected:
  HintsOnTwoMonitors()
      : UiTest(win::HeadlessOptions{
            .screen = {1024, 768}, .workArea = {}, .otherMonitors = {{{1024, 0, 1664, 480}, {}}}}) {
  }
};

TEST_F(HintsOnTwoMonitors, AHintStaysOnTheMonitorItShowsOn) {
  THintWindow hint(nullptr);
  hint.ActivateHint({1500, 10, 1560, 30}, "x");
  EXPECT_EQ(win::GetWindowRect(hint.Handle()), (TRect{1500, 10, 1560, 30}));
  hint.ActivateHint({1640, 470, 1700, 490}, "x");
  EXPECT_EQ(win::GetWindowRect(hint.Handle()), (TRect{1604, 460, 1664, 480}));
}

}  // namespace
}  // namespace uitest
