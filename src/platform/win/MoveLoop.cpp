// The move loop the default procedure runs for a press on the caption. It is
// a nested message loop inside the WM_NCLBUTTONDOWN call: the window holds
// the capture, every mouse move proposes a new rectangle through WM_MOVING
// (which the procedure may change), and the release, Enter or Escape (which
// puts the window back) ends it. The release is eaten by the loop, so no
// WM_NCLBUTTONUP follows, as in the classic system.

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowApi.h"

namespace win::detail {

namespace {

// Proposes the window's rectangle for a pointer offset and moves it there
// after the procedure has had its say.
void MoveTo(HWND hwnd, const gfx::Rect& startScreen, gfx::Point offset) {
  gfx::Rect proposed = startScreen.Offset(offset.x, offset.y);
  SendMessage(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
  Window* w = W(hwnd);
  if (!w)
    return;
  HWND parent = w->IsChild() ? w->parent : HWND{};
  gfx::Point target = MapWindowPoint(nullptr, parent, proposed.TopLeft());
  if (target != w->rect.TopLeft())
    SetWindowPos(hwnd, nullptr, target.x, target.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void RunMoveLoop(HWND hwnd, gfx::Point start) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  if (!IsWindow(hwnd))
    return;
  const gfx::Rect startScreen = GetWindowRect(hwnd);
  const gfx::Point startPos = W(hwnd)->rect.TopLeft();
  SetCapture(hwnd);
  SendMessage(hwnd, WM_ENTERSIZEMOVE);
  MSG msg;
  bool running = true;
  while (running && IsWindow(hwnd) && GetCapture() == hwnd) {
    if (!GetMessage(msg)) {
      // A quit request ends the loop and is left for the loop outside.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    gfx::Point offset{msg.pt.x - start.x, msg.pt.y - start.y};
    switch (msg.message) {
      case WM_MOUSEMOVE:
        MoveTo(hwnd, startScreen, offset);
        break;
      case WM_LBUTTONUP:
        MoveTo(hwnd, startScreen, offset);
        running = false;
        break;
      case WM_LBUTTONDOWN:
      case WM_RBUTTONDOWN:
      case WM_RBUTTONUP:
        running = false;
        break;
      case WM_KEYDOWN:
      case WM_SYSKEYDOWN:
        if (msg.wParam == VK_ESCAPE) {
          SetWindowPos(hwnd, nullptr, startPos.x, startPos.y, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
          running = false;
        } else if (msg.wParam == VK_RETURN) {
          running = false;
        }
        break;
      case WM_KEYUP:
      case WM_SYSKEYUP:
      case WM_CHAR:
      case WM_SYSCHAR:
        break;
      default:
        TranslateMessage(msg);
        DispatchMessage(msg);
        break;
    }
  }
  if (GetCapture() == hwnd)
    ReleaseCapture();
  SendMessage(hwnd, WM_EXITSIZEMOVE);
}

}  // namespace win::detail
