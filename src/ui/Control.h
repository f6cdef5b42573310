#pragma once

// TControl: anything placed on a form. It has a parent, bounds, a caption,
// a font and colour (optionally the parent's), a cursor and a hint, and it
// turns mouse messages into the mouse events. Every message goes through
// WindowProc, which a user of the control may replace to watch or change
// what the control receives; the replaced procedure passes on to the saved
// one.

#include <functional>
#include <string>

#include "platform/win/Types.h"
#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/Types.h"

class TWinControl;
class TCustomForm;
class TPopupMenu;

enum TControlStateItem { csLButtonDown, csClicked, csFocusing, csCreating, csCustomPaint };
using TControlState = TSet<TControlStateItem>;

enum TControlStyleItem {
  csAcceptsControls,
  csCaptureMouse,
  csClickEvents,
  csFramed,
  csSetCaption,
  csOpaque,
  csDoubleClicks,
  csFixedWidth,
  csFixedHeight,
  csNoStdEvents,
};
using TControlStyle = TSet<TControlStyleItem>;

using TWndMethod = std::function<void(TMessage&)>;

// Limits of a control's size; 0 means no limit on that side.
struct TSizeConstraints {
  int MinWidth = 0;
  int MinHeight = 0;
  int MaxWidth = 0;
  int MaxHeight = 0;
};

class TControl : public TComponent {
 public:
  explicit TControl(TComponent* AOwner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  virtual void SetParent(TWinControl* AParent);

  int Left() const { return FLeft; }
  int Top() const { return FTop; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  void SetLeft(int Value) { SetBounds(Value, FTop, FWidth, FHeight); }
  void SetTop(int Value) { SetBounds(FLeft, Value, FWidth, FHeight); }
  void SetWidth(int Value) { SetBounds(FLeft, FTop, Value, FHeight); }
  void SetHeight(int Value) { SetBounds(FLeft, FTop, FWidth, Value); }
  virtual void SetBounds(int ALeft, int ATop, int AWidth, int AHeight);
  TRect BoundsRect() const { return TRect::FromXYWH(FLeft, FTop, FWidth, FHeight); }
  // Every later size, an automatic one too, stays within these limits;
  // setting them applies them at once.
  const TSizeConstraints& Constraints() const { return FConstraints; }
  void SetConstraints(const TSizeConstraints& Value);
  virtual TRect ClientRect() const { return {0, 0, FWidth, FHeight}; }
  int ClientWidth() const { return ClientRect().Width(); }
  int ClientHeight() const { return ClientRect().Height(); }
  // The screen position of the client area's top-left corner.
  virtual TPoint ClientOrigin() const;
  TPoint ClientToScreen(TPoint P) const;
  TPoint ScreenToClient(TPoint P) const;

  bool Visible() const { return FVisible; }
  void SetVisible(bool Value);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible, with every parent visible and the form showing.
  virtual bool Showing() const;
  bool Enabled() const { return FEnabled; }
  virtual void SetEnabled(bool Value);

  // Caption and Text are one string; CM_TEXTCHANGED follows every change.
  const std::string& Caption() const { return FText; }
  const std::string& Text() const { return FText; }
  void SetCaption(const std::string& Value) { SetText(Value); }
  virtual void SetText(const std::string& Value);

  TFont& Font() { return FFont; }
  const TFont& Font() const { return FFont; }
  void SetFont(const TFont& Value) { FFont.Assign(Value); }
  // With ParentFont the control takes the parent's font, now and whenever
  // the parent's changes; changing the control's own font clears it.
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  bool ParentColor() const { return FParentColor; }
  void SetParentColor(bool Value);
  TCursor Cursor() const { return FCursor; }
  void SetCursor(TCursor Value);

  const std::string& Hint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool ShowHint() const { return FShowHint; }
  void SetShowHint(bool Value);
  bool ParentShowHint() const { return FParentShowHint; }
  void SetParentShowHint(bool Value);
  TPopupMenu* PopupMenu() const { return FPopupMenu; }
  void SetPopupMenu(TPopupMenu* Value);

  TControlStyle ControlStyle() const { return FControlStyle; }
  void SetControlStyle(TControlStyle Value) { FControlStyle = Value; }
  TControlState ControlState() const { return FControlState; }

  // Every message of the control passes here. Replace it to hook the
  // control; call the saved procedure for what the hook leaves alone.
  TWndMethod WindowProc;
  win::LRESULT Perform(win::UINT Msg, win::WPARAM WParam = 0, win::LPARAM LParam = 0);

  virtual void Invalidate();
  void Update();
  virtual void Repaint();
  void Refresh() { Repaint(); }
  void BringToFront();
  void SendToBack();

  // The control that holds the mouse; graphic controls hold it through
  // their parent's window.
  bool MouseCapture() const;
  void SetMouseCapture(bool Value);
  static TControl* CaptureControl();

  virtual void Click();
  virtual void DblClick();

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TNotifyEvent OnResize;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;

 protected:
  virtual void WndProc(TMessage& Message);
  // What happens to a message nobody handled; windowed controls pass it to
  // the window system's default procedure.
  virtual void DefaultHandler(TMessage& Message);
  void Notification(TComponent* AComponent, TOperation Operation) override;

  virtual void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
  virtual void MouseMove(TShiftState Shift, int X, int Y);
  virtual void Resize();
  // The text as drawn; a label may show something else than it holds.
  virtual std::string GetText() const { return FText; }

  void IncludeControlState(TControlStateItem Item) { FControlState.Include(Item); }
  void ExcludeControlState(TControlStateItem Item) { FControlState.Exclude(Item); }
  void IncludeStyle(TControlStyleItem Item) { FControlStyle.Include(Item); }
  void ExcludeStyle(TControlStyleItem Item) { FControlStyle.Exclude(Item); }

  // Changes the bounds fields only; SetBounds of windowed controls moves
  // the window as well.
  void StoreBounds(int ALeft, int ATop, int AWidth, int AHeight);
  // The size within the constraints.
  void ConstrainSize(int& AWidth, int& AHeight) const;
  // Sets the flag alone, for controls that start hidden.
  void StoreVisible(bool Value) { FVisible = Value; }
  // Applies the parent's font, colour or hint setting where this control
  // takes them over.
  void ParentChanged();

  TWinControl* FParent = nullptr;

 private:
  friend class TWinControl;
  static void ForgetCapture(const TControl* Holder);
  void FontChanged();
  void HandleMouse(TMessage& Message);

  int FLeft = 0;
  int FTop = 0;
  int FWidth = 0;
  int FHeight = 0;
  bool FVisible = true;
  bool FEnabled = true;
  std::string FText;
  TFont FFont;
  bool FParentFont = true;
  bool FUpdatingFont = false;
  TColor FColor = gfx::clWindow;
  bool FParentColor = false;
  TCursor FCursor = crDefault;
  std::string FHint;
  bool FShowHint = false;
  bool FParentShowHint = true;
  TPopupMenu* FPopupMenu = nullptr;
  TControlStyle FControlStyle;
  TControlState FControlState;
  TSizeConstraints FConstraints;
};

// The form a control sits on, or null.
TCustomForm* GetParentForm(const TControl* Control);
