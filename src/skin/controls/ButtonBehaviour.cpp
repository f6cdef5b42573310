#include "skin/controls/ButtonBehaviour.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned kMorphStep = 20;

// Steps of a tenth, kept on exact tenths so that ten steps reach the end
// instead of stopping a rounding error short of it.
double StepTenth(double factor, int direction) {
  return std::clamp(std::round(factor * 10 + direction) / 10, 0.0, 1.0);
}

}  // namespace

TbsButtonState TbsButtonBehaviour::State(bool enabled) const {
  return {.Enabled = enabled,
          .MouseOver = mouseOver_,
          .Down = down_,
          .Focused = FocusedLook(),
          .PressedByMouse = pressedByMouse_,
          .GroupIndex = groupIndex_,
          .MorphFactor = morphFactor_};
}

void TbsButtonBehaviour::MorphOrRepaint() {
  if (Morphing()) {
    if (!morphTimer_.Running())
      morphTimer_.Start(kMorphStep);
  } else {
    Changed();
  }
}

void TbsButtonBehaviour::SetDown(bool value) {
  down_ = value;
  if (Morphing()) {
    // A released button fades from the hot look back to normal.
    morphFactor_ = 1.0;
    if (value)
      morphTimer_.Stop();
    else if (!morphTimer_.Running())
      morphTimer_.Start(kMorphStep);
  }
  Changed();
  if (groupIndex_ != 0 && value && !AllowAllUp && ReleaseGroup)
    ReleaseGroup();
}

void TbsButtonBehaviour::MouseDown() {
  pressedByMouse_ = true;
  if (!down_) {
    mouseOver_ = true;
    SetDown(true);
    if (RepeatMode && groupIndex_ == 0)
      repeatTimer_.Start(RepeatInterval);
    else if (groupIndex_ != 0)
      Click();
    wasDownAtPress_ = false;
  } else if (groupIndex_ != 0) {
    wasDownAtPress_ = true;
  }
}

void TbsButtonBehaviour::MouseUp(bool inside) {
  pressedByMouse_ = false;
  if (groupIndex_ == 0) {
    if (inside) {
      SetDown(false);
      repeatTimer_.Stop();
      Click();
    } else {
      // Let go elsewhere: the button comes up without a click.
      down_ = false;
      repeatTimer_.Stop();
    }
  } else if (down_ && AllowAllUp && wasDownAtPress_ && inside) {
    SetDown(false);
    Click();
  }
}

void TbsButtonBehaviour::MouseEnter() {
  mouseOver_ = true;
  if (HoverLookChanges()) {
    if (down_) {
      if (Morphing())
        morphFactor_ = 1.0;
      Changed();
    } else {
      MorphOrRepaint();
    }
  }
  if (down_ && RepeatMode && groupIndex_ == 0)
    repeatTimer_.Start(RepeatInterval);
}

void TbsButtonBehaviour::MouseLeave() {
  // The default button keeps its hot look while focus is elsewhere.
  const bool keepHot = CanFocused && Default && defaultActive_ && !IsFocused();
  if (!keepHot)
    mouseOver_ = false;
  if (HoverLookChanges())
    MorphOrRepaint();
  if (down_ && RepeatMode && repeatTimer_.Running() && groupIndex_ == 0)
    repeatTimer_.Stop();
}

void TbsButtonBehaviour::SpaceDown() {
  if (!CanFocused)
    return;
  SetDown(true);
  if (RepeatMode)
    Click();
}

void TbsButtonBehaviour::SpaceUp() {
  if (!CanFocused)
    return;
  SetDown(false);
  Click();
}

void TbsButtonBehaviour::FocusGained() {
  if (CanFocused)
    MorphOrRepaint();
}

void TbsButtonBehaviour::FocusLost() {
  repeatTimer_.Stop();
  if (groupIndex_ == 0 && down_)
    SetDown(false);
  if (CanFocused)
    MorphOrRepaint();
}

void TbsButtonBehaviour::EnabledChanged() {
  morphTimer_.Stop();
  morphFactor_ = 0.0;
  mouseOver_ = false;
  Changed();
}

void TbsButtonBehaviour::SkinChanging() {
  morphTimer_.Stop();
  morphFactor_ = 0.0;
}

void TbsButtonBehaviour::SkinChanged() {
  if (Morphing() && (FocusedLook() || mouseOver_))
    morphFactor_ = 1.0;
}

void TbsButtonBehaviour::MorphTick() {
  const bool hot = mouseOver_ || FocusedLook();
  if (!Morphing()) {
    morphFactor_ = hot ? 1.0 : 0.0;
    morphTimer_.Stop();
    return;
  }
  if (hot && morphFactor_ < 1.0) {
    morphFactor_ = StepTenth(morphFactor_, +1);
  } else if (!hot && morphFactor_ > 0.0) {
    morphFactor_ = StepTenth(morphFactor_, -1);
  } else {
    morphFactor_ = hot ? 1.0 : 0.0;
    morphTimer_.Stop();
  }
  Changed();
}

void TbsButtonBehaviour::ActiveControlChanged(bool activeIsButton, bool activeIsThis) {
  defaultActive_ = activeIsButton ? activeIsThis : Default;
  if (CanFocused && Default) {
    if (!activeIsButton) {
      mouseOver_ = true;
      if (Morphing())
        morphFactor_ = 1.0;
    } else if (!activeIsThis) {
      mouseOver_ = false;
    }
  }
  Changed();
}
