#pragma once

// The one narrow interface between the window system and the outside world.
// The desktop keeps every window, message and timer itself; a backend only
// shows top-level windows (each as one surface with its own backing bitmap),
// reports input, and waits. The headless backend and the X11 backend are the
// two implementations; the program picks one in one place.

#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace gfx {
class Region;
}  // namespace gfx

namespace win {

class Desktop;

// How a top-level window wants to be shown. Popups are placed exactly where
// asked and never take the keyboard focus from the system's point of view;
// the desktop decides about activation itself.
struct SurfaceInfo {
  bool popup = false;
  bool toolWindow = false;
  bool topmost = false;
  // A dialog is a managed top-level window of its own, even when it has the
  // popup style and an owner: it is transient for its owner and takes the
  // keyboard when it is activated.
  bool dialog = false;
  // Takes no input at all, like a hint: the pointer passes through it to
  // whatever lies below (another program's window too), and showing it
  // grabs nothing.
  bool inputTransparent = false;
  HWND owner;
  gfx::Rect bounds;  // screen coordinates
};

// One monitor of the display, in screen coordinates. The primary
// monitor's top-left corner is the origin of the screen, so that a monitor
// left of it or above it lies at negative coordinates.
struct MonitorArea {
  gfx::Rect bounds;
  gfx::Rect work;  // the part the desktop's panels leave free
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Called once by the desktop that owns the backend; input goes back to it
  // through Desktop::PostInput.
  virtual void Attach(Desktop& desktop) = 0;

  // The screen is the primary monitor: its size and its work area.
  virtual gfx::Size ScreenSize() const = 0;
  virtual gfx::Rect WorkArea() const = 0;
  // Every monitor, the primary one first.
  virtual std::vector<MonitorArea> Monitors() const {
    const gfx::Size screen = ScreenSize();
    return {{{0, 0, screen.cx, screen.cy}, WorkArea()}};
  }

  virtual void CreateSurface(HWND hwnd, const SurfaceInfo& info) = 0;
  virtual void DestroySurface(HWND hwnd) = 0;
  virtual void ShowSurface(HWND hwnd, bool visible) = 0;
  // Takes a minimised window off the screen. A display with a window
  // manager keeps it as an icon (and may restore it from there); without
  // one it is simply hidden. ShowSurface(hwnd, true) brings it back.
  virtual void MinimizeSurface(HWND hwnd) { ShowSurface(hwnd, false); }
  virtual void MoveSurface(HWND hwnd, const gfx::Rect& bounds) = 0;
  // The visible stacking order of all top-level windows, top first.
  virtual void RestackSurfaces(const std::vector<HWND>& topFirst) = 0;
  // The window's shape in window coordinates; null means its full rectangle.
  virtual void SetSurfaceShape(HWND hwnd, const gfx::Region* shape) = 0;
  virtual void SetSurfaceAlpha(HWND hwnd, BYTE alpha) = 0;
  virtual void SetSurfaceTitle(HWND hwnd, const std::string& title) = 0;
  virtual void ActivateSurface(HWND hwnd) = 0;
  // A black backing bitmap of `size` for the top-level window. A backend
  // may hand out memory the display reads directly, so that presenting it
  // copies nothing.
  virtual gfx::Bitmap CreateBacking(HWND, gfx::Size size) { return gfx::Bitmap(size.cx, size.cy); }
  // Shows the damaged part (window coordinates) of the backing bitmap.
  virtual void Present(HWND hwnd, const gfx::Bitmap& backing, const gfx::Region& damage) = 0;
  virtual void SetCursor(HCURSOR cursor) = 0;
  // The top-level window whose window holds the mouse capture (null: none),
  // so that a real display keeps sending the pointer to it while it is
  // outside, as the move loop needs.
  virtual void CaptureSurface(HWND) {}
  // Hands the move of a top-level window, whose caption was pressed with
  // the left button at `screen`, to the window manager. True when the
  // window manager took it: the backend then reports where the window goes
  // (Moved) and when the move is over (SystemMoveEnded). False leaves the
  // move to the desktop's own loop.
  virtual bool BeginSystemMove(HWND, gfx::Point) { return false; }
  // Moves the pointer; the backend reports the move as input.
  virtual void WarpPointer(gfx::Point screen) = 0;

  // Blocks until input arrives or `timeoutMs` has passed (no timeout: until
  // input arrives). Input is posted to the desktop before returning.
  virtual void WaitForEvents(std::optional<DWORD> timeoutMs) = 0;
  // Posts the input that is already waiting, without blocking.
  virtual void PollEvents() = 0;
};

}  // namespace win
