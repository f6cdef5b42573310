#include "platform/win/x11/X11Fixture.h"

#include <memory>
#include <optional>

#include "platform/win/Win.h"

// Xlib after the window system's headers, whose names its macros would
// rewrite.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/shape.h>

namespace x11test {

void X11Test::SetUp() {
  ASSERT_FALSE(server.Display().empty()) << server.Error();
  probe = XOpenDisplay(server.Display().c_str());
  ASSERT_NE(probe, nullptr);
  int event = 0;
  int error = 0;
  int major = 0;
  int minor = 0;
  ASSERT_TRUE(XTestQueryExtension(probe, &event, &error, &major, &minor));
  // Under a compositor, input comes from its seat: the pointer and keys of
  // the server it shows its output on, at the same coordinates.
  input_ = probe;
  if (server.HostDisplay() != server.Display()) {
    input_ = XOpenDisplay(server.HostDisplay().c_str());
    ASSERT_NE(input_, nullptr);
  }
}

void X11Test::TearDown() {
  // The program's error handler swallows X errors so that a request on a
  // window gone meanwhile does not end it; none should have happened.
  if (backend) {
    EXPECT_THAT(backend->TakeErrors(), ::testing::IsEmpty());
  }
  rec.reset();
  desktop.reset();
  if (input_ && input_ != probe)
    XCloseDisplay(input_);
  if (probe)
    XCloseDisplay(probe);
}

void X11Test::Open(bool sharedMemory) {
  X11Options options;
  options.displayName = server.Display();
  options.programName = "wintest";
  options.useSharedMemory = sharedMemory;
  std::string error;
  std::unique_ptr<X11Backend> opened = X11Backend::Open(options, error);
  ASSERT_TRUE(opened) << error;
  backend = opened.get();
  desktop = std::make_unique<Desktop>(std::move(opened), std::make_unique<MonotonicClock>());
  rec = std::make_unique<wintest::Recorder>();
  rec->Ignore({WM_TIMER});
  WNDCLASS pumpClass;
  pumpClass.lpszClassName = "Pump";
  pumpClass.lpfnWndProc = [this](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    // The timer wakes the loop so that the test's condition is checked
    // often; past the deadline it ends a move loop that waits for a release
    // that never comes.
    if (message == WM_TIMER && nextStep_ < steps_.size() && steps_[nextStep_]())
      ++nextStep_;
    if (message == WM_TIMER && TickNotAfter(deadline_, desktop->Now()) && GetCapture())
      ReleaseCapture();
    return DefWindowProc(hwnd, message, wParam, lParam);
  };
  RegisterClass(pumpClass);
  pump_ = CreateWindowEx(0, "Pump", "", WS_POPUP, 0, 0, 1, 1, nullptr);
}

bool X11Test::RunUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  deadline_ = desktop->Now() + timeoutMs;
  SetTimer(pump_, 1, 5);
  bool reached = false;
  while (!(reached = done()) && !TickNotAfter(deadline_, desktop->Now())) {
    MSG msg;
    if (!GetMessage(msg))
      break;
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  KillTimer(pump_, 1);
  return reached;
}

bool X11Test::RunSteps(std::vector<Step> steps) {
  steps_ = std::move(steps);
  nextStep_ = 0;
  bool done = RunUntil([&] { return nextStep_ == steps_.size(); });
  if (!done)
    ADD_FAILURE() << "step " << nextStep_ << " of " << steps_.size() << " never finished";
  steps_.clear();
  nextStep_ = 0;
  return done;
}

X11Test::Step X11Test::Pause(DWORD ms) {
  auto until = std::make_shared<std::optional<DWORD>>();
  return [this, ms, until] {
    if (!*until)
      *until = desktop->Now() + ms;
    return TickNotAfter(**until, desktop->Now());
  };
}

void X11Test::SyncProgram() {
  if (backend)
    backend->Sync();
}

bool X11Test::Viewable(HWND hwnd) {
  SyncProgram();
  XWindowAttributes a{};
  return XGetWindowAttributes(probe, XWindow(hwnd), &a) && a.map_state == IsViewable;
}

bool X11Test::OverrideRedirect(HWND hwnd) {
  SyncProgram();
  XWindowAttributes a{};
  return XGetWindowAttributes(probe, XWindow(hwnd), &a) && a.override_redirect;
}

gfx::Point X11Test::XPosition(HWND hwnd) {
  SyncProgram();
  int x = 0;
  int y = 0;
  ::Window child = 0;
  XTranslateCoordinates(probe, XWindow(hwnd), DefaultRootWindow(probe), 0, 0, &x, &y, &child);
  return {x, y};
}

gfx::Region X11Test::XShape(HWND hwnd) {
  SyncProgram();
  int count = 0;
  int ordering = 0;
  XRectangle* rects = XShapeGetRectangles(probe, XWindow(hwnd), ShapeBounding, &count, &ordering);
  std::vector<gfx::Rect> list;
  for (int i = 0; i < count; ++i)
    list.push_back(gfx::Rect::FromXYWH(rects[i].x, rects[i].y, rects[i].width, rects[i].height));
  if (rects)
    XFree(rects);
  return gfx::Region::FromRects(list);
}

gfx::Bitmap X11Test::XPixels(HWND hwnd) {
  SyncProgram();
  XWindowAttributes a{};
  if (!XGetWindowAttributes(probe, XWindow(hwnd), &a) || a.map_state != IsViewable)
    return {};
  XImage* image = XGetImage(probe, XWindow(hwnd), 0, 0, static_cast<unsigned>(a.width),
                            static_cast<unsigned>(a.height), AllPlanes, ZPixmap);
  if (!image)
    return {};
  gfx::Bitmap out(a.width, a.height);
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      out.Row(y)[x] = static_cast<gfx::Pixel>(XGetPixel(image, x, y) & 0xFFFFFF);
  XDestroyImage(image);
  return out;
}

unsigned long X11Test::XFocus() {
  SyncProgram();
  ::Window focus = 0;
  int revert = 0;
  XGetInputFocus(probe, &focus, &revert);
  return focus;
}

void X11Test::FakeMotion(int x, int y) {
  XTestFakeMotionEvent(input_, 0, x, y, CurrentTime);
}

void X11Test::FakeButton(unsigned button, bool down) {
  XTestFakeButtonEvent(input_, button, down ? True : False, CurrentTime);
}

void X11Test::FakeKey(unsigned long keysym, bool down) {
  XTestFakeKeyEvent(input_, XKeysymToKeycode(input_, keysym), down ? True : False, CurrentTime);
}

void X11Test::FakeKeyStroke(unsigned long keysym) {
  FakeKey(keysym, true);
  FakeKey(keysym, false);
}

void X11Test::Flush() {
  if (input_ != probe)
    XSync(input_, False);
  XSync(probe, False);
}

}  // namespace x11test
