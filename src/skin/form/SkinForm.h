#pragma once

// TbsSkinForm: the component that gives its owner form a skinned frame. It
// takes over the owner's window procedure and its whole non-client area:
// it sizes the client area from the skin, composes the frame for any window
// size from the skin's main (or inactive) picture, cuts the window's shape
// from the mask picture, paints the client background, and answers hit
// tests so that the window system's own move and activation keep working.
// Its caption objects light up, morph and run their commands; it rolls the
// window up, minimises and maximises it, snaps it to the work area's edges
// and opens its system menu. Without a skin it draws a plain frame of its
// own with the same behaviour.

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Region.h"
#include "skin/data/SkinData.h"
#include "skin/form/CaptionObjects.h"
#include "skin/form/FrameGeometry.h"
#include "skin/form/SkinMenu.h"
#include "ui/Font.h"
#include "ui/Form.h"
#include "ui/Graphics.h"
#include "ui/Menus.h"
#include "ui/Timer.h"

// Scoped, since the framework's own border icons share the short names.
enum class TbsBorderIcon { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };
using TbsBorderIcons = TSet<TbsBorderIcon>;
enum class TbsFormState { Normal, Minimized, Maximized };

using TbsObjectEvent = std::function<void(const std::string& IDName)>;
using TbsObjectMouseEvent = std::function<void(const std::string& IDName, int X, int Y,
                                               const gfx::Rect& ObjectRect, TMouseButton Button)>;
using TbsObjectMoveEvent =
    std::function<void(const std::string& IDName, int X, int Y, const gfx::Rect& ObjectRect)>;
// Shows (true) or hides (false) the hint of a frame object; the skinned
// hint component connects here.
using TbsObjectHintEvent = std::function<void(const TbsActiveSkinObject& Object, bool Show)>;
using TbsObjectPaintEvent = std::function<void(const std::string& IDName, gfx::DeviceContext& dc,
                                               const gfx::Rect& ObjectRect)>;

class TbsSkinHint;

class TbsSkinForm : public TComponent {
 public:
  // `AOwner` must be a form; the frame hooks it at once.
  explicit TbsSkinForm(TComponent* AOwner);
  ~TbsSkinForm() override;

  // The frame of a form, or null.
  static TbsSkinForm* FrameOf(const TCustomForm* form);

  TCustomForm* OwnerForm() const { return FOwnerForm; }
  TbsSkinData* SkinData() const { return FSD; }
  void SetSkinData(TbsSkinData* Value);
  TbsSkinData* MenusSkinData() const { return FMenusSD; }
  void SetMenusSkinData(TbsSkinData* Value);
  TbsBorderIcons BorderIcons() const { return FBorderIcons; }
  void SetBorderIcons(TbsBorderIcons Value);
  bool HideCaptionButtons() const { return FHideCaptionButtons; }
  void SetHideCaptionButtons(bool Value) { FHideCaptionButtons = Value; }
  bool ShowIcon() const { return FShowIcon; }
  void SetShowIcon(bool Value);
  TFont& DefCaptionFont() { return FDefCaptionFont; }
  TFont& DefInActiveCaptionFont() { return FDefInActiveCaptionFont; }
  TBitmap& LogoBitMap() { return FLogoBitMap; }
  bool LogoBitMapTransparent() const { return FLogoBitMapTransparent; }
  void SetLogoBitMapTransparent(bool Value) { FLogoBitMapTransparent = Value; }
  int MinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value) { FMinWidth = Value; }
  int MinHeight() const { return FMinHeight; }
  void SetMinHeight(int Value) { FMinHeight = Value; }
  bool MaximizeOnFullScreen() const { return FMaximizeOnFullScreen; }
  void SetMaximizeOnFullScreen(bool Value) { FMaximizeOnFullScreen = Value; }
  bool Magnetic() const { return FMagnetic; }
  void SetMagnetic(bool Value) { FMagnetic = Value; }
  int MagneticSize() const { return FMagneticSize; }
  void SetMagneticSize(int Value) { FMagneticSize = std::clamp(Value, 0, 255); }
  bool AlphaBlend() const { return FAlphaBlend; }
  void SetAlphaBlend(bool Value);
  bool AlphaBlendAnimation() const { return FAlphaBlendAnimation; }
  void SetAlphaBlendAnimation(bool Value) { FAlphaBlendAnimation = Value; }
  int AlphaBlendValue() const { return FAlphaBlendValue; }
  void SetAlphaBlendValue(int Value);
  bool UseDefaultSysMenu() const { return FUseDefaultSysMenu; }
  void SetUseDefaultSysMenu(bool Value) { FUseDefaultSysMenu = Value; }
  TPopupMenu* SystemMenu() const { return FSystemMenu; }
  void SetSystemMenu(TPopupMenu* Value);
  // The hint component that shows the hints of the frame's objects, when
  // ShowObjectHint is on.
  TbsSkinHint* SkinHint() const { return FSkinHint; }
  void SetSkinHint(TbsSkinHint* Value);
  bool ShowObjectHint() const { return FShowObjectHint; }
  void SetShowObjectHint(bool Value) { FShowObjectHint = Value; }
  // The menu settings, held by the menu engine.
  bool MenusAlphaBlend() const { return FSkinMenu->MenusAlphaBlend; }
  void SetMenusAlphaBlend(bool Value) { FSkinMenu->MenusAlphaBlend = Value; }
  bool MenusAlphaBlendAnimation() const { return FSkinMenu->MenusAlphaBlendAnimation; }
  void SetMenusAlphaBlendAnimation(bool Value) { FSkinMenu->MenusAlphaBlendAnimation = Value; }
  int MenusAlphaBlendValue() const { return FSkinMenu->MenusAlphaBlendValue; }
  void SetMenusAlphaBlendValue(int Value) {
    FSkinMenu->MenusAlphaBlendValue = static_cast<unsigned char>(std::clamp(Value, 0, 255));
  }
  int DefMenuItemHeight() const { return FSkinMenu->DefMenuItemHeight(); }
  void SetDefMenuItemHeight(int Value) { FSkinMenu->SetDefMenuItemHeight(Value); }
  TFont& DefMenuItemFont() { return FSkinMenu->DefMenuItemFont(); }
  bool UseSkinFontInMenu() const { return FSkinMenu->UseSkinFontInMenu; }
  void SetUseSkinFontInMenu(bool Value) { FSkinMenu->UseSkinFontInMenu = Value; }
  bool AlwaysMinimizeToTray() const { return FAlwaysMinimizeToTray; }
  void SetAlwaysMinimizeToTray(bool Value) { FAlwaysMinimizeToTray = Value; }

  // -- State -----------------------------------------------------------
  bool SkinLoaded() const { return FSkinLoaded; }
  TbsFormState FormState() const { return FFormState; }
  bool RollUpState() const { return FRollUpState; }
  const std::vector<std::unique_ptr<TbsActiveSkinObject>>& ObjectList() const {
    return FObjectList;
  }
  // The first object of that section name, or null.
  TbsActiveSkinObject* FindObject(const std::string& IDName) const;
  int ActiveObject() const { return FActiveObject; }
  int CaptureObject() const { return FCaptureObject; }
  const TbsSizedFrame& Sized() const { return FSized; }
  // The shape set on the owner's window, if any.
  // The shape of a hidden window is cut when it is shown or asked for.
  const std::optional<gfx::Region>& WindowRegion() {
    CutDueWindowRegion();
    return FRegion;
  }
  const TbsFrameStrips& MaskStrips() {
    CutDueWindowRegion();
    return ComposedMaskStrips();
  }
  bool HoverTimerRunning() const { return FHoverTimer.Enabled(); }
  bool FadeTimerRunning() const { return FFadeTimer.Enabled(); }

  // -- Frame (geometry, painting) --------------------------------------
  void ApplySkinData();
  void CalcSizedGeometry();
  void PlaceObjects();
  void UpdateFrame();
  int MinFrameWidth() const;
  int MinFrameHeight() const;
  bool WindowIsActive() const;
  // Follows the window's activation with the caption's look; with Repaint
  // the frame is painted once when the look changed (or always, with
  // PaintAnyway).
  void UpdateCaptionActive(bool Repaint, bool PaintAnyway = false);
  // Paints the whole frame, as WM_NCPAINT does.
  void PaintFrame();
  bool FrameOnScreen() const;
  // Draws one object straight into the window.
  void PaintObjectNow(TbsActiveSkinObject& Object);
  // The caption height of the plain frame.
  int PlainCaptionHeight() const;
  // The caption band of the plain frame, frame coordinates.
  gfx::Rect PlainCaptionRect() const;

  // -- Behaviour -------------------------------------------------------
  gfx::Point ToFramePoint(gfx::Point Screen) const;
  win::LRESULT SkinHitTest(gfx::Point P) const;
  win::LRESULT PlainHitTest(gfx::Point P) const;
  void TrackActiveObject(gfx::Point P, bool InFrame);
  void ObjectHint(TbsActiveSkinObject& Object, bool Show);
  void SetFormState(TbsFormState Value);
  void RollUp(bool Value);
  // This program has no tray icon: the tray commands do nothing.
  void MinimizeToTray() {}
  // The menu item whose children are the system menu now.
  TMenuItem* GetSystemMenuItems();
  void ShowSystemMenu(gfx::Point Screen);
  // Opens the children of `Item` at a screen rectangle (below it, or above
  // with `Up`) and runs the chosen item.
  void ShowFrameMenu(TMenuItem& Item, const gfx::Rect& Anchor, bool Up);
  void MarkMenuOpen();
  void SkinMenuClosed();
  bool SkinMenuOpen() const { return FSkinMenuOpen; }
  // The engine that shows the frame's menus.
  TbsSkinMenu& SkinMenu() const { return *FSkinMenu; }
  // The work area of the monitor holding the owner, or the monitor itself.
  gfx::Rect WorkArea(bool Full) const;
  // Puts every object but the caption back to its normal look; true when
  // one of them looked otherwise.
  bool ResetObjectStates();
  void StartFadeTimer() { FFadeTimer.SetEnabled(true); }
  void StartAnimateTimer() { FAnimateTimer.SetEnabled(true); }

  TNotifyEvent OnChangeSkinData;
  TNotifyEvent OnActivate;
  TNotifyEvent OnDeActivate;
  TNotifyEvent OnChangeRollUpState;
  TNotifyEvent OnSkinMenuOpen;
  TNotifyEvent OnSkinMenuClose;
  TbsObjectEvent OnMouseEnterEvent;
  TbsObjectEvent OnMouseLeaveEvent;
  TbsObjectMouseEvent OnMouseDownEvent;
  TbsObjectMouseEvent OnMouseUpEvent;
  TbsObjectMoveEvent OnMouseMoveEvent;
  TbsObjectPaintEvent OnPaintEvent;
  TbsObjectHintEvent OnObjectHint;

 protected:
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void HookedWindowProc(TMessage& Message);
  void CallOld(TMessage& Message) { FOldWindowProc(Message); }
  bool HandleFrameMessage(TMessage& Message);
  bool HandleMouseMessage(TMessage& Message);
  void SkinNotice(TMessage& Message);
  void CloseFrameMenus();
  void StripCaptionStyle();
  // Marks the whole frame for the next paint, leaving the client area be.
  void InvalidateFrame();

  // Frame
  void CreateSkinObjects();
  void CreatePlainButtons();
  void ApplyBorderIcons();
  void PlaceButtonRow();
  void UpdateWindowRegion();
  void CutWindowRegion();
  void CutDueWindowRegion() {
    if (FRegionDue)
      CutWindowRegion();
  }
  void RemoveWindowRegion();
  // The mask strips of the shape cut last, composed when first asked for:
  // only hit tests read them.
  const TbsFrameStrips& ComposedMaskStrips() const;
  void NudgeWidth();
  void EnforceMinimumSize();
  void NCCalcSize(TMessage& Message);
  // The rectangle (window coordinates) the frame paints around and leaves
  // alone, for the current size.
  gfx::Rect FrameClientRect() const;
  // A context for the whole window but that rectangle.
  gfx::DeviceContext* FrameDC() const;
  void PaintSkinFrame(gfx::DeviceContext& dc);
  void PaintPlainFrame(gfx::DeviceContext& dc);
  void PaintClientBackground(gfx::DeviceContext& dc);
  void GetMinMaxInfo(TMessage& Message);
  bool Sizeable() const;

  // Behaviour
  void HitTest(TMessage& Message);
  void HoverTimerTick();
  void FadeTimerTick();
  void AnimateTimerTick();
  void Press(gfx::Point P, TMouseButton Button);
  void ReleaseAt(gfx::Point P, TMouseButton Button);
  void CaptionDoubleClick();
  void Moving(gfx::Rect& Proposed);
  void ApplyAlpha();
  void SetLayeredAlpha(int Alpha);
  void ClearLayered();
  void FadeInTick();
  void ShowWindowMessage(TMessage& Message);
  void AddSystemMenuItem(TMenuItem& Root, int Index, const std::string& Name,
                         const std::string& Caption, std::function<void()> Action);

  TCustomForm* FOwnerForm;
  TWndMethod FOldWindowProc;
  TbsSkinData* FSD = nullptr;
  TbsSkinData* FMenusSD = nullptr;
  TbsBorderIcons FBorderIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                              TbsBorderIcon::biMaximize, TbsBorderIcon::biRollUp};
  bool FHideCaptionButtons = false;
  bool FShowIcon = false;
  TFont FDefCaptionFont;
  TFont FDefInActiveCaptionFont;
  TBitmap FLogoBitMap;
  bool FLogoBitMapTransparent = false;
  int FMinWidth = 0;
  int FMinHeight = 0;
  bool FMaximizeOnFullScreen = false;
  bool FMagnetic = false;
  int FMagneticSize = 5;
  bool FAlphaBlend = false;
  bool FAlphaBlendAnimation = false;
  int FAlphaBlendValue = 200;
  bool FUseDefaultSysMenu = true;
  TPopupMenu* FSystemMenu = nullptr;
  bool FAlwaysMinimizeToTray = false;
  bool FShowObjectHint = false;

  bool FSkinLoaded = false;
  std::vector<std::unique_ptr<TbsActiveSkinObject>> FObjectList;
  int FFrameWidth = 0;
  int FFrameHeight = 0;
  TbsSizedFrame FSized;
  mutable TbsFrameStrips FMaskStrips;
  // The sized frame of the shape cut last, while FMaskStrips wait for it.
  mutable std::optional<TbsSizedFrame> FMaskStripsDue;
  std::optional<gfx::Region> FRegion;
  // The frame size FMaskStrips and FRegion were made for, while they hold.
  std::optional<gfx::Size> FRegionSize;
  // Set while a hidden window waits for the shape of its present size: a
  // dialog sized in steps before it shows needs only the last one.
  bool FRegionDue = false;
  TbsFormState FFormState = TbsFormState::Normal;
  bool FRollUpState = false;
  bool FRolledWhileMaximized = false;
  int FRestoreHeight = 0;
  gfx::Rect FRestoreBounds;
  int FActiveObject = -1;
  int FPreviousActiveObject = -1;
  int FCaptureObject = -1;
  bool FInSizeMove = false;
  bool FFullDragging = false;
  bool FSkinMenuOpen = false;
  // Set while a window just shown waits for its first frame paint, which
  // the window system sends for the whole frame: a frame painted before it
  // would never be seen.
  bool FFramePaintDue = false;
  // The activation a message is announcing while it is handled, before the
  // window system reports it.
  std::optional<bool> FActivating;
  TTimer FHoverTimer;
  TTimer FFadeTimer;
  TTimer FAnimateTimer;
  TPopupMenu FDefaultSysMenu;
  TbsSkinMenu* FSkinMenu = nullptr;  // owned as a component
  TbsSkinHint* FSkinHint = nullptr;
};
