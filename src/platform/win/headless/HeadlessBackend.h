#pragma once

// A backend without a display, for tests and screenshots. It keeps a virtual
// screen with one surface per top-level window, takes injected input, and
// drives the program by a script: whenever every running message loop (a
// modal one included) has nothing to do, the next step of the script runs.
// A step injects input, lets time pass on the manual clock, or checks
// something. When a loop waits and no step is left, the run fails with
// ScriptExhausted instead of hanging.

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Region.h"
#include "platform/win/Backend.h"
#include "platform/win/Clock.h"
#include "platform/win/InputEvent.h"

namespace win {

class ScriptExhausted : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct HeadlessOptions {
  gfx::Size screen{1024, 768};
  // The work area; empty means the whole screen.
  gfx::Rect workArea;
  // Monitors beside the screen (the primary monitor), in screen
  // coordinates; an empty work area means the whole monitor.
  std::vector<MonitorArea> otherMonitors;
};

class HeadlessBackend final : public Backend {
 public:
  using Step = std::function<void()>;

  // What the virtual screen knows about one top-level window.
  struct Surface {
    SurfaceInfo info;
    bool visible = false;
    BYTE alpha = 255;
    std::string title;
    std::optional<gfx::Region> shape;  // window coordinates
    int presents = 0;
    // What the last present sent again (window coordinates).
    gfx::Region presented;
    // What the window showed last, as presented.
    gfx::Bitmap pixels;
  };

  HeadlessBackend(ManualClock& clock, HeadlessOptions options = {});
  ~HeadlessBackend() override;

  // Script steps, run in order, one each time the program waits.
  HeadlessBackend& Then(Step step);
  HeadlessBackend& MoveTo(int x, int y);
  HeadlessBackend& Press(MouseButton button = MouseButton::Left);
  HeadlessBackend& Release(MouseButton button = MouseButton::Left);
  // Moves, presses and releases: three steps.
  HeadlessBackend& Click(int x, int y, MouseButton button = MouseButton::Left);
  HeadlessBackend& Wheel(int delta);
  HeadlessBackend& KeyDown(UINT vk, char32_t ch = 0);
  HeadlessBackend& KeyUp(UINT vk);
  // Presses and releases a key: two steps.
  HeadlessBackend& Key(UINT vk, char32_t ch = 0);
  // Lets `ms` milliseconds pass. Timers falling due meanwhile are delivered
  // one by one with the clock standing exactly at their due time.
  HeadlessBackend& Wait(DWORD ms);
  std::size_t StepsLeft() const { return steps_.size(); }

  // Input injected at once, for use inside steps.
  void InjectMouseMove(gfx::Point pt);
  void InjectButton(MouseButton button, bool down);
  void InjectWheel(int delta);
  void InjectKey(UINT vk, bool down, char32_t ch = 0);
  void InjectCloseRequest(HWND hwnd);
  // The system moves the keyboard to `hwnd`, or to another program (null).
  void InjectFocusChange(HWND hwnd);
  // Any input as a real display reports it: the system moving a window, a
  // broken pointer grab, events carrying what the system says is held.
  void Inject(const InputEvent& event);

  gfx::Point CursorPos() const { return cursor_; }
  HCURSOR CursorShape() const { return cursorShape_; }
  const Surface* FindSurface(HWND hwnd) const;
  // Top-level windows as the virtual screen stacks them, top first.
  const std::vector<HWND>& Stacking() const { return stacking_; }

  // The virtual screen as it looks: every visible window's presented
  // pixels, stacked, cut by its shape and blended by its alpha, on the
  // desktop colour.
  gfx::Bitmap Screenshot() const;
  // One window's presented pixels, as large as the window.
  gfx::Bitmap WindowShot(HWND hwnd) const;
  // The same as PNG files; false when the file could not be written.
  bool SaveScreenshot(const std::string& path) const;
  bool SaveWindowShot(HWND hwnd, const std::string& path) const;

  // Backend.
  void Attach(Desktop& desktop) override;
  gfx::Size ScreenSize() const override { return options_.screen; }
  gfx::Rect WorkArea() const override;
  std::vector<MonitorArea> Monitors() const override;
  void CreateSurface(HWND hwnd, const SurfaceInfo& info) override;
  void DestroySurface(HWND hwnd) override;
  void ShowSurface(HWND hwnd, bool visible) override;
  void MoveSurface(HWND hwnd, const gfx::Rect& bounds) override;
  void RestackSurfaces(const std::vector<HWND>& topFirst) override;
  void SetSurfaceShape(HWND hwnd, const gfx::Region* shape) override;
  void SetSurfaceAlpha(HWND hwnd, BYTE alpha) override;
  void SetSurfaceTitle(HWND hwnd, const std::string& title) override;
  void ActivateSurface(HWND hwnd) override;
  void Present(HWND hwnd, const gfx::Bitmap& backing, const gfx::Region& damage) override;
  void SetCursor(HCURSOR cursor) override;
  void WarpPointer(gfx::Point screen) override { InjectMouseMove(screen); }
  void WaitForEvents(std::optional<DWORD> timeoutMs) override;
  void PollEvents() override {}

 private:
  void Post(const InputEvent& event);

  ManualClock& clock_;
  HeadlessOptions options_;
  Desktop* desktop_ = nullptr;
  std::deque<Step> steps_;
  std::optional<DWORD> advanceTarget_;
  gfx::Point cursor_;
  HCURSOR cursorShape_;
  std::map<std::uint32_t, Surface> surfaces_;
  std::vector<HWND> stacking_;
};

}  // namespace win
