// Creation and destruction of windows, the window tree and the z-order of
// top-level windows, styles, texts and procedures.

#include <algorithm>
#include <cassert>
#include <cstring>

#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/PaintApi.h"
#include "platform/win/ScreenApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

bool IsTopmost(const Window& w) {
  return (w.exStyle & WS_EX_TOPMOST) != 0;
}

// Moves the windows owned by `owner` (and theirs) right above it, keeping
// their order: an owned window never goes below its owner.
void LiftOwned(Desktop& d, HWND owner) {
  std::vector<HWND> owned;
  for (HWND h : d.topLevels) {
    Window* w = d.Find(h);
    if (w && w->owner == owner)
      owned.push_back(h);
  }
  for (auto it = owned.rbegin(); it != owned.rend(); ++it) {
    auto& list = d.topLevels;
    auto pos = std::find(list.begin(), list.end(), owner);
    auto self = std::find(list.begin(), list.end(), *it);
    if (self < pos)
      continue;
    list.erase(self);
    pos = std::find(list.begin(), list.end(), owner);
    list.insert(pos, *it);
  }
  for (HWND h : owned)
    LiftOwned(d, h);
}

void DestroySubtree(Desktop& d, HWND hwnd, std::vector<HWND>& order) {
  order.push_back(hwnd);
  Window* w = d.Find(hwnd);
  if (!w)
    return;
  w->destroying = true;
  std::vector<HWND> children = w->children;
  for (HWND c : children)
    DestroySubtree(d, c, order);
}

void Unlink(Desktop& d, Window& w) {
  if (w.IsChild()) {
    if (Window* p = d.Find(w.parent))
      std::erase(p->children, w.hwnd);
  } else {
    std::erase(d.topLevels, w.hwnd);
    d.GetBackend().DestroySurface(w.hwnd);
  }
}

}  // namespace

namespace detail {

void PlaceTopLevel(Desktop& d, HWND hwnd, HWND insertAfter) {
  Window* w = d.Find(hwnd);
  if (!w || !w->IsTopLevel())
    return;
  auto& list = d.topLevels;
  std::erase(list, hwnd);
  if (insertAfter == HWND_TOPMOST)
    w->exStyle |= WS_EX_TOPMOST;
  else if (insertAfter == HWND_NOTOPMOST)
    w->exStyle &= ~WS_EX_TOPMOST;
  // The first window of the normal band, where a non-topmost window at the
  // top of its band goes.
  auto bandStart = std::find_if(list.begin(), list.end(), [&](HWND h) {
    Window* o = d.Find(h);
    return !o || !IsTopmost(*o);
  });
  if (insertAfter == HWND_BOTTOM) {
    list.push_back(hwnd);
  } else if (insertAfter == HWND_TOP || insertAfter == HWND_TOPMOST ||
             insertAfter == HWND_NOTOPMOST) {
    list.insert(IsTopmost(*w) ? list.begin() : bandStart, hwnd);
  } else {
    auto after = std::find(list.begin(), list.end(), insertAfter);
    if (after == list.end())
      list.insert(IsTopmost(*w) ? list.begin() : bandStart, hwnd);
    else
      list.insert(after + 1, hwnd);
  }
  LiftOwned(d, hwnd);
}

void RestackSurfaces(Desktop& d) {
  d.GetBackend().RestackSurfaces(d.topLevels);
}

void NotifyParents(HWND child, UINT event, LPARAM lParam) {
  Window* w = W(child);
  if (!w || (w->exStyle & WS_EX_NOPARENTNOTIFY))
    return;
  WPARAM wParam = MAKEWPARAM(static_cast<int>(event), static_cast<int>(w->id));
  HWND h = child;
  while (Window* c = W(h)) {
    if (!c->IsChild() || (c->exStyle & WS_EX_NOPARENTNOTIFY))
      break;
    h = c->parent;
    SendMessage(h, WM_PARENTNOTIFY, wParam, lParam);
  }
}

}  // namespace detail

bool RegisterClass(const WNDCLASS& windowClass) {
  Desktop& d = D();
  if (windowClass.lpszClassName.empty() || d.classes.count(windowClass.lpszClassName))
    return false;
  d.classes.emplace(windowClass.lpszClassName, std::make_shared<const WNDCLASS>(windowClass));
  return true;
}

bool UnregisterClass(const std::string& className) {
  return D().classes.erase(className) > 0;
}

HWND CreateWindowEx(DWORD exStyle, const std::string& className, const std::string& windowName,
                    DWORD style, int x, int y, int width, int height, HWND parent,
                    UINT_PTR menuOrId, void* param) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  auto cls = d.classes.find(className);
  if (cls == d.classes.end())
    return nullptr;
  bool child = (style & WS_CHILD) != 0;
  // A window on its way out takes no new children: they would outlive it.
  if (child && (!W(parent) || W(parent)->destroying))
    return nullptr;
  if (!child && parent && !W(parent))
    return nullptr;

  auto window = std::make_unique<Window>();
  Window& w = *window;
  w.hwnd = d.NewHandle();
  w.windowClass = cls->second;
  w.exStyle = exStyle;
  // Top-level windows always clip their siblings; overlapped ones always have
  // a caption, as in the classic system.
  w.style = style & ~WS_VISIBLE;
  if (!child) {
    w.style |= WS_CLIPSIBLINGS;
    if (!(style & WS_POPUP))
      w.style |= WS_CAPTION;
  }
  w.proc = std::make_shared<const WNDPROC>(cls->second->lpfnWndProc);
  if (child) {
    w.parent = parent;
    w.id = menuOrId;
  } else if (parent) {
    w.owner = GetAncestor(parent, GA_ROOT);
  }
  if (x == CW_USEDEFAULT) {
    x = child ? 0 : 64;
    y = child ? 0 : 64;
  }
  if (width == CW_USEDEFAULT) {
    width = child ? 0 : GetSystemMetrics(SM_CXSCREEN) * 3 / 4;
    height = child ? 0 : GetSystemMetrics(SM_CYSCREEN) * 3 / 4;
  }
  w.rect = gfx::Rect::FromXYWH(x, y, std::max(width, 0), std::max(height, 0));
  HWND hwnd = w.hwnd;
  d.Add(std::move(window));

  if (child) {
    W(parent)->children.insert(W(parent)->children.begin(), hwnd);
  } else {
    d.topLevels.insert(d.topLevels.begin(), hwnd);
    PlaceTopLevel(d, hwnd, HWND_TOP);
    Window& self = *W(hwnd);
    d.GetBackend().CreateSurface(hwnd,
                                 SurfaceInfo{.popup = (style & WS_POPUP) != 0,
                                             .toolWindow = (exStyle & WS_EX_TOOLWINDOW) != 0,
                                             .topmost = (exStyle & WS_EX_TOPMOST) != 0,
                                             .dialog = (exStyle & WS_EX_DLGMODALFRAME) != 0,
                                             .inputTransparent = (exStyle & WS_EX_TRANSPARENT) != 0,
                                             .owner = self.owner,
                                             .bounds = self.rect});
    d.GetBackend().SetSurfaceTitle(hwnd, windowName);
    RestackSurfaces(d);
  }

  if (HasMinMaxInfo(*W(hwnd))) {
    MINMAXINFO info;
    DefaultGetMinMaxInfo(*W(hwnd), info);
    SendMessage(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (Window* self = W(hwnd)) {
      int cx = std::clamp(self->rect.Width(), info.ptMinTrackSize.x,
                          std::max(info.ptMinTrackSize.x, info.ptMaxTrackSize.x));
      int cy = std::clamp(self->rect.Height(), info.ptMinTrackSize.y,
                          std::max(info.ptMinTrackSize.y, info.ptMaxTrackSize.y));
      self->rect = gfx::Rect::FromXYWH(self->rect.left, self->rect.top, cx, cy);
    }
  }

  CREATESTRUCT cs{.lpCreateParams = param,
                  .hMenu = menuOrId,
                  .hwndParent = parent,
                  .cy = height,
                  .cx = width,
                  .y = y,
                  .x = x,
                  .style = style,
                  .lpszName = windowName.c_str(),
                  .lpszClass = className.c_str(),
                  .dwExStyle = exStyle};
  if (!SendMessage(hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs))) {
    if (Window* self = W(hwnd)) {
      SendMessage(hwnd, WM_NCDESTROY);
      if ((self = W(hwnd))) {
        Unlink(d, *self);
        ForgetWindow(d, hwnd);
        d.Retire(hwnd);
      }
    }
    return nullptr;
  }
  if (Window* self = W(hwnd)) {
    gfx::Rect proposed = self->rect;
    SendMessage(hwnd, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&proposed));
    if ((self = W(hwnd))) {
      proposed.right = std::max(proposed.right, proposed.left);
      proposed.bottom = std::max(proposed.bottom, proposed.top);
      self->client = proposed.Offset(-self->rect.left, -self->rect.top);
    }
  }
  if (!W(hwnd))
    return nullptr;
  if (SendMessage(hwnd, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (Window* self = W(hwnd)) {
    gfx::Rect c = self->client;
    SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.Width(), c.Height()));
  }
  if (Window* self = W(hwnd)) {
    gfx::Point origin = self->rect.TopLeft();
    SendMessage(hwnd, WM_MOVE, 0,
                MAKELPARAM(origin.x + self->client.left, origin.y + self->client.top));
  }
  if (child)
    NotifyParents(hwnd, WM_CREATE, static_cast<LPARAM>(hwnd.id));
  if ((style & WS_VISIBLE) && W(hwnd))
    ShowWindow(hwnd, SW_SHOW);
  return W(hwnd) ? hwnd : nullptr;
}

bool DestroyWindow(HWND hwnd) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  Window* w = W(hwnd);
  if (!w || w->destroying)
    return false;
  w->destroying = true;
  if (w->IsChild())
    NotifyParents(hwnd, WM_DESTROY, static_cast<LPARAM>(hwnd.id));
  if ((w = W(hwnd)) && (w->style & WS_VISIBLE))
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (d.in.active == hwnd)
    ActivateOther(hwnd);
  // Owned windows go first, as their owner's end would leave them orphaned.
  std::vector<HWND> owned;
  for (HWND h : d.topLevels) {
    Window* o = d.Find(h);
    if (o && o->owner == hwnd)
      owned.push_back(h);
  }
  for (HWND h : owned)
    DestroyWindow(h);

  std::vector<HWND> order;
  DestroySubtree(d, hwnd, order);
  for (HWND h : order) {
    if (W(h)) {
      KillWindowTimers(d, h);
      ForgetWindow(d, h);
      SendMessage(h, WM_DESTROY);
    }
  }
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (!W(*it))
      continue;
    KillWindowTimers(d, *it);
    SendMessage(*it, WM_NCDESTROY);
    if (Window* gone = W(*it)) {
      ForgetWindow(d, *it);
      Unlink(d, *gone);
      d.Retire(*it);
    }
  }
  RestackSurfaces(d);
  return true;
}

bool IsWindow(HWND hwnd) {
  return Desktop::Exists() && W(hwnd) != nullptr;
}

bool IsWindowVisible(HWND hwnd) {
  for (Window* w = W(hwnd); w; w = W(w->parent)) {
    if (!(w->style & WS_VISIBLE))
      return false;
    if (!w->IsChild())
      return true;
  }
  return false;
}

bool IsWindowEnabled(HWND hwnd) {
  Window* w = W(hwnd);
  return w && !(w->style & WS_DISABLED);
}

bool IsIconic(HWND hwnd) {
  Window* w = W(hwnd);
  return w && (w->style & WS_MINIMIZE);
}

bool IsChild(HWND parent, HWND hwnd) {
  Window* w = W(hwnd);
  while (w && w->IsChild()) {
    if (w->parent == parent)
      return true;
    w = W(w->parent);
  }
  return false;
}

HWND GetParent(HWND hwnd) {
  Window* w = W(hwnd);
  if (!w)
    return nullptr;
  return w->IsChild() ? w->parent : w->owner;
}

HWND GetAncestor(HWND hwnd, UINT flags) {
  Window* w = W(hwnd);
  if (!w)
    return nullptr;
  switch (flags) {
    case GA_PARENT:
      return w->IsChild() ? w->parent : nullptr;
    case GA_ROOT:
      while (w->IsChild())
        w = W(w->parent);
      return w->hwnd;
    case GA_ROOTOWNER: {
      while (w->IsChild())
        w = W(w->parent);
      while (Window* o = W(w->owner))
        w = o;
      return w->hwnd;
    }
    default:
      return nullptr;
  }
}

HWND GetWindow(HWND hwnd, UINT relation) {
  Desktop& d = D();
  Window* w = W(hwnd);
  if (!w)
    return nullptr;
  if (relation == GW_CHILD)
    return w->children.empty() ? nullptr : w->children.front();
  if (relation == GW_OWNER)
    return w->IsChild() ? nullptr : w->owner;
  const std::vector<HWND>& siblings = w->IsChild() ? W(w->parent)->children : d.topLevels;
  auto it = std::find(siblings.begin(), siblings.end(), hwnd);
  switch (relation) {
    case GW_HWNDFIRST:
      return siblings.front();
    case GW_HWNDLAST:
      return siblings.back();
    case GW_HWNDNEXT:
      return it + 1 < siblings.end() ? *(it + 1) : nullptr;
    case GW_HWNDPREV:
      return it > siblings.begin() ? *(it - 1) : nullptr;
    default:
      return nullptr;
  }
}

HWND GetTopWindow(HWND parent) {
  if (!parent) {
    Desktop& d = D();
    return d.topLevels.empty() ? nullptr : d.topLevels.front();
  }
  return GetWindow(parent, GW_CHILD);
}

HWND SetParent(HWND hwnd, HWND newParent) {
  Desktop::Busy busy(D());
  Window* w = W(hwnd);
  if (!w || !W(newParent) || hwnd == newParent || IsChild(hwnd, newParent) || !w->IsChild())
    return nullptr;
  HWND old = w->parent;
  const bool wasShown = ShownOnScreen(*w);
  const gfx::Rect oldScreen = ScreenRect(*w);
  // The old parent shows again what the child covered.
  if (wasShown) {
    gfx::Rect area = MapWindowRect(nullptr, old, oldScreen);
    RedrawWindow(old, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  }
  std::erase(W(old)->children, hwnd);
  w->parent = newParent;
  Window* p = W(newParent);
  p->children.insert(p->children.begin(), hwnd);
  if (ShownOnScreen(*w))
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return old;
}

LONG_PTR GetWindowLong(HWND hwnd, int index) {
  Window* w = W(hwnd);
  if (!w)
    return 0;
  switch (index) {
    case GWL_STYLE:
      return static_cast<LONG_PTR>(w->style);
    case GWL_EXSTYLE:
      return static_cast<LONG_PTR>(w->exStyle);
    case GWL_ID:
      return static_cast<LONG_PTR>(w->id);
    case GWLP_USERDATA:
      return w->userData;
    case GWLP_HWNDPARENT:
      return static_cast<LONG_PTR>(w->IsChild() ? w->parent.id : w->owner.id);
    default:
      return 0;
  }
}

LONG_PTR SetWindowLong(HWND hwnd, int index, LONG_PTR value) {
  Window* w = W(hwnd);
  if (!w)
    return 0;
  LONG_PTR old = GetWindowLong(hwnd, index);
  switch (index) {
    case GWL_STYLE:
    case GWL_EXSTYLE: {
      STYLESTRUCT ss{static_cast<DWORD>(old), static_cast<DWORD>(value)};
      WPARAM which = static_cast<WPARAM>(static_cast<std::intptr_t>(index));
      SendMessage(hwnd, WM_STYLECHANGING, which, reinterpret_cast<LPARAM>(&ss));
      if (!(w = W(hwnd)))
        return 0;
      (index == GWL_STYLE ? w->style : w->exStyle) = ss.styleNew;
      // A window that stops being layered is opaque again.
      if (index == GWL_EXSTYLE && (ss.styleOld & WS_EX_LAYERED) && !(ss.styleNew & WS_EX_LAYERED) &&
          w->IsTopLevel()) {
        w->alpha = 255;
        D().GetBackend().SetSurfaceAlpha(hwnd, 255);
      }
      SendMessage(hwnd, WM_STYLECHANGED, which, reinterpret_cast<LPARAM>(&ss));
      break;
    }
    case GWL_ID:
      w->id = static_cast<UINT_PTR>(value);
      break;
    case GWLP_USERDATA:
      w->userData = value;
      break;
    default:
      return 0;
  }
  return old;
}

LONG_PTR GetClassLong(HWND hwnd, int index) {
  Window* w = W(hwnd);
  if (!w || index != GCL_STYLE)
    return 0;
  return static_cast<LONG_PTR>(w->windowClass->style);
}

std::string GetClassName(HWND hwnd) {
  Window* w = W(hwnd);
  return w ? w->windowClass->lpszClassName : std::string{};
}

WNDPROC GetWindowProc(HWND hwnd) {
  Window* w = W(hwnd);
  return w ? *w->proc : WNDPROC{};
}

WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc) {
  Window* w = W(hwnd);
  if (!w)
    return {};
  WNDPROC old = *w->proc;
  w->proc = std::make_shared<const WNDPROC>(std::move(proc));
  return old;
}

bool SetWindowText(HWND hwnd, const std::string& text) {
  if (!W(hwnd))
    return false;
  return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())) != 0;
}

int GetWindowTextLength(HWND hwnd) {
  return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH));
}

std::string GetWindowText(HWND hwnd) {
  int length = GetWindowTextLength(hwnd);
  if (length <= 0)
    return {};
  std::string buffer(static_cast<std::size_t>(length) + 1, '\0');
  LRESULT copied =
      SendMessage(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
  buffer.resize(static_cast<std::size_t>(std::clamp<LRESULT>(copied, 0, length)));
  return buffer;
}

int GetDlgCtrlID(HWND hwnd) {
  Window* w = W(hwnd);
  return w && w->IsChild() ? static_cast<int>(w->id) : 0;
}

HWND GetDlgItem(HWND parent, int id) {
  Window* p = W(parent);
  if (!p)
    return nullptr;
  for (HWND c : p->children) {
    if (GetDlgCtrlID(c) == id)
      return c;
  }
  return nullptr;
}

}  // namespace win
