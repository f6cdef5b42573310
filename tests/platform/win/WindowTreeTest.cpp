// Creating and destroying windows, the tree, z-order, styles, texts and
// sub-classing.

#include "Recorder.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

class WindowTree : public WinTest {};

TEST_F(WindowTree, CreateSendsCreationMessagesThenShowActivates) {
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE, {10, 20, 110, 70});
  ASSERT_TRUE(main);
  EXPECT_THAT(
      rec.Take(),
      ElementsAre("main WM_NCCREATE", "main WM_NCCALCSIZE", "main WM_CREATE",
                  "main WM_SIZE 0 100x50", "main WM_MOVE 10,20", "main WM_SHOWWINDOW 1",
                  "main WM_WINDOWPOSCHANGING", "main WM_ACTIVATEAPP 1", "main WM_NCACTIVATE 1",
                  "main WM_ACTIVATE 1", "main WM_SETFOCUS", "main WM_WINDOWPOSCHANGED"));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), main);
  EXPECT_EQ(GetWindowText(main), "main");
}

TEST_F(WindowTree, ChildCreationNotifiesParentAndDoesNotActivate) {
  HWND main = rec.Create("main", WS_POPUP, {0, 0, 100, 100});
  rec.Clear();
  HWND child = rec.Create("child", WS_CHILD | WS_VISIBLE, {5, 5, 25, 25}, main, 0, 7);
  ASSERT_TRUE(child);
  EXPECT_THAT(rec.Take(), ElementsAre("child WM_NCCREATE", "child WM_NCCALCSIZE", "child WM_CREATE",
                                      "child WM_SIZE 0 20x20", "child WM_MOVE 5,5",
                                      "main WM_PARENTNOTIFY", "child WM_SHOWWINDOW 1",
                                      "child WM_WINDOWPOSCHANGING", "child WM_WINDOWPOSCHANGED"));
  EXPECT_EQ(GetParent(child), main);
  EXPECT_EQ(GetDlgItem(main, 7), child);
  EXPECT_FALSE(GetActiveWindow());
  // A hidden parent hides its visible child.
  EXPECT_FALSE(IsWindowVisible(child));
  ShowWindow(main, SW_SHOW);
  EXPECT_TRUE(IsWindowVisible(child));
}

TEST_F(WindowTree, ProcedureCanRefuseCreation) {
  rec.OnMessage(nullptr, {});
  WNDCLASS refusing;
  refusing.lpszClassName = "Refusing";
  refusing.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    return m == WM_CREATE ? -1 : DefWindowProc(h, m, w, l);
  };
  ASSERT_TRUE(RegisterClass(refusing));
  EXPECT_FALSE(RegisterClass(refusing));
  EXPECT_FALSE(CreateWindowEx(0, "Refusing", "", WS_POPUP, 0, 0, 10, 10, nullptr));
  EXPECT_FALSE(CreateWindowEx(0, "NoSuchClass", "", WS_POPUP, 0, 0, 10, 10, nullptr));
  EXPECT_FALSE(CreateWindowEx(0, "Rec", "", WS_CHILD, 0, 0, 10, 10, nullptr));
}

TEST_F(WindowTree, DestroyGoesParentFirstThenFinishesChildrenFirst) {
  HWND main = rec.Create("main", WS_POPUP, {0, 0, 100, 100});
  HWND a = rec.Create("a", WS_CHILD, {0, 0, 10, 10}, main);
  rec.Create("a1", WS_CHILD, {0, 0, 5, 5}, a);
  HWND owned = rec.Create("owned", WS_POPUP, {0, 0, 10, 10}, main);
  rec.Only({WM_DESTROY, WM_NCDESTROY});
  EXPECT_TRUE(DestroyWindow(main));
  EXPECT_THAT(rec.Take(), ElementsAre("owned WM_DESTROY", "owned WM_NCDESTROY", "main WM_DESTROY",
                                      "a WM_DESTROY", "a1 WM_DESTROY", "a1 WM_NCDESTROY",
                                      "a WM_NCDESTROY", "main WM_NCDESTROY"));
  EXPECT_FALSE(IsWindow(main));
  EXPECT_FALSE(IsWindow(owned));
  // Handles stay harmless after the end of their window.
  EXPECT_EQ(SendMessage(a, WM_USER, 1, 2), 0);
  EXPECT_FALSE(PostMessage(a, WM_USER));
  EXPECT_FALSE(DestroyWindow(main));
  EXPECT_FALSE(SetWindowPos(a, nullptr, 0, 0, 1, 1, 0));
}

TEST_F(WindowTree, WindowDestroyedInsideItsOwnProcedureIsSafe) {
  HWND main = rec.Create("main", WS_POPUP, {0, 0, 100, 100});
  rec.OnMessage(main, [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_USER)
      return std::nullopt;
    DestroyWindow(h);
    // The record is still there for the rest of this handler.
    return IsWindow(h) ? 1 : 2;
  });
  EXPECT_EQ(SendMessage(main, WM_USER), 2);
  EXPECT_FALSE(IsWindow(main));
}

TEST_F(WindowTree, DyingWindowTakesNoNewChildren) {
  HWND main = rec.Create("main", WS_POPUP, {0, 0, 100, 100});
  HWND late{};
  rec.OnMessage(main, [&](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_DESTROY)
      late = CreateWindowEx(0, "Rec", "", WS_CHILD, 0, 0, 5, 5, h);
    return std::nullopt;
  });
  DestroyWindow(main);
  EXPECT_FALSE(late);
}

TEST_F(WindowTree, TopLevelZOrderKeepsTopmostBandAndOwnedWindowsAboveOwner) {
  HWND a = rec.Create("a", WS_POPUP, {0, 0, 10, 10});
  HWND b = rec.Create("b", WS_POPUP, {0, 0, 10, 10});
  HWND top = rec.Create("top", WS_POPUP, {0, 0, 10, 10}, nullptr, WS_EX_TOPMOST);
  HWND owned = rec.Create("owned", WS_POPUP, {0, 0, 10, 10}, a);
  HWND c = rec.Create("c", WS_POPUP, {0, 0, 10, 10});
  EXPECT_THAT(script.Stacking(), ElementsAre(top, c, owned, b, a));
  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_THAT(script.Stacking(), ElementsAre(top, owned, a, c, b));
  SetWindowPos(b, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_THAT(script.Stacking(), ElementsAre(b, top, owned, a, c));
  EXPECT_TRUE(GetWindowLong(b, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(b, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_THAT(script.Stacking(), ElementsAre(top, b, owned, a, c));
  SetWindowPos(c, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(GetWindow(c, GW_HWNDPREV), a);
  EXPECT_EQ(GetWindow(top, GW_HWNDNEXT), b);
  EXPECT_EQ(GetParent(owned), a);
  EXPECT_EQ(GetAncestor(owned, GA_ROOTOWNER), a);
}

TEST_F(WindowTree, ChildrenStackNewestOnTopAndConvertCoordinates) {
  HWND main = rec.Create("main", WS_POPUP | WS_BORDER, {100, 50, 300, 250});
  HWND a = rec.Create("a", WS_CHILD, {10, 10, 50, 50}, main);
  HWND b = rec.Create("b", WS_CHILD, {20, 20, 60, 60}, main);
  EXPECT_EQ(GetWindow(main, GW_CHILD), b);
  EXPECT_EQ(GetWindow(b, GW_HWNDNEXT), a);
  // The one-pixel border moves the client area of the parent.
  EXPECT_EQ(GetClientRect(main), (gfx::Rect{0, 0, 198, 198}));
  EXPECT_EQ(GetWindowRect(a), (gfx::Rect{111, 61, 151, 101}));
  gfx::Point p{0, 0};
  ClientToScreen(a, p);
  EXPECT_EQ(p, (gfx::Point{111, 61}));
  EXPECT_EQ(MapWindowPoint(a, b, {0, 0}), (gfx::Point{-10, -10}));
  EXPECT_EQ(SetParent(a, b), main);
  EXPECT_TRUE(IsChild(main, a));
  EXPECT_EQ(GetAncestor(a, GA_PARENT), b);
  EXPECT_EQ(GetWindowRect(a), (gfx::Rect{131, 81, 171, 121}));
  EXPECT_FALSE(SetParent(b, a));  // no cycles
}

TEST_F(WindowTree, StylesChangeThroughSetWindowLongWithNotices) {
  HWND main = rec.Create("main", WS_POPUP | WS_CAPTION, {0, 0, 100, 100});
  rec.Only({WM_STYLECHANGING, WM_STYLECHANGED, WM_NCCALCSIZE});
  LONG_PTR style = GetWindowLong(main, GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_CLIPSIBLINGS);
  SetWindowLong(main, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_CAPTION));
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_STYLECHANGING", "main WM_STYLECHANGED"));
  // The frame follows only when asked to.
  EXPECT_EQ(GetClientRect(main).Height(), 100 - 19 - 6);
  SetWindowPos(main, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_NCCALCSIZE"));
  EXPECT_EQ(GetClientRect(main), (gfx::Rect{0, 0, 100, 100}));
  SetWindowLong(main, GWLP_USERDATA, 42);
  EXPECT_EQ(GetWindowLong(main, GWLP_USERDATA), 42);
  EXPECT_EQ(GetClassLong(main, GCL_STYLE), 0);
  EXPECT_EQ(GetClassName(main), "Rec");
}

TEST_F(WindowTree, SubclassingChainsThroughCallWindowProc) {
  HWND main = rec.Create("main", WS_POPUP, {0, 0, 100, 100});
  std::vector<UINT> seen;
  WNDPROC old;
  old = SetWindowProc(main, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    seen.push_back(m);
    if (m == WM_USER)
      return 5 + CallWindowProc(old, h, m, w, l);
    return CallWindowProc(old, h, m, w, l);
  });
  rec.OnMessage(main, [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_USER)
      return 10;
    return std::nullopt;
  });
  rec.Clear();
  EXPECT_EQ(SendMessage(main, WM_USER), 15);
  EXPECT_THAT(rec.Take(), ElementsAre("main 0x0400"));
  // Replacing the procedure while it runs keeps the running one alive.
  SetWindowProc(main, [&](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
    SetWindowProc(h, old);
    return m == WM_USER ? 99 : CallWindowProc(old, h, m, w, l);
  });
  EXPECT_EQ(SendMessage(main, WM_USER), 99);
  EXPECT_EQ(SendMessage(main, WM_USER), 10);
}

TEST_F(WindowTree, TextGoesThroughMessages) {
  HWND main = rec.Create("main", WS_POPUP, {0, 0, 100, 100});
  rec.Only({WM_SETTEXT});
  EXPECT_TRUE(SetWindowText(main, "Tilebrook"));
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_SETTEXT"));
  EXPECT_EQ(GetWindowText(main), "Tilebrook");
  EXPECT_EQ(GetWindowTextLength(main), 9);
  EXPECT_EQ(script.FindSurface(main)->title, "Tilebrook");
  char small[4];
  EXPECT_EQ(SendMessage(main, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 3);
  EXPECT_STREQ(small, "Til");
}

TEST_F(WindowTree, CloseRequestFromTheScreenGoesThroughTheSystemCommand) {
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  rec.Only({WM_SYSCOMMAND, WM_CLOSE, WM_DESTROY});
  script.Then([&] { script.InjectCloseRequest(main); });
  RunScript();
  EXPECT_THAT(rec.Take(),
              ElementsAre("main WM_SYSCOMMAND 0xF060", "main WM_CLOSE", "main WM_DESTROY"));
  EXPECT_FALSE(script.FindSurface(main));
}

}  // namespace
}  // namespace wintest
