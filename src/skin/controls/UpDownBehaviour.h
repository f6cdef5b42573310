#pragma once

// What the up-down does with the mouse and its timer, apart from any
// window: the position with its bounds, the two buttons' flags, clicks and
// auto-repeat. The skinned up-down control forwards its mouse messages and
// timer ticks here and repaints when asked.

#include <functional>

#include "skin/controls/ControlTimer.h"
#include "skin/controls/UpDownLook.h"

class TbsUpDownBehaviour {
 public:
  explicit TbsUpDownBehaviour(TbsControlTimer& timer) : timer_(timer) {}

  int Position() const { return position_; }
  // A value outside [Min, Max] is ignored; any other fires OnChange, also
  // when it equals the current position.
  void SetPosition(int value);
  int Min() const { return min_; }
  void SetMin(int value);
  int Max() const { return max_; }
  void SetMax(int value);
  int Increment() const { return increment_; }
  void SetIncrement(int value) { increment_ = value; }

  TbsUpDownButtons& Buttons() { return buttons_; }
  const TbsUpDownButtons& Buttons() const { return buttons_; }
  int HotButton() const { return hot_; }

  // Mouse input in control coordinates.
  void MouseMove(gfx::Point p);
  void MouseDown(gfx::Point p);
  void MouseUp(gfx::Point p);
  void MouseEnter();
  void MouseLeave();
  void TimerTick();

  std::function<void()> OnChange;
  std::function<void()> OnUpButtonClick;
  std::function<void()> OnDownButtonClick;
  std::function<void()> Repaint;

 private:
  TbsUpDownButton& Button(int i) { return i == 0 ? buttons_.Up : buttons_.Down; }
  void HitTest(gfx::Point p);
  void Changed() const {
    if (Repaint)
      Repaint();
  }

  TbsControlTimer& timer_;
  TbsUpDownButtons buttons_;
  int position_ = 0;
  int min_ = 0;
  int max_ = 100;
  int increment_ = 1;
  int hot_ = -1;
  int previousHot_ = -1;
  int held_ = -1;
  int repeatStep_ = 0;  // +1 increases, -1 decreases, 0 none
  bool firstDelay_ = false;
};
