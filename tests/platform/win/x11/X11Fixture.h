#pragma once

// Tests of the X11 backend: a desktop on an Xvfb server of the test's own,
// and a second connection (the probe) through which the test looks at the
// display from outside and sends input with the XTest extension, as a
// player's pointer and keyboard would.

#include <functional>
#include <memory>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/win/Recorder.h"
#include "platform/win/x11/TestDesktop.h"
#include "platform/win/x11/X11Backend.h"

struct _XDisplay;

namespace x11test {

using namespace win;

class X11Test : public ::testing::Test {
 protected:
  explicit X11Test(int depth = 24, DesktopKind kind = DesktopKind::Bare) : server(kind, depth) {}

  void SetUp() override;
  void TearDown() override;

  // Opens the desktop on the server, with the recorder's class registered.
  void Open(bool sharedMemory = true);

  // Runs the message loop until `done` holds; false when it still does not
  // after `timeoutMs`. A move loop still running then is ended.
  bool RunUntil(const std::function<bool()>& done, DWORD timeoutMs = 10000);

  // Steps run by the loop, one at a time, each until it returns true, from
  // whatever message loop runs (a move loop included). RunSteps runs the
  // loop until all are done; false when they are not after ten seconds.
  using Step = std::function<bool()>;
  bool RunSteps(std::vector<Step> steps);
  // A step that waits `ms` milliseconds.
  Step Pause(DWORD ms);

  // The display as the probe sees it, once the server has carried out every
  // request the program has made (the server serves each connection in its
  // own turn, so a request the program sent may still wait when the
  // probe's question is answered).
  void SyncProgram();
  unsigned long XWindow(HWND hwnd) const { return backend->NativeWindow(hwnd); }
  bool Viewable(HWND hwnd);
  gfx::Point XPosition(HWND hwnd);
  gfx::Region XShape(HWND hwnd);
  gfx::Bitmap XPixels(HWND hwnd);
  bool OverrideRedirect(HWND hwnd);
  unsigned long XFocus();

  // Input through XTest; Flush sends it.
  void FakeMotion(int x, int y);
  void FakeButton(unsigned button, bool down);
  void FakeKey(unsigned long keysym, bool down);
  void FakeKeyStroke(unsigned long keysym);
  void Flush();

  TestDesktop server;
  _XDisplay* probe = nullptr;
  std::unique_ptr<Desktop> desktop;
  X11Backend* backend = nullptr;
  std::unique_ptr<wintest::Recorder> rec;

 private:
  _XDisplay* input_ = nullptr;  // where XTest input goes
  HWND pump_;
  DWORD deadline_ = 0;
  std::vector<Step> steps_;
  std::size_t nextStep_ = 0;
};

}  // namespace x11test
