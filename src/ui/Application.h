#pragma once

// TApplication (the global Application): the program's message loop, its
// main form, and the control hints; TScreen (the global Screen): the forms
// in z-order, the screen's size and work area, and a cursor that overrides
// every control's. Both exist once, made by the program (or a test) after
// the window system's desktop.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/Messages.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Types.h"

class TControl;
class TCustomForm;
class THintWindow;
class TTimerHost;

// What a hint about to be shown looks like; CM_HINTSHOW and OnShowHint may
// change it.
struct THintInfo {
  TControl* HintControl = nullptr;
  TPoint HintPos;  // screen position of the hint's top-left corner
  int HintMaxWidth = 0;
  TColor HintColor = gfx::clInfoBk;
  TRect CursorRect;  // client coordinates of HintControl: moving out hides the hint
  TPoint CursorPos;  // client coordinates of HintControl
  int ReshowTimeout = 0;
  int HideTimeout = 0;
  std::string HintStr;
  void* HintData = nullptr;
};

using TMessageEvent = std::function<void(win::MSG& Msg, bool& Handled)>;
using TShowHintEvent =
    std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;
using THintWindowClass = std::function<THintWindow*(TComponent* AOwner)>;

class TApplication : public TComponent {
 public:
  explicit TApplication(TComponent* AOwner = nullptr);
  ~TApplication() override;

  const std::string& Title() const { return FTitle; }
  void SetTitle(const std::string& Value);
  // The first form made by CreateForm; closing it ends the program.
  TCustomForm* MainForm() const { return FMainForm; }
  // The hidden window that carries the application's timers.
  win::HWND Handle() const { return FHandle; }

  // Makes a form owned by the application, fires its OnCreate, and keeps
  // the first one as the main form.
  template <class T>
  T* CreateForm() {
    T* form = new T(this);
    AddForm(form);
    return form;
  }
  void AddForm(TCustomForm* Form);

  // Shows the main form and handles messages until Terminate.
  void Run();
  void Terminate();
  bool Terminated() const { return FTerminated; }
  // Handles every waiting message, then returns.
  void ProcessMessages();
  // Handles one message, or waits for one when there is none.
  void HandleMessage();

  // Every message taken from the queue is offered here first.
  TMessageEvent OnMessage;
  TNotifyEvent OnMinimize;
  TNotifyEvent OnRestore;
  TNotifyEvent OnIdle;

  void Minimize();
  void Restore();

  // Hints: shown for a control with ShowHint and a hint text after the
  // mouse rests on it HintPause ms (HintShortPause when a hint was just
  // showing), hidden after HintHidePause ms or when the mouse leaves.
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  int HintPause = 500;
  int HintShortPause = 50;
  int HintHidePause = 2500;
  TColor HintColor = gfx::clInfoBk;
  // What makes the hint window; setting it takes effect when ShowHint is
  // switched off and on again.
  THintWindowClass HintWindowClass;
  TShowHintEvent OnShowHint;
  THintWindow* HintWindow() const { return FHintWindow; }
  void CancelHint();
  // Called by controls with their mouse moves.
  void HintMouseMessage(TControl* Control, TPoint Pos);

  // Bookkeeping of controls and forms going away.
  void ControlDestroyed(TControl* Control);
  void FormDestroyed(TCustomForm* Form);
  // Frees a released form after the message being handled.
  void FreeLater(TCustomForm* Form);
  // The window that delivers the program's TTimer components, made for
  // the first of them.
  std::shared_ptr<TTimerHost> TimerHost();

 private:
  bool ProcessMessage(win::MSG& Msg);
  void Idle();
  void DoMouseIdle();
  bool IsKeyMsg(win::MSG& Msg);
  void IsHintMsg(const win::MSG& Msg);
  void ActivateHint(TPoint CursorPos);
  void HideHint();
  void StartHintTimer(int Delay, int Which);
  void StopHintTimer();
  void FreeReleased();
  win::LRESULT WndProc(win::UINT Msg, win::WPARAM WParam, win::LPARAM LParam);

  std::string FTitle;
  win::HWND FHandle;
  std::shared_ptr<TTimerHost> FTimerHost;
  TCustomForm* FMainForm = nullptr;
  bool FTerminated = false;
  bool FShowHint = true;
  THintWindow* FHintWindow = nullptr;
  TControl* FHintControl = nullptr;
  TControl* FMouseControl = nullptr;
  bool FHintActive = false;
  TRect FHintCursorRect;
  int FHintTimer = 0;
  std::vector<TCustomForm*> FReleased;
  std::vector<TCustomForm*> FMinimized;
};

// The bounds and the work area of the monitor nearest a point: popups,
// hints and menus stay on the monitor they open on.
TRect MonitorRectAt(TPoint At);
TRect MonitorWorkAreaAt(TPoint At);

class TScreen : public TComponent {
 public:
  explicit TScreen(TComponent* AOwner = nullptr);
  ~TScreen() override;

  // The forms, top of the z-order first; forms without a window follow in
  // creation order.
  int FormCount() const { return static_cast<int>(FForms.size()); }
  TCustomForm* Forms(int Index) const;
  TCustomForm* ActiveForm() const;
  TControl* ActiveControl() const;

  // The primary monitor's size and work area.
  int Width() const;
  int Height() const;
  TRect WorkAreaRect() const;
  int WorkAreaWidth() const { return WorkAreaRect().Width(); }
  int WorkAreaHeight() const { return WorkAreaRect().Height(); }

  // Anything but crDefault overrides every control's cursor.
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);
  TFont& HintFont() { return FHintFont; }

  void AddForm(TCustomForm* Form);
  void RemoveForm(TCustomForm* Form);

 private:
  std::vector<TCustomForm*> FForms;
  TCursor FCursor = crDefault;
  TFont FHintFont;
};

extern TApplication* Application;
extern TScreen* Screen;

// The text before the first "|" of a hint; the whole hint when there is
// none.
std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);
