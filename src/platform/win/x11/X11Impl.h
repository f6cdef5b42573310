#pragma once

// The X11 backend's state, shared by the sources of this folder only: it
// is the one header that includes Xlib, whose global names (Window, Region,
// Bool, None...) must not reach the rest of the program.

#include <cstdint>
#include <map>
#include <unordered_map>

#include "platform/win/InputEvent.h"
#include "platform/win/x11/X11Backend.h"

namespace win {

// Xlib defines a macro named Expose, so the sources that include it name
// that kind of input through this constant.
inline constexpr InputEvent::Kind kExposeInput = InputEvent::Kind::Expose;

}  // namespace win

// Xlib comes after every header of ours: its macros would rewrite names in
// them.
#include <X11/XKBlib.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/cursorfont.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/shape.h>

namespace win {

// One top-level window as the display knows it.
struct X11Surface {
  HWND hwnd;
  ::Window window = 0;
  SurfaceInfo info;
  // Shown outside the window manager: a hint, a drop-down list, a menu.
  bool overrideRedirect = false;
  bool shown = false;      // asked to be on the screen
  bool viewable = false;   // the display has mapped it
  bool minimized = false;  // an icon, or hidden for want of a window manager
  // Configure events older than our last move describe a place we have
  // already left, so they are not taken for moves by the window manager.
  unsigned long moveSerial = 0;
  // The shared-memory picture Present copies through, as large as the
  // window, made when first needed.
  XShmSegmentInfo shm{};
  XImage* shmImage = nullptr;
};

struct X11Atoms {
  Atom wmProtocols, wmDeleteWindow, wmState, utf8String, netWmName, netWmIconName, motifWmHints,
      netWmWindowType, typeNormal, typeDialog, typeUtility, typePopupMenu, netWmState, stateAbove,
      stateSkipTaskbar, netWmWindowOpacity, netWorkarea, netCurrentDesktop, netActiveWindow,
      netWmPid, netSupportingWmCheck;
};

struct X11Backend::Impl {
  X11Options options;
  Display* display = nullptr;
  int screen = 0;
  ::Window root = 0;
  Visual* visual = nullptr;
  int depth = 0;
  GC gc = nullptr;
  X11Atoms atoms{};
  bool shmAvailable = false;
  // The visual stores pixels as our bitmaps do (blue, green, red, unused in
  // 32 bits), so rows go out without conversion.
  bool directPixels = false;
  bool windowManager = false;
  // The display has gone away: no request is sent to it any more.
  bool connectionLost = false;
  Desktop* desktop = nullptr;

  std::map<std::uint32_t, X11Surface> surfaces;
  std::unordered_map<::Window, HWND> byWindow;
  std::map<int, Cursor> cursors;
  Cursor cursor = 0;
  HWND pendingFocus;
  // A window of ours holds the pointer (the capture).
  bool grabbing = false;
  // The capture window waiting to be mapped before the pointer is grabbed.
  HWND pendingGrab;
  // Focus events older than our last focus request describe a focus we
  // have already moved on from.
  unsigned long focusSerial = 0;

  ~Impl();

  X11Surface* Find(HWND hwnd);
  X11Surface* Find(::Window window);
  void Post(const InputEvent& event);
  Cursor CursorFor(HCURSOR cursor);
  void Focus(X11Surface& s);
  void SetProperty(::Window w, Atom name, Atom type, int format, const void* data, int count);
  void SetNormalHints(const X11Surface& s);

  // Events (X11Events.cpp).
  void DrainEvents();
  void Handle(XEvent& event);
  void HandleKey(XKeyEvent& event);
  void HandleFocusOut(const XFocusChangeEvent& event);
  void HandleState(X11Surface& s);

  // Presentation (X11Present.cpp).
  void FreeShm(X11Surface& s);
  bool EnsureShm(X11Surface& s, int width, int height);
  void PutConverted(X11Surface& s, const gfx::Bitmap& backing, const gfx::Rect& r);
};

}  // namespace win
