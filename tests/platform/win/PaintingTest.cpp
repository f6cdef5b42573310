// Painting: when WM_PAINT comes, what BeginPaint sends and validates, how
// children share their top-level window's backing bitmap, window shapes
// and the screenshots of the headless screen.

#include "Recorder.h"

namespace wintest {
namespace {

using ::testing::ElementsAre;

class Painting : public WinTest {
 protected:
  // Runs the loop until it waits with nothing to do.
  void Settle() { RunScript(); }

  gfx::ColorRef ScreenAt(int x, int y) { return script.Screenshot().GetPixel(x, y); }
};

TEST_F(Painting, PaintComesAfterPostedMessagesAndBeforeTimers) {
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
  Settle();
  SetTimer(main, 1, 10);
  clock.Advance(10);
  PostMessage(main, WM_USER);
  InvalidateRect(main, nullptr, true);
  rec.Only({WM_USER, WM_PAINT, WM_TIMER, WM_ERASEBKGND});
  Settle();
  EXPECT_THAT(rec.Take(),
              ElementsAre("main 0x0400", "main WM_PAINT", "main WM_ERASEBKGND", "main WM_TIMER 1"));
}

TEST_F(Painting, BeginPaintSendsFramePaintAndEraseThenValidates) {
  HWND main = rec.Create("main", WS_POPUP | WS_CAPTION, {0, 0, 100, 100});
  rec.Only({WM_PAINT, WM_NCPAINT, WM_ERASEBKGND});
  ShowWindow(main, SW_SHOWNA);
  Settle();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_PAINT", "main WM_NCPAINT", "main WM_ERASEBKGND"));
  gfx::Rect r{5, 5, 10, 10};
  InvalidateRect(main, &r, false);
  gfx::Rect update;
  EXPECT_TRUE(GetUpdateRect(main, &update, false));
  EXPECT_EQ(update, r);
  Settle();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_PAINT"));
  EXPECT_FALSE(GetUpdateRect(main, nullptr, false));
  // Hidden windows are not painted.
  ShowWindow(main, SW_HIDE);
  InvalidateRect(main, nullptr, true);
  Settle();
  EXPECT_TRUE(rec.Take().empty());
}

TEST_F(Painting, UpdateWindowPaintsAtOnce) {
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
  Settle();
  rec.Only({WM_PAINT});
  InvalidateRect(main, nullptr, false);
  UpdateWindow(main);
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_PAINT"));
  UpdateWindow(main);
  EXPECT_TRUE(rec.Take().empty());
}

TEST_F(Painting, ChildrenPaintIntoTheParentsBitmapAfterTheParent) {
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE, {100, 100, 200, 200});
  HWND child = rec.Create("child", WS_CHILD | WS_VISIBLE, {10, 10, 30, 30}, main);
  PaintWith(main, gfx::clRed);
  PaintWith(child, gfx::clBlue);
  rec.Only({WM_PAINT});
  Settle();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_PAINT", "child WM_PAINT"));
  EXPECT_EQ(ScreenAt(105, 105), gfx::clRed);
  EXPECT_EQ(ScreenAt(110, 110), gfx::clBlue);
  EXPECT_EQ(ScreenAt(129, 129), gfx::clBlue);
  EXPECT_EQ(ScreenAt(130, 130), gfx::clRed);
  EXPECT_EQ(ScreenAt(99, 99), gfx::GetSysColor(gfx::COLOR_BACKGROUND));
  // Without WS_CLIPCHILDREN the parent's repaint covers the child, so the
  // child is repainted too; with it, the child stays as it is.
  InvalidateRect(main, nullptr, false);
  Settle();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_PAINT", "child WM_PAINT"));
  SetWindowLong(main, GWL_STYLE, GetWindowLong(main, GWL_STYLE) | WS_CLIPCHILDREN);
  rec.Only({WM_PAINT});
  InvalidateRect(main, nullptr, false);
  Settle();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_PAINT"));
  EXPECT_EQ(ScreenAt(110, 110), gfx::clBlue);
}

TEST_F(Painting, ClippingSiblingsAndShapesLimitWhatAChildCanDraw) {
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  HWND low = rec.Create("low", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, {0, 0, 60, 60}, main);
  HWND high = rec.Create("high", WS_CHILD | WS_VISIBLE, {40, 40, 80, 80}, main);
  PaintWith(main, gfx::clWhite);
  PaintWith(low, gfx::clRed);
  PaintWith(high, gfx::clBlue);
  // A round-ish shape: the corner pixel of `high` is cut away.
  gfx::Rect parts[] = {{1, 0, 40, 1}, {0, 1, 40, 40}};
  SetWindowRgn(high, gfx::Region::FromRects(parts), true);
  Settle();
  // The lower sibling paints last here only where the higher one is not.
  InvalidateRect(low, nullptr, false);
  Settle();
  EXPECT_EQ(ScreenAt(50, 50), gfx::clBlue);
  EXPECT_EQ(ScreenAt(40, 40), gfx::clRed);  // cut from `high`, so `low` shows
  EXPECT_EQ(ScreenAt(70, 70), gfx::clBlue);
  EXPECT_EQ(ScreenAt(20, 20), gfx::clRed);
  EXPECT_EQ(ScreenAt(90, 90), gfx::clWhite);
}

TEST_F(Painting, WindowShapeCutsTheScreenAndLetsClicksFallThrough) {
  HWND below = rec.Create("below", WS_POPUP | WS_VISIBLE, {0, 0, 200, 200});
  HWND shaped = rec.Create("shaped", WS_POPUP | WS_VISIBLE, {50, 50, 150, 150});
  PaintWith(below, gfx::clRed);
  PaintWith(shaped, gfx::clBlue);
  gfx::Rect halves[] = {{0, 0, 100, 50}};
  SetWindowRgn(shaped, gfx::Region::FromRects(halves), true);
  Settle();
  EXPECT_EQ(ScreenAt(60, 60), gfx::clBlue);
  EXPECT_EQ(ScreenAt(60, 120), gfx::clRed);
  EXPECT_TRUE(GetWindowRgn(shaped)->Contains({99, 49}));
  rec.Only({WM_LBUTTONDOWN});
  script.Click(60, 60).Click(60, 120);
  Settle();
  EXPECT_THAT(rec.Take(),
              ElementsAre("shaped WM_LBUTTONDOWN 10,10", "below WM_LBUTTONDOWN 60,120"));
  // The click activated the window below, which now covers the shaped one.
  EXPECT_EQ(ScreenAt(60, 60), gfx::clRed);
  SetWindowRgn(shaped, std::nullopt, true);
  BringWindowToTop(shaped);
  Settle();
  EXPECT_EQ(ScreenAt(60, 120), gfx::clBlue);
}

TEST_F(Painting, MovingAChildRepaintsWhatItUncovered) {
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  HWND child = rec.Create("child", WS_CHILD | WS_VISIBLE, {0, 0, 20, 20}, main);
  PaintWith(main, gfx::clWhite);
  PaintWith(child, gfx::clBlue);
  Settle();
  SetWindowPos(child, nullptr, 50, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  Settle();
  EXPECT_EQ(ScreenAt(10, 10), gfx::clWhite);
  EXPECT_EQ(ScreenAt(60, 60), gfx::clBlue);
  ShowWindow(child, SW_HIDE);
  Settle();
  EXPECT_EQ(ScreenAt(60, 60), gfx::clWhite);
}

TEST_F(Painting, ReparentedChildLeavesItsOldParentClean) {
  HWND a = rec.Create("a", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  HWND b = rec.Create("b", WS_POPUP | WS_VISIBLE, {200, 0, 300, 100});
  HWND child = rec.Create("child", WS_CHILD | WS_VISIBLE, {10, 10, 30, 30}, a);
  PaintWith(a, gfx::clWhite);
  PaintWith(b, gfx::clRed);
  PaintWith(child, gfx::clBlue);
  Settle();
  EXPECT_EQ(ScreenAt(15, 15), gfx::clBlue);
  SetParent(child, b);
  Settle();
  EXPECT_EQ(ScreenAt(15, 15), gfx::clWhite);
  EXPECT_EQ(ScreenAt(215, 15), gfx::clBlue);
}

TEST_F(Painting, LayeredWindowsBlendIntoTheScreen) {
  WNDCLASS grey;
  grey.lpszClassName = "Grey";
  grey.hbrBackground = gfx::RGB(200, 100, 0);
  RegisterClass(grey);
  HWND w = CreateWindowEx(WS_EX_LAYERED, "Grey", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10, nullptr);
  EXPECT_TRUE(SetLayeredWindowAttributes(w, 0, 128, LWA_ALPHA));
  Settle();
  gfx::ColorRef desk = gfx::GetSysColor(gfx::COLOR_BACKGROUND);
  gfx::ColorRef c = ScreenAt(5, 5);
  EXPECT_EQ(gfx::GetRValue(c), (200 * 128 + gfx::GetRValue(desk) * 127 + 127) / 255);
  EXPECT_EQ(gfx::GetBValue(c), (0 * 128 + gfx::GetBValue(desk) * 127 + 127) / 255);
  SetWindowLong(w, GWL_EXSTYLE, 0);
  EXPECT_EQ(ScreenAt(5, 5), gfx::RGB(200, 100, 0));
  EXPECT_EQ(script.WindowShot(w).GetPixel(9, 9), gfx::RGB(200, 100, 0));
}

TEST_F(Painting, DefaultFrameShowsTheCaptionState) {
  HWND main = rec.Create("main", WS_POPUP | WS_CAPTION | WS_VISIBLE, {0, 0, 100, 60});
  HWND other = rec.Create("other", WS_POPUP, {200, 0, 300, 60});
  Settle();
  EXPECT_EQ(ScreenAt(50, 4), gfx::clActiveCaption);
  ShowWindow(other, SW_SHOW);
  Settle();
  EXPECT_EQ(ScreenAt(50, 4), gfx::clInactiveCaption);
  // Only the caption band went to the screen again: the borders and the
  // client area look the same either way.
  gfx::Point origin{0, 0};
  ClientToScreen(main, origin);
  const int b = origin.x;
  ASSERT_GT(b, 0);
  EXPECT_EQ(script.FindSurface(main)->presented,
            gfx::Region(gfx::Rect{b, b, 100 - b, origin.y - 1}));
  EXPECT_EQ(ScreenAt(0, 30), gfx::cl3DLight);
  // A new caption text repaints the frame but not the client area.
  rec.Only({WM_NCPAINT, WM_ERASEBKGND});
  SetWindowText(main, "Tilebrook");
  Settle();
  EXPECT_THAT(rec.Take(), ElementsAre("main WM_NCPAINT"));
}

TEST_F(Painting, ContextsClipToTheWindowAndTheScreenContextMeasures) {
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE | WS_BORDER, {0, 0, 40, 40});
  HWND child = rec.Create("child", WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, main);
  Settle();
  HDC dc = GetDC(main);
  EXPECT_EQ(dc->GetClipBox(), (gfx::Rect{0, 0, 38, 38}));
  dc->FillRect({-5, -5, 50, 50}, gfx::clRed);
  EXPECT_EQ(ReleaseDC(main, dc), 1);
  EXPECT_EQ(ReleaseDC(main, dc), 0);
  HDC whole = GetWindowDC(main);
  EXPECT_EQ(whole->GetClipBox(), (gfx::Rect{0, 0, 40, 40}));
  ReleaseDC(main, whole);
  GdiFlush();
  // Without WS_CLIPCHILDREN the parent's context draws over its child.
  EXPECT_EQ(ScreenAt(1, 1), gfx::clRed);
  EXPECT_EQ(ScreenAt(38, 38), gfx::clRed);
  EXPECT_NE(ScreenAt(39, 39), gfx::clRed);
  // A context clipped further (screen coordinates) draws only there.
  SetWindowPos(main, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Settle();
  const gfx::Region clip(gfx::Rect{120, 100, 130, 105});
  HDC part = GetDCEx(main, &clip, DCX_WINDOW | DCX_INTERSECTRGN);
  EXPECT_EQ(part->GetClipBox(), (gfx::Rect{20, 0, 30, 5}));
  part->FillRect({0, 0, 40, 40}, gfx::clBlue);
  ReleaseDC(main, part);
  GdiFlush();
  EXPECT_EQ(ScreenAt(125, 102), gfx::clBlue);
  EXPECT_NE(ScreenAt(125, 106), gfx::clBlue);
  EXPECT_NE(ScreenAt(119, 102), gfx::clBlue);
  // A context with a region left out draws, and presents, around it only.
  HDC around = GetDCEx(main, &clip, DCX_WINDOW | DCX_EXCLUDERGN);
  EXPECT_EQ(around->GetClipBox(), (gfx::Rect{0, 0, 40, 40}));
  around->FillRect({0, 0, 40, 40}, gfx::clGreen);
  ReleaseDC(main, around);
  GdiFlush();
  EXPECT_EQ(ScreenAt(125, 102), gfx::clBlue);
  EXPECT_EQ(ScreenAt(125, 106), gfx::clGreen);
  EXPECT_EQ(ScreenAt(119, 102), gfx::clGreen);
  EXPECT_EQ(script.FindSurface(main)->presented,
            gfx::Region(gfx::Rect{0, 0, 40, 40}).Subtract(gfx::Region(gfx::Rect{20, 0, 30, 5})));
  HDC screen = GetDC(nullptr);
  ASSERT_NE(screen, nullptr);
  EXPECT_GT(screen->GetTextExtent("Tilebrook").cx, 20);
  EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
  (void)child;
}

TEST_F(Painting, LostPixelsAreShownAgainWithoutAskingTheWindow) {
  HWND main = rec.Create("main", WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
  Settle();
  int before = script.FindSurface(main)->presents;
  rec.Only({WM_PAINT});
  script.Then([&] {
    InputEvent expose;
    expose.kind = InputEvent::Kind::Expose;
    expose.hwnd = main;
    expose.rect = {0, 0, 10, 10};
    headless.GetDesktop().PostInput(expose);
  });
  Settle();
  EXPECT_EQ(script.FindSurface(main)->presents, before + 1);
  EXPECT_TRUE(rec.Take().empty());
}

TEST_F(Painting, WindowsUncoveredByAnotherAreToldWithSyncPaint) {
  HWND below = rec.Create("below", WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  HWND aside = rec.Create("aside", WS_POPUP | WS_VISIBLE, {500, 500, 600, 600});
  HWND cover = rec.Create("cover", WS_POPUP | WS_VISIBLE, {50, 50, 150, 150});
  Settle();
  rec.Only({WM_SYNCPAINT});
  ShowWindow(cover, SW_HIDE);
  EXPECT_THAT(rec.Take(), ElementsAre("below WM_SYNCPAINT"));
  // Nothing has to be painted again: each window keeps its own pixels.
  rec.Only({WM_PAINT});
  Settle();
  EXPECT_TRUE(rec.Take().empty());
  (void)below;
  (void)aside;
}

}  // namespace
}  // namespace wintest
