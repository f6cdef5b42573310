#include "ui/Control.h"

#include <algorithm>

#include "platform/sys/Encoding.h"
#include "platform/win/Win.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Menus.h"
#include "ui/WinControl.h"

namespace {

TControl* gCaptureControl = nullptr;

}  // namespace

int CursorToStockId(TCursor cursor) {
  switch (cursor) {
    case crCross:
      return win::IDC_CROSS;
    case crIBeam:
      return win::IDC_IBEAM;
    case crSizeNESW:
      return win::IDC_SIZENESW;
    case crSizeNS:
      return win::IDC_SIZENS;
    case crSizeNWSE:
      return win::IDC_SIZENWSE;
    case crSizeWE:
      return win::IDC_SIZEWE;
    case crHourGlass:
      return win::IDC_WAIT;
    case crNo:
      return win::IDC_NO;
    case crSizeAll:
      return win::IDC_SIZEALL;
    case crHandPoint:
      return win::IDC_HAND;
    default:
      return win::IDC_ARROW;
  }
}

TShiftState KeyboardState() {
  TShiftState s;
  if (win::GetKeyState(win::VK_SHIFT) & 0x8000)
    s.Include(ssShift);
  if (win::GetKeyState(win::VK_CONTROL) & 0x8000)
    s.Include(ssCtrl);
  if (win::GetKeyState(win::VK_MENU) & 0x8000)
    s.Include(ssAlt);
  return s;
}

TShiftState MouseShiftState(win::WPARAM keys) {
  TShiftState s;
  if (keys & win::MK_SHIFT)
    s.Include(ssShift);
  if (keys & win::MK_CONTROL)
    s.Include(ssCtrl);
  if (keys & win::MK_LBUTTON)
    s.Include(ssLeft);
  if (keys & win::MK_RBUTTON)
    s.Include(ssRight);
  if (keys & win::MK_MBUTTON)
    s.Include(ssMiddle);
  if (win::GetKeyState(win::VK_MENU) & 0x8000)
    s.Include(ssAlt);
  return s;
}

bool IsAccel(unsigned Char, const std::string& Caption) {
  for (std::size_t i = 0; i + 1 < Caption.size(); ++i) {
    if (Caption[i] != '&')
      continue;
    // "&&" is a literal ampersand, not a mark.
    if (Caption[i + 1] == '&') {
      ++i;
      continue;
    }
    // The marked character is a whole one ("&Über" is marked by "Ü"),
    // matched regardless of letter case.
    const std::string_view marked = sys::TruncateUtf8(std::string_view(Caption).substr(i + 1), 1);
    const std::string typed = sys::EncodeUtf8(static_cast<char32_t>(Char));
    return !typed.empty() && sys::EqualsIgnoreCase(marked, typed);
  }
  return false;
}

TCustomForm* GetParentForm(const TControl* Control) {
  const TControl* c = Control;
  while (c && c->Parent())
    c = c->Parent();
  return dynamic_cast<TCustomForm*>(const_cast<TControl*>(c));
}

// -- TControl ----------------------------------------------------------------

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
  WindowProc = [this](TMessage& m) { WndProc(m); };
  FFont.OnChange = [this](TObject*) { FontChanged(); };
  FControlStyle = {csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
}

TControl::~TControl() {
  if (Application)
    Application->ControlDestroyed(this);
  if (gCaptureControl == this)
    gCaptureControl = nullptr;
  if (FParent)
    FParent->RemoveControl(this);
}

void TControl::SetParent(TWinControl* AParent) {
  if (AParent == FParent)
    return;
  if (AParent == this)
    throw EComponentError("A control cannot be its own parent");
  if (FParent)
    FParent->RemoveControl(this);
  if (AParent)
    AParent->InsertControl(this);
}

void TControl::StoreBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  FLeft = ALeft;
  FTop = ATop;
  FWidth = std::max(AWidth, 0);
  FHeight = std::max(AHeight, 0);
}

void TControl::ConstrainSize(int& AWidth, int& AHeight) const {
  if (FConstraints.MaxWidth > 0)
    AWidth = std::min(AWidth, FConstraints.MaxWidth);
  if (FConstraints.MaxHeight > 0)
    AHeight = std::min(AHeight, FConstraints.MaxHeight);
  AWidth = std::max(AWidth, FConstraints.MinWidth);
  AHeight = std::max(AHeight, FConstraints.MinHeight);
}

void TControl::SetConstraints(const TSizeConstraints& Value) {
  FConstraints = Value;
  SetBounds(FLeft, FTop, FWidth, FHeight);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  ConstrainSize(AWidth, AHeight);
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight)
    return;
  bool resized = AWidth != FWidth || AHeight != FHeight;
  // The old and the new place both need painting on the parent.
  Invalidate();
  StoreBounds(ALeft, ATop, AWidth, AHeight);
  Invalidate();
  if (resized)
    Resize();
}

void TControl::Resize() {
  if (OnResize)
    OnResize(this);
}

TPoint TControl::ClientOrigin() const {
  if (!FParent)
    return {FLeft, FTop};
  TPoint p = FParent->ClientOrigin();
  return {p.x + FLeft, p.y + FTop};
}

TPoint TControl::ClientToScreen(TPoint P) const {
  TPoint o = ClientOrigin();
  return {P.x + o.x, P.y + o.y};
}

TPoint TControl::ScreenToClient(TPoint P) const {
  TPoint o = ClientOrigin();
  return {P.x - o.x, P.y - o.y};
}

bool TControl::Showing() const {
  return FVisible && FParent && FParent->Showing();
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible)
    return;
  if (!Value)
    Invalidate();
  FVisible = Value;
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
  if (Value)
    Invalidate();
}

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled)
    return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetText(const std::string& Value) {
  if (Value == FText)
    return;
  FText = Value;
  Perform(CM_TEXTCHANGED);
}

void TControl::FontChanged() {
  if (!FUpdatingFont)
    FParentFont = false;
  Perform(CM_FONTCHANGED);
}

void TControl::SetParentFont(bool Value) {
  FParentFont = Value;
  if (Value && FParent)
    Perform(CM_PARENTFONTCHANGED);
}

void TControl::SetColor(TColor Value) {
  if (Value == FColor)
    return;
  FColor = Value;
  FParentColor = false;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  FParentColor = Value;
  if (Value && FParent)
    Perform(CM_PARENTCOLORCHANGED);
}

void TControl::SetCursor(TCursor Value) {
  if (Value == FCursor)
    return;
  FCursor = Value;
  Perform(CM_CURSORCHANGED);
}

void TControl::SetShowHint(bool Value) {
  FShowHint = Value;
  FParentShowHint = false;
  Perform(CM_SHOWHINTCHANGED);
}

void TControl::SetParentShowHint(bool Value) {
  FParentShowHint = Value;
  if (Value && FParent) {
    FShowHint = FParent->ShowHint();
    Perform(CM_SHOWHINTCHANGED);
  }
}

void TControl::ParentChanged() {
  if (!FParent)
    return;
  if (FParentFont)
    Perform(CM_PARENTFONTCHANGED);
  if (FParentColor)
    Perform(CM_PARENTCOLORCHANGED);
  if (FParentShowHint)
    FShowHint = FParent->ShowHint();
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  if (Value == FPopupMenu)
    return;
  if (FPopupMenu)
    FPopupMenu->RemoveFreeNotification(this);
  FPopupMenu = Value;
  if (FPopupMenu)
    FPopupMenu->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == TOperation::opRemove && AComponent == FPopupMenu)
    FPopupMenu = nullptr;
}

win::LRESULT TControl::Perform(win::UINT Msg, win::WPARAM WParam, win::LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  WindowProc(m);
  return m.Result;
}

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated() || !FVisible)
    return;
  TRect r = BoundsRect();
  win::InvalidateRect(FParent->Handle(), &r, !FControlStyle.Contains(csOpaque));
}

void TControl::Update() {
  if (FParent && FParent->HandleAllocated())
    win::UpdateWindow(FParent->Handle());
}

void TControl::Repaint() {
  Invalidate();
  Update();
}

void TControl::BringToFront() {
  if (!FParent)
    return;
  auto& list = FParent->FControls;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.push_back(this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    win::SetWindowPos(w->Handle(), win::HWND_TOP, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
  Invalidate();
}

void TControl::SendToBack() {
  if (!FParent)
    return;
  auto& list = FParent->FControls;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  list.insert(list.begin(), this);
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
    win::SetWindowPos(w->Handle(), win::HWND_BOTTOM, 0, 0, 0, 0,
                      win::SWP_NOMOVE | win::SWP_NOSIZE | win::SWP_NOACTIVATE);
  Invalidate();
}

TControl* TControl::CaptureControl() {
  return gCaptureControl;
}

void TControl::ForgetCapture(const TControl* Holder) {
  if (gCaptureControl && (gCaptureControl == Holder || gCaptureControl->Parent() == Holder))
    gCaptureControl = nullptr;
}

bool TControl::MouseCapture() const {
  return gCaptureControl == this;
}

void TControl::SetMouseCapture(bool Value) {
  if (Value == MouseCapture())
    return;
  if (Value) {
    auto* self = dynamic_cast<TWinControl*>(this);
    TWinControl* holder = self ? self : FParent;
    if (!holder)
      return;
    win::SetCapture(holder->Handle());
    gCaptureControl = this;
  } else {
    gCaptureControl = nullptr;
    win::ReleaseCapture();
  }
}

void TControl::Click() {
  if (OnClick)
    OnClick(this);
}

void TControl::DblClick() {
  if (OnDblClick)
    OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseDown)
    OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (OnMouseUp)
    OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  if (OnMouseMove)
    OnMouseMove(this, Shift, X, Y);
}

void TControl::HandleMouse(TMessage& m) {
  using namespace win;
  int x = GET_X_LPARAM(m.LParam);
  int y = GET_Y_LPARAM(m.LParam);
  TShiftState shift = MouseShiftState(m.WParam);
  UINT msg = m.Msg;
  // A control that does not take double clicks sees the second press as an
  // ordinary one.
  bool dbl = msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDBLCLK;
  if (dbl && !FControlStyle.Contains(csDoubleClicks)) {
    msg -= 2;
    dbl = false;
  }
  // A press here ends what another control of the form has open.
  if (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONDBLCLK || msg == WM_RBUTTONDOWN ||
      msg == WM_RBUTTONDBLCLK || msg == WM_MBUTTONDOWN || msg == WM_MBUTTONDBLCLK) {
    if (TCustomForm* form = GetParentForm(this))
      form->SendCancelMode(this);
  }
  switch (msg) {
    case WM_MOUSEMOVE:
      if (Application)
        Application->HintMouseMessage(this, {x, y});
      MouseMove(shift, x, y);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(true);
      if (FControlStyle.Contains(csClickEvents) && !dbl)
        IncludeControlState(csClicked);
      if (dbl)
        DblClick();
      if (dbl)
        shift.Include(ssDouble);
      MouseDown(mbLeft, shift, x, y);
      break;
    case WM_LBUTTONUP: {
      if (FControlStyle.Contains(csCaptureMouse))
        SetMouseCapture(false);
      bool clicked = FControlState.Contains(csClicked);
      ExcludeControlState(csClicked);
      if (clicked && ClientRect().Contains({x, y}))
        Click();
      MouseUp(mbLeft, shift, x, y);
      break;
    }
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
      if (dbl)
        shift.Include(ssDouble);
      MouseDown(mbRight, shift, x, y);
      break;
    case WM_RBUTTONUP:
      MouseUp(mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      if (dbl)
        shift.Include(ssDouble);
      MouseDown(mbMiddle, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, shift, x, y);
      break;
    default:
      break;
  }
}

void TControl::WndProc(TMessage& m) {
  using namespace win;
  if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK) {
    HandleMouse(m);
    // The rest of a right click (the context menu) is the window system's.
    if (m.Msg == WM_RBUTTONUP)
      DefaultHandler(m);
    return;
  }
  switch (m.Msg) {
    case CM_PARENTFONTCHANGED:
      if (FParentFont && FParent) {
        FUpdatingFont = true;
        FFont.Assign(FParent->Font());
        FUpdatingFont = false;
      }
      return;
    case CM_PARENTCOLORCHANGED:
      if (FParentColor && FParent) {
        FColor = FParent->Color();
        Perform(CM_COLORCHANGED);
        FParentColor = true;
      }
      return;
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      Invalidate();
      return;
    case WM_CONTEXTMENU:
      if (FPopupMenu && FPopupMenu->AutoPopup()) {
        TPoint p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
        // A context menu asked for from the keyboard comes without a point.
        if (p.x == -1 && p.y == -1)
          p = ClientToScreen({FWidth / 2, FHeight / 2});
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(p.x, p.y);
        m.Result = 1;
        return;
      }
      DefaultHandler(m);
      return;
    default:
      DefaultHandler(m);
  }
}

void TControl::DefaultHandler(TMessage&) {}
