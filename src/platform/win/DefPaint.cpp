// What the default procedure paints: the classic frame and caption of a
// window with a border or caption style, and the class background.

#include "platform/gfx/Color.h"
#include "platform/win/Internal.h"
#include "platform/win/PaintApi.h"
#include "platform/win/ScreenApi.h"
#include "platform/win/WindowApi.h"

namespace win::detail {

namespace {

// Two one-pixel edges: top and left in one colour, bottom and right in the
// other.
void DrawEdge(gfx::DeviceContext& dc, const gfx::Rect& r, gfx::ColorRef topLeft,
              gfx::ColorRef bottomRight) {
  dc.FillRect({r.left, r.top, r.right, r.top + 1}, topLeft);
  dc.FillRect({r.left, r.top, r.left + 1, r.bottom}, topLeft);
  dc.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  dc.FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

// The whole frame, or only the caption band when that is all that changed.
void DrawDefaultFrame(HWND hwnd, bool captionOnly) {
  Window* w = W(hwnd);
  if (!w)
    return;
  gfx::Rect bounds{0, 0, w->rect.Width(), w->rect.Height()};
  if (w->client == bounds)
    return;
  const gfx::Rect client = w->client;
  const bool active = w->frameActive;
  const bool captioned = (w->style & WS_CAPTION) == WS_CAPTION;
  const bool thin =
      !(w->style & (WS_THICKFRAME | WS_DLGFRAME)) && !(w->exStyle & WS_EX_DLGMODALFRAME);
  const int captionHeight = captioned ? (client.top - (thin ? 1 : client.left)) : 0;
  const int b = thin ? 1 : client.left;
  const gfx::Rect band{b, b, bounds.right - b, b + captionHeight - 1};
  const bool banded = captioned && captionHeight > 1;
  if (captionOnly && !banded)
    return;

  // The client area is left out of the context, so that only the frame
  // goes to the screen again; a caption painted alone sends only its band.
  const gfx::Point origin = ScreenRect(*w).TopLeft();
  const gfx::Region inside(client.Offset(origin.x, origin.y));
  HDC dc = nullptr;
  if (captionOnly) {
    const gfx::Region part = gfx::Region(band.Offset(origin.x, origin.y)).Subtract(inside);
    dc = GetDCEx(hwnd, &part, DCX_WINDOW | DCX_INTERSECTRGN);
  } else {
    dc = GetDCEx(hwnd, &inside, DCX_WINDOW | DCX_EXCLUDERGN);
  }
  if (!dc)
    return;
  if (!captionOnly && thin) {
    dc->FrameRect(bounds, gfx::clWindowFrame);
  } else if (!captionOnly) {
    dc->FillRect(bounds, gfx::clBtnFace);
    DrawEdge(*dc, bounds, gfx::cl3DLight, gfx::cl3DDkShadow);
    DrawEdge(*dc, {1, 1, bounds.right - 1, bounds.bottom - 1}, gfx::clBtnHighlight,
             gfx::clBtnShadow);
  }
  if (banded) {
    dc->FillRect(band, active ? gfx::clActiveCaption : gfx::clInactiveCaption);
    dc->SetBkMode(gfx::TRANSPARENT);
    dc->SetTextColor(active ? gfx::clCaptionText : gfx::clInactiveCaptionText);
    gfx::Rect textRect{band.left + 4, band.top, band.right - 4, band.bottom};
    dc->DrawText(w->text, textRect, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_NOPREFIX);
  }
  ReleaseDC(hwnd, dc);
}

}  // namespace

void DrawDefaultCaption(HWND hwnd) {
  DrawDefaultFrame(hwnd, true);
}

LRESULT DefaultPaint(HWND hwnd, UINT message, WPARAM wParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      BeginPaint(hwnd, ps);
      EndPaint(hwnd, ps);
      return 0;
    }
    case WM_ERASEBKGND: {
      Window* w = W(hwnd);
      auto* dc = ParamPointer<gfx::DeviceContext>(wParam);
      if (!w || !dc || !w->windowClass->hbrBackground)
        return 0;
      dc->FillRect(GetClientRect(hwnd), *w->windowClass->hbrBackground);
      return 1;
    }
    case WM_NCPAINT:
      DrawDefaultFrame(hwnd, false);
      return 0;
    default:
      return 0;
  }
}

}  // namespace win::detail
