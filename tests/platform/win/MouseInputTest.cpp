// Mouse input: hit testing, client and frame messages, activation by click,
// double clicks, capture, regions of transparency and mouse-leave tracking.

#include "Recorder.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

class MouseInput : public WinTest {
 protected:
  // A captioned window at (100, 100): frame 3 pixels, caption 19, so its
  // client area starts at screen (103, 122).
  HWND main = rec.Create("main", WS_POPUP | WS_CAPTION | WS_VISIBLE, {100, 100, 300, 300});
};

TEST_F(MouseInput, ClickOnInactiveWindowActivatesItBeforeThePress) {
  HWND other = rec.Create("other", WS_POPUP | WS_VISIBLE, {400, 100, 500, 200});
  ASSERT_EQ(GetActiveWindow(), other);
  rec.Watch({WM_NCHITTEST, WM_SETCURSOR});
  script.MoveTo(153, 172).Then([&] { rec.Clear(); }).Press().Release();
  RunScript();
  EXPECT_THAT(
      rec.Take(),
      ElementsAre("main WM_NCHITTEST", "main WM_MOUSEACTIVATE ht1", "main WM_WINDOWPOSCHANGING",
                  "main WM_WINDOWPOSCHANGED", "other WM_NCACTIVATE 0", "other WM_ACTIVATE 0",
                  "main WM_NCACTIVATE 1", "main WM_ACTIVATE 2", "other WM_KILLFOCUS",
                  "main WM_SETFOCUS", "main WM_SETCURSOR", "main WM_LBUTTONDOWN 50,50",
                  "main WM_NCHITTEST", "main WM_SETCURSOR", "main WM_LBUTTONUP 50,50"));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(script.Stacking().front(), main);
}

TEST_F(MouseInput, FramePartsGetNonClientMessagesWithScreenPoints) {
  rec.Only({WM_NCMOUSEMOVE, WM_NCLBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEMOVE});
  script.MoveTo(101, 250).MoveTo(150, 250).Press(MouseButton::Right).Release(MouseButton::Right);
  RunScript();
  EXPECT_THAT(rec.Take(),
              ElementsAre("main WM_NCMOUSEMOVE ht18 101,250", "main WM_MOUSEMOVE 47,128",
                          "main WM_RBUTTONDOWN 47,128", "main WM_RBUTTONUP 47,128"));
}

TEST_F(MouseInput, DoubleClickNeedsClassStyleTimeAndDistance) {
  Recorder dbl("Dbl", CS_DBLCLKS);
  HWND target = dbl.Create("dbl", WS_POPUP | WS_VISIBLE, {500, 500, 600, 600});
  dbl.Only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
  rec.Only({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_NCLBUTTONDBLCLK});
  script.Click(510, 510).Wait(500).Click(512, 508);            // in time, within 2 pixels
  script.Wait(100).Click(510, 510).Wait(501).Click(510, 510);  // too late
  script.Wait(600).Click(510, 510).Click(513, 510);            // too far
  // Without CS_DBLCLKS the client gets two presses; frame double clicks
  // need no class style.
  script.Click(150, 150).Click(150, 150).Click(150, 105).Click(150, 105);
  RunScript();
  EXPECT_THAT(dbl.Take(), ElementsAre("dbl WM_LBUTTONDOWN 10,10", "dbl WM_LBUTTONDBLCLK 12,8",
                                      "dbl WM_LBUTTONDOWN 10,10", "dbl WM_LBUTTONDOWN 10,10",
                                      "dbl WM_LBUTTONDOWN 10,10", "dbl WM_LBUTTONDOWN 13,10"));
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_LBUTTONDOWN 47,28", "main WM_LBUTTONDOWN 47,28",
                                      "main WM_NCLBUTTONDBLCLK ht2 150,105"));
  (void)target;
}

TEST_F(MouseInput, CaptureKeepsReleaseOutsideTheWindowAsClientMessage) {
  rec.Create("other", WS_POPUP | WS_VISIBLE, {400, 100, 500, 200});
  rec.OnMessage(main, [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_LBUTTONDOWN)
      SetCapture(h);
    if (m == WM_LBUTTONUP)
      ReleaseCapture();
    return std::nullopt;
  });
  script.MoveTo(110, 130).Then([&] {
    rec.Only({WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_CAPTURECHANGED, WM_NCHITTEST});
  });
  script.Press().MoveTo(450, 150).MoveTo(50, 20).Release().MoveTo(450, 150);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_NCHITTEST", "main WM_LBUTTONDOWN 7,8",
                                      "main WM_MOUSEMOVE 347,28", "main WM_MOUSEMOVE -53,-102",
                                      "main WM_LBUTTONUP -53,-102", "main WM_CAPTURECHANGED",
                                      "other WM_NCHITTEST", "other WM_MOUSEMOVE 50,50"));
  EXPECT_FALSE(GetCapture());
}

TEST_F(MouseInput, TransparentHitTestLetsTheClickFallThrough) {
  HWND cover = rec.Create("cover", WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, main);
  rec.OnMessage(cover, [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_NCHITTEST)
      return HTTRANSPARENT;
    return std::nullopt;
  });
  rec.Only({WM_LBUTTONDOWN});
  script.Click(110, 130);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_LBUTTONDOWN 7,8"));
}

TEST_F(MouseInput, DisabledWindowsTakeNoClicksButDisabledChildrenPassThemUp) {
  HWND child = rec.Create("child", WS_CHILD | WS_VISIBLE | WS_DISABLED, {0, 0, 50, 50}, main);
  HWND below = rec.Create("below", WS_POPUP | WS_VISIBLE, {0, 0, 1000, 700});
  SetWindowPos(below, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  rec.Only({WM_LBUTTONDOWN, WM_MOUSEACTIVATE});
  script.Click(110, 130).Then([&] { EnableWindow(main, false); }).Click(110, 130);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_MOUSEACTIVATE ht1", "main WM_LBUTTONDOWN 7,8"));
  (void)child;
}

TEST_F(MouseInput, NoActivatePopupTakesClicksWithoutStealingActivation) {
  HWND popup = rec.Create("popup", WS_POPUP, {300, 300, 400, 400}, main, WS_EX_TOOLWINDOW);
  rec.OnMessage(popup, [](HWND, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_MOUSEACTIVATE)
      return MA_NOACTIVATE;
    return std::nullopt;
  });
  SetFocus(main);
  SetWindowPos(popup, HWND_TOP, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE);
  EXPECT_EQ(GetActiveWindow(), main);
  rec.Only({WM_MOUSEACTIVATE, WM_LBUTTONDOWN, WM_NCACTIVATE, WM_ACTIVATE, WM_KILLFOCUS});
  script.Click(350, 350);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("popup WM_MOUSEACTIVATE ht1", "popup WM_LBUTTONDOWN 50,50"));
  EXPECT_EQ(GetActiveWindow(), main);
  EXPECT_EQ(GetFocus(), main);
  EXPECT_EQ(script.Stacking().front(), popup);
}

TEST_F(MouseInput, RightClickAsksTheChildThenItsParentForAContextMenu) {
  rec.Create("child", WS_CHILD | WS_VISIBLE, {10, 10, 50, 50}, main);
  rec.Only({WM_CONTEXTMENU});
  script.Click(120, 140, MouseButton::Right);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("child WM_CONTEXTMENU", "main WM_CONTEXTMENU"));
}

TEST_F(MouseInput, ParentsHearOfPressesInChildren) {
  HWND child = rec.Create("child", WS_CHILD | WS_VISIBLE, {10, 10, 50, 50}, main);
  rec.Only({WM_PARENTNOTIFY, WM_LBUTTONDOWN});
  script.Click(120, 140);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_PARENTNOTIFY", "child WM_LBUTTONDOWN 7,8"));
  (void)child;
}

TEST_F(MouseInput, MouseLeaveIsPostedOnceWhenThePointerLeaves) {
  HWND other = rec.Create("other", WS_POPUP | WS_VISIBLE, {400, 100, 500, 200});
  rec.OnMessage(main, [](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m == WM_MOUSEMOVE) {
      TRACKMOUSEEVENT track{TME_LEAVE, h, 0};
      TrackMouseEvent(track);
    }
    return std::nullopt;
  });
  rec.Only({WM_MOUSELEAVE, WM_MOUSEMOVE});
  script.MoveTo(110, 130).MoveTo(110, 105).MoveTo(450, 150).MoveTo(460, 150);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_MOUSEMOVE 7,8", "main WM_MOUSELEAVE",
                                      "other WM_MOUSEMOVE 50,50", "other WM_MOUSEMOVE 60,50"));
  (void)other;
}

TEST_F(MouseInput, WheelGoesToTheFocusWindowAndUpToItsParent) {
  HWND child = rec.Create("child", WS_CHILD | WS_VISIBLE, {10, 10, 50, 50}, main);
  SetFocus(child);
  rec.Only({WM_MOUSEWHEEL});
  script.MoveTo(450, 150).Wheel(-120);
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("child WM_MOUSEWHEEL", "main WM_MOUSEWHEEL"));
}

TEST_F(MouseInput, SetCursorPosMovesThePointerLikeTheUser) {
  rec.Only({WM_MOUSEMOVE});
  script.Then([] { SetCursorPos(150, 150); });
  RunScript();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_MOUSEMOVE 47,28"));
  gfx::Point pt;
  GetCursorPos(pt);
  EXPECT_EQ(pt, (gfx::Point{150, 150}));
}

TEST_F(MouseInput, CursorComesFromTheClassInTheClientArea) {
  WNDCLASS handClass;
  handClass.lpszClassName = "Hand";
  handClass.hCursor = LoadCursor(nullptr, IDC_HAND);
  RegisterClass(handClass);
  CreateWindowEx(0, "Hand", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, main);
  script.MoveTo(105, 125).Then([&] { EXPECT_EQ(script.CursorShape(), HCURSOR{IDC_HAND}); });
  script.MoveTo(150, 105).Then([&] { EXPECT_EQ(script.CursorShape(), HCURSOR{IDC_ARROW}); });
  RunScript();
}

}  // namespace
}  // namespace wintest
