#pragma once

// TbsSkinButton: the push button of the skinned window and of its notices.
// Its states (normal, hot, pressed, disabled, focused) each have a picture
// in the button's record; hovering fades between the normal and the hot
// picture when the record asks for it.

#include "platform/gfx/Bitmap.h"
#include "skin/controls/ButtonBehaviour.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinTimer.h"

class TbsSkinButton : public TbsSkinCustomControl {
 public:
  explicit TbsSkinButton(TComponent* AOwner);

  bool RepeatMode() const { return FBehaviour.RepeatMode; }
  void SetRepeatMode(bool Value) { FBehaviour.RepeatMode = Value; }
  unsigned RepeatInterval() const { return FBehaviour.RepeatInterval; }
  void SetRepeatInterval(unsigned Value) { FBehaviour.RepeatInterval = Value; }
  bool AllowAllUp() const { return FBehaviour.AllowAllUp; }
  void SetAllowAllUp(bool Value) { FBehaviour.AllowAllUp = Value; }
  bool CanFocused() const { return FBehaviour.CanFocused; }
  void SetCanFocused(bool Value);
  bool Down() const { return FBehaviour.Down(); }
  void SetDown(bool Value) { FBehaviour.SetDown(Value); }
  int GroupIndex() const { return FBehaviour.GroupIndex(); }
  void SetGroupIndex(int Value) { FBehaviour.SetGroupIndex(Value); }
  bool Default() const { return FBehaviour.Default; }
  void SetDefault(bool Value);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  TModalResult ModalResult() const { return FModalResult; }
  void SetModalResult(TModalResult Value) { FModalResult = Value; }

  const gfx::Bitmap& Glyph() const { return FGlyph; }
  void SetGlyph(const gfx::Bitmap& Value);
  int NumGlyphs() const { return FContent.NumGlyphs; }
  void SetNumGlyphs(int Value);
  int Margin() const { return FContent.Margin; }
  void SetMargin(int Value);
  int Spacing() const { return FContent.Spacing; }
  void SetSpacing(int Value);
  TbsButtonLayout Layout() const { return FContent.Layout; }
  void SetLayout(TbsButtonLayout Value);

  bool MouseOver() const { return FBehaviour.MouseOver(); }
  bool DefaultActive() const { return FBehaviour.DefaultActive(); }
  double MorphFactor() const { return FBehaviour.MorphFactor(); }

  void ApplySkinChange() override;
  // The button's click: the modal result goes to the form, then OnClick.
  virtual void FireClick();

 protected:
  void CreateWnd() override;
  void PaintPlainLook(gfx::Bitmap& B) override;
  void PaintSkinLook(gfx::Bitmap& B) override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void KeyDown(win::WORD& Key, TShiftState Shift) override;
  void KeyUp(win::WORD& Key, TShiftState Shift) override;
  void DoEnter() override;
  void DoExit() override;

 private:
  const TbsDataSkinButtonControl* ButtonRecord() const;
  TbsButtonContent Content() const;
  void ReleaseGroup();

  TbsSkinTimer FMorphTimer;
  TbsSkinTimer FRepeatTimer;
  TbsButtonBehaviour FBehaviour;
  TbsButtonContent FContent;
  gfx::Bitmap FGlyph;
  bool FCancel = false;
  TModalResult FModalResult = 0;
};
