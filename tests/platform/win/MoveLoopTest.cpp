// The caption drag through the default procedure's move loop, and a modal
// loop started from a click and ended from a key.

#include "Recorder.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

class MoveLoop : public WinTest {
 protected:
  HWND main = rec.Create("main", WS_POPUP | WS_CAPTION | WS_VISIBLE, {100, 100, 300, 300});
};

TEST_F(MoveLoop, CaptionDragRunsInsideTheButtonDownWithMovingAdjustable) {
  // The procedure keeps the window on a 10-pixel grid horizontally.
  rec.OnMessage(main, [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_MOVING) {
      auto* r = reinterpret_cast<gfx::Rect*>(l);
      *r = r->Offset(-(r->left % 10), 0);
    }
    return std::nullopt;
  });
  rec.Only({WM_NCLBUTTONDOWN, WM_NCLBUTTONUP, WM_LBUTTONUP, WM_SYSCOMMAND, WM_ENTERSIZEMOVE,
            WM_MOVING, WM_MOVE, WM_EXITSIZEMOVE, WM_CAPTURECHANGED});
  script.MoveTo(150, 110).Press().MoveTo(163, 115).MoveTo(177, 131).Release();
  script.Then([&] { EXPECT_EQ(GetWindowRect(main), (gfx::Rect{120, 121, 320, 321})); });
  RunScript();
  EXPECT_THAT(
      rec.Take(),
      ElementsAre("main WM_NCLBUTTONDOWN ht2 150,110", "main WM_SYSCOMMAND 0xF012",
                  "main WM_ENTERSIZEMOVE", "main WM_MOVING 113,105", "main WM_MOVE 113,127",
                  "main WM_MOVING 127,121", "main WM_MOVE 123,143", "main WM_MOVING 127,121",
                  "main WM_CAPTURECHANGED", "main WM_EXITSIZEMOVE"));
  EXPECT_FALSE(GetCapture());
}

TEST_F(MoveLoop, EscapePutsTheWindowBack) {
  script.MoveTo(150, 110).Press().MoveTo(250, 210).Then([&] {
    EXPECT_EQ(GetWindowRect(main).TopLeft(), (gfx::Point{200, 200}));
  });
  script.Key(VK_ESCAPE).Release();
  RunScript();
  EXPECT_EQ(GetWindowRect(main).TopLeft(), (gfx::Point{100, 100}));
}

// The system can take the button's release elsewhere (the window was
// iconified mid-drag, the grab broken): the drag ends there and then.
TEST_F(MoveLoop, DragEndsWhenTheSystemSaysTheButtonIsUpOrTheGrabIsGone) {
  rec.Only({WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE});
  InputEvent released;
  released.kind = InputEvent::Kind::MouseMove;
  released.pt = {200, 150};
  released.held = InputEvent::Held{};
  script.MoveTo(150, 110).Press().MoveTo(170, 120).Then([&] { script.Inject(released); });
  script.MoveTo(300, 300);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_ENTERSIZEMOVE", "main WM_EXITSIZEMOVE"));
  EXPECT_EQ(GetWindowRect(main).TopLeft(), (gfx::Point{120, 110}));
  EXPECT_FALSE(GetCapture());

  InputEvent lost;
  lost.kind = InputEvent::Kind::CaptureLost;
  lost.hwnd = main;
  script.Release().MoveTo(150, 130).Press().MoveTo(160, 140).Then([&] { script.Inject(lost); });
  script.MoveTo(300, 300).Release();
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_ENTERSIZEMOVE", "main WM_EXITSIZEMOVE"));
  EXPECT_EQ(GetWindowRect(main).TopLeft(), (gfx::Point{130, 120}));
}

// Open popups close as the window starts moving, and when the system moves
// it; a press outside every window of the program closes them too.
TEST_F(MoveLoop, WindowHearsCancelModeWhenItMovesOrThePressIsOutsideTheProgram) {
  rec.Only({WM_CANCELMODE, WM_ENTERSIZEMOVE});
  InputEvent moved;
  moved.kind = InputEvent::Kind::Moved;
  moved.hwnd = main;
  moved.pt = {40, 50};
  script.Click(150, 110).Then([&] { script.Inject(moved); });
  script.Click(900, 700);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_CANCELMODE", "main WM_ENTERSIZEMOVE",
                                      "main WM_CANCELMODE", "main WM_CANCELMODE"));
  EXPECT_EQ(GetWindowRect(main).TopLeft(), (gfx::Point{40, 50}));
}

TEST_F(MoveLoop, TimersAndPostedMessagesKeepRunningDuringTheDrag) {
  SetTimer(main, 1, 50);
  rec.Only({WM_TIMER, WM_ENTERSIZEMOVE, WM_EXITSIZEMOVE});
  script.MoveTo(150, 110).Press().Wait(50).Release();
  RunScript();
  EXPECT_THAT(rec.Take(),
              ElementsAre("main WM_ENTERSIZEMOVE", "main WM_TIMER 1", "main WM_EXITSIZEMOVE"));
}

TEST_F(MoveLoop, SizingBorderRunsTheSizeLoopWithinTheTrackingLimits) {
  HWND sizable = rec.Create("sizable", WS_POPUP | WS_THICKFRAME | WS_VISIBLE, {400, 100, 600, 300});
  rec.OnMessage(sizable, [](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_GETMINMAXINFO)
      ParamPointer<MINMAXINFO>(l)->ptMinTrackSize = {150, 120};
    return std::nullopt;
  });
  rec.Only({WM_ENTERSIZEMOVE, WM_SIZING, WM_SIZE, WM_EXITSIZEMOVE});
  // The bottom-right corner: dragged out by 30,20, then in as far as it goes.
  script.MoveTo(598, 298).Press().MoveTo(628, 318).MoveTo(400, 100).Release();
  RunScript();
  EXPECT_THAT(rec.Take(),
              ElementsAre("sizable WM_ENTERSIZEMOVE", "sizable WM_SIZING 8 400,100,630,320",
                          "sizable WM_SIZE 0 222x212", "sizable WM_SIZING 8 400,100,550,220",
                          "sizable WM_SIZE 0 142x112", "sizable WM_SIZING 8 400,100,550,220",
                          "sizable WM_EXITSIZEMOVE"));
  EXPECT_EQ(GetWindowRect(sizable), (gfx::Rect{400, 100, 550, 220}));
  // The left edge moves only the left side.
  script.MoveTo(401, 150).Press().MoveTo(381, 170).Release();
  RunScript();
  EXPECT_THAT(rec.Take(),
              ElementsAre("sizable WM_ENTERSIZEMOVE", "sizable WM_SIZING 1 380,100,550,220",
                          "sizable WM_SIZE 0 162x112", "sizable WM_SIZING 1 380,100,550,220",
                          "sizable WM_EXITSIZEMOVE"));
}

// A modal dialog is a nested loop inside the handler of the click that
// opened it; its owner is disabled meanwhile, so clicks on the owner are
// dropped, and a key in the dialog ends it.
TEST_F(MoveLoop, ModalLoopStartedFromAClickEndsFromAKey) {
  HWND dialog{};
  bool done = false;
  rec.OnMessage(main, [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_LBUTTONDOWN || dialog)
      return std::nullopt;
    dialog = rec.Create("dialog", WS_POPUP | WS_VISIBLE, {150, 150, 250, 250}, h);
    rec.OnMessage(dialog, [&](HWND, UINT dm, WPARAM w, LPARAM) -> std::optional<LRESULT> {
      if (dm == WM_KEYDOWN && w == VK_ESCAPE)
        done = true;
      return std::nullopt;
    });
    EnableWindow(h, false);
    MSG msg;
    while (!done && GetMessage(msg)) {
      TranslateMessage(msg);
      DispatchMessage(msg);
    }
    EnableWindow(h, true);
    DestroyWindow(dialog);
    return 0;
  });
  rec.Only({WM_LBUTTONDOWN, WM_LBUTTONUP, WM_KEYDOWN, WM_ACTIVATE, WM_ENABLE});
  // The release of the opening click already lands on the disabled owner.
  script.Click(120, 130)
      .Then([&] { EXPECT_EQ(GetActiveWindow(), dialog); })
      .Click(110, 280)  // on the disabled owner
      .Key(VK_ESCAPE);
  RunScript();
  EXPECT_THAT(rec.Take(),
              ElementsAre("main WM_LBUTTONDOWN 17,8", "main WM_ACTIVATE 0", "dialog WM_ACTIVATE 1",
                          "main WM_ENABLE 0", "dialog WM_KEYDOWN 27", "main WM_ENABLE 1",
                          "dialog WM_ACTIVATE 0", "main WM_ACTIVATE 1"));
  EXPECT_TRUE(done);
  EXPECT_FALSE(IsWindow(dialog));
  EXPECT_EQ(GetActiveWindow(), main);
}

}  // namespace
}  // namespace wintest
