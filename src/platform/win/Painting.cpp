// Painting: update regions, WM_PAINT, device contexts over the backing
// bitmaps, window shapes and presentation.

#include <algorithm>

#include "platform/win/Internal.h"
#include "platform/win/MessageApi.h"
#include "platform/win/PaintApi.h"
#include "platform/win/WindowApi.h"

namespace win {

using namespace detail;

namespace {

Window* RootOf(Window* w) {
  while (w && w->IsChild())
    w = W(w->parent);
  return w;
}

gfx::Rect Bounds(const Window& w) {
  return {0, 0, w.rect.Width(), w.rect.Height()};
}

// The window's origin in its top-level window, which is where it lands in
// the backing bitmap.
gfx::Point OriginInRoot(const Window& w) {
  gfx::Point screen = WindowOriginOnScreen(w);
  Window* root = RootOf(const_cast<Window*>(&w));
  return {screen.x - root->rect.left, screen.y - root->rect.top};
}

// A window's rectangle and shape in backing coordinates.
gfx::Region ShapeInRoot(const Window& w) {
  gfx::Point org = OriginInRoot(w);
  gfx::Region shape(Bounds(w).Offset(org.x, org.y));
  if (w.region)
    shape &= w.region->Offset(org.x, org.y);
  return shape;
}

void SubtractVisibleShapes(gfx::Region& vis, const std::vector<HWND>& windows) {
  for (HWND h : windows) {
    Window* o = W(h);
    if (o && (o->style & WS_VISIBLE))
      vis -= ShapeInRoot(*o);
  }
}

// The part of the window (its client area, or all of it) that shows in the
// backing bitmap: inside every ancestor's client area and shape, below no
// clipping sibling, and without its children when asked.
gfx::Region VisibleRegion(const Window& w, bool clientOnly, bool clipChildren) {
  if (!ShownOnScreen(w))
    return {};
  gfx::Point org = OriginInRoot(w);
  gfx::Rect area = clientOnly ? w.client : Bounds(w);
  gfx::Region vis(area.Offset(org.x, org.y));
  if (w.region)
    vis &= w.region->Offset(org.x, org.y);
  for (const Window* c = &w; c->IsChild();) {
    const Window* p = W(c->parent);
    gfx::Point porg = OriginInRoot(*p);
    vis &= gfx::Region(p->client.Offset(porg.x, porg.y));
    if (p->region)
      vis &= p->region->Offset(porg.x, porg.y);
    if (c->style & WS_CLIPSIBLINGS) {
      auto self = std::find(p->children.begin(), p->children.end(), c->hwnd);
      SubtractVisibleShapes(vis, std::vector<HWND>(p->children.begin(), self));
    }
    c = p;
  }
  if (clipChildren)
    SubtractVisibleShapes(vis, w.children);
  return vis;
}

void EnsureBacking(Desktop& d, Window& root) {
  gfx::Size size = root.rect.GetSize();
  if (root.backing.GetSize() == size)
    return;
  gfx::Bitmap fresh =
      d.GetBackend().CreateBacking(root.hwnd, {std::max(size.cx, 0), std::max(size.cy, 0)});
  if (!root.backing.IsEmpty() && !fresh.IsEmpty()) {
    gfx::DeviceContext dc(fresh);
    dc.BitBlt(0, 0, root.backing.Width(), root.backing.Height(), root.backing, 0, 0);
  }
  root.backing = std::move(fresh);
}

void Invalidate(Window& w, gfx::Region rgn, UINT flags) {
  if (!ShownOnScreen(w))
    return;
  rgn &= gfx::Region(Bounds(w));
  gfx::Region clientPart = rgn.Intersect(gfx::Region(w.client));
  if (flags & RDW_INVALIDATE) {
    if (flags & RDW_FRAME) {
      if (!rgn.Subtract(clientPart).IsEmpty())
        w.ncPaint = true;
      w.update |= rgn;
    } else {
      w.update |= clientPart;
    }
    if ((flags & RDW_ERASE) && !clientPart.IsEmpty())
      w.erase = true;
  }
  if (flags & RDW_INTERNALPAINT)
    w.internalPaint = true;
  if (flags & RDW_VALIDATE) {
    w.update -= (flags & RDW_FRAME) ? rgn : clientPart;
    if (!w.update.Intersects(w.client))
      w.erase = false;
    if (w.update.Subtract(gfx::Region(w.client)).IsEmpty())
      w.ncPaint = false;
  }
  if (flags & RDW_NOINTERNALPAINT)
    w.internalPaint = false;
  bool children =
      (flags & RDW_ALLCHILDREN) || (!(flags & RDW_NOCHILDREN) && !(w.style & WS_CLIPCHILDREN));
  if (!children || clientPart.IsEmpty())
    return;
  for (HWND h : w.children) {
    if (Window* c = W(h)) {
      gfx::Point off{w.client.left + c->rect.left, w.client.top + c->rect.top};
      if (clientPart.Intersects(c->rect.Offset(w.client.left, w.client.top)))
        Invalidate(*c, clientPart.Offset(-off.x, -off.y), flags);
    }
  }
}

bool NeedsPaint(const Window& w) {
  return !w.update.IsEmpty() || w.internalPaint;
}

// Parents before children, lower siblings before higher ones, so that
// whatever paints last is what lies on top.
Window* FindPaintable(Window& w, HWND filter) {
  if (!ShownOnScreen(w))
    return nullptr;
  if (NeedsPaint(w) && (!filter || filter == w.hwnd || IsChild(filter, w.hwnd)))
    return &w;
  for (auto it = w.children.rbegin(); it != w.children.rend(); ++it) {
    if (Window* c = W(*it)) {
      if (Window* found = FindPaintable(*c, filter))
        return found;
    }
  }
  return nullptr;
}

HDC MakeDC(Desktop& d, Window& w, bool clientOnly, const gfx::Region* limit) {
  Window* root = RootOf(&w);
  EnsureBacking(d, *root);
  gfx::Region vis = VisibleRegion(w, clientOnly, (w.style & WS_CLIPCHILDREN) != 0);
  if (limit)
    vis &= *limit;
  gfx::Point org = OriginInRoot(w);
  if (clientOnly)
    org = {org.x + w.client.left, org.y + w.client.top};
  auto dc = std::make_unique<gfx::DeviceContext>(root->backing, org, vis);
  HDC hdc = dc.get();
  d.dcs.push_back(DcRecord{w.hwnd, root->hwnd, std::move(dc), std::move(vis)});
  return hdc;
}

void UpdateNow(HWND hwnd, bool children) {
  Window* w = W(hwnd);
  if (!w || !ShownOnScreen(*w))
    return;
  if (NeedsPaint(*w))
    SendMessage(hwnd, WM_PAINT);
  if (!children || !(w = W(hwnd)))
    return;
  std::vector<HWND> list(w->children.rbegin(), w->children.rend());
  for (HWND c : list)
    UpdateNow(c, true);
}

void EraseNow(HWND hwnd) {
  Window* w = W(hwnd);
  if (!w)
    return;
  if (w->ncPaint) {
    w->ncPaint = false;
    SendMessage(hwnd, WM_NCPAINT, 1, 0);
  }
  if ((w = W(hwnd)) && w->erase) {
    w->erase = false;
    gfx::Point org = OriginInRoot(*w);
    gfx::Region limit = w->update.Intersect(gfx::Region(w->client)).Offset(org.x, org.y);
    HDC dc = MakeDC(D(), *w, true, &limit);
    SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(hwnd, dc);
  }
}

}  // namespace

namespace detail {

bool TakePaintMessage(Desktop& d, HWND filter, MSG& out) {
  for (HWND h : d.topLevels) {
    Window* w = d.Find(h);
    if (!w)
      continue;
    if (Window* found = FindPaintable(*w, filter)) {
      out = MSG{found->hwnd, WM_PAINT, 0, 0, d.Now(), d.in.cursorPos};
      return true;
    }
  }
  return false;
}

void OnGeometryChanged(HWND hwnd, const gfx::Rect& oldScreen, bool wasShown) {
  Desktop& d = D();
  Window* w = W(hwnd);
  if (!w)
    return;
  const bool shown = ShownOnScreen(*w);
  const gfx::Rect now = ScreenRect(*w);
  if (w->IsChild()) {
    Window* p = W(w->parent);
    if (wasShown && p) {
      gfx::Point org = ClientOriginOnScreen(*p);
      gfx::Region old(oldScreen.Offset(-org.x + p->client.left, -org.y + p->client.top));
      Invalidate(*p, old, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    if (shown)
      Invalidate(*w, gfx::Region(Bounds(*w)),
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return;
  }
  if (shown && (!wasShown || now.GetSize() != oldScreen.GetSize()))
    Invalidate(*w, gfx::Region(Bounds(*w)),
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  // Windows below that this one no longer covers are told, although their
  // own pixels never got lost.
  if (wasShown && (!shown || now != oldScreen)) {
    std::vector<HWND> tops = d.topLevels;
    auto self = std::find(tops.begin(), tops.end(), hwnd);
    for (auto it = self == tops.end() ? tops.begin() : self + 1; it != tops.end(); ++it) {
      Window* below = W(*it);
      if (below && ShownOnScreen(*below) && !ScreenRect(*below).Intersect(oldScreen).IsEmpty())
        SendMessage(*it, WM_SYNCPAINT);
    }
  }
}

void PresentDamage(Desktop& d) {
  for (HWND h : d.topLevels) {
    Window* w = d.Find(h);
    if (!w || w->damage.IsEmpty())
      continue;
    gfx::Region shown = w->damage.Intersect(gfx::Region(w->backing.Bounds()));
    if (w->region)
      shown &= *w->region;
    w->damage.Clear();
    if (ShownOnScreen(*w) && !shown.IsEmpty())
      d.GetBackend().Present(h, w->backing, shown);
  }
}

}  // namespace detail

HDC BeginPaint(HWND hwnd, PAINTSTRUCT& ps) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  ps = PAINTSTRUCT{};
  Window* w = W(hwnd);
  if (!w)
    return nullptr;
  if (w->ncPaint) {
    w->ncPaint = false;
    SendMessage(hwnd, WM_NCPAINT, 1, 0);
    if (!(w = W(hwnd)))
      return nullptr;
  }
  gfx::Region paint = w->update.Intersect(gfx::Region(w->client));
  w->update.Clear();
  w->internalPaint = false;
  const bool erase = w->erase;
  w->erase = false;
  gfx::Point org = OriginInRoot(*w);
  gfx::Region limit = paint.Offset(org.x, org.y);
  ps.hdc = MakeDC(d, *w, true, &limit);
  ps.rcPaint = paint.Bounds().Offset(-w->client.left, -w->client.top);
  if (erase)
    ps.fErase =
        SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(ps.hdc), 0) ? FALSE : TRUE;
  return ps.hdc;
}

bool EndPaint(HWND hwnd, const PAINTSTRUCT& ps) {
  return ReleaseDC(hwnd, ps.hdc) != 0;
}

HDC GetDC(HWND hwnd) {
  Desktop& d = D();
  if (!hwnd) {
    if (d.screenScratch.IsEmpty())
      d.screenScratch = gfx::Bitmap(1, 1);
    auto dc = std::make_unique<gfx::DeviceContext>(d.screenScratch);
    HDC hdc = dc.get();
    d.dcs.push_back(DcRecord{nullptr, nullptr, std::move(dc), gfx::Region{}});
    return hdc;
  }
  Window* w = W(hwnd);
  return w ? MakeDC(d, *w, true, nullptr) : nullptr;
}

HDC GetWindowDC(HWND hwnd) {
  Window* w = W(hwnd);
  return w ? MakeDC(D(), *w, false, nullptr) : nullptr;
}

HDC GetDCEx(HWND hwnd, const gfx::Region* clip, UINT flags) {
  Window* w = W(hwnd);
  if (!w)
    return nullptr;
  const bool clientOnly = !(flags & DCX_WINDOW);
  if (!(flags & (DCX_INTERSECTRGN | DCX_EXCLUDERGN)) || clip == nullptr)
    return MakeDC(D(), *w, clientOnly, nullptr);
  const gfx::Rect root = ScreenRect(*RootOf(w));
  gfx::Region limit = clip->Offset(-root.left, -root.top);
  if (!(flags & DCX_INTERSECTRGN))
    limit = gfx::Region(gfx::Rect{0, 0, root.Width(), root.Height()}).Subtract(limit);
  return MakeDC(D(), *w, clientOnly, &limit);
}

int ReleaseDC(HWND, HDC dc) {
  Desktop& d = D();
  auto it =
      std::find_if(d.dcs.begin(), d.dcs.end(), [&](const DcRecord& r) { return r.dc.get() == dc; });
  if (it == d.dcs.end())
    return 0;
  if (Window* root = W(it->root))
    root->damage |= it->visible;
  d.dcs.erase(it);
  return 1;
}

bool RedrawWindow(HWND hwnd, const gfx::Rect* rect, const gfx::Region* region, UINT flags) {
  Desktop::Busy busy(D());
  Window* w = W(hwnd);
  if (!w)
    return false;
  gfx::Region rgn;
  if (region)
    rgn = region->Offset(w->client.left, w->client.top);
  else if (rect)
    rgn = gfx::Region(rect->Offset(w->client.left, w->client.top));
  else
    rgn = gfx::Region((flags & RDW_FRAME) ? Bounds(*w) : w->client);
  Invalidate(*w, rgn, flags);
  if (flags & RDW_UPDATENOW)
    UpdateNow(hwnd, (flags & RDW_ALLCHILDREN) != 0);
  else if (flags & RDW_ERASENOW)
    EraseNow(hwnd);
  return true;
}

bool InvalidateRect(HWND hwnd, const gfx::Rect* rect, bool erase) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool InvalidateRgn(HWND hwnd, const gfx::Region* region, bool erase) {
  return RedrawWindow(hwnd, nullptr, region, RDW_INVALIDATE | (erase ? RDW_ERASE : 0));
}

bool ValidateRect(HWND hwnd, const gfx::Rect* rect) {
  return RedrawWindow(hwnd, rect, nullptr, RDW_VALIDATE | RDW_NOCHILDREN);
}

bool UpdateWindow(HWND hwnd) {
  if (!IsWindow(hwnd))
    return false;
  Desktop::Busy busy(D());
  UpdateNow(hwnd, false);
  return true;
}

bool GetUpdateRect(HWND hwnd, gfx::Rect* rect, bool erase) {
  Window* w = W(hwnd);
  if (!w)
    return false;
  gfx::Region client = w->update.Intersect(gfx::Region(w->client));
  if (rect)
    *rect = client.Bounds().Offset(-w->client.left, -w->client.top);
  if (erase && !client.IsEmpty())
    EraseNow(hwnd);
  return !client.IsEmpty();
}

int SetWindowRgn(HWND hwnd, std::optional<gfx::Region> region, bool redraw) {
  Desktop& d = D();
  Desktop::Busy busy(d);
  Window* w = W(hwnd);
  if (!w)
    return 0;
  const bool shown = ShownOnScreen(*w);
  const gfx::Rect screen = ScreenRect(*w);
  w->region = std::move(region);
  if (w->IsTopLevel())
    d.GetBackend().SetSurfaceShape(hwnd, w->region ? &*w->region : nullptr);
  if (redraw && shown) {
    if (w->IsChild())
      OnGeometryChanged(hwnd, screen, true);
    else
      Invalidate(*w, gfx::Region(Bounds(*w)),
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  return 1;
}

std::optional<gfx::Region> GetWindowRgn(HWND hwnd) {
  Window* w = W(hwnd);
  return w ? w->region : std::nullopt;
}

void GdiFlush() {
  PresentDamage(D());
}

}  // namespace win
