// Keyboard messages, key state, system keys, activation between windows and
// keyboard focus.

#include "Recorder.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

class KeyboardFocus : public WinTest {
 protected:
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 300, 300});
  HWND edit = rec.Create("edit", WS_CHILD | WS_VISIBLE, {10, 10, 100, 30}, main);
};

TEST_F(KeyboardFocus, KeysGoToTheFocusWindowAndTranslateToCharacters) {
  SetFocus(edit);
  rec.Only({WM_KEYDOWN, WM_KEYUP, WM_CHAR});
  script.KeyDown(VK_SHIFT).Key('A', U'A').KeyUp(VK_SHIFT).Then(
      [&] { EXPECT_FALSE(GetKeyState(VK_SHIFT) & 0x8000); });
  script.KeyDown('B', U'b').Then([&] { EXPECT_TRUE(GetKeyState('B') & 0x8000); });
  script.KeyDown('B', U'b').KeyUp('B');  // auto-repeat
  RunScript();
  EXPECT_THAT(
      rec.Take(),
      ElementsAre("edit WM_KEYDOWN 16", "edit WM_KEYDOWN 65", "edit WM_CHAR 'A'",
                  "edit WM_KEYUP 65", "edit WM_KEYUP 16", "edit WM_KEYDOWN 66", "edit WM_CHAR 'b'",
                  "edit WM_KEYDOWN 66", "edit WM_CHAR 'b'", "edit WM_KEYUP 66"));
}

TEST_F(KeyboardFocus, KeyDataCarriesPreviousStateAndTransition) {
  SetFocus(edit);
  std::vector<std::uint32_t> data;
  rec.OnMessage(edit, [&](HWND, UINT m, WPARAM, LPARAM l) -> std::optional<LRESULT> {
    if (m == WM_KEYDOWN || m == WM_KEYUP || m == WM_SYSKEYDOWN || m == WM_SYSKEYUP)
      data.push_back(static_cast<std::uint32_t>(l));
    return std::nullopt;
  });
  script.KeyDown('X').KeyDown('X').KeyUp('X').KeyDown(VK_MENU).Key('X').KeyUp(VK_MENU);
  RunScript();
  EXPECT_THAT(data, ElementsAre(0x00000001u, 0x40000001u, 0xC0000001u, 0x20000001u, 0x20000001u,
                                0xE0000001u, 0xC0000001u));
}

TEST_F(KeyboardFocus, AltMakesSystemKeysAndAccelerators) {
  SetFocus(edit);
  rec.Only({WM_KEYDOWN, WM_KEYUP, WM_SYSKEYDOWN, WM_SYSKEYUP, WM_SYSCHAR, WM_SYSCOMMAND});
  script.KeyDown(VK_MENU).Key('S', U's').KeyUp(VK_MENU);
  RunScript();
  // Alt released after another key is a plain key-up and opens no menu.
  EXPECT_THAT(rec.Take(),
              ElementsAre("edit WM_SYSKEYDOWN 18", "edit WM_SYSKEYDOWN 83", "edit WM_SYSCHAR 's'",
                          "main WM_SYSCOMMAND 0xF100", "edit WM_SYSKEYUP 83", "edit WM_KEYUP 18"));
}

// Alt+Tab: the system takes the keyboard while Alt is down and the release
// goes elsewhere. What it reports as held on the way back counts.
TEST_F(KeyboardFocus, AltReleasedWhileAwayIsUpOnReturn) {
  rec.Only({WM_KEYDOWN, WM_SYSKEYDOWN});
  InputEvent back;
  back.kind = InputEvent::Kind::FocusChange;
  back.hwnd = main;
  back.held = InputEvent::Held{};
  script.KeyDown(VK_MENU).Then([&] { script.InjectFocusChange(nullptr); });
  script.Then([&] { script.Inject(back); });
  script.Key(VK_ESCAPE);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_SYSKEYDOWN 18", "main WM_KEYDOWN 27"));
  EXPECT_FALSE(GetKeyState(VK_MENU) & 0x8000);
  EXPECT_FALSE(GetAsyncKeyState(VK_MENU) & 0x8000);
}

TEST_F(KeyboardFocus, LoneAltAndF10AskForTheKeyboardMenu) {
  SetFocus(edit);
  rec.Only({WM_SYSCOMMAND});
  script.Key(VK_MENU).Key(VK_F10);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_SYSCOMMAND 0xF100", "main WM_SYSCOMMAND 0xF100"));
}

TEST_F(KeyboardFocus, AltF4ClosesTheTopLevelWindow) {
  SetFocus(edit);
  rec.Only({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY});
  script.KeyDown(VK_MENU).KeyDown(VK_F4);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_SYSCOMMAND 0xF060", "main WM_CLOSE",
                                      "main WM_DESTROY", "edit WM_DESTROY"));
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(GetFocus());
  EXPECT_FALSE(GetActiveWindow());
}

TEST_F(KeyboardFocus, WithoutFocusTheActiveWindowGetsSystemKeys) {
  SetFocus(nullptr);
  rec.Only({WM_KEYDOWN, WM_SYSKEYDOWN});
  script.KeyDown(VK_RETURN);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_SYSKEYDOWN 13"));
}

TEST_F(KeyboardFocus, ActivationMovesBetweenWindowsWithFocus) {
  SetFocus(edit);
  HWND other = rec.Create("other", WS_POPUP, {400, 100, 500, 200});
  rec.Only({WM_NCACTIVATE, WM_ACTIVATE, WM_SETFOCUS, WM_KILLFOCUS, WM_SHOWWINDOW});
  ShowWindow(other, SW_SHOW);
  EXPECT_THAT(rec.Take(),
              ElementsAre("other WM_SHOWWINDOW 1", "main WM_NCACTIVATE 0", "main WM_ACTIVATE 0",
                          "other WM_NCACTIVATE 1", "other WM_ACTIVATE 1", "edit WM_KILLFOCUS",
                          "other WM_SETFOCUS"));
  // Hiding the active window activates the next one.
  ShowWindow(other, SW_HIDE);
  EXPECT_THAT(rec.Take(),
              ElementsAre("other WM_SHOWWINDOW 0", "other WM_NCACTIVATE 0", "other WM_ACTIVATE 0",
                          "main WM_NCACTIVATE 1", "main WM_ACTIVATE 1", "other WM_KILLFOCUS",
                          "main WM_SETFOCUS"));
  EXPECT_EQ(GetActiveWindow(), main);
}

TEST_F(KeyboardFocus, AnotherProgramTakingTheKeyboardDeactivates) {
  SetFocus(edit);
  rec.Only({WM_NCACTIVATE, WM_ACTIVATE, WM_ACTIVATEAPP, WM_SETFOCUS, WM_KILLFOCUS});
  script.Then([&] { script.InjectFocusChange(nullptr); }).Then([&] {
    EXPECT_FALSE(GetActiveWindow());
    EXPECT_FALSE(GetFocus());
    script.InjectFocusChange(main);
  });
  RunScript();
  EXPECT_THAT(rec.Take(),
              ElementsAre("main WM_NCACTIVATE 0", "main WM_ACTIVATE 0", "main WM_ACTIVATEAPP 0",
                          "edit WM_KILLFOCUS", "main WM_ACTIVATEAPP 1", "main WM_NCACTIVATE 1",
                          "main WM_ACTIVATE 1", "main WM_SETFOCUS"));
}

TEST_F(KeyboardFocus, ProcedureCanPlaceFocusOnActivation) {
  HWND other = rec.Create("other", WS_POPUP | WS_VISIBLE, {400, 100, 500, 200});
  rec.OnMessage(main, [&](HWND, UINT m, WPARAM w, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_ACTIVATE && LOWORD(w) != WA_INACTIVE) {
      SetFocus(edit);
      return 0;
    }
    return std::nullopt;
  });
  SetActiveWindow(main);
  EXPECT_EQ(GetFocus(), edit);
  EXPECT_EQ(SetActiveWindow(other), main);
  EXPECT_EQ(GetFocus(), other);
  // Focusing a window of an inactive top-level window activates it.
  SetFocus(edit);
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), edit);
}

TEST_F(KeyboardFocus, ShowingWithoutActivationRaisesButKeepsFocus) {
  SetFocus(edit);
  HWND hint = rec.Create("hint", WS_POPUP, {0, 0, 10, 10}, nullptr, WS_EX_TOOLWINDOW);
  HWND other = rec.Create("other", WS_POPUP | WS_VISIBLE, {400, 100, 500, 200});
  SetFocus(edit);
  rec.Only({WM_ACTIVATE, WM_KILLFOCUS});
  ShowWindow(hint, SW_SHOWNOACTIVATE);
  EXPECT_TRUE(rec.Take().empty());
  EXPECT_EQ(script.Stacking().front(), hint);
  EXPECT_EQ(GetFocus(), edit);
  (void)other;
}

TEST_F(KeyboardFocus, DisablingTakesFocusAndCancelsCapture) {
  SetFocus(edit);
  SetCapture(edit);
  rec.Only({WM_CANCELMODE, WM_CAPTURECHANGED, WM_KILLFOCUS, WM_ENABLE});
  EXPECT_FALSE(EnableWindow(edit, false));
  EXPECT_THAT(rec.Take(), ElementsAre("edit WM_CANCELMODE", "edit WM_CAPTURECHANGED",
                                      "edit WM_KILLFOCUS", "edit WM_ENABLE 0"));
  EXPECT_FALSE(GetFocus());
  EXPECT_FALSE(GetCapture());
  EXPECT_TRUE(EnableWindow(edit, true));
  EXPECT_TRUE(IsWindowEnabled(edit));
}

TEST_F(KeyboardFocus, MinimizeAndRestoreBySystemCommands) {
  HWND other = rec.Create("other", WS_POPUP | WS_VISIBLE, {400, 100, 500, 200});
  rec.Only({WM_SIZE, WM_ACTIVATE});
  SendMessage(other, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_TRUE(IsIconic(other));
  EXPECT_FALSE(script.FindSurface(other)->visible);
  EXPECT_EQ(GetActiveWindow(), main);
  SendMessage(other, WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_FALSE(IsIconic(other));
  EXPECT_TRUE(script.FindSurface(other)->visible);
  EXPECT_THAT(rec.Take(),
              ElementsAre("other WM_SIZE 1 0x0", "other WM_ACTIVATE 0", "main WM_ACTIVATE 1",
                          "other WM_SIZE 0 100x100", "main WM_ACTIVATE 0", "other WM_ACTIVATE 1"));
}

TEST_F(KeyboardFocus, OwnedWindowsLeaveAndReturnWithTheirMinimizedOwner) {
  HWND dialog = rec.Create("dialog", WS_POPUP | WS_VISIBLE, {120, 120, 200, 200}, main);
  rec.Only({WM_SHOWWINDOW});
  ShowWindow(main, SW_MINIMIZE);
  EXPECT_FALSE(IsWindowVisible(dialog));
  ShowWindow(main, SW_RESTORE);
  EXPECT_TRUE(IsWindowVisible(dialog));
  EXPECT_THAT(rec.Take(), ElementsAre("dialog WM_SHOWWINDOW 0", "dialog WM_SHOWWINDOW 1"));
  EXPECT_TRUE(script.FindSurface(dialog)->visible);
}

TEST_F(KeyboardFocus, MaximizeFillsTheWorkAreaAndRestoreGoesBack) {
  HWND framed = rec.Create("framed", WS_OVERLAPPED | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_VISIBLE,
                           {50, 60, 250, 260});
  rec.Only({WM_SIZE, WM_SYSCOMMAND});
  script.MoveTo(150, 66).Press().Release().Press().Release();  // a double click on the caption
  RunScript();
  EXPECT_TRUE(IsZoomed(framed));
  // The frame lies just outside the work area.
  EXPECT_EQ(GetWindowRect(framed), (gfx::Rect{-4, -4, 1028, 772}));
  ShowWindow(framed, SW_RESTORE);
  EXPECT_FALSE(IsZoomed(framed));
  EXPECT_EQ(GetWindowRect(framed), (gfx::Rect{50, 60, 250, 260}));
  EXPECT_THAT(rec.Take(), ElementsAre("framed WM_SYSCOMMAND 0xF012", "framed WM_SYSCOMMAND 0xF030",
                                      "framed WM_SIZE 2 1024x749", "framed WM_SIZE 0 192x173"));
}

}  // namespace
}  // namespace wintest
