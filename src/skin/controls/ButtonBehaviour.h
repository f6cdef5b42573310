#pragma once

// What the skinned push button does with the mouse, the keyboard, focus
// and its two timers, apart from any window: pressing and latching, clicks
// on release, repeat clicks, and the hover fade. The skinned button
// forwards its input here; the look is drawn from State().

#include <functional>

#include "skin/controls/ButtonLook.h"
#include "skin/controls/ControlTimer.h"

class TbsButtonBehaviour {
 public:
  TbsButtonBehaviour(TbsControlTimer& morphTimer, TbsControlTimer& repeatTimer)
      : morphTimer_(morphTimer), repeatTimer_(repeatTimer) {}

  bool RepeatMode = false;
  unsigned RepeatInterval = 100;
  bool AllowAllUp = false;
  bool CanFocused = true;
  bool Default = false;
  int GroupIndex() const { return groupIndex_; }
  // A latching button never takes the focus.
  void SetGroupIndex(int value) {
    groupIndex_ = value;
    if (value != 0)
      CanFocused = false;
  }

  bool Down() const { return down_; }
  void SetDown(bool value);
  bool MouseOver() const { return mouseOver_; }
  double MorphFactor() const { return morphFactor_; }
  bool DefaultActive() const { return defaultActive_; }
  void SetDefaultActive(bool value) { defaultActive_ = value; }
  // The form's active control changed: the button Enter clicks is then the
  // focused button, or else the default one, which looks hot meanwhile.
  void ActiveControlChanged(bool activeIsButton, bool activeIsThis);
  // What the look is drawn from.
  TbsButtonState State(bool enabled) const;

  // Left mouse button only; `inside` tells whether the release point lies
  // on the button.
  void MouseDown();
  void MouseUp(bool inside);
  void MouseEnter();
  void MouseLeave();
  void SpaceDown();
  void SpaceUp();
  void FocusGained();
  void FocusLost();
  void EnabledChanged();
  // Before and after the skin is read again.
  void SkinChanging();
  void SkinChanged();
  void MorphTick();
  void RepeatTick() { Click(); }

  // Whether the button has the keyboard focus, and whether a morphing
  // record is bound; both asked by the behaviour when it needs them.
  std::function<bool()> Focused;
  std::function<bool()> CanMorph;
  std::function<void()> FireClick;
  std::function<void()> Repaint;
  // Lets go of the other buttons of the group.
  std::function<void()> ReleaseGroup;

 private:
  bool IsFocused() const { return Focused && Focused(); }
  bool FocusedLook() const { return IsFocused() && CanFocused; }
  bool Morphing() const { return CanMorph && CanMorph(); }
  void Changed() const {
    if (Repaint)
      Repaint();
  }
  void Click() const {
    if (FireClick)
      FireClick();
  }
  // A new look: fade to it when the record morphs, else repaint now.
  void MorphOrRepaint();
  bool HoverLookChanges() const {
    return (groupIndex_ != 0 && !down_) || (groupIndex_ == 0 && (!FocusedLook() || down_));
  }

  TbsControlTimer& morphTimer_;
  TbsControlTimer& repeatTimer_;
  int groupIndex_ = 0;
  bool down_ = false;
  bool mouseOver_ = false;
  bool pressedByMouse_ = false;
  bool wasDownAtPress_ = false;
  bool defaultActive_ = false;
  double morphFactor_ = 0.0;
};
