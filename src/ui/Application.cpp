#include "ui/Application.h"

#include <algorithm>

#include "platform/win/Win.h"
#include "ui/Form.h"
#include "ui/HintWindow.h"
#include "ui/TimerHost.h"

TApplication* Application = nullptr;
TScreen* Screen = nullptr;

namespace {

constexpr win::UINT_PTR kShowHintTimer = 1;
constexpr win::UINT_PTR kHideHintTimer = 2;
// How far below the cursor's hot spot a hint appears: the height of the
// arrow cursor.
constexpr int kCursorHeight = 20;

}  // namespace

std::string GetShortHint(const std::string& Hint) {
  std::size_t bar = Hint.find('|');
  return bar == std::string::npos ? Hint : Hint.substr(0, bar);
}

std::string GetLongHint(const std::string& Hint) {
  std::size_t bar = Hint.find('|');
  return bar == std::string::npos ? Hint : Hint.substr(bar + 1);
}

// -- TApplication --------------------------------------------------------------

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner) {
  if (!Application)
    Application = this;
  {
    win::WNDCLASS wc;
    wc.lpszClassName = "TApplication";
    wc.lpfnWndProc = win::DefWindowProc;
    win::RegisterClass(wc);
  }
  FHandle = win::CreateWindowEx(0, "TApplication", FTitle, win::WS_POPUP, 0, 0, 0, 0, nullptr);
  win::SetWindowProc(FHandle, [this](win::HWND, win::UINT m, win::WPARAM w, win::LPARAM l) {
    return WndProc(m, w, l);
  });
}

TApplication::~TApplication() {
  CancelHint();
  // The forms go while the application is whole: their destructors report
  // back to it.
  for (int i = 0; i < ComponentCount(); ++i)
    if (auto* form = dynamic_cast<TCustomForm*>(Components(i)))
      form->BeforeDestruction();
  DestroyComponents();
  FHintWindow = nullptr;
  // Timers that outlive the application stop here, with their window.
  FTimerHost.reset();
  if (FHandle)
    win::DestroyWindow(FHandle);
  if (Application == this)
    Application = nullptr;
}

void TApplication::SetTitle(const std::string& Value) {
  FTitle = Value;
  if (FHandle)
    win::SetWindowText(FHandle, Value);
}

std::shared_ptr<TTimerHost> TApplication::TimerHost() {
  if (!FTimerHost)
    FTimerHost = std::make_shared<TTimerHost>();
  return FTimerHost;
}

void TApplication::AddForm(TCustomForm* Form) {
  if (!FMainForm)
    FMainForm = Form;
  Form->AfterConstruction();
}

win::LRESULT TApplication::WndProc(win::UINT Msg, win::WPARAM WParam, win::LPARAM LParam) {
  if (Msg == win::WM_TIMER) {
    if (WParam == kShowHintTimer) {
      StopHintTimer();
      gfx::Point p;
      win::GetCursorPos(p);
      ActivateHint(p);
    } else if (WParam == kHideHintTimer) {
      StopHintTimer();
      HideHint();
      FHintActive = false;
    }
    return 0;
  }
  return win::DefWindowProc(FHandle, Msg, WParam, LParam);
}

// -- The loop ----------------------------------------------------------------

bool TApplication::IsKeyMsg(win::MSG& Msg) {
  if (Msg.message < win::WM_KEYFIRST || Msg.message > win::WM_KEYLAST)
    return false;
  TWinControl* control = TWinControl::FindControl(Msg.hwnd);
  return control && control->PreProcessKey(Msg);
}

void TApplication::IsHintMsg(const win::MSG& Msg) {
  using namespace win;
  switch (Msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_MOUSEWHEEL:
      CancelHint();
      break;
    default:
      break;
  }
}

bool TApplication::ProcessMessage(win::MSG& Msg) {
  if (!win::PeekMessage(Msg, nullptr, 0, 0, win::PM_REMOVE))
    return false;
  if (Msg.message == win::WM_QUIT) {
    FTerminated = true;
    return true;
  }
  bool handled = false;
  if (OnMessage) {
    // A handler may replace itself (a menu closing gives the handler it
    // saved back); the copy keeps the running one alive until it returns.
    const TMessageEvent handler = OnMessage;
    handler(Msg, handled);
  }
  if (!handled) {
    IsHintMsg(Msg);
    if (!IsKeyMsg(Msg)) {
      win::TranslateMessage(Msg);
      win::DispatchMessage(Msg);
    }
  }
  FreeReleased();
  return true;
}

void TApplication::ProcessMessages() {
  win::MSG msg;
  while (ProcessMessage(msg)) {
  }
  DoMouseIdle();
}

void TApplication::HandleMessage() {
  win::MSG msg;
  if (!ProcessMessage(msg))
    Idle();
}

void TApplication::Idle() {
  DoMouseIdle();
  FreeReleased();
  if (OnIdle)
    OnIdle(this);
  // New input or a due timer ends the wait; with the headless backend, the
  // test script's next step runs here.
  win::WaitMessage();
}

void TApplication::Run() {
  if (FMainForm && !FMainForm->Visible())
    FMainForm->Show();
  while (!FTerminated)
    HandleMessage();
}

void TApplication::Terminate() {
  win::PostQuitMessage(0);
}

void TApplication::FreeLater(TCustomForm* Form) {
  if (std::find(FReleased.begin(), FReleased.end(), Form) == FReleased.end())
    FReleased.push_back(Form);
}

void TApplication::FreeReleased() {
  while (!FReleased.empty()) {
    TCustomForm* form = FReleased.back();
    FReleased.pop_back();
    form->BeforeDestruction();
    delete form;
  }
}

void TApplication::FormDestroyed(TCustomForm* Form) {
  if (FMainForm == Form)
    FMainForm = nullptr;
  FReleased.erase(std::remove(FReleased.begin(), FReleased.end(), Form), FReleased.end());
  FMinimized.erase(std::remove(FMinimized.begin(), FMinimized.end(), Form), FMinimized.end());
}

void TApplication::ControlDestroyed(TControl* Control) {
  if (Control == FHintWindow) {
    FHintWindow = nullptr;
    FHintActive = false;
  }
  if (Control == FHintControl)
    CancelHint();
  if (Control == FMouseControl)
    FMouseControl = nullptr;
}

void TApplication::Minimize() {
  FMinimized.clear();
  if (Screen)
    for (int i = 0; i < Screen->FormCount(); ++i)
      if (Screen->Forms(i)->Visible() && Screen->Forms(i)->HandleAllocated())
        FMinimized.push_back(Screen->Forms(i));
  for (TCustomForm* f : FMinimized)
    win::ShowWindow(f->Handle(), f == FMainForm || !FMainForm ? win::SW_MINIMIZE : win::SW_HIDE);
  if (OnMinimize)
    OnMinimize(this);
}

void TApplication::Restore() {
  // Restored bottom first so that the stacking is as before.
  for (auto it = FMinimized.rbegin(); it != FMinimized.rend(); ++it)
    win::ShowWindow((*it)->Handle(),
                    win::IsIconic((*it)->Handle()) ? win::SW_RESTORE : win::SW_SHOWNA);
  FMinimized.clear();
  if (OnRestore)
    OnRestore(this);
}

// -- Mouse tracking and hints ------------------------------------------------

void TApplication::DoMouseIdle() {
  gfx::Point p;
  win::GetCursorPos(p);
  TControl* target = TControl::CaptureControl();
  if (!target) {
    if (TWinControl* w = TWinControl::FindControl(win::WindowFromPoint(p))) {
      TControl* child = w->ControlAtPos(w->ScreenToClient(p), true);
      target = child ? child : w;
    }
  }
  if (target == FMouseControl)
    return;
  TControl* old = FMouseControl;
  FMouseControl = target;
  if (FHintControl) {
    bool inside = false;
    for (TControl* c = target; c; c = c->Parent())
      inside = inside || c == FHintControl;
    if (!inside)
      CancelHint();
  }
  if (old)
    old->Perform(CM_MOUSELEAVE);
  if (target && target == FMouseControl)
    target->Perform(CM_MOUSEENTER);
}

void TApplication::SetShowHint(bool Value) {
  if (Value == FShowHint)
    return;
  FShowHint = Value;
  CancelHint();
  if (!Value && FHintWindow) {
    THintWindow* w = FHintWindow;
    FHintWindow = nullptr;
    delete w;
  }
}

void TApplication::StartHintTimer(int Delay, int Which) {
  StopHintTimer();
  FHintTimer = Which;
  win::SetTimer(FHandle, static_cast<win::UINT_PTR>(Which),
                static_cast<win::UINT>(std::max(Delay, 1)));
}

void TApplication::StopHintTimer() {
  if (FHintTimer) {
    win::KillTimer(FHandle, static_cast<win::UINT_PTR>(FHintTimer));
    FHintTimer = 0;
  }
}

void TApplication::HideHint() {
  if (FHintWindow)
    FHintWindow->ReleaseHandle();
}

void TApplication::CancelHint() {
  StopHintTimer();
  HideHint();
  FHintControl = nullptr;
  FHintActive = false;
}

void TApplication::HintMouseMessage(TControl* Control, TPoint Pos) {
  if (!FShowHint || Control == FHintWindow)
    return;
  // The hint shown is that of the control or of the nearest parent that
  // shows hints.
  TControl* hintControl = Control;
  while (hintControl && !hintControl->ShowHint())
    hintControl = hintControl->Parent();
  if (!hintControl || GetShortHint(hintControl->Hint()).empty()) {
    CancelHint();
    return;
  }
  TPoint local = hintControl->ScreenToClient(Control->ClientToScreen(Pos));
  if (hintControl == FHintControl && FHintCursorRect.Contains(local))
    return;
  bool wasActive = FHintActive;
  CancelHint();
  FHintControl = hintControl;
  FHintCursorRect = hintControl->ClientRect();
  StartHintTimer(wasActive ? HintShortPause : HintPause, static_cast<int>(kShowHintTimer));
}

void TApplication::ActivateHint(TPoint CursorPos) {
  if (!FHintControl)
    return;
  THintInfo info;
  info.HintControl = FHintControl;
  info.HintPos = {CursorPos.x, CursorPos.y + kCursorHeight};
  info.HintMaxWidth = Screen ? Screen->Width() : 1024;
  info.HintColor = HintColor;
  info.CursorRect = FHintControl->ClientRect();
  info.CursorPos = FHintControl->ScreenToClient(CursorPos);
  info.HideTimeout = HintHidePause;
  info.HintStr = GetShortHint(FHintControl->Hint());
  bool canShow = FHintControl->Perform(CM_HINTSHOW, 0, reinterpret_cast<win::LPARAM>(&info)) == 0;
  if (canShow && OnShowHint)
    OnShowHint(info.HintStr, canShow, info);
  FHintActive = canShow && !info.HintStr.empty();
  if (!FHintActive) {
    HideHint();
    return;
  }
  if (!FHintWindow)
    FHintWindow = HintWindowClass ? HintWindowClass(this) : new THintWindow(this);
  FHintWindow->SetColor(info.HintColor);
  TRect r = FHintWindow->CalcHintRect(info.HintMaxWidth, info.HintStr, info.HintData);
  FHintWindow->ActivateHintData(r.Offset(info.HintPos.x, info.HintPos.y), info.HintStr,
                                info.HintData);
  FHintCursorRect = info.CursorRect;
  if (info.HideTimeout > 0)
    StartHintTimer(info.HideTimeout, static_cast<int>(kHideHintTimer));
}

// -- TScreen -----------------------------------------------------------------

TScreen::TScreen(TComponent* AOwner) : TComponent(AOwner) {
  if (!Screen)
    Screen = this;
  FHintFont.SetColor(gfx::clInfoText);
}

TScreen::~TScreen() {
  if (Screen == this)
    Screen = nullptr;
}

void TScreen::AddForm(TCustomForm* Form) {
  FForms.push_back(Form);
}

void TScreen::RemoveForm(TCustomForm* Form) {
  FForms.erase(std::remove(FForms.begin(), FForms.end(), Form), FForms.end());
}

TCustomForm* TScreen::Forms(int Index) const {
  std::vector<TCustomForm*> ordered;
  for (win::HWND h = win::GetTopWindow(nullptr); h; h = win::GetWindow(h, win::GW_HWNDNEXT))
    for (TCustomForm* f : FForms)
      if (f->HandleAllocated() && f->Handle() == h)
        ordered.push_back(f);
  for (TCustomForm* f : FForms)
    if (!f->HandleAllocated())
      ordered.push_back(f);
  return ordered.at(static_cast<std::size_t>(Index));
}

TCustomForm* TScreen::ActiveForm() const {
  for (TCustomForm* f : FForms)
    if (f->Active())
      return f;
  return nullptr;
}

TControl* TScreen::ActiveControl() const {
  TCustomForm* f = ActiveForm();
  return f ? f->ActiveControl() : nullptr;
}

int TScreen::Width() const {
  return win::GetSystemMetrics(win::SM_CXSCREEN);
}

int TScreen::Height() const {
  return win::GetSystemMetrics(win::SM_CYSCREEN);
}

TRect TScreen::WorkAreaRect() const {
  gfx::Rect r;
  win::SystemParametersInfo(win::SPI_GETWORKAREA, 0, &r, 0);
  return r;
}

TRect MonitorRectAt(TPoint At) {
  win::MONITORINFO info;
  win::GetMonitorInfo(win::MonitorFromPoint(At, win::MONITOR_DEFAULTTONEAREST), info);
  return info.rcMonitor;
}

TRect MonitorWorkAreaAt(TPoint At) {
  win::MONITORINFO info;
  win::GetMonitorInfo(win::MonitorFromPoint(At, win::MONITOR_DEFAULTTONEAREST), info);
  return info.rcWork;
}

void TScreen::SetCursor(TCursor Value) {
  FCursor = Value;
  win::SetCursor(win::LoadCursor(nullptr, CursorToStockId(Value)));
}
