// The keyboard side of windowed controls: the tab order, the focus, and key
// messages with their dialog-key and shortcut handling.

#include <algorithm>

#include "platform/win/Win.h"
#include "ui/Form.h"
#include "ui/WinControl.h"

// -- Tab order and focus -----------------------------------------------------

int TWinControl::TabOrder() const {
  if (!FParent)
    return -1;
  auto& list = FParent->FTabList;
  auto it = std::find(list.begin(), list.end(), this);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

void TWinControl::SetTabOrder(int Value) {
  if (!FParent)
    return;
  auto& list = FParent->FTabList;
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
  Value = std::clamp(Value, 0, static_cast<int>(list.size()));
  list.insert(list.begin() + Value, this);
}

void TWinControl::SetTabStop(bool Value) {
  if (Value == FTabStop)
    return;
  FTabStop = Value;
  if (FHandle) {
    win::LONG_PTR style = win::GetWindowLong(FHandle, win::GWL_STYLE);
    style =
        Value ? (style | win::WS_TABSTOP) : (style & ~static_cast<win::LONG_PTR>(win::WS_TABSTOP));
    win::SetWindowLong(FHandle, win::GWL_STYLE, style);
  }
}

void TWinControl::GetTabOrderList(std::vector<TWinControl*>& List) {
  for (TWinControl* w : FTabList) {
    List.push_back(w);
    w->GetTabOrderList(List);
  }
}

TWinControl* TWinControl::FindNextControl(TWinControl* CurControl, bool GoForward,
                                          bool CheckTabStop, bool CheckParent) {
  std::vector<TWinControl*> list;
  GetTabOrderList(list);
  if (list.empty())
    return nullptr;
  const int count = static_cast<int>(list.size());
  auto found = std::find(list.begin(), list.end(), CurControl);
  int start =
      found == list.end() ? (GoForward ? count - 1 : 0) : static_cast<int>(found - list.begin());
  int i = start;
  do {
    i = GoForward ? (i + 1) % count : (i + count - 1) % count;
    TWinControl* c = list[i];
    if (c->CanFocus() && (!CheckTabStop || c->TabStop()) && (!CheckParent || c->Parent() == this))
      return c;
  } while (i != start);
  return nullptr;
}

void TWinControl::SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop) {
  if (TWinControl* next = FindNextControl(CurControl, GoForward, CheckTabStop, !CheckTabStop))
    next->SetFocus();
}

bool TWinControl::CanFocus() const {
  const TCustomForm* form = GetParentForm(this);
  if (form && !(form->Visible() && form->Enabled()))
    return false;
  for (const TControl* c = this; c && c != form; c = c->Parent())
    if (!(c->Visible() && c->Enabled()))
      return false;
  return true;
}

bool TWinControl::Focused() const {
  return FHandle && win::GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this); form && form != this)
    form->FocusControl(this);
  else if (CanFocus())
    win::SetFocus(Handle());
}

// -- Keyboard ----------------------------------------------------------------

bool TWinControl::PreProcessKey(const win::MSG& Msg) {
  using namespace win;
  TCustomForm* form = GetParentForm(this);
  switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      if (form && form->IsShortCut(Msg))
        return true;
      LRESULT mask = 0;
      switch (Msg.wParam) {
        case VK_TAB:
          mask = DLGC_WANTTAB;
          break;
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN:
          mask = DLGC_WANTARROWS;
          break;
        case VK_RETURN:
        case VK_ESCAPE:
        case VK_CANCEL:
          mask = DLGC_WANTALLKEYS;
          break;
        default:
          break;
      }
      if (mask == 0 || !form)
        return false;
      if (Perform(CM_WANTSPECIALKEY, Msg.wParam, Msg.lParam) != 0)
        return false;
      if (Perform(WM_GETDLGCODE) & (mask | DLGC_WANTALLKEYS))
        return false;
      return form->Perform(CM_DIALOGKEY, Msg.wParam, Msg.lParam) != 0;
    }
    case WM_CHAR:
      if (!form || (Perform(WM_GETDLGCODE) & (DLGC_WANTCHARS | DLGC_WANTALLKEYS)))
        return false;
      return form->Perform(CM_DIALOGCHAR, Msg.wParam, 0) != 0;
    case WM_SYSCHAR:
      return form && form->Perform(CM_DIALOGCHAR, Msg.wParam, 1) != 0;
    default:
      return false;
  }
}

bool TWinControl::DoKeyDown(win::WORD& Key, TShiftState Shift) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() &&
      static_cast<TWinControl*>(form)->DoKeyDown(Key, Shift))
    return true;
  if (!ControlStyle().Contains(csNoStdEvents)) {
    KeyDown(Key, Shift);
    if (Key == 0)
      return true;
  }
  return false;
}

bool TWinControl::DoKeyUp(win::WORD& Key, TShiftState Shift) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() &&
      static_cast<TWinControl*>(form)->DoKeyUp(Key, Shift))
    return true;
  if (!ControlStyle().Contains(csNoStdEvents)) {
    KeyUp(Key, Shift);
    if (Key == 0)
      return true;
  }
  return false;
}

bool TWinControl::DoKeyPress(char32_t& Key) {
  TCustomForm* form = GetParentForm(this);
  if (form && form != this && form->KeyPreview() &&
      static_cast<TWinControl*>(form)->DoKeyPress(Key))
    return true;
  if (!ControlStyle().Contains(csNoStdEvents)) {
    KeyPress(Key);
    if (Key == 0)
      return true;
  }
  return false;
}

void TWinControl::KeyDown(win::WORD& Key, TShiftState Shift) {
  if (OnKeyDown)
    OnKeyDown(this, Key, Shift);
}

void TWinControl::KeyUp(win::WORD& Key, TShiftState Shift) {
  if (OnKeyUp)
    OnKeyUp(this, Key, Shift);
}

void TWinControl::KeyPress(char32_t& Key) {
  if (OnKeyPress)
    OnKeyPress(this, Key);
}

void TWinControl::DoEnter() {
  if (OnEnter)
    OnEnter(this);
}

void TWinControl::DoExit() {
  if (OnExit)
    OnExit(this);
}
