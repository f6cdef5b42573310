// The default window procedure: what the classic system does with every
// message a window procedure passes on.

#include <algorithm>
#include <cstring>

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/PaintApi.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

// Internal WINDOWPOS flags, as set by SetWindowPos.
constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

HCURSOR CursorForHit(LRESULT hit) {
  switch (hit) {
    case HTLEFT:
    case HTRIGHT:
      return HCURSOR{IDC_SIZEWE};
    case HTTOP:
    case HTBOTTOM:
      return HCURSOR{IDC_SIZENS};
    case HTTOPLEFT:
    case HTBOTTOMRIGHT:
      return HCURSOR{IDC_SIZENWSE};
    case HTTOPRIGHT:
    case HTBOTTOMLEFT:
      return HCURSOR{IDC_SIZENESW};
    default:
      return HCURSOR{IDC_ARROW};
  }
}

LRESULT OnSetCursor(Window& w, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = w.hwnd;
  if (w.IsChild() && SendMessage(w.parent, WM_SETCURSOR, wParam, lParam))
    return TRUE;
  Window* self = W(hwnd);
  if (!self)
    return FALSE;
  LRESULT hit = static_cast<std::int16_t>(LOWORD(static_cast<std::uintptr_t>(lParam)));
  if (hit == HTERROR)
    return FALSE;
  if (hit == HTCLIENT) {
    // A parent asked on behalf of a child decides only when its class names
    // a cursor; otherwise the child's own class does.
    HCURSOR c = self->windowClass->hCursor;
    if (!c && static_cast<std::uint32_t>(wParam) != hwnd.id)
      return FALSE;
    SetCursor(c ? c : HCURSOR{IDC_ARROW});
    return TRUE;
  }
  SetCursor(CursorForHit(hit));
  return TRUE;
}

LRESULT OnSysCommand(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  switch (wParam & 0xFFF0) {
    case SC_MOVE:
    case SC_SIZE: {
      // The low bits name the caption or the dragged edge when the command
      // comes from a press, whose point is in lParam.
      const int extra = static_cast<int>(wParam & 0x000F);
      gfx::Point start;
      if (extra)
        start = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      else
        GetCursorPos(start);
      bool sizing = (wParam & 0xFFF0) == SC_SIZE;
      // Without an edge (a keyboard command) the bottom-right corner follows.
      RunMoveLoop(hwnd, start, sizing ? (extra ? extra : 8) : 0, extra != 0);
      return 0;
    }
    case SC_CLOSE:
      SendMessage(hwnd, WM_CLOSE);
      return 0;
    case SC_MINIMIZE:
      ShowWindow(hwnd, SW_MINIMIZE);
      return 0;
    case SC_MAXIMIZE:
      ShowWindow(hwnd, SW_SHOWMAXIMIZED);
      return 0;
    case SC_RESTORE:
      ShowWindow(hwnd, SW_RESTORE);
      return 0;
    default:
      // There is no system-drawn menu: SC_KEYMENU and the rest do nothing.
      return 0;
  }
}

void OnWindowPosChanging(Window& w, WINDOWPOS& wp) {
  if ((wp.flags & SWP_NOSIZE) || !HasMinMaxInfo(w))
    return;
  MINMAXINFO info;
  DefaultGetMinMaxInfo(w, info);
  SendMessage(w.hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  wp.cx = std::clamp(wp.cx, info.ptMinTrackSize.x,
                     std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
  wp.cy = std::clamp(wp.cy, info.ptMinTrackSize.y,
                     std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
}

void OnWindowPosChanged(HWND hwnd, const WINDOWPOS& wp) {
  if (!(wp.flags & SWP_NOCLIENTMOVE)) {
    if (Window* w = W(hwnd)) {
      gfx::Point org{w->rect.left + w->client.left, w->rect.top + w->client.top};
      SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(org.x, org.y));
    }
  }
  if (!(wp.flags & SWP_NOCLIENTSIZE)) {
    if (Window* w = W(hwnd)) {
      WPARAM kind = (w->style & WS_MINIMIZE)   ? SIZE_MINIMIZED
                    : (w->style & WS_MAXIMIZE) ? SIZE_MAXIMIZED
                                               : SIZE_RESTORED;
      SendMessage(hwnd, WM_SIZE, kind, MAKELPARAM(w->client.Width(), w->client.Height()));
    }
  }
}

LRESULT CopyText(const Window& w, WPARAM size, LPARAM buffer) {
  char* out = ParamPointer<char>(buffer);
  if (!out || size == 0)
    return 0;
  std::size_t n = std::min<std::size_t>(w.text.size(), size - 1);
  std::memcpy(out, w.text.data(), n);
  out[n] = '\0';
  return static_cast<LRESULT>(n);
}

}  // namespace

LRESULT DefWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  Window* w = W(hwnd);
  if (!w)
    return 0;
  switch (message) {
    case WM_NCCREATE: {
      auto* cs = ParamPointer<const CREATESTRUCT>(lParam);
      if (cs && cs->lpszName)
        w->text = cs->lpszName;
      return TRUE;
    }
    case WM_NCCALCSIZE:
      if (wParam) {
        auto* params = ParamPointer<NCCALCSIZE_PARAMS>(lParam);
        params->rgrc[0] = DefaultClientRect(*w, params->rgrc[0]);
      } else if (lParam) {
        auto* rect = ParamPointer<gfx::Rect>(lParam);
        *rect = DefaultClientRect(*w, *rect);
      }
      return 0;
    case WM_NCHITTEST:
      return DefaultHitTest(*w, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCACTIVATE:
      // The classic frame shows the new state of its caption at once; its
      // borders look the same either way.
      w->frameActive = wParam != 0;
      DrawDefaultCaption(hwnd);
      return TRUE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam))
        SetFocus(hwnd);
      return 0;
    case WM_MOUSEACTIVATE:
      if (w->IsChild()) {
        if (LRESULT r = SendMessage(w->parent, WM_MOUSEACTIVATE, wParam, lParam))
          return r;
      }
      return MA_ACTIVATE;
    case WM_SETCURSOR:
      return OnSetCursor(*w, wParam, lParam);
    case WM_MOUSEWHEEL:
      if (w->IsChild())
        return SendMessage(w->parent, message, wParam, lParam);
      return 0;
    case WM_RBUTTONUP: {
      // A right click asks for a context menu, at the pointer on the screen.
      gfx::Point pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ClientToScreen(hwnd, pt);
      SendMessage(hwnd, WM_CONTEXTMENU, static_cast<WPARAM>(hwnd.id), MAKELPARAM(pt.x, pt.y));
      return 0;
    }
    case WM_NCRBUTTONUP:
      SendMessage(hwnd, WM_CONTEXTMENU, static_cast<WPARAM>(hwnd.id), lParam);
      return 0;
    case WM_CONTEXTMENU:
      if (w->IsChild())
        return SendMessage(w->parent, message, wParam, lParam);
      return 0;
    case WM_NCLBUTTONDOWN: {
      LRESULT hit = static_cast<LRESULT>(wParam);
      if (hit == HTCAPTION)
        SendMessage(hwnd, WM_SYSCOMMAND, SC_MOVE | static_cast<WPARAM>(HTCAPTION), lParam);
      else if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT && (w->style & WS_THICKFRAME))
        SendMessage(hwnd, WM_SYSCOMMAND, SC_SIZE | static_cast<WPARAM>(hit - HTLEFT + 1), lParam);
      return 0;
    }
    case WM_NCLBUTTONDBLCLK:
      // A double click on the caption of a window with a maximise box
      // toggles between maximised and restored.
      if (static_cast<LRESULT>(wParam) == HTCAPTION && (w->style & WS_MAXIMIZEBOX) &&
          (w->style & WS_CAPTION) == WS_CAPTION)
        SendMessage(hwnd, WM_SYSCOMMAND, (w->style & WS_MAXIMIZE) ? SC_RESTORE : SC_MAXIMIZE,
                    lParam);
      return 0;
    case WM_SYSCOMMAND:
      return OnSysCommand(hwnd, wParam, lParam);
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F4 && (GetKeyState(static_cast<int>(VK_MENU)) & 0x8000))
        SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SYSKEYUP:
      // A lone Alt or F10 asks for the keyboard menu.
      if (wParam == VK_MENU || wParam == VK_F10)
        SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU, 0);
      return 0;
    case WM_SYSCHAR:
      if (lParam & (1 << 29))
        SendMessage(GetAncestor(hwnd, GA_ROOT), WM_SYSCOMMAND, SC_KEYMENU,
                    static_cast<LPARAM>(wParam));
      return 0;
    case WM_SETTEXT:
      w->text = lParam ? ParamPointer<const char>(lParam) : "";
      if (w->IsTopLevel())
        d.GetBackend().SetSurfaceTitle(hwnd, w->text);
      if ((w->style & WS_CAPTION) == WS_CAPTION) {
        // The caption shows the new text: the frame, not the client area,
        // is painted again.
        gfx::Rect all{-w->client.left, -w->client.top, w->rect.Width() - w->client.left,
                      w->rect.Height() - w->client.top};
        gfx::Region frame = gfx::Region(all).Subtract(
            gfx::Region(gfx::Rect{0, 0, w->client.Width(), w->client.Height()}));
        RedrawWindow(hwnd, nullptr, &frame, RDW_INVALIDATE | RDW_FRAME | RDW_NOCHILDREN);
      }
      return TRUE;
    case WM_GETTEXT:
      return CopyText(*w, wParam, lParam);
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(w->text.size());
    case WM_WINDOWPOSCHANGING:
      OnWindowPosChanging(*w, *ParamPointer<WINDOWPOS>(lParam));
      return 0;
    case WM_WINDOWPOSCHANGED:
      OnWindowPosChanged(hwnd, *ParamPointer<const WINDOWPOS>(lParam));
      return 0;
    case WM_CANCELMODE:
      if (d.in.capture == hwnd)
        ReleaseCapture();
      return 0;
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_ERASEBKGND:
      return DefaultPaint(hwnd, message, wParam);
    default:
      return 0;
  }
}

}  // namespace win
