#pragma once

// Painting: update regions, WM_PAINT, device contexts and window shapes.
// Every top-level window has one backing bitmap; its children paint into it
// at their offset, clipped to the part of them that shows. What was painted
// reaches the screen when the message loop next waits (or at GdiFlush).

#include <optional>

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Region.h"
#include "platform/win/Types.h"

namespace win {

using HDC = gfx::DeviceContext*;

struct PAINTSTRUCT {
  HDC hdc = nullptr;
  BOOL fErase = FALSE;  // the background still needs erasing
  gfx::Rect rcPaint;    // client coordinates
};

// Validates the update region and gives a context clipped to it; sends
// WM_NCPAINT and WM_ERASEBKGND first when they are due.
HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps);
bool EndPaint(HWND hwnd, const PAINTSTRUCT& ps);
// A context for the client area (GetDC) or the whole window (GetWindowDC),
// clipped to what shows; children are left out with WS_CLIPCHILDREN.
// GetDC(nullptr) gives a context for measuring text; nothing drawn on it is
// shown.
HDC GetDC(HWND hwnd);
HDC GetWindowDC(HWND hwnd);
// A context as GetDC (or GetWindowDC with DCX_WINDOW) gives, further clipped
// to clip (screen coordinates) with DCX_INTERSECTRGN, or with clip left out
// with DCX_EXCLUDERGN; only what it may draw on is presented again when it
// is released.
HDC GetDCEx(HWND hwnd, const gfx::Region* clip, UINT flags);
int ReleaseDC(HWND hwnd, HDC dc);

// Rectangles and regions are in client coordinates; null means the whole
// client area.
bool InvalidateRect(HWND hwnd, const gfx::Rect* rect, bool erase);
bool InvalidateRgn(HWND hwnd, const gfx::Region* region, bool erase);
bool ValidateRect(HWND hwnd, const gfx::Rect* rect);
bool RedrawWindow(HWND hwnd, const gfx::Rect* rect, const gfx::Region* region, UINT flags);
// Sends WM_PAINT at once when the window has something to paint.
bool UpdateWindow(HWND hwnd);
// Whether the window has something to paint, and its bounds (client
// coordinates).
bool GetUpdateRect(HWND hwnd, gfx::Rect* rect, bool erase);

// The window's shape in window coordinates; none removes it. Points outside
// the shape belong to what lies below, and nothing outside it is shown.
int SetWindowRgn(HWND hwnd, std::optional<gfx::Region> region, bool redraw);
std::optional<gfx::Region> GetWindowRgn(HWND hwnd);

// Shows what was painted now instead of when the loop next waits.
void GdiFlush();

}  // namespace win
