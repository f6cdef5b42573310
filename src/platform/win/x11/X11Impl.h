#pragma once

// The X11 backend's state, shared by the sources of this folder only: it
// is the one header that includes Xlib, whose global names (Window, Region,
// Bool, None...) must not reach the rest of the program.

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

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
#include <X11/extensions/Xrandr.h>
#include <X11/extensions/shape.h>

namespace win {

// A shared-memory picture that the display reads from and that is also
// the backing bitmap of one window, so that presenting copies nothing. The
// bitmap owns it; the display lets go of the segment when the bitmap does.
struct X11SharedPixels {
  // Null once the display is closed.
  X11Backend::Impl* owner = nullptr;
  XShmSegmentInfo shm{};
  XImage* image = nullptr;

  X11SharedPixels() = default;
  X11SharedPixels(const X11SharedPixels&) = delete;
  X11SharedPixels& operator=(const X11SharedPixels&) = delete;
  ~X11SharedPixels();
};

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
  // The window's text, and whether the window carries its names (title and
  // program class) yet. Only a window that has been on the screen does, so
  // that looking for the program's windows by name or class finds what the
  // player sees, not the hidden windows behind it.
  std::string title;
  bool named = false;
  // The request that hid the window for want of a window manager: a map
  // the display reports after it came from somebody else.
  unsigned long hiddenSerial = 0;
  // The window manager's outermost frame around the window (a child of the
  // root), 0 while it is not reparented. Its moves are the window's moves.
  ::Window frame = 0;
  // Configure events older than our last move describe a place we have
  // already left, so they are not taken for moves by the window manager.
  unsigned long moveSerial = 0;
  // The places of the moves we asked the window manager for and have not
  // yet seen carried out, oldest first, after the place the first of them
  // left. It carries them out in order and later than we asked, even
  // before the window is first shown, so that the display reports places
  // the program has already left: those are old news, not moves.
  std::vector<gfx::Point> movesInFlight;
  // The shared-memory picture that is the window's backing bitmap, while
  // that bitmap lives.
  std::weak_ptr<X11SharedPixels> sharedPixels;
};

struct X11Atoms {
  Atom wmProtocols, wmDeleteWindow, wmState, utf8String, netWmName, netWmIconName, motifWmHints,
      netWmWindowType, typeNormal, typeDialog, typeUtility, typePopupMenu, typeTooltip, netWmState,
      stateAbove, stateSkipTaskbar, netWmWindowOpacity, netWorkarea, netCurrentDesktop,
      netActiveWindow, netWmPid, netSupportingWmCheck, netSupported, netWmMoveResize;
};

// An X error the program's handler took, as tests read it.
struct X11Error {
  int code = 0;
  int request = 0;
  unsigned long resource = 0;
};

struct X11Backend::Impl {
  X11Options options;
  Display* display = nullptr;
  int screen = 0;
  ::Window root = 0;
  // The visual of our top-level windows: 32 bits with alpha where the
  // display has one, so that a compositor shows the parts outside a
  // window's shape as transparent; else the default visual.
  Visual* visual = nullptr;
  int depth = 0;
  Colormap colormap = 0;
  bool alphaVisual = false;
  // The modifier bit that Alt sets in event states.
  unsigned altMask = Mod1Mask;
  GC gc = nullptr;
  X11Atoms atoms{};
  bool shmAvailable = false;
  bool attachingShm = false;
  bool attachFailed = false;
  // The visual stores pixels as our bitmaps do (blue, green, red, unused in
  // 32 bits), so rows go out without conversion.
  bool directPixels = false;
  bool windowManager = false;
  // The display has gone away: no request is sent to it any more.
  bool connectionLost = false;
  // The window manager runs moves itself when asked (_NET_WM_MOVERESIZE).
  bool systemMoves = false;
  // The display lists its monitors (RandR 1.5).
  bool listsMonitors = false;
  // Where on the root window the primary monitor began when the display
  // was opened: the origin of the screen coordinates the desktop uses.
  gfx::Point origin;
  Desktop* desktop = nullptr;
  // The server time of the latest input, which requests made on the
  // player's behalf (activation) carry.
  Time lastInputTime = CurrentTime;
  // The keys we heard pressed and not yet released, by key code, with the
  // virtual key each was reported as.
  std::map<unsigned, UINT> keysDown;
  std::vector<X11Error> errors;

  std::map<std::uint32_t, X11Surface> surfaces;
  // Every shared picture handed out, to let go of the live ones when the
  // display is closed.
  std::vector<std::weak_ptr<X11SharedPixels>> sharedPixels;
  std::unordered_map<::Window, HWND> byWindow;
  std::unordered_map<::Window, HWND> byFrame;
  // Our windows that another program destroyed: requests already on their
  // way to them when we learnt of it fail, as expected.
  std::unordered_set<::Window> destroyedByOthers;
  std::map<int, Cursor> cursors;
  Cursor cursor = 0;
  HWND pendingFocus;
  // The pointer grab: for the capture (all pointer input to that window),
  // or, while a popup is shown, for hearing presses outside the program.
  HWND captureHwnd;
  ::Window grabWindow = 0;
  bool grabForCapture = false;
  unsigned long grabSerial = 0;
  // The window the window manager is moving for us.
  HWND systemMove;
  // Focus events older than our last focus request describe a focus we
  // have already moved on from.
  unsigned long focusSerial = 0;
  // Without a window manager: the other program's window that had the
  // keyboard when we last took it, to hand the keyboard back to when our
  // last window goes (the system's part when a window closes).
  ::Window focusBefore = 0;

  ~Impl();

  X11Surface* Find(HWND hwnd);
  X11Surface* Find(::Window window);
  // Without a window manager, notes the other program's window that has
  // the keyboard before ours takes it, and gives it back when the window
  // leaving the screen had it and none of ours is left to take it.
  void NoteFocusBefore();
  void HandFocusBack(const X11Surface& leaving);
  // Drops everything known of a surface, sending the display nothing: what
  // follows its destruction, by us or by another program.
  void Forget(X11Surface& s);
  void Post(const InputEvent& event);
  Cursor CursorFor(HCURSOR cursor);
  void Focus(X11Surface& s);
  void SetProperty(::Window w, Atom name, Atom type, int format, const void* data, int count);
  void SetNormalHints(const X11Surface& s);
  // Between the root window's coordinates and the desktop's.
  gfx::Point FromRoot(gfx::Point p) const { return {p.x - origin.x, p.y - origin.y}; }
  gfx::Point ToRoot(gfx::Point p) const { return {p.x + origin.x, p.y + origin.y}; }
  // The monitors and their work areas in root coordinates, the primary one
  // first; the whole root window when the display lists none.
  std::vector<MonitorArea> MonitorsOnRoot() const;
  Time InputTime();
  // Where the pointer is on the screen and the buttons and modifiers held,
  // asked of the display now; false when it cannot tell.
  bool QueryPointer(gfx::Point& at, unsigned& state);
  InputEvent::Held HeldFrom(unsigned state) const;

  // Where windows really are (X11Events.cpp).
  gfx::Point PositionOnScreen(const X11Surface& s);
  void ReportPosition(X11Surface& s, gfx::Point at, bool answer);
  void HandleConfigure(const XConfigureEvent& c);
  void HandleReparent(X11Surface& s, ::Window parent);

  // The pointer (X11Pointer.cpp).
  void UpdateGrab();
  void GrabLost();
  void CheckSystemMove();
  void EndSystemMove();

  // Events (X11Events.cpp).
  void DrainEvents();
  void Handle(XEvent& event);
  void HandleKey(XKeyEvent& event);
  void ForgetKeysReleasedElsewhere();
  void HandleFocusOut(const XFocusChangeEvent& event);
  void HandleState(X11Surface& s);
  // The system minimized or restored the window; the desktop is asked to
  // follow as if the player had used the window's own command.
  void FollowSystemState(X11Surface& s, bool minimized);

  // Presentation (X11Present.cpp).
  // A black shared picture of the size, or null when the display cannot
  // attach it (shared memory is then given up for good).
  std::shared_ptr<X11SharedPixels> AttachSharedPixels(int width, int height);
  void DetachSharedPixels();
  void PresentShared(X11Surface& s, X11SharedPixels& shared, const std::vector<gfx::Rect>& rects);
  void PutConverted(X11Surface& s, const gfx::Bitmap& backing, const gfx::Rect& r);
};

}  // namespace win
