#include "skin/controls/SkinButton.h"

#include <cstdint>

#include "platform/win/InputApi.h"
#include "platform/win/VirtualKeys.h"
#include "ui/Form.h"

TbsSkinButton::TbsSkinButton(TComponent* AOwner)
    : TbsSkinCustomControl(AOwner),
      FMorphTimer(this, [this] { FBehaviour.MorphTick(); }),
      FRepeatTimer(this, [this] { FBehaviour.RepeatTick(); }),
      FBehaviour(FMorphTimer, FRepeatTimer) {
  SetSkinDataName("button");
  SetTabStop(true);
  // Clicks come from the button's own rules, not from every release.
  ExcludeStyle(csClickEvents);
  SetBounds(Left(), Top(), 75, 25);
  FBehaviour.Focused = [this] { return Focused(); };
  FBehaviour.CanMorph = [this] {
    const auto* record = ButtonRecord();
    return record != nullptr && record->morphing;
  };
  FBehaviour.FireClick = [this] { FireClick(); };
  FBehaviour.Repaint = [this] { Invalidate(); };
  FBehaviour.ReleaseGroup = [this] { ReleaseGroup(); };
}

const TbsDataSkinButtonControl* TbsSkinButton::ButtonRecord() const {
  return dynamic_cast<const TbsDataSkinButtonControl*>(Record());
}

void TbsSkinButton::SetCanFocused(bool Value) {
  FBehaviour.CanFocused = Value;
  if (ComponentState().Contains(csDesigning) && !ComponentState().Contains(csLoading))
    SetTabStop(Value);
}

void TbsSkinButton::SetDefault(bool Value) {
  FBehaviour.Default = Value;
  if (TCustomForm* form = GetParentForm(this); form && HandleAllocated() && CanFocused())
    Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<win::LPARAM>(form->ActiveControl()));
}

void TbsSkinButton::CreateWnd() {
  TbsSkinCustomControl::CreateWnd();
  // A button made default before its window existed is the one Enter
  // clicks from the start, not only after the focus first moves.
  FBehaviour.SetDefaultActive(Default());
}

void TbsSkinButton::SetGlyph(const gfx::Bitmap& Value) {
  FGlyph = Value.Clone();
  Invalidate();
}

void TbsSkinButton::SetNumGlyphs(int Value) {
  FContent.NumGlyphs = std::clamp(Value, 1, 4);
  Invalidate();
}

void TbsSkinButton::SetMargin(int Value) {
  // Below -1 means nothing.
  if (Value < -1 || Value == FContent.Margin)
    return;
  FContent.Margin = Value;
  Invalidate();
}

void TbsSkinButton::SetSpacing(int Value) {
  if (Value != FContent.Spacing) {
    FContent.Spacing = Value;
    Invalidate();
  }
}

void TbsSkinButton::SetLayout(TbsButtonLayout Value) {
  if (Value != FContent.Layout) {
    FContent.Layout = Value;
    Invalidate();
  }
}

TbsButtonContent TbsSkinButton::Content() const {
  TbsButtonContent c = FContent;
  c.Caption = Caption();
  c.Glyph = FGlyph.IsEmpty() ? nullptr : &FGlyph;
  c.UseSkinFont = UseSkinFont();
  TFont& font = const_cast<TbsSkinButton*>(this)->DefaultFont();
  c.DefaultFont = font.Handle();
  c.DefaultFontColor = font.Color();
  return c;
}

void TbsSkinButton::ReleaseGroup() {
  if (Parent() == nullptr)
    return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* other = dynamic_cast<TbsSkinButton*>(Parent()->Controls(i));
    if (other != nullptr && other != this && other->GroupIndex() == GroupIndex() && other->Down())
      other->SetDown(false);
  }
}

void TbsSkinButton::FireClick() {
  if (CanFocused())
    if (TCustomForm* form = GetParentForm(this))
      form->SetModalResult(FModalResult);
  Click();
}

void TbsSkinButton::ApplySkinChange() {
  FBehaviour.SkinChanging();
  TbsSkinCustomControl::ApplySkinChange();
  FBehaviour.SkinChanged();
}

void TbsSkinButton::PaintPlainLook(gfx::Bitmap& B) {
  gfx::DeviceContext dc(B);
  PaintButtonPlainLook(dc, B.Width(), B.Height(), FBehaviour.State(Enabled()), Content());
}

void TbsSkinButton::PaintSkinLook(gfx::Bitmap& B) {
  const auto* record = ButtonRecord();
  if (record == nullptr) {
    TbsSkinCustomControl::PaintSkinLook(B);
    return;
  }
  PaintButtonSkinLook(B, *FSD, *record, FBehaviour.State(Enabled()), Content(), Width(), Height());
}

void TbsSkinButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button != mbLeft) {
    TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
    return;
  }
  // A press first takes the focus; a button that cannot get it ignores it.
  if (CanFocused() && !Focused()) {
    if (CanFocus())
      SetFocus();
    if (!Focused())
      return;
  }
  TbsSkinCustomControl::MouseDown(Button, Shift, X, Y);
  FBehaviour.MouseDown();
}

void TbsSkinButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft)
    FBehaviour.MouseUp(ClientRect().Contains({X, Y}));
  if (HandleAllocated() && Visible())
    TbsSkinCustomControl::MouseUp(Button, Shift, X, Y);
}

void TbsSkinButton::MouseEnter() {
  TbsSkinCustomControl::MouseEnter();
  FBehaviour.MouseEnter();
}

void TbsSkinButton::MouseLeave() {
  TbsSkinCustomControl::MouseLeave();
  FBehaviour.MouseLeave();
}

void TbsSkinButton::KeyDown(win::WORD& Key, TShiftState Shift) {
  TbsSkinCustomControl::KeyDown(Key, Shift);
  if (Key == win::VK_SPACE)
    FBehaviour.SpaceDown();
}

void TbsSkinButton::KeyUp(win::WORD& Key, TShiftState Shift) {
  TbsSkinCustomControl::KeyUp(Key, Shift);
  if (Key == win::VK_SPACE)
    FBehaviour.SpaceUp();
}

void TbsSkinButton::DoEnter() {
  TbsSkinCustomControl::DoEnter();
  FBehaviour.FocusGained();
}

void TbsSkinButton::DoExit() {
  TbsSkinCustomControl::DoExit();
  FBehaviour.FocusLost();
}

void TbsSkinButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_DIALOGKEY: {
      // One click per press: the key repeats of a held Enter or Escape are
      // taken but click nothing, so that holding Enter on the start button
      // starts the puzzle once.
      const bool repeat = (static_cast<std::uintptr_t>(Message.LParam) & (1u << 30)) != 0;
      if (Message.WParam == win::VK_RETURN && FBehaviour.DefaultActive() && Enabled() &&
          Showing()) {
        if (!repeat)
          FireClick();
        Message.Result = 1;
        return;
      }
      if (Message.WParam == win::VK_ESCAPE && FCancel && CanFocused() && CanFocus() &&
          win::GetKeyState(win::VK_SHIFT) >= 0) {
        if (!repeat)
          FireClick();
        Message.Result = 1;
        return;
      }
      break;
    }
    case CM_DIALOGCHAR:
      if (CanFocused() && CanFocus() && IsAccel(static_cast<unsigned>(Message.WParam), Caption())) {
        SetFocus();
        FireClick();
        Message.Result = 1;
        return;
      }
      break;
    case CM_FOCUSCHANGED: {
      auto* active = reinterpret_cast<TWinControl*>(Message.LParam);
      FBehaviour.ActiveControlChanged(dynamic_cast<TbsSkinButton*>(active) != nullptr,
                                      active == this);
      break;
    }
    case CM_ENABLEDCHANGED:
      TbsSkinCustomControl::WndProc(Message);
      FBehaviour.EnabledChanged();
      return;
    default:
      break;
  }
  TbsSkinCustomControl::WndProc(Message);
}
