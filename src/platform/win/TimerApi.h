#pragma once

// Timers delivered as WM_TIMER, and the time of the desktop's clock.

#include "platform/win/Types.h"

namespace win {

// Starts or restarts the window's timer `id`; it falls due every `elapse`
// milliseconds (at least 1) and is delivered as WM_TIMER when the queue has
// nothing else. Returns the id, or 0 for a window that does not exist.
UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse);
bool KillTimer(HWND hwnd, UINT_PTR id);
// Milliseconds of the desktop's clock.
DWORD GetTickCount();

}  // namespace win
