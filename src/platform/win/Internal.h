#pragma once

// Helpers shared by the implementation files of the window system. Nothing
// above this layer includes this header.

#include <array>
#include <optional>

#include "platform/win/Constants.h"
#include "platform/win/Desktop.h"
#include "platform/win/InputEvent.h"
#include "platform/win/Messages.h"

namespace win::detail {

inline Desktop& D() {
  return Desktop::Current();
}
inline Window* W(HWND hwnd) {
  return Desktop::Current().Find(hwnd);
}

// Geometry (WindowPos.cpp).
gfx::Point ClientOriginOnScreen(const Window& w);
gfx::Point WindowOriginOnScreen(const Window& w);
gfx::Rect ScreenRect(const Window& w);
// The window and all its ancestors have WS_VISIBLE and none is minimised.
bool ShownOnScreen(const Window& w);
LRESULT SendHitTest(HWND hwnd, gfx::Point screen);
// The window under a screen point before asking it (geometry, visibility,
// regions); disabled children let the point fall to their parent.
HWND WindowAtPoint(gfx::Point screen, HWND skipUntilAfter = nullptr);

// The z-order of top-level windows (WindowTree.cpp).
void PlaceTopLevel(Desktop& d, HWND hwnd, HWND insertAfter);
void RestackSurfaces(Desktop& d);

// The classic frame of a window without a procedure of its own (DefFrame.cpp).
gfx::Rect DefaultClientRect(const Window& w, const gfx::Rect& windowRect);
LRESULT DefaultHitTest(const Window& w, gfx::Point screen);
void DefaultGetMinMaxInfo(const Window& w, MINMAXINFO& info);
bool HasMinMaxInfo(const Window& w);

// Activation and focus (Activation.cpp).
void Activate(HWND hwnd, WORD how);
// Activates another window when `leaving` stops being able to be active.
void ActivateOther(HWND leaving);
void ForgetWindow(Desktop& d, HWND hwnd);
bool CanActivate(const Window& w);

// Input routing (MouseInput.cpp, KeyboardInput.cpp): turns raw input into a
// routed message; false when the input is swallowed.
bool RouteMouse(Desktop& d, const InputEvent& e, DWORD time, MSG& out);
bool RouteKey(Desktop& d, const InputEvent& e, DWORD time, MSG& out);
WPARAM MouseKeyFlags(const Desktop& d);
// Corrects the recorded key and button state (either array may be null) by
// what the system says is held as the event happened.
void TakeHeldState(const InputEvent& e, std::array<BYTE, 256>* keys,
                   std::array<bool, 256>* asyncKeys);

// Timers (Timers.cpp).
bool TakeTimerMessage(Desktop& d, HWND filter, bool remove, MSG& out);
void KillWindowTimers(Desktop& d, HWND hwnd);

// The move loop (edge 0) or size loop (a WMSZ_ edge) of the default
// procedure (MoveLoop.cpp).
// `byPress` tells a loop started by a press of the left button (which ends
// it on release) from one started by the keyboard.
void RunMoveLoop(HWND hwnd, gfx::Point start, int edge, bool byPress);

// Painting (Painting.cpp).
bool TakePaintMessage(Desktop& d, HWND filter, MSG& out);
void OnGeometryChanged(HWND hwnd, const gfx::Rect& oldScreen, bool wasShown);
void PresentDamage(Desktop& d);
// WM_PAINT, WM_NCPAINT and WM_ERASEBKGND of the default procedure.
LRESULT DefaultPaint(HWND hwnd, UINT message, WPARAM wParam);
// Paints the caption band of the classic frame again, and nothing else of
// it: what a change of the active state changes.
void DrawDefaultCaption(HWND hwnd);

// Sends a message to the window and each ancestor up to the top-level one.
void NotifyParents(HWND child, UINT event, LPARAM lParam);

}  // namespace win::detail
