// The classic frame a window gets from its style when its procedure leaves
// the non-client messages to the default procedure.

#include <algorithm>

#include "platform/win/Internal.h"
#include "platform/win/ScreenApi.h"

namespace win::detail {

namespace {

int BorderWidth(const Window& w) {
  if (w.style & WS_THICKFRAME)
    return GetSystemMetrics(SM_CXFRAME);
  if ((w.style & WS_DLGFRAME) || (w.exStyle & WS_EX_DLGMODALFRAME))
    return GetSystemMetrics(SM_CXDLGFRAME);
  if (w.style & WS_BORDER)
    return GetSystemMetrics(SM_CXBORDER);
  return 0;
}

int CaptionHeight(const Window& w) {
  if ((w.style & WS_CAPTION) != WS_CAPTION)
    return 0;
  return GetSystemMetrics((w.exStyle & WS_EX_TOOLWINDOW) ? SM_CYSMCAPTION : SM_CYCAPTION);
}

}  // namespace

gfx::Rect DefaultClientRect(const Window& w, const gfx::Rect& windowRect) {
  int b = BorderWidth(w);
  gfx::Rect c{windowRect.left + b, windowRect.top + b + CaptionHeight(w), windowRect.right - b,
              windowRect.bottom - b};
  c.right = std::max(c.right, c.left);
  c.bottom = std::max(c.bottom, c.top);
  return c;
}

LRESULT DefaultHitTest(const Window& w, gfx::Point screen) {
  gfx::Rect r = ScreenRect(w);
  if (!r.Contains(screen))
    return HTNOWHERE;
  gfx::Point p{screen.x - r.left, screen.y - r.top};
  if (w.client.Contains(p))
    return HTCLIENT;
  int b = BorderWidth(w);
  int width = r.Width();
  int height = r.Height();
  if (gfx::Rect{b, b, width - b, b + CaptionHeight(w)}.Contains(p))
    return HTCAPTION;
  if (!(w.style & WS_THICKFRAME))
    return HTBORDER;
  bool left = p.x < b;
  bool right = p.x >= width - b;
  bool top = p.y < b;
  bool bottom = p.y >= height - b;
  if (top)
    return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  if (bottom)
    return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  if (left)
    return HTLEFT;
  if (right)
    return HTRIGHT;
  return HTBORDER;
}

bool HasMinMaxInfo(const Window& w) {
  return (w.style & WS_THICKFRAME) || !(w.style & (WS_POPUP | WS_CHILD));
}

void DefaultGetMinMaxInfo(const Window& w, MINMAXINFO& info) {
  int b = BorderWidth(w);
  int cx = GetSystemMetrics(SM_CXSCREEN);
  int cy = GetSystemMetrics(SM_CYSCREEN);
  info.ptMaxSize = {cx + 2 * b, cy + 2 * b};
  info.ptMaxPosition = {-b, -b};
  info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
}

}  // namespace win::detail
