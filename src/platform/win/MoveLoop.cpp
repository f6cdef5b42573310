// The move and size loops the default procedure runs for a press on the
// caption or on a sizing border. Each is a nested message loop inside the
// WM_NCLBUTTONDOWN call: the window holds the capture, every mouse move
// proposes a new rectangle through WM_MOVING or WM_SIZING (which the
// procedure may change), and the release, Enter or Escape (which puts the
// window back) ends it. The release is eaten by the loop, so no
// WM_NCLBUTTONUP follows, as in the classic system.

#include <algorithm>

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowApi.h"

namespace win::detail {

namespace {

// Sizing edges as WM_SIZING names them.
constexpr int WMSZ_LEFT = 1;
constexpr int WMSZ_RIGHT = 2;
constexpr int WMSZ_TOP = 3;
constexpr int WMSZ_TOPLEFT = 4;
constexpr int WMSZ_TOPRIGHT = 5;
constexpr int WMSZ_BOTTOM = 6;
constexpr int WMSZ_BOTTOMLEFT = 7;
constexpr int WMSZ_BOTTOMRIGHT = 8;

bool MovesLeft(int edge) {
  return edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
}
bool MovesRight(int edge) {
  return edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
}
bool MovesTop(int edge) {
  return edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
}
bool MovesBottom(int edge) {
  return edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
}

struct Loop {
  HWND hwnd;
  int edge = 0;  // 0 moves the window
  gfx::Rect startScreen;
  gfx::Point startPos;  // parent coordinates
  MINMAXINFO limits;
};

void PlaceAt(const Loop& loop, const gfx::Rect& screen, UINT flags) {
  Window* w = W(loop.hwnd);
  if (!w)
    return;
  HWND parent = w->IsChild() ? w->parent : HWND{};
  gfx::Point target = MapWindowPoint(nullptr, parent, screen.TopLeft());
  gfx::Rect now = w->rect;
  if (target == now.TopLeft() && screen.GetSize() == now.GetSize())
    return;
  SetWindowPos(loop.hwnd, nullptr, target.x, target.y, screen.Width(), screen.Height(),
               flags | SWP_NOZORDER | SWP_NOACTIVATE);
}

// Proposes the window's rectangle for a pointer offset and moves it there
// after the procedure has had its say.
void MoveBy(const Loop& loop, gfx::Point offset) {
  gfx::Rect proposed = loop.startScreen.Offset(offset.x, offset.y);
  SendMessage(loop.hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
  PlaceAt(loop, proposed, SWP_NOSIZE);
}

// Moves the dragged edges, keeping the size within the tracking limits.
void SizeBy(const Loop& loop, gfx::Point offset) {
  gfx::Rect r = loop.startScreen;
  const gfx::Point& lo = loop.limits.ptMinTrackSize;
  const gfx::Point& hi = loop.limits.ptMaxTrackSize;
  if (MovesLeft(loop.edge))
    r.left = std::clamp(r.left + offset.x, r.right - std::max(hi.x, lo.x), r.right - lo.x);
  if (MovesRight(loop.edge))
    r.right = std::clamp(r.right + offset.x, r.left + lo.x, r.left + std::max(hi.x, lo.x));
  if (MovesTop(loop.edge))
    r.top = std::clamp(r.top + offset.y, r.bottom - std::max(hi.y, lo.y), r.bottom - lo.y);
  if (MovesBottom(loop.edge))
    r.bottom = std::clamp(r.bottom + offset.y, r.top + lo.y, r.top + std::max(hi.y, lo.y));
  SendMessage(loop.hwnd, WM_SIZING, static_cast<WPARAM>(loop.edge), reinterpret_cast<LPARAM>(&r));
  PlaceAt(loop, r, 0);
}

void Track(const Loop& loop, gfx::Point offset) {
  if (loop.edge)
    SizeBy(loop, offset);
  else
    MoveBy(loop, offset);
}

// The window manager moves the window; the loop only waits for the end of
// the move, handling messages meanwhile as the program's own loop would.
// Where the window goes arrives as moves by the system.
void RunSystemMove(Desktop& d, HWND hwnd) {
  d.in.systemMove = hwnd;
  SendMessage(hwnd, WM_ENTERSIZEMOVE);
  MSG msg;
  while (d.in.systemMove == hwnd && IsWindow(hwnd)) {
    if (!GetMessage(msg)) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    // A release reaching the program means the window manager did not
    // take the move after all; like the end of our own loop, it is eaten.
    if (msg.message == WM_LBUTTONUP || msg.message == WM_NCLBUTTONUP)
      break;
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  if (d.in.systemMove == hwnd)
    d.in.systemMove = nullptr;
  SendMessage(hwnd, WM_EXITSIZEMOVE);
}

}  // namespace

void RunMoveLoop(HWND hwnd, gfx::Point start, int edge, bool byPress) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  Window* w = W(hwnd);
  if (!w)
    return;
  // Whatever the window has open (a drop-down list) closes as it starts to
  // move, before the loop takes the capture.
  SendMessage(GetAncestor(hwnd, GA_ROOT), WM_CANCELMODE);
  if (!(w = W(hwnd)))
    return;
  if (!edge && byPress && w->IsTopLevel()) {
    if (GetCapture())
      ReleaseCapture();
    if (d.GetBackend().BeginSystemMove(hwnd, start)) {
      RunSystemMove(d, hwnd);
      return;
    }
  }
  Loop loop{hwnd, edge, GetWindowRect(hwnd), w->rect.TopLeft(), {}};
  if (edge) {
    DefaultGetMinMaxInfo(*w, loop.limits);
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&loop.limits));
  }
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
    if (GetCapture() != hwnd) {
      // The capture went while the loop waited (the system broke the
      // grab): what came meanwhile is the program's, not the drag's.
      TranslateMessage(msg);
      DispatchMessage(msg);
      break;
    }
    gfx::Point offset{msg.pt.x - start.x, msg.pt.y - start.y};
    switch (msg.message) {
      case WM_MOUSEMOVE:
        // The system may have taken the release elsewhere (the window was
        // iconified, another program grabbed the pointer): a move without
        // the button ends a drag where it is.
        if (byPress && !(msg.wParam & MK_LBUTTON))
          running = false;
        else
          Track(loop, offset);
        break;
      case WM_LBUTTONUP:
        Track(loop, offset);
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
          PlaceAt(loop, loop.startScreen, 0);
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
