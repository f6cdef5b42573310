#pragma once

// TCustomForm: a top-level window with a frame chosen by BorderStyle and
// BorderIcons, an active control that keeps the focus while the form is
// inactive, the dialog keys (Tab order, Enter and Escape, accelerators),
// ShowModal as a nested message loop, and the form events. TForm is the
// form the program derives its windows from.

#include <functional>
#include <memory>
#include <vector>

#include "ui/Graphics.h"
#include "ui/WinControl.h"

enum TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
using TBorderStyle = TFormBorderStyle;
enum TBorderIcon { biSystemMenu, biMinimize, biMaximize, biHelp };
using TBorderIcons = TSet<TBorderIcon>;
enum TPosition { poDesigned, poDefault, poScreenCenter, poDesktopCenter, poMainFormCenter };
enum TCloseAction { caNone, caHide, caFree, caMinimize };
enum TFormStateItem { fsCreating, fsVisible, fsShowing, fsModal, fsActivated };
using TFormState = TSet<TFormStateItem>;
// A key as shortcuts spell it: the virtual key plus these modifier bits.
using TShortCut = win::WORD;
inline constexpr TShortCut scShift = 0x2000;
inline constexpr TShortCut scCtrl = 0x4000;
inline constexpr TShortCut scAlt = 0x8000;

using TCloseEvent = std::function<void(TObject* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TObject* Sender, bool& CanClose)>;
using TShortCutEvent = std::function<void(const win::MSG& Msg, bool& Handled)>;

// The form's icon: a picture shown by frames that draw one.
class TIcon : public TBitmap {};

class EInvalidOperation : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TCustomForm : public TWinControl {
 public:
  explicit TCustomForm(TComponent* AOwner);
  ~TCustomForm() override;

  // Fires OnCreate; called once the derived form has bound its events
  // (TApplication::CreateForm does it).
  virtual void AfterConstruction();
  // Fires OnDestroy while the derived form is still whole; the application
  // calls it before freeing a form, and the destructor calls it for a form
  // freed any other way.
  virtual void BeforeDestruction();

  TFormBorderStyle BorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TFormBorderStyle Value);
  TBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TBorderIcons Value);
  TPosition Position() const { return FPosition; }
  void SetPosition(TPosition Value) { FPosition = Value; }
  TIcon& Icon() { return FIcon; }

  // The client size, kept when the frame changes.
  void SetClientWidth(int Value) { SetClientSize(Value, ClientHeight()); }
  void SetClientHeight(int Value) { SetClientSize(ClientWidth(), Value); }
  void SetClientSize(int AWidth, int AHeight);
  TRect ClientRect() const override;

  TWinControl* ActiveControl() const { return FActiveControl; }
  void SetActiveControl(TWinControl* Control);
  // Gives the control the focus now when the form is active, else when it
  // next becomes active.
  void FocusControl(TWinControl* Control);
  // Moves the focus away from a control that is being hidden or removed.
  void DefocusControl(TWinControl* Control, bool Removing);
  // Called as a window of the form receives the focus: the exit and enter
  // notices run and ActiveControl follows. False when the form refuses.
  bool SetFocusedControl(TWinControl* Control);
  // A control of the form is being pressed (Sender), or the form lost the
  // activation (null): the active control, and the focused one when it
  // differs, hear CM_CANCELMODE so that they end what they have open, such
  // as a dropped list.
  void SendCancelMode(TControl* Sender);
  // A control is leaving the form: references to it are cleared.
  void ControlRemoved(TControl* Control);

  bool KeyPreview() const { return FKeyPreview; }
  void SetKeyPreview(bool Value) { FKeyPreview = Value; }
  // Offers a key to OnShortCut and to the popup menus of the focused
  // control and its parents.
  virtual bool IsShortCut(const win::MSG& Msg);

  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }
  // Shows the form and runs a message loop until ModalResult is not 0;
  // every other window of the program is disabled meanwhile and enabled
  // again afterwards.
  virtual TModalResult ShowModal();
  TFormState FormState() const { return FFormState; }

  // Asks OnCloseQuery and OnClose; hides or frees the form as they say, and
  // ends the program when this is the main form.
  void Close();
  virtual bool CloseQuery();
  // Frees the form once the messages already queued for it are handled.
  void Release();

  bool Active() const;
  bool Showing() const override;
  void SetFocus() override;
  bool CanFocus() const override;

  TNotifyEvent OnCreate;
  TNotifyEvent OnDestroy;
  TNotifyEvent OnShow;
  TNotifyEvent OnHide;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeactivate;
  TCloseEvent OnClose;
  TCloseQueryEvent OnCloseQuery;
  TShortCutEvent OnShortCut;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void DoShow();
  virtual void DoHide();
  virtual void Activate();
  virtual void Deactivate();
  virtual void DoClose(TCloseAction& Action);

 private:
  void RecreateKeepingClientSize();
  void ChangeActiveControl(TWinControl* Control);
  void ShowingChanged();
  void SetWindowFocus();
  void CloseModal();
  void CMDialogKey(TMessage& Message);

  TFormBorderStyle FBorderStyle = bsSizeable;
  TBorderIcons FBorderIcons{biSystemMenu, biMinimize, biMaximize};
  TPosition FPosition = poDesigned;
  TIcon FIcon;
  TWinControl* FActiveControl = nullptr;
  TWinControl* FFocusedControl = nullptr;
  bool FKeyPreview = false;
  TModalResult FModalResult = mrNone;
  TFormState FFormState;
  // The client size asked for before the window existed.
  int FPendingClientWidth = -1;
  int FPendingClientHeight = -1;
  bool FCreated = false;
  bool FDestroyAnnounced = false;
};

class TForm : public TCustomForm {
 public:
  using TCustomForm::TCustomForm;
};
