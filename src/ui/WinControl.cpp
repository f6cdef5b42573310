#include "ui/WinControl.h"

#include <algorithm>
#include <unordered_map>

#include "platform/win/Win.h"
#include "ui/Application.h"
#include "ui/Form.h"

namespace {

std::unordered_map<std::uint32_t, TWinControl*>& Registry() {
  static std::unordered_map<std::uint32_t, TWinControl*> controls;
  return controls;
}

// The control whose window is being made; its class procedure binds the
// window to it at the first message, before WM_NCCREATE is handled.
TWinControl* gCreating = nullptr;

win::LRESULT DetachedProc(win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
  return win::DefWindowProc(h, m, w, l);
}

bool IsMouseMessage(win::UINT m) {
  return m >= win::WM_MOUSEMOVE && m <= win::WM_MBUTTONDBLCLK;
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {}

TWinControl::~TWinControl() {
  // Messages sent while the children and the window go must not reach a
  // half-destroyed control.
  if (FHandle)
    win::SetWindowProc(FHandle, DetachedProc);
  ForgetCapture(this);
  // Leaves the parent while still a windowed control, so that the parent's
  // tab order and the form's focus forget it.
  if (FParent)
    FParent->RemoveControl(this);
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    RemoveControl(child);
    delete child;
  }
  DestroyHandle();
}

TWinControl* TWinControl::FindControl(win::HWND Handle) {
  while (Handle) {
    auto it = Registry().find(Handle.id);
    if (it != Registry().end())
      return it->second;
    if (!(win::GetWindowLong(Handle, win::GWL_STYLE) & win::WS_CHILD))
      return nullptr;
    Handle = win::GetParent(Handle);
  }
  return nullptr;
}

// -- Window ------------------------------------------------------------------

void TWinControl::CreateParams(TCreateParams& Params) {
  using namespace win;
  Params.Caption = Text();
  Params.Style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (Visible())
    Params.Style |= WS_VISIBLE;
  if (!Enabled())
    Params.Style |= WS_DISABLED;
  if (FTabStop)
    Params.Style |= WS_TABSTOP;
  Params.X = Left();
  Params.Y = Top();
  Params.Width = Width();
  Params.Height = Height();
  Params.WndParent = FParent ? FParent->Handle() : HWND{};
  Params.WinClassName = "TWinControl";
  Params.WindowClassStyle = CS_DBLCLKS;
}

win::LRESULT TWinControl::InitWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                      win::LPARAM lParam) {
  TWinControl* control = gCreating;
  if (!control)
    return win::DefWindowProc(hwnd, msg, wParam, lParam);
  gCreating = nullptr;
  control->FHandle = hwnd;
  Registry()[hwnd.id] = control;
  win::SetWindowProc(hwnd, [control](win::HWND h, win::UINT m, win::WPARAM w, win::LPARAM l) {
    win::LRESULT r = 0;
    control->MainWndProc(h, m, w, l, r);
    return r;
  });
  win::LRESULT r = 0;
  control->MainWndProc(hwnd, msg, wParam, lParam, r);
  return r;
}

void TWinControl::MainWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam,
                              win::LRESULT& result) {
  TMessage m{msg, wParam, lParam, 0};
  if (msg == win::WM_NCDESTROY) {
    // The window system took the window away (with a parent or an owner):
    // the control makes a new one when next asked.
    DefaultHandler(m);
    Registry().erase(hwnd.id);
    if (FHandle == hwnd)
      FHandle = {};
    result = m.Result;
    return;
  }
  WindowProc(m);
  result = m.Result;
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & win::WS_CHILD) && !params.WndParent)
    throw EComponentError("Control '" + Name() + "' has no parent window");
  std::string cls = params.WinClassName + "#" + std::to_string(params.WindowClassStyle);
  // Registering a class that exists already fails harmlessly; each desktop
  // (a test makes many) has its own classes.
  win::WNDCLASS wc;
  wc.style = params.WindowClassStyle;
  wc.lpfnWndProc = InitWndProc;
  wc.hCursor = win::LoadCursor(nullptr, win::IDC_ARROW);
  wc.lpszClassName = cls;
  win::RegisterClass(wc);
  gCreating = this;
  win::HWND h = win::CreateWindowEx(params.ExStyle, cls, params.Caption, params.Style, params.X,
                                    params.Y, params.Width, params.Height, params.WndParent);
  gCreating = nullptr;
  if (!h)
    throw EComponentError("Cannot create the window of '" + Name() + "'");
  FHandle = h;
  Registry()[h.id] = this;
}

void TWinControl::CreateHandle() {
  if (FHandle)
    return;
  CreateWnd();
  for (TControl* c : std::vector<TControl*>(FControls))
    if (auto* w = dynamic_cast<TWinControl*>(c))
      w->CreateHandle();
}

win::HWND TWinControl::Handle() {
  if (!FHandle) {
    if (FParent)
      FParent->HandleNeeded();
    CreateHandle();
  }
  return FHandle;
}

void TWinControl::DestroyWnd() {
  win::HWND h = FHandle;
  win::SetWindowProc(h, DetachedProc);
  Registry().erase(h.id);
  FHandle = {};
  win::DestroyWindow(h);
}

void TWinControl::DestroyHandle() {
  if (!FHandle)
    return;
  for (TControl* c : FControls)
    if (auto* w = dynamic_cast<TWinControl*>(c))
      w->DestroyHandle();
  DestroyWnd();
}

void TWinControl::RecreateWnd() {
  if (!FHandle)
    return;
  bool focused = Focused();
  DestroyHandle();
  CreateHandle();
  if (focused)
    win::SetFocus(FHandle);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (FHandle)
    Message.Result = win::DefWindowProc(FHandle, Message.Msg, Message.WParam, Message.LParam);
}

// -- Children ----------------------------------------------------------------

void TWinControl::InsertControl(TControl* AControl) {
  FControls.push_back(AControl);
  AControl->FParent = this;
  auto* w = dynamic_cast<TWinControl*>(AControl);
  if (w)
    FTabList.push_back(w);
  AControl->ParentChanged();
  if (FHandle) {
    if (w)
      w->CreateHandle();
    else
      AControl->Invalidate();
  }
}

void TWinControl::RemoveControl(TControl* AControl) {
  if (std::find(FControls.begin(), FControls.end(), AControl) == FControls.end())
    return;
  if (TCustomForm* form = GetParentForm(this))
    form->ControlRemoved(AControl);
  AControl->Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(AControl)) {
    w->DestroyHandle();
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), w), FTabList.end());
  }
  FControls.erase(std::remove(FControls.begin(), FControls.end(), AControl), FControls.end());
  AControl->FParent = nullptr;
}

bool TWinControl::ContainsControl(const TControl* Control) const {
  for (const TControl* c = Control; c; c = c->Parent())
    if (c == this)
      return true;
  return false;
}

TControl* TWinControl::ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls) const {
  auto hit = [&](TControl* c, bool windowed) {
    bool isWin = dynamic_cast<TWinControl*>(c) != nullptr;
    return isWin == windowed && c->Visible() && (AllowDisabled || c->Enabled()) &&
           c->BoundsRect().Contains(Pos);
  };
  // Windowed children lie above every graphic one.
  if (AllowWinControls)
    for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
      if (hit(*it, true))
        return *it;
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it)
    if (hit(*it, false))
      return *it;
  return nullptr;
}

void TWinControl::Broadcast(TMessage& Message) {
  for (TControl* c : std::vector<TControl*>(FControls)) {
    c->WindowProc(Message);
    if (Message.Result != 0)
      return;
  }
}

void TWinControl::NotifyControls(win::UINT Msg) {
  for (TControl* c : std::vector<TControl*>(FControls))
    c->Perform(Msg);
}

// -- Properties --------------------------------------------------------------

void TWinControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  ConstrainSize(AWidth, AHeight);
  if (ALeft == Left() && ATop == Top() && AWidth == Width() && AHeight == Height())
    return;
  bool resized = AWidth != Width() || AHeight != Height();
  StoreBounds(ALeft, ATop, AWidth, AHeight);
  if (FHandle)
    win::SetWindowPos(FHandle, nullptr, ALeft, ATop, std::max(AWidth, 0), std::max(AHeight, 0),
                      win::SWP_NOZORDER | win::SWP_NOACTIVATE);
  if (resized)
    Resize();
}

void TWinControl::SetText(const std::string& Value) {
  if (Value == Text())
    return;
  if (FHandle)
    win::SetWindowText(FHandle, Value);
  TControl::SetText(Value);
}

void TWinControl::SetEnabled(bool Value) {
  if (Value == Enabled())
    return;
  if (FHandle)
    win::EnableWindow(FHandle, Value);
  TControl::SetEnabled(Value);
}

void TWinControl::Invalidate() {
  if (FHandle)
    win::InvalidateRect(FHandle, nullptr, !ControlStyle().Contains(csOpaque));
}

void TWinControl::Repaint() {
  if (FHandle) {
    win::RedrawWindow(
        FHandle, nullptr, nullptr,
        win::RDW_INVALIDATE | win::RDW_ERASE | win::RDW_ALLCHILDREN | win::RDW_UPDATENOW);
  }
}

bool TWinControl::Showing() const {
  return FHandle && win::IsWindowVisible(FHandle);
}

TPoint TWinControl::ClientOrigin() const {
  if (!FHandle)
    return TControl::ClientOrigin();
  gfx::Point p{0, 0};
  win::ClientToScreen(FHandle, p);
  return p;
}

TRect TWinControl::ClientRect() const {
  if (FHandle)
    return win::GetClientRect(FHandle);
  return TControl::ClientRect();
}

void TWinControl::UpdateWindowVisibility() {
  if (!FHandle)
    return;
  if (Visible()) {
    win::ShowWindow(FHandle, win::SW_SHOWNA);
  } else {
    if (TCustomForm* form = GetParentForm(this); form && form != this)
      form->DefocusControl(this, false);
    win::ShowWindow(FHandle, win::SW_HIDE);
  }
}

// -- Painting ----------------------------------------------------------------

void TWinControl::PaintWindow(gfx::DeviceContext*) {}

void TWinControl::PaintControls(gfx::DeviceContext* DC) {
  for (TControl* c : FControls) {
    if (dynamic_cast<TWinControl*>(c) || !c->Visible())
      continue;
    TRect r = c->BoundsRect();
    if (r.IsEmpty() || !DC->RectVisible(r))
      continue;
    gfx::SavedDC saved(*DC);
    DC->IntersectClipRect(r);
    DC->OffsetViewportOrg(r.left, r.top);
    c->Perform(win::WM_PAINT, reinterpret_cast<win::WPARAM>(DC), 0);
  }
}

void TWinControl::PaintHandler(TMessage&) {
  win::PAINTSTRUCT ps;
  gfx::DeviceContext* dc = win::BeginPaint(FHandle, ps);
  if (dc) {
    PaintWindow(dc);
    PaintControls(dc);
  }
  win::EndPaint(FHandle, ps);
}

// -- Messages ----------------------------------------------------------------

bool TWinControl::ForwardMouseToGraphic(TMessage& m) {
  TControl* capture = CaptureControl();
  TControl* target = nullptr;
  if (capture && capture->Parent() == this)
    target = capture;
  else if (capture != this)
    target = ControlAtPos({win::GET_X_LPARAM(m.LParam), win::GET_Y_LPARAM(m.LParam)}, false);
  if (!target)
    return false;
  TMessage inner = m;
  inner.LParam = win::MAKELPARAM(win::GET_X_LPARAM(m.LParam) - target->Left(),
                                 win::GET_Y_LPARAM(m.LParam) - target->Top());
  target->WindowProc(inner);
  m.Result = inner.Result;
  return true;
}

void TWinControl::WndProc(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_PAINT:
      PaintHandler(m);
      return;
    case WM_ERASEBKGND: {
      auto* dc = ParamPointer<gfx::DeviceContext>(m.WParam);
      if (dc && !ControlStyle().Contains(csOpaque))
        dc->FillRect(ClientRect(), gfx::ColorToRGB(Color()));
      m.Result = 1;
      return;
    }
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this))
        form->SetFocusedControl(this);
      DefaultHandler(m);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      WORD key = static_cast<WORD>(m.WParam);
      if (DoKeyDown(key, KeyboardState()))
        return;
      m.WParam = key;
      DefaultHandler(m);
      return;
    }
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      WORD key = static_cast<WORD>(m.WParam);
      if (DoKeyUp(key, KeyboardState()))
        return;
      m.WParam = key;
      DefaultHandler(m);
      return;
    }
    case WM_CHAR: {
      // The whole code point the window system typed, not its low byte.
      char32_t key = static_cast<char32_t>(m.WParam);
      if (DoKeyPress(key))
        return;
      m.WParam = key;
      DefaultHandler(m);
      return;
    }
    case WM_SIZE:
    case WM_MOVE: {
      DefaultHandler(m);
      if (!FHandle)
        return;
      TRect r = GetWindowRect(FHandle);
      if (FParent && FParent->HandleAllocated())
        r = MapWindowRect(nullptr, FParent->Handle(), r);
      bool resized = r.Width() != Width() || r.Height() != Height();
      StoreBounds(r.left, r.top, r.Width(), r.Height());
      if (resized)
        Resize();
      return;
    }
    case WM_SETCURSOR:
      if (LOWORD(static_cast<std::uintptr_t>(m.LParam)) == static_cast<WORD>(HTCLIENT)) {
        TCursor cursor = Screen ? Screen->Cursor() : crDefault;
        if (cursor == crDefault) {
          gfx::Point p;
          GetCursorPos(p);
          TControl* c = ControlAtPos(ScreenToClient(p), false);
          cursor = c && c->Cursor() != crDefault ? c->Cursor() : Cursor();
        }
        if (cursor != crDefault) {
          win::SetCursor(LoadCursor(nullptr, CursorToStockId(cursor)));
          m.Result = 1;
          return;
        }
      }
      DefaultHandler(m);
      return;
    case WM_CONTEXTMENU: {
      TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      if (p.x != -1 || p.y != -1) {
        TControl* c = ControlAtPos(ScreenToClient(p), false);
        if (c && c->PopupMenu()) {
          c->WindowProc(m);
          return;
        }
      }
      TControl::WndProc(m);
      return;
    }
    case WM_MOUSELEAVE:
      // Nothing to do here: the message wakes the application, whose idle
      // step sends the leave notices.
      DefaultHandler(m);
      return;
    case WM_CAPTURECHANGED:
      ForgetCapture(this);
      DefaultHandler(m);
      return;
    case CM_VISIBLECHANGED:
      UpdateWindowVisibility();
      return;
    case CM_ENABLEDCHANGED:
      Invalidate();
      return;
    case CM_FONTCHANGED:
      Invalidate();
      NotifyControls(CM_PARENTFONTCHANGED);
      return;
    case CM_COLORCHANGED:
      Invalidate();
      NotifyControls(CM_PARENTCOLORCHANGED);
      return;
    case CM_SHOWHINTCHANGED:
      for (TControl* c : FControls) {
        if (c->FParentShowHint && c->FShowHint != ShowHint()) {
          c->FShowHint = ShowHint();
          c->Perform(CM_SHOWHINTCHANGED);
        }
      }
      return;
    case CM_ENTER:
      DoEnter();
      return;
    case CM_EXIT:
      DoExit();
      return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
      Broadcast(m);
      return;
    case CM_FOCUSCHANGED:
      for (TControl* c : std::vector<TControl*>(FControls))
        c->Perform(m.Msg, m.WParam, m.LParam);
      return;
    default:
      break;
  }
  if (m.Msg == WM_MOUSEMOVE && FHandle) {
    // Asks to hear when the pointer leaves, so that leaving for a place
    // without windows of ours still ends hover looks and hints.
    TRACKMOUSEEVENT track{.dwFlags = TME_LEAVE, .hwndTrack = FHandle};
    TrackMouseEvent(track);
  }
  if (IsMouseMessage(m.Msg) && ForwardMouseToGraphic(m)) {
    // The window system turns a right click into a context menu request,
    // which then finds the graphic control under the point.
    if (m.Msg == WM_RBUTTONUP)
      DefaultHandler(m);
    return;
  }
  TControl::WndProc(m);
}
