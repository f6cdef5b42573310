#pragma once

// The window system shown on a real X11 display. Every top-level window is
// one X window without window-manager decoration (popups bypass the window
// manager altogether and never take the keyboard); its shape follows the
// window region, and what the desktop paints into the backing bitmap is
// copied to it part by part; where the display offers shared memory the
// backing bitmap is itself shared with the display and nothing is copied. Pointer, keyboard and
// focus events come back as input. The X types stay inside this folder's sources.

#include <memory>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/win/Backend.h"

namespace win {

struct X11Options {
  // The display to open; empty means the one named by DISPLAY.
  std::string displayName;
  // The program's name: the instance part of each window's class.
  std::string programName = "tilebrook";
  // Shared memory is used only when the display offers it; tests switch it
  // off to check the plain path as well.
  bool useSharedMemory = true;
};

class X11Backend final : public Backend {
 public:
  struct Impl;

  // Opens the display. Null, with the reason in `error`, when it cannot.
  static std::unique_ptr<X11Backend> Open(const X11Options& options, std::string& error);
  ~X11Backend() override;
  X11Backend(const X11Backend&) = delete;
  X11Backend& operator=(const X11Backend&) = delete;

  // The X window that shows a top-level window (0 for none), for tests and
  // tools that look at the display from outside.
  unsigned long NativeWindow(HWND hwnd) const;
  bool UsesSharedMemory() const;
  // Whether a window manager runs on the display.
  bool HasWindowManager() const;
  // Whether the window manager moves windows itself when asked.
  bool HasSystemMoves() const;
  // The X errors the program met that it did not expect, since the last
  // call, as "error E of request R on resource X" lines.
  std::vector<std::string> TakeErrors();
  // Waits until the display has carried out every request so far; the
  // events they caused are then waiting to be read.
  void Sync();
  // The whole root window as the display shows it now, every monitor.
  gfx::Bitmap GrabScreen();

  // Backend.
  void Attach(Desktop& desktop) override;
  gfx::Size ScreenSize() const override;
  gfx::Rect WorkArea() const override;
  std::vector<MonitorArea> Monitors() const override;
  void CreateSurface(HWND hwnd, const SurfaceInfo& info) override;
  void DestroySurface(HWND hwnd) override;
  void ShowSurface(HWND hwnd, bool visible) override;
  void MinimizeSurface(HWND hwnd) override;
  void MoveSurface(HWND hwnd, const gfx::Rect& bounds) override;
  void RestackSurfaces(const std::vector<HWND>& topFirst) override;
  void SetSurfaceShape(HWND hwnd, const gfx::Region* shape) override;
  void SetSurfaceAlpha(HWND hwnd, BYTE alpha) override;
  void SetSurfaceTitle(HWND hwnd, const std::string& title) override;
  void ActivateSurface(HWND hwnd) override;
  gfx::Bitmap CreateBacking(HWND hwnd, gfx::Size size) override;
  void Present(HWND hwnd, const gfx::Bitmap& backing, const gfx::Region& damage) override;
  void SetCursor(HCURSOR cursor) override;
  void CaptureSurface(HWND hwnd) override;
  bool BeginSystemMove(HWND hwnd, gfx::Point screen) override;
  void WarpPointer(gfx::Point screen) override;
  void WaitForEvents(std::optional<DWORD> timeoutMs) override;
  void PollEvents() override;

 private:
  explicit X11Backend(std::unique_ptr<Impl> impl);

  std::unique_ptr<Impl> impl_;
};

}  // namespace win
