#include "ui/Form.h"

#include <algorithm>

#include "platform/win/Win.h"
#include "ui/Application.h"
#include "ui/Menus.h"

namespace {

bool Contains(const TControl* outer, const TControl* inner) {
  for (const TControl* c = inner; c; c = c->Parent())
    if (c == outer)
      return true;
  return false;
}

// Re-enables the windows a modal loop disabled, however the loop ends.
class TaskWindowsDisabled {
 public:
  explicit TaskWindowsDisabled(win::HWND except) {
    for (win::HWND h = win::GetTopWindow(nullptr); h; h = win::GetWindow(h, win::GW_HWNDNEXT)) {
      if (h != except && win::IsWindowVisible(h) && win::IsWindowEnabled(h)) {
        win::EnableWindow(h, false);
        disabled_.push_back(h);
      }
    }
  }
  ~TaskWindowsDisabled() {
    for (win::HWND h : disabled_)
      win::EnableWindow(h, true);
  }
  TaskWindowsDisabled(const TaskWindowsDisabled&) = delete;
  TaskWindowsDisabled& operator=(const TaskWindowsDisabled&) = delete;

 private:
  std::vector<win::HWND> disabled_;
};

}  // namespace

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  StoreVisible(false);
  StoreBounds(0, 0, 320, 240);
  SetParentFont(false);
  SetColor(gfx::clBtnFace);
  if (Screen)
    Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  BeforeDestruction();
  if (Application)
    Application->FormDestroyed(this);
  if (Screen)
    Screen->RemoveForm(this);
}

void TCustomForm::AfterConstruction() {
  if (FCreated)
    return;
  FCreated = true;
  if (OnCreate)
    OnCreate(this);
}

void TCustomForm::BeforeDestruction() {
  if (FDestroyAnnounced)
    return;
  FDestroyAnnounced = true;
  if (OnDestroy)
    OnDestroy(this);
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  using namespace win;
  TWinControl::CreateParams(Params);
  Params.Style = WS_CLIPCHILDREN;
  Params.ExStyle = 0;
  Params.WndParent = {};
  Params.WinClassName = "TForm";
  if (!Enabled())
    Params.Style |= WS_DISABLED;
  bool caption = true;
  switch (FBorderStyle) {
    case bsNone:
      Params.Style |= WS_POPUP;
      caption = false;
      break;
    case bsSingle:
      Params.Style |= WS_CAPTION;
      break;
    case bsSizeable:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      Params.Style |= WS_POPUP | WS_CAPTION;
      Params.ExStyle |= WS_EX_DLGMODALFRAME;
      break;
    case bsToolWindow:
      Params.Style |= WS_CAPTION;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
    case bsSizeToolWin:
      Params.Style |= WS_CAPTION | WS_THICKFRAME;
      Params.ExStyle |= WS_EX_TOOLWINDOW;
      break;
  }
  if (caption && FBorderIcons.Contains(biSystemMenu)) {
    Params.Style |= WS_SYSMENU;
    // Dialogs and tool windows have no minimise or maximise buttons.
    if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
      if (FBorderIcons.Contains(biMinimize))
        Params.Style |= WS_MINIMIZEBOX;
      if (FBorderIcons.Contains(biMaximize))
        Params.Style |= WS_MAXIMIZEBOX;
    }
  }
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  // The window system may have adjusted the size (minimum track size).
  TRect r = win::GetWindowRect(Handle());
  StoreBounds(r.left, r.top, r.Width(), r.Height());
}

// The frame style is fixed when the window is created, so a new border means
// a new window; the client area keeps its size and the form stays visible.
void TCustomForm::RecreateKeepingClientSize() {
  if (!HandleAllocated())
    return;
  TRect client = ClientRect();
  bool showing = Showing();
  RecreateWnd();
  SetClientSize(client.Width(), client.Height());
  if (showing)
    win::ShowWindow(Handle(), win::SW_SHOW);
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (Value == FBorderStyle)
    return;
  FBorderStyle = Value;
  RecreateKeepingClientSize();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons)
    return;
  FBorderIcons = Value;
  RecreateKeepingClientSize();
}

void TCustomForm::SetClientSize(int AWidth, int AHeight) {
  // The frame's size is known only from the window itself.
  TRect c = win::GetClientRect(Handle());
  SetBounds(Left(), Top(), Width() + AWidth - c.Width(), Height() + AHeight - c.Height());
}

TRect TCustomForm::ClientRect() const {
  return TWinControl::ClientRect();
}

// -- Focus -------------------------------------------------------------------

bool TCustomForm::Active() const {
  return HandleAllocated() && win::GetActiveWindow() == const_cast<TCustomForm*>(this)->Handle();
}

bool TCustomForm::Showing() const {
  return Visible() && TWinControl::Showing();
}

bool TCustomForm::CanFocus() const {
  return Visible() && Enabled();
}

void TCustomForm::SetFocus() {
  if (CanFocus())
    win::SetActiveWindow(Handle());
}

void TCustomForm::ChangeActiveControl(TWinControl* Control) {
  if (Control == FActiveControl)
    return;
  FActiveControl = Control;
  // Every control hears of the change, so that a control drawing a focus
  // look can drop it.
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<win::LPARAM>(Control));
}

void TCustomForm::SetActiveControl(TWinControl* Control) {
  if (Control == this)
    Control = nullptr;
  if (Control && (!Contains(this, Control) || (Showing() && !Control->CanFocus())))
    return;
  ChangeActiveControl(Control);
  if (Control && Active())
    win::SetFocus(Control->Handle());
}

void TCustomForm::FocusControl(TWinControl* Control) {
  SetActiveControl(Control);
}

void TCustomForm::DefocusControl(TWinControl* Control, bool Removing) {
  if (Removing && Contains(Control, FFocusedControl))
    FFocusedControl = nullptr;
  if (Contains(Control, FActiveControl)) {
    bool hadFocus = FActiveControl->Focused();
    ChangeActiveControl(nullptr);
    if (hadFocus && Active())
      win::SetFocus(Handle());
  }
}

void TCustomForm::ControlRemoved(TControl* Control) {
  if (Contains(Control, FFocusedControl))
    FFocusedControl = nullptr;
  if (Contains(Control, FActiveControl))
    ChangeActiveControl(nullptr);
}

bool TCustomForm::SetFocusedControl(TWinControl* Control) {
  if (Control != this)
    ChangeActiveControl(Control);
  TWinControl* old = FFocusedControl;
  if (old == Control)
    return true;
  FFocusedControl = Control;
  // Exit notices go up from the control that had the focus to the first
  // parent that also holds the new one; enter notices come down from there.
  for (TWinControl* o = old; o && o != this && !Contains(o, Control); o = o->Parent())
    o->Perform(CM_EXIT);
  std::vector<TWinControl*> chain;
  for (TWinControl* n = Control; n && n != this && !Contains(n, old); n = n->Parent())
    chain.push_back(n);
  for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    (*it)->Perform(CM_ENTER);
  return true;
}

void TCustomForm::SendCancelMode(TControl* Sender) {
  const auto lparam = reinterpret_cast<win::LPARAM>(Sender);
  TWinControl* active = FActiveControl;
  TWinControl* focused = FFocusedControl;
  if (active && active != Sender)
    active->Perform(CM_CANCELMODE, 0, lparam);
  if (focused && focused != active && focused != Sender)
    focused->Perform(CM_CANCELMODE, 0, lparam);
}

void TCustomForm::SetWindowFocus() {
  if (FActiveControl && FActiveControl->CanFocus())
    win::SetFocus(FActiveControl->Handle());
  else
    win::SetFocus(Handle());
}

// -- Keys ----------------------------------------------------------------------

bool TCustomForm::IsShortCut(const win::MSG& Msg) {
  if (OnShortCut) {
    bool handled = false;
    OnShortCut(Msg, handled);
    if (handled)
      return true;
  }
  TShortCut shortCut = static_cast<TShortCut>(Msg.wParam & 0xFF);
  TShiftState shift = KeyboardState();
  if (shift.Contains(ssShift))
    shortCut |= scShift;
  if (shift.Contains(ssCtrl))
    shortCut |= scCtrl;
  if (shift.Contains(ssAlt))
    shortCut |= scAlt;
  TControl* start = FActiveControl ? static_cast<TControl*>(FActiveControl) : this;
  for (TControl* c = start; c; c = c->Parent())
    if (c->PopupMenu() && c->PopupMenu()->IsShortCut(shortCut))
      return true;
  return false;
}

void TCustomForm::CMDialogKey(TMessage& m) {
  using namespace win;
  TShiftState shift = KeyboardState();
  if (!shift.Contains(ssAlt)) {
    switch (m.WParam) {
      case VK_TAB:
        if (!shift.Contains(ssCtrl)) {
          SelectNext(FActiveControl, !shift.Contains(ssShift), true);
          m.Result = 1;
          return;
        }
        break;
      case VK_LEFT:
      case VK_RIGHT:
      case VK_UP:
      case VK_DOWN:
        if (FActiveControl && FActiveControl->Parent()) {
          FActiveControl->Parent()->SelectNext(FActiveControl,
                                               m.WParam == VK_RIGHT || m.WParam == VK_DOWN, false);
          m.Result = 1;
          return;
        }
        break;
      default:
        break;
    }
  }
  Broadcast(m);
}

// -- Showing and closing -----------------------------------------------------

void TCustomForm::ShowingChanged() {
  if (Visible()) {
    HandleNeeded();
    if (FPosition == poScreenCenter || FPosition == poDesktopCenter ||
        (FPosition == poMainFormCenter &&
         !(Application && Application->MainForm() && Application->MainForm() != this))) {
      int sw = win::GetSystemMetrics(win::SM_CXSCREEN);
      int sh = win::GetSystemMetrics(win::SM_CYSCREEN);
      SetBounds((sw - Width()) / 2, (sh - Height()) / 2, Width(), Height());
    } else if (FPosition == poMainFormCenter) {
      TCustomForm* main = Application->MainForm();
      SetBounds(main->Left() + (main->Width() - Width()) / 2,
                main->Top() + (main->Height() - Height()) / 2, Width(), Height());
    }
    win::ShowWindow(Handle(), win::SW_SHOWNORMAL);
  } else if (HandleAllocated()) {
    win::ShowWindow(Handle(), win::SW_HIDE);
  }
}

TModalResult TCustomForm::ShowModal() {
  if (Visible() || !Enabled() || FFormState.Contains(fsModal))
    throw EInvalidOperation("Cannot make a visible window modal");
  win::ReleaseCapture();
  win::HWND activeBefore = win::GetActiveWindow();
  FFormState.Include(fsModal);
  FModalResult = mrNone;
  {
    // The modal form's own window exists before the others are disabled,
    // so that it stays usable.
    TaskWindowsDisabled disabled(Handle());
    try {
      Show();
      // A nested message loop: it handles every window's messages, but
      // the disabled ones take no input, until the form has a result.
      while (FModalResult == mrNone) {
        if (Application) {
          Application->HandleMessage();
          if (Application->Terminated())
            FModalResult = mrCancel;
        } else {
          win::MSG msg;
          if (!win::GetMessage(msg)) {
            win::PostQuitMessage(static_cast<int>(msg.wParam));
            FModalResult = mrCancel;
            break;
          }
          win::TranslateMessage(msg);
          win::DispatchMessage(msg);
        }
        if (FModalResult != mrNone)
          CloseModal();
      }
    } catch (...) {
      FFormState.Exclude(fsModal);
      throw;
    }
  }
  Hide();
  if (activeBefore && win::IsWindow(activeBefore) && win::IsWindowVisible(activeBefore))
    win::SetActiveWindow(activeBefore);
  FFormState.Exclude(fsModal);
  return FModalResult;
}

void TCustomForm::CloseModal() {
  TCloseAction action = caNone;
  if (CloseQuery()) {
    action = caHide;
    DoClose(action);
  }
  if (action == caNone)
    FModalResult = mrNone;
  else if (action == caFree)
    Release();
}

bool TCustomForm::CloseQuery() {
  bool canClose = true;
  if (OnCloseQuery)
    OnCloseQuery(this, canClose);
  return canClose;
}

void TCustomForm::DoClose(TCloseAction& Action) {
  if (OnClose)
    OnClose(this, Action);
}

void TCustomForm::Close() {
  if (FFormState.Contains(fsModal)) {
    FModalResult = mrCancel;
    return;
  }
  if (!CloseQuery())
    return;
  TCloseAction action = caHide;
  DoClose(action);
  if (action == caNone)
    return;
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
    return;
  }
  switch (action) {
    case caHide:
      Hide();
      break;
    case caMinimize:
      win::ShowWindow(Handle(), win::SW_MINIMIZE);
      break;
    case caFree:
      Release();
      break;
    default:
      break;
  }
}

void TCustomForm::Release() {
  if (HandleAllocated())
    win::PostMessage(Handle(), CM_RELEASE);
  else if (Application)
    Application->FreeLater(this);
}

void TCustomForm::DoShow() {
  if (OnShow)
    OnShow(this);
}

void TCustomForm::DoHide() {
  if (OnHide)
    OnHide(this);
}

void TCustomForm::Activate() {
  if (OnActivate)
    OnActivate(this);
}

void TCustomForm::Deactivate() {
  if (OnDeactivate)
    OnDeactivate(this);
}

void TCustomForm::WndProc(TMessage& m) {
  using namespace win;
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_CANCELMODE:
      // The window system ends what the form has open: a press outside the
      // program, the window moving or being disabled.
      SendCancelMode(nullptr);
      DefaultHandler(m);
      return;
    case WM_ACTIVATE:
      DefaultHandler(m);
      if (LOWORD(m.WParam) != WA_INACTIVE) {
        FFormState.Include(fsActivated);
        SetWindowFocus();
        Activate();
      } else {
        SendCancelMode(nullptr);
        Deactivate();
      }
      return;
    case WM_SHOWWINDOW:
      DefaultHandler(m);
      if (m.WParam)
        DoShow();
      else
        DoHide();
      return;
    case CM_VISIBLECHANGED:
      ShowingChanged();
      return;
    case CM_DIALOGKEY:
      CMDialogKey(m);
      return;
    case CM_RELEASE:
      // Freed by the application after this message, never inside it.
      if (Application)
        Application->FreeLater(this);
      return;
    default:
      TWinControl::WndProc(m);
  }
}
