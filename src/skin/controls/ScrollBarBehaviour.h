#pragma once

// What the scroll bar does with the mouse, the keyboard and its timer,
// apart from any window: the clamped position, button steps, page steps
// that repeat until the thumb reaches the mouse, and thumb dragging.

#include <functional>

#include "skin/controls/ControlTimer.h"
#include "skin/controls/ScrollBarLook.h"

class TbsScrollBarBehaviour {
 public:
  explicit TbsScrollBarBehaviour(TbsControlTimer& timer) : timer_(timer) {}

  const TbsScrollBarRange& Range() const { return range_; }
  const TbsScrollBarLayout& Layout() const { return layout_; }
  bool Dragging() const { return dragging_; }

  // The record the bar is drawn from (null for the plain look) and its size;
  // both lay the parts out again.
  void SetRecord(const TbsDataSkinScrollBarControl* record);
  void SetSize(int width, int height);
  void SetKind(TbsScrollBarKind kind);
  void SetBoth(bool both, int markerWidth);

  // Clamped to [Min, Max - PageSize + 1] (or [Min, Max] without a page);
  // a real change repaints and fires OnChange.
  void SetPosition(int value);
  // Min, Max, PageSize and a position at once, without OnChange.
  void SetRange(int min, int max, int pageSize, int position);
  void SetMin(int value);
  void SetMax(int value);
  void SetPageSize(int value);
  int SmallChange = 1;
  int LargeChange = 1;

  // Mouse input in control coordinates; only the left button steps.
  void MouseDown(gfx::Point p, bool left = true);
  void MouseMove(gfx::Point p);
  void MouseUp(gfx::Point p, bool left = true);
  void MouseLeave();
  void TimerTick();
  // Arrow keys and the wheel of a bar that takes focus: +1 or -1 steps.
  void KeyStep(int direction) { SetPosition(range_.Position + direction * SmallChange); }

  std::function<void()> OnChange;
  std::function<void()> OnLastChange;
  std::function<void()> OnUpButtonClick;  // replaces the up button's own step
  std::function<void()> OnDownButtonClick;
  std::function<void()> OnPageUp;
  std::function<void()> OnPageDown;
  std::function<void()> Repaint;

 private:
  enum class Repeat { None, Decrease, Increase, PageUp, PageDown };
  // 0 thumb, 1 up button, 2 down button, -1 none.
  int PartAt(gfx::Point p) const;
  TbsScrollBarPart& Part(int i);
  void Relayout();
  void Changed() const {
    if (Repaint)
      Repaint();
  }
  void StepUp();
  void StepDown();
  bool BeforeThumb(gfx::Point p) const;
  bool AfterThumb(gfx::Point p) const;
  int Along(gfx::Point p) const { return range_.Kind == sbVertical ? p.y : p.x; }

  TbsControlTimer& timer_;
  const TbsDataSkinScrollBarControl* record_ = nullptr;
  TbsScrollBarRange range_;
  TbsScrollBarLayout layout_;
  int width_ = 200;
  int height_ = 19;
  int hot_ = -1;
  int captured_ = -1;
  bool dragging_ = false;
  int dragStartMouse_ = 0;
  int dragStartShift_ = 0;
  gfx::Point lastMouse_;
  bool mouseHeld_ = false;
  Repeat repeat_ = Repeat::None;
  bool firstDelay_ = false;
};
