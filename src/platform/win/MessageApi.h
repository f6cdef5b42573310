#pragma once

// Sending and posting messages, message loops and the default procedure.

#include "platform/gfx/Geometry.h"
#include "platform/win/Messages.h"
#include "platform/win/Types.h"

namespace win {

// Calls the window's procedure at once; 0 for a window that does not exist.
LRESULT SendMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
// Queues the message; a null window makes a message for the loop itself.
bool PostMessage(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int exitCode);

// Waits for the next message. Returns false for WM_QUIT. Messages come in
// the classic order: posted messages, then input, then WM_PAINT, then
// WM_TIMER. A loop running inside a window procedure is a nested loop; a
// modal dialog is exactly that.
bool GetMessage(MSG& msg, HWND hwnd = nullptr, UINT filterMin = 0, UINT filterMax = 0);
bool PeekMessage(MSG& msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags);
// Blocks until there is something in the queue.
void WaitMessage();
// Posts WM_CHAR or WM_SYSCHAR for a key press that produces a character.
bool TranslateMessage(const MSG& msg);
LRESULT DispatchMessage(const MSG& msg);

DWORD GetMessageTime();
gfx::Point GetMessagePos();

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
// Calls a saved procedure; an empty one stands for DefWindowProc.
LRESULT CallWindowProc(const WNDPROC& proc, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace win
