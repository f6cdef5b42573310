// Screenshots of the headless screen: the composed picture as a golden
// image, and the PNG files written for a run.

#include <filesystem>

#include "Recorder.h"
#include "platform/gfx/ImageCodecs.h"
#include "support/GoldenImage.h"

namespace wintest {
namespace {

// A small screen with a captioned window (the classic frame), a shaped
// popup above it and a half-transparent tool window.
TEST(Screenshot, ComposesFramesShapesAndAlphaOnTheDesktop) {
  HeadlessDesktop headless(
      HeadlessOptions{.screen = {160, 120}, .workArea = {}, .otherMonitors = {}});
  WNDCLASS cream;
  cream.lpszClassName = "Cream";
  cream.hbrBackground = gfx::RGB(244, 236, 220);
  RegisterClass(cream);
  WNDCLASS teal;
  teal.lpszClassName = "Teal";
  teal.hbrBackground = gfx::RGB(46, 120, 128);
  RegisterClass(teal);

  HWND main = CreateWindowEx(0, "Cream", "Tilebrook", WS_POPUP | WS_CAPTION | WS_VISIBLE, 8, 8, 120,
                             80, nullptr);
  HWND shaped = CreateWindowEx(0, "Teal", "", WS_POPUP, 90, 50, 60, 60, main);
  gfx::Rect cross[] = {{20, 0, 40, 60}, {0, 20, 60, 40}};
  SetWindowRgn(shaped, gfx::Region::FromRects(cross), false);
  ShowWindow(shaped, SW_SHOWNA);
  HWND glass =
      CreateWindowEx(WS_EX_LAYERED | WS_EX_TOOLWINDOW, "Teal", "", WS_POPUP, 20, 70, 50, 40, main);
  SetLayeredWindowAttributes(glass, 0, 96, LWA_ALPHA);
  ShowWindow(glass, SW_SHOWNA);
  EXPECT_EQ(GetActiveWindow(), main);
  headless.Backend().Then([] { PostQuitMessage(0); });
  RunLoop();

  gfx::Bitmap shot = headless.Backend().Screenshot();
  EXPECT_EQ(shot.GetPixel(90, 50), gfx::RGB(244, 236, 220));  // cut corner: main shows
  EXPECT_EQ(shot.GetPixel(115, 75), gfx::RGB(46, 120, 128));
  EXPECT_TRUE(testsupport::MatchesGolden(shot, "tests/platform/win/golden/desktop.png"));

  std::filesystem::path dir = std::filesystem::path(TILEBROOK_BINARY_DIR) / "win-shots";
  std::filesystem::create_directories(dir);
  ASSERT_TRUE(headless.Backend().SaveScreenshot((dir / "desktop.png").string()));
  gfx::DecodedImage back = gfx::LoadImageFile((dir / "desktop.png").string());
  ASSERT_TRUE(back.Ok()) << back.error;
  EXPECT_TRUE(back.bitmap.SameAs(shot));
  ASSERT_TRUE(headless.Backend().SaveWindowShot(main, (dir / "main.png").string()));
  EXPECT_EQ(gfx::LoadImageFile((dir / "main.png").string()).bitmap.GetSize(), (gfx::Size{120, 80}));
  EXPECT_FALSE(headless.Backend().SaveWindowShot(HWND{}, (dir / "none.png").string()));
}

TEST(Screen, OneMonitorWithTheBackendsWorkArea) {
  HeadlessDesktop headless(
      HeadlessOptions{.screen = {800, 600}, .workArea = {0, 0, 800, 570}, .otherMonitors = {}});
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 600);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 1);
  gfx::Rect work;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETWORKAREA, 0, &work, 0));
  EXPECT_EQ(work, (gfx::Rect{0, 0, 800, 570}));
  BOOL full = FALSE;
  ASSERT_TRUE(SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full, 0));
  EXPECT_TRUE(full);
  MONITORINFO info;
  ASSERT_TRUE(GetMonitorInfo(MonitorFromPoint({5000, 5000}, MONITOR_DEFAULTTONEAREST), info));
  EXPECT_EQ(info.rcMonitor, (gfx::Rect{0, 0, 800, 600}));
  EXPECT_EQ(info.rcWork, work);
  EXPECT_FALSE(MonitorFromPoint({5000, 5000}, MONITOR_DEFAULTTONULL));
  EXPECT_FALSE(LoadCursor(nullptr, 12345));
}

// The screen is the primary monitor; another left of it lies at negative
// coordinates, one right of it beyond the screen's width.
TEST(Screen, MonitorsBesideThePrimaryOne) {
  HeadlessDesktop headless(HeadlessOptions{
      .screen = {800, 600},
      .workArea = {0, 0, 800, 570},
      .otherMonitors = {{{-1024, 0, 0, 768}, {-1024, 30, 0, 768}}, {{800, 0, 1440, 480}, {}}}});
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 800);
  EXPECT_EQ(GetSystemMetrics(SM_CMONITORS), 3);
  auto bounds = [](HMONITOR monitor) {
    MONITORINFO info;
    EXPECT_TRUE(GetMonitorInfo(monitor, info));
    return info.rcMonitor;
  };
  const HMONITOR left = MonitorFromPoint({-1, 700}, MONITOR_DEFAULTTONULL);
  ASSERT_TRUE(left);
  MONITORINFO info;
  ASSERT_TRUE(GetMonitorInfo(left, info));
  EXPECT_EQ(info.rcWork, (gfx::Rect{-1024, 30, 0, 768}));
  EXPECT_EQ(info.dwFlags, 0u);
  EXPECT_EQ(bounds(MonitorFromPoint({850, 10}, MONITOR_DEFAULTTONULL)),
            (gfx::Rect{800, 0, 1440, 480}));
  ASSERT_TRUE(GetMonitorInfo(MonitorFromPoint({10, 10}, MONITOR_DEFAULTTONULL), info));
  EXPECT_EQ(info.dwFlags, MONITORINFOF_PRIMARY);
  // Below the right monitor, beyond the others: nearest is the right one.
  EXPECT_FALSE(MonitorFromPoint({1000, 550}, MONITOR_DEFAULTTONULL));
  EXPECT_EQ(bounds(MonitorFromPoint({1000, 550}, MONITOR_DEFAULTTONEAREST)),
            (gfx::Rect{800, 0, 1440, 480}));
  EXPECT_EQ(bounds(MonitorFromPoint({1000, 550}, MONITOR_DEFAULTTOPRIMARY)),
            (gfx::Rect{0, 0, 800, 600}));
  // A window belongs to the monitor that shows most of it.
  WNDCLASS plain;
  plain.lpszClassName = "Plain";
  RegisterClass(plain);
  HWND window = CreateWindowEx(0, "Plain", "", WS_POPUP, 700, 100, 300, 200, nullptr);
  EXPECT_EQ(bounds(MonitorFromWindow(window, MONITOR_DEFAULTTONULL)),
            (gfx::Rect{800, 0, 1440, 480}));
  SetWindowPos(window, nullptr, -120, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(bounds(MonitorFromWindow(window, MONITOR_DEFAULTTONULL)), (gfx::Rect{0, 0, 800, 600}));
  EXPECT_FALSE(GetMonitorInfo(HMONITOR{4}, info));
}

}  // namespace
}  // namespace wintest
