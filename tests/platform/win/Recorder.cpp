#include "Recorder.h"

#include <cstdio>

namespace wintest {

std::string MessageName(UINT message) {
  static const std::map<UINT, const char*> names = {
      {WM_CREATE, "WM_CREATE"},
      {WM_DESTROY, "WM_DESTROY"},
      {WM_MOVE, "WM_MOVE"},
      {WM_SIZE, "WM_SIZE"},
      {WM_ACTIVATE, "WM_ACTIVATE"},
      {WM_SETFOCUS, "WM_SETFOCUS"},
      {WM_KILLFOCUS, "WM_KILLFOCUS"},
      {WM_ENABLE, "WM_ENABLE"},
      {WM_SETTEXT, "WM_SETTEXT"},
      {WM_GETTEXT, "WM_GETTEXT"},
      {WM_GETTEXTLENGTH, "WM_GETTEXTLENGTH"},
      {WM_PAINT, "WM_PAINT"},
      {WM_CLOSE, "WM_CLOSE"},
      {WM_QUIT, "WM_QUIT"},
      {WM_ERASEBKGND, "WM_ERASEBKGND"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"},
      {WM_ACTIVATEAPP, "WM_ACTIVATEAPP"},
      {WM_CANCELMODE, "WM_CANCELMODE"},
      {WM_SETCURSOR, "WM_SETCURSOR"},
      {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
      {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"},
      {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
      {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
      {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"},
      {WM_STYLECHANGING, "WM_STYLECHANGING"},
      {WM_STYLECHANGED, "WM_STYLECHANGED"},
      {WM_NCCREATE, "WM_NCCREATE"},
      {WM_NCDESTROY, "WM_NCDESTROY"},
      {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
      {WM_NCHITTEST, "WM_NCHITTEST"},
      {WM_NCPAINT, "WM_NCPAINT"},
      {WM_NCACTIVATE, "WM_NCACTIVATE"},
      {WM_SYNCPAINT, "WM_SYNCPAINT"},
      {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
      {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"},
      {WM_NCLBUTTONUP, "WM_NCLBUTTONUP"},
      {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
      {WM_NCRBUTTONDOWN, "WM_NCRBUTTONDOWN"},
      {WM_NCRBUTTONUP, "WM_NCRBUTTONUP"},
      {WM_NCRBUTTONDBLCLK, "WM_NCRBUTTONDBLCLK"},
      {WM_KEYDOWN, "WM_KEYDOWN"},
      {WM_KEYUP, "WM_KEYUP"},
      {WM_CHAR, "WM_CHAR"},
      {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
      {WM_SYSKEYUP, "WM_SYSKEYUP"},
      {WM_SYSCHAR, "WM_SYSCHAR"},
      {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
      {WM_TIMER, "WM_TIMER"},
      {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
      {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"},
      {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"},
      {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
      {WM_RBUTTONUP, "WM_RBUTTONUP"},
      {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
      {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
      {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
      {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"},
      {WM_MOVING, "WM_MOVING"},
      {WM_SIZING, "WM_SIZING"},
      {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
      {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"},
      {WM_NCMOUSELEAVE, "WM_NCMOUSELEAVE"},
      {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
  };
  auto it = names.find(message);
  if (it != names.end())
    return it->second;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "0x%04X", message);
  return buffer;
}

Recorder::Recorder(std::string className, UINT classStyle) : className_(std::move(className)) {
  WNDCLASS wc;
  wc.style = classStyle;
  wc.lpszClassName = className_;
  wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) { return Proc(h, m, w, l); };
  RegisterClass(wc);
  ignored_ = {WM_SETCURSOR, WM_NCHITTEST, WM_GETMINMAXINFO, WM_GETTEXT, WM_GETTEXTLENGTH};
}

HWND Recorder::Create(const std::string& name, DWORD style, gfx::Rect rect, HWND parent,
                      DWORD exStyle, UINT_PTR id) {
  // Creation messages arrive before the handle is known; they are logged
  // under the name given here.
  pendingName_ = name;
  HWND hwnd = CreateWindowEx(exStyle, className_, name, style, rect.left, rect.top, rect.Width(),
                             rect.Height(), parent, id);
  pendingName_.clear();
  if (hwnd)
    names_[hwnd.id] = name;
  return hwnd;
}

std::vector<std::string> Recorder::Take() {
  std::vector<std::string> out;
  out.swap(log_);
  return out;
}

std::string Recorder::NameOf(HWND hwnd) const {
  auto it = names_.find(hwnd.id);
  if (it != names_.end())
    return it->second;
  return pendingName_.empty() ? "?" : pendingName_;
}

std::string Recorder::Describe(HWND hwnd, UINT m, WPARAM w, LPARAM l) const {
  std::string text = NameOf(hwnd) + " " + MessageName(m);
  char args[64] = "";
  switch (m) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MOVE:
      std::snprintf(args, sizeof args, " %d,%d", GET_X_LPARAM(l), GET_Y_LPARAM(l));
      break;
    case WM_SIZE:
      std::snprintf(args, sizeof args, " %d %dx%d", static_cast<int>(w), GET_X_LPARAM(l),
                    GET_Y_LPARAM(l));
      break;
    case WM_NCMOUSEMOVE:
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCLBUTTONDBLCLK:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
      std::snprintf(args, sizeof args, " ht%d %d,%d", static_cast<int>(w), GET_X_LPARAM(l),
                    GET_Y_LPARAM(l));
      break;
    case WM_ACTIVATE:
    case WM_ACTIVATEAPP:
    case WM_NCACTIVATE:
    case WM_SHOWWINDOW:
    case WM_ENABLE:
      std::snprintf(args, sizeof args, " %d", static_cast<int>(LOWORD(w)));
      break;
    case WM_MOUSEACTIVATE:
      std::snprintf(args, sizeof args, " ht%d", static_cast<std::int16_t>(LOWORD(l)));
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_TIMER:
      std::snprintf(args, sizeof args, " %u", static_cast<unsigned>(w));
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      std::snprintf(args, sizeof args, " '%c'", static_cast<char>(w));
      break;
    case WM_SYSCOMMAND:
      std::snprintf(args, sizeof args, " 0x%04X", static_cast<unsigned>(w));
      break;
    case WM_MOVING: {
      auto* r = reinterpret_cast<const gfx::Rect*>(l);
      std::snprintf(args, sizeof args, " %d,%d", r->left, r->top);
      break;
    }
    case WM_SIZING: {
      auto* r = reinterpret_cast<const gfx::Rect*>(l);
      std::snprintf(args, sizeof args, " %d %d,%d,%d,%d", static_cast<int>(w), r->left, r->top,
                    r->right, r->bottom);
      break;
    }
    default:
      break;
  }
  return text + args;
}

LRESULT Recorder::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  bool logged = only_ ? only_->count(message) > 0 : ignored_.count(message) == 0;
  if (logged)
    log_.push_back(Describe(hwnd, message, wParam, lParam));
  auto it = handlers_.find(hwnd.id);
  if (it != handlers_.end() && it->second) {
    Handler handler = it->second;
    if (std::optional<LRESULT> answer = handler(hwnd, message, wParam, lParam))
      return *answer;
  }
  return DefWindowProc(hwnd, message, wParam, lParam);
}

int RunLoop() {
  MSG msg;
  while (GetMessage(msg)) {
    TranslateMessage(msg);
    DispatchMessage(msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace wintest
