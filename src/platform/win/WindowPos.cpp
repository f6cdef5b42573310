// Positions, sizes, visibility and enabled state of windows, and finding the
// window under a point.

#include <algorithm>

#include "platform/win/InputApi.h"
#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

// Internal WINDOWPOS flags telling the default procedure whether the client
// area moved or changed size.
constexpr UINT SWP_NOCLIENTSIZE = 0x0800;
constexpr UINT SWP_NOCLIENTMOVE = 0x1000;

void Restack(Desktop& d, Window& w, HWND after) {
  if (w.IsTopLevel()) {
    PlaceTopLevel(d, w.hwnd, after);
    RestackSurfaces(d);
    return;
  }
  Window* p = d.Find(w.parent);
  if (!p)
    return;
  auto& list = p->children;
  std::erase(list, w.hwnd);
  if (after == HWND_BOTTOM) {
    list.push_back(w.hwnd);
    return;
  }
  auto it = std::find(list.begin(), list.end(), after);
  list.insert(it == list.end() ? list.begin() : it + 1, w.hwnd);
}

bool FocusInside(const Desktop& d, HWND hwnd) {
  return d.in.focus && (d.in.focus == hwnd || IsChild(hwnd, d.in.focus));
}

void CollectAtPoint(Desktop& d, HWND hwnd, gfx::Point screen, std::vector<HWND>& out) {
  Window* w = d.Find(hwnd);
  if (!w || !(w->style & WS_VISIBLE) || (w->style & WS_MINIMIZE))
    return;
  if (!ScreenRect(*w).Contains(screen))
    return;
  if (w->IsChild() && (w->style & WS_DISABLED))
    return;
  if (w->region) {
    gfx::Point wo = WindowOriginOnScreen(*w);
    if (!w->region->Contains({screen.x - wo.x, screen.y - wo.y}))
      return;
  }
  gfx::Point org = ClientOriginOnScreen(*w);
  gfx::Point local{screen.x - org.x, screen.y - org.y};
  gfx::Rect clientArea = gfx::Rect::FromXYWH(0, 0, w->client.Width(), w->client.Height());
  if (clientArea.Contains(local)) {
    std::vector<HWND> children = w->children;
    for (HWND c : children)
      CollectAtPoint(d, c, screen, out);
  }
  out.push_back(hwnd);
}

std::vector<HWND> WindowsAtPoint(Desktop& d, gfx::Point screen) {
  std::vector<HWND> out;
  std::vector<HWND> tops = d.topLevels;
  for (HWND h : tops)
    CollectAtPoint(d, h, screen, out);
  return out;
}

}  // namespace

namespace detail {

gfx::Point WindowOriginOnScreen(const Window& w) {
  if (w.IsTopLevel())
    return w.rect.TopLeft();
  Window* p = W(w.parent);
  gfx::Point org = p ? ClientOriginOnScreen(*p) : gfx::Point{};
  return {org.x + w.rect.left, org.y + w.rect.top};
}

gfx::Point ClientOriginOnScreen(const Window& w) {
  gfx::Point org = WindowOriginOnScreen(w);
  return {org.x + w.client.left, org.y + w.client.top};
}

gfx::Rect ScreenRect(const Window& w) {
  gfx::Point org = WindowOriginOnScreen(w);
  return gfx::Rect::FromXYWH(org.x, org.y, w.rect.Width(), w.rect.Height());
}

bool ShownOnScreen(const Window& w) {
  for (const Window* c = &w; c; c = W(c->parent)) {
    if (!(c->style & WS_VISIBLE))
      return false;
    if (c->IsTopLevel())
      return !(c->style & WS_MINIMIZE);
  }
  return false;
}

LRESULT SendHitTest(HWND hwnd, gfx::Point screen) {
  return SendMessage(hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

HWND WindowAtPoint(gfx::Point screen, HWND skipUntilAfter) {
  std::vector<HWND> candidates = WindowsAtPoint(D(), screen);
  auto it = candidates.begin();
  if (skipUntilAfter) {
    it = std::find(candidates.begin(), candidates.end(), skipUntilAfter);
    if (it != candidates.end())
      ++it;
  }
  return it == candidates.end() ? nullptr : *it;
}

}  // namespace detail

bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  Window* w = W(hwnd);
  if (!w)
    return false;
  WINDOWPOS wp{hwnd, insertAfter, x, y, cx, cy, flags};
  if (flags & SWP_NOMOVE) {
    wp.x = w->rect.left;
    wp.y = w->rect.top;
  }
  if (flags & SWP_NOSIZE) {
    wp.cx = w->rect.Width();
    wp.cy = w->rect.Height();
  }
  if (!(flags & SWP_NOSENDCHANGING)) {
    SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    if (!(w = W(hwnd)))
      return false;
  }
  flags = wp.flags;
  const gfx::Rect oldRect = w->rect;
  const gfx::Rect oldClient = w->client;
  const gfx::Rect oldScreen = ScreenRect(*w);
  const bool wasShown = ShownOnScreen(*w);
  gfx::Rect newRect = oldRect;
  if (!(flags & SWP_NOMOVE))
    newRect = newRect.Offset(wp.x - oldRect.left, wp.y - oldRect.top);
  if (!(flags & SWP_NOSIZE)) {
    newRect.right = newRect.left + std::max(wp.cx, 0);
    newRect.bottom = newRect.top + std::max(wp.cy, 0);
  }
  const bool sized = newRect.GetSize() != oldRect.GetSize();
  const bool moved = newRect.TopLeft() != oldRect.TopLeft();
  w->rect = newRect;
  if (sized || (flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS params;
    params.rgrc[0] = newRect;
    params.rgrc[1] = oldRect;
    params.rgrc[2] = oldClient.Offset(oldRect.left, oldRect.top);
    params.lppos = &wp;
    SendMessage(hwnd, WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&params));
    if (!(w = W(hwnd)))
      return false;
    gfx::Rect c = params.rgrc[0];
    c.right = std::max(c.right, c.left);
    c.bottom = std::max(c.bottom, c.top);
    w->client = c.Offset(-w->rect.left, -w->rect.top);
  }
  bool restacked = false;
  if (!(flags & SWP_NOZORDER)) {
    Restack(d, *w, wp.hwndInsertAfter);
    restacked = true;
  }
  bool showing = (flags & SWP_SHOWWINDOW) && !(w->style & WS_VISIBLE);
  bool hiding = (flags & SWP_HIDEWINDOW) && (w->style & WS_VISIBLE);
  if (showing)
    w->style |= WS_VISIBLE;
  if (hiding)
    w->style &= ~WS_VISIBLE;

  if (w->IsTopLevel()) {
    if (moved || sized)
      d.GetBackend().MoveSurface(hwnd, w->rect);
    if ((showing || hiding) && !(w->style & WS_MINIMIZE))
      d.GetBackend().ShowSurface(hwnd, showing);
  }
  if (!(flags & SWP_NOREDRAW) &&
      (moved || sized || showing || hiding || restacked || (flags & SWP_FRAMECHANGED)))
    OnGeometryChanged(hwnd, oldScreen, wasShown);

  if (hiding) {
    if (w->IsTopLevel()) {
      if (d.in.active == hwnd)
        ActivateOther(hwnd);
    } else if (FocusInside(d, hwnd)) {
      SetFocus(GetAncestor(hwnd, GA_ROOT));
    }
    if (d.in.capture && (d.in.capture == hwnd || IsChild(hwnd, d.in.capture)))
      ReleaseCapture();
  }
  if ((w = W(hwnd)) && w->IsTopLevel() && !(flags & SWP_NOACTIVATE) && ShownOnScreen(*w) &&
      (showing || restacked) && CanActivate(*w))
    Activate(hwnd, WA_ACTIVE);
  if (!(w = W(hwnd)))
    return true;

  wp.x = w->rect.left;
  wp.y = w->rect.top;
  wp.cx = w->rect.Width();
  wp.cy = w->rect.Height();
  if (!moved)
    wp.flags |= SWP_NOMOVE;
  if (!sized)
    wp.flags |= SWP_NOSIZE;
  if (!moved && w->client.TopLeft() == oldClient.TopLeft())
    wp.flags |= SWP_NOCLIENTMOVE;
  if (w->client.GetSize() == oldClient.GetSize())
    wp.flags |= SWP_NOCLIENTSIZE;
  SendMessage(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
  return true;
}

bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint) {
  return SetWindowPos(hwnd, nullptr, x, y, width, height,
                      SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

bool BringWindowToTop(HWND hwnd) {
  return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool EnableWindow(HWND hwnd, bool enable) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  Window* w = W(hwnd);
  if (!w)
    return false;
  const bool wasDisabled = (w->style & WS_DISABLED) != 0;
  if (enable == !wasDisabled)
    return wasDisabled;
  if (!enable) {
    SendMessage(hwnd, WM_CANCELMODE);
    if (!(w = W(hwnd)))
      return wasDisabled;
    w->style |= WS_DISABLED;
    if (FocusInside(d, hwnd))
      SetFocus(nullptr);
  } else {
    w->style &= ~WS_DISABLED;
  }
  SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
  return wasDisabled;
}

gfx::Rect GetWindowRect(HWND hwnd) {
  Window* w = W(hwnd);
  return w ? ScreenRect(*w) : gfx::Rect{};
}

gfx::Rect GetClientRect(HWND hwnd) {
  Window* w = W(hwnd);
  return w ? gfx::Rect::FromXYWH(0, 0, w->client.Width(), w->client.Height()) : gfx::Rect{};
}

bool ClientToScreen(HWND hwnd, gfx::Point& pt) {
  Window* w = W(hwnd);
  if (!w)
    return false;
  gfx::Point org = ClientOriginOnScreen(*w);
  pt = {pt.x + org.x, pt.y + org.y};
  return true;
}

bool ScreenToClient(HWND hwnd, gfx::Point& pt) {
  Window* w = W(hwnd);
  if (!w)
    return false;
  gfx::Point org = ClientOriginOnScreen(*w);
  pt = {pt.x - org.x, pt.y - org.y};
  return true;
}

gfx::Point MapWindowPoint(HWND from, HWND to, gfx::Point pt) {
  if (from)
    ClientToScreen(from, pt);
  if (to)
    ScreenToClient(to, pt);
  return pt;
}

gfx::Rect MapWindowRect(HWND from, HWND to, const gfx::Rect& rect) {
  gfx::Point p = MapWindowPoint(from, to, rect.TopLeft());
  return rect.Offset(p.x - rect.left, p.y - rect.top);
}

HWND WindowFromPoint(gfx::Point screen) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  for (HWND h : WindowsAtPoint(d, screen)) {
    if (!IsWindow(h) || SendHitTest(h, screen) == HTTRANSPARENT)
      continue;
    return IsWindowEnabled(GetAncestor(h, GA_ROOT)) ? h : nullptr;
  }
  return nullptr;
}

HWND ChildWindowFromPoint(HWND parent, gfx::Point client) {
  Window* p = W(parent);
  if (!p)
    return nullptr;
  for (HWND c : p->children) {
    Window* w = W(c);
    if (w && (w->style & WS_VISIBLE) && w->rect.Contains(client))
      return c;
  }
  return gfx::Rect::FromXYWH(0, 0, p->client.Width(), p->client.Height()).Contains(client)
             ? parent
             : nullptr;
}

bool SetLayeredWindowAttributes(HWND hwnd, COLORREF, BYTE alpha, DWORD flags) {
  Window* w = W(hwnd);
  if (!w || !w->IsTopLevel() || !(w->exStyle & WS_EX_LAYERED))
    return false;
  if (flags & LWA_ALPHA) {
    w->alpha = alpha;
    D().GetBackend().SetSurfaceAlpha(hwnd, alpha);
  }
  return true;
}

}  // namespace win
