#pragma once

// Mouse capture, the cursor, key state, activation and keyboard focus.

#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace win {

HWND SetCapture(HWND hwnd);
bool ReleaseCapture();
HWND GetCapture();

bool GetCursorPos(gfx::Point& pt);
// Moves the pointer; the window under it gets the mouse move.
bool SetCursorPos(int x, int y);
HCURSOR LoadCursor(std::nullptr_t, int id);
HCURSOR SetCursor(HCURSOR cursor);
HCURSOR GetCursor();

// High bit: the key is down as of the messages taken so far; low bit: toggled.
short GetKeyState(int vk);
// High bit: the key is down right now.
short GetAsyncKeyState(int vk);

struct TRACKMOUSEEVENT {
  DWORD dwFlags = 0;
  HWND hwndTrack;
  DWORD dwHoverTime = 0;
};
// Asks for one WM_MOUSELEAVE (or WM_NCMOUSELEAVE with TME_NONCLIENT) when the
// pointer leaves the window's client area (or its frame).
bool TrackMouseEvent(TRACKMOUSEEVENT& track);

UINT GetDoubleClickTime();

HWND SetFocus(HWND hwnd);
HWND GetFocus();
HWND SetActiveWindow(HWND hwnd);
HWND GetActiveWindow();
HWND GetForegroundWindow();
bool SetForegroundWindow(HWND hwnd);

}  // namespace win
