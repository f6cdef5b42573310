#pragma once

// TWinControl: a control with a window of its own, created on demand. It
// holds child controls, paints its graphic children on its own surface
// under the windowed ones, keeps a tab order, takes the keyboard focus and
// turns keyboard messages into the key events. TGraphicControl paints on
// its parent's surface; TCustomControl is a windowed control with a canvas
// and a Paint of its own.

#include <string>
#include <vector>

#include "platform/gfx/DeviceContext.h"
#include "platform/win/Messages.h"
#include "ui/Canvas.h"
#include "ui/Control.h"

struct TCreateParams {
  std::string Caption;
  win::DWORD Style = 0;
  win::DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  win::HWND WndParent;
  // The window class: registered on first use with this class style.
  std::string WinClassName;
  win::UINT WindowClassStyle = 0;
};

class TWinControl : public TControl {
 public:
  explicit TWinControl(TComponent* AOwner);
  ~TWinControl() override;

  // The window, created (with its parents') when first asked for.
  win::HWND Handle();
  bool HandleAllocated() const { return static_cast<bool>(FHandle); }
  void HandleNeeded() { Handle(); }
  // Destroys the window and makes it again with fresh CreateParams, as a
  // change of style needs.
  void RecreateWnd();
  // The control whose window this is (or whose window contains it), or
  // null.
  static TWinControl* FindControl(win::HWND Handle);

  // Child controls in creation order, bottom first.
  int ControlCount() const { return static_cast<int>(FControls.size()); }
  TControl* Controls(int Index) const { return FControls.at(Index); }
  void InsertControl(TControl* AControl);
  void RemoveControl(TControl* AControl);
  bool ContainsControl(const TControl* Control) const;
  // The enabled (or any, with AllowDisabled) visible child under a point of
  // the client area; graphic children only, unless AllowWinControls.
  TControl* ControlAtPos(TPoint Pos, bool AllowDisabled, bool AllowWinControls = false) const;
  // Sends the message to every child until one answers with a non-zero
  // Result.
  void Broadcast(TMessage& Message);
  // Sends the message to every child.
  void NotifyControls(win::UINT Msg);

  int TabOrder() const;
  void SetTabOrder(int Value);
  bool TabStop() const { return FTabStop; }
  void SetTabStop(bool Value);
  // The windowed controls inside, depth first, each level by tab order.
  void GetTabOrderList(std::vector<TWinControl*>& List);
  TWinControl* FindNextControl(TWinControl* CurControl, bool GoForward, bool CheckTabStop,
                               bool CheckParent);
  void SelectNext(TWinControl* CurControl, bool GoForward, bool CheckTabStop);

  // Visible and enabled up to its form, with the form visible and enabled.
  virtual bool CanFocus() const;
  bool Focused() const;
  virtual void SetFocus();

  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  void SetText(const std::string& Value) override;
  void SetEnabled(bool Value) override;
  void Invalidate() override;
  void Repaint() override;
  bool Showing() const override;
  TPoint ClientOrigin() const override;
  TRect ClientRect() const override;

  TKeyEvent OnKeyDown;
  TKeyEvent OnKeyUp;
  TKeyPressEvent OnKeyPress;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;

  // Offers a key message to the dialog-key and shortcut handling before it
  // is dispatched; true when it was used up there.
  bool PreProcessKey(const win::MSG& Msg);

 protected:
  virtual void CreateParams(TCreateParams& Params);
  virtual void CreateWnd();
  virtual void DestroyWnd();
  void CreateHandle();
  void DestroyHandle();

  void WndProc(TMessage& Message) override;
  void DefaultHandler(TMessage& Message) override;
  // Paints the control itself on a context clipped to what needs painting;
  // the graphic children follow.
  virtual void PaintWindow(gfx::DeviceContext* DC);
  void PaintControls(gfx::DeviceContext* DC);
  void PaintHandler(TMessage& Message);

  // Each returns true when the key was used up.
  virtual bool DoKeyDown(win::WORD& Key, TShiftState Shift);
  virtual bool DoKeyUp(win::WORD& Key, TShiftState Shift);
  virtual bool DoKeyPress(char32_t& Key);
  virtual void KeyDown(win::WORD& Key, TShiftState Shift);
  virtual void KeyUp(win::WORD& Key, TShiftState Shift);
  virtual void KeyPress(char32_t& Key);
  virtual void DoEnter();
  virtual void DoExit();

  std::vector<TControl*> FControls;

 private:
  friend class TControl;
  friend class TCustomForm;
  void MainWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam, win::LPARAM lParam,
                   win::LRESULT& result);
  static win::LRESULT InitWndProc(win::HWND hwnd, win::UINT msg, win::WPARAM wParam,
                                  win::LPARAM lParam);
  bool ForwardMouseToGraphic(TMessage& Message);
  void UpdateWindowVisibility();

  win::HWND FHandle;
  std::vector<TWinControl*> FTabList;
  bool FTabStop = false;
};

class TGraphicControl : public TControl {
 public:
  explicit TGraphicControl(TComponent* AOwner);
  TCanvas& Canvas() { return FCanvas; }

 protected:
  // Draws the control on Canvas, whose origin is the control's top-left
  // corner and whose clip is the control's rectangle.
  virtual void Paint() {}
  void WndProc(TMessage& Message) override;

 private:
  TCanvas FCanvas;
};

class TCustomControl : public TWinControl {
 public:
  explicit TCustomControl(TComponent* AOwner);
  TCanvas& Canvas() { return FCanvas; }

 protected:
  virtual void Paint() {}
  void PaintWindow(gfx::DeviceContext* DC) override;

 private:
  TCanvas FCanvas;
};
