#pragma once

// Creating, destroying and describing windows: the window tree, styles,
// texts, procedures, positions and visibility.

#include <string>

#include "platform/gfx/Geometry.h"
#include "platform/win/Types.h"

namespace win {

// Creates a window of a registered class. A child window (WS_CHILD) lives in
// `parent`'s client coordinates; for any other window `parent` is its owner
// and the position is on the screen. Sends WM_GETMINMAXINFO (overlapped
// windows), WM_NCCREATE, WM_NCCALCSIZE, WM_CREATE, WM_SIZE and WM_MOVE, and
// shows the window when WS_VISIBLE is given. Returns null when the class is
// unknown, the parent is not a window, or a procedure refuses the creation.
HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName,
                    DWORD style, int x, int y, int width, int height, HWND parent,
                    UINT_PTR menuOrId = 0, void* param = nullptr);
// Destroys the window, its children and the windows it owns.
bool DestroyWindow(HWND hwnd);

bool IsWindow(HWND hwnd);
// Visible when the window and every ancestor have WS_VISIBLE.
bool IsWindowVisible(HWND hwnd);
bool IsWindowEnabled(HWND hwnd);
bool IsIconic(HWND hwnd);
bool IsZoomed(HWND hwnd);
bool IsChild(HWND parent, HWND hwnd);

// The parent of a child window, the owner of any other window.
HWND GetParent(HWND hwnd);
HWND SetParent(HWND hwnd, HWND newParent);
HWND GetAncestor(HWND hwnd, UINT flags);
HWND GetWindow(HWND hwnd, UINT relation);
HWND GetTopWindow(HWND parent);  // null parent: the top-most top-level window

LONG_PTR GetWindowLong(HWND hwnd, int index);
LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value);
inline LONG_PTR GetWindowLongPtr(HWND hwnd, int index) {
  return GetWindowLong(hwnd, index);
}
inline LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
  return SetWindowLong(hwnd, index, value);
}
inline constexpr int GCL_STYLE = -26;
LONG_PTR GetClassLong(HWND hwnd, int index);
std::string GetClassName(HWND hwnd);

// Sub-classing: installs a new procedure and returns the previous one, which
// the new one passes messages on to with CallWindowProc.
WNDPROC GetWindowProc(HWND hwnd);
WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc);

bool SetWindowText(HWND hwnd, const std::string& text);  // sends WM_SETTEXT
std::string GetWindowText(HWND hwnd);                    // sends WM_GETTEXT
int GetWindowTextLength(HWND hwnd);

int GetDlgCtrlID(HWND hwnd);
HWND GetDlgItem(HWND parent, int id);

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
bool BringWindowToTop(HWND hwnd);
// Returns whether the window was visible before. Minimising takes the
// window (and the windows it owns) off the screen; maximising fills the work
// area; SW_RESTORE undoes either.
bool ShowWindow(HWND hwnd, int command);
// Returns whether the window was disabled before.
bool EnableWindow(HWND hwnd, bool enable);

gfx::Rect GetWindowRect(HWND hwnd);  // screen coordinates
gfx::Rect GetClientRect(HWND hwnd);  // origin 0, 0
bool ClientToScreen(HWND hwnd, gfx::Point& pt);
bool ScreenToClient(HWND hwnd, gfx::Point& pt);
// Converts from one window's client coordinates to another's; a null
// handle stands for the screen.
gfx::Point MapWindowPoint(HWND from, HWND to, gfx::Point pt);
gfx::Rect MapWindowRect(HWND from, HWND to, const gfx::Rect& rect);

// The visible, enabled window under a screen point that does not answer
// HTTRANSPARENT, respecting window regions.
HWND WindowFromPoint(gfx::Point screen);
// The direct child of `parent` under a point in its client coordinates, or
// `parent` itself.
HWND ChildWindowFromPoint(HWND parent, gfx::Point client);

bool SetLayeredWindowAttributes(HWND hwnd, COLORREF key, BYTE alpha, DWORD flags);

}  // namespace win
