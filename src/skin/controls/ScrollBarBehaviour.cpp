#include "skin/controls/ScrollBarBehaviour.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr unsigned kFirstDelay = 500;
constexpr unsigned kRepeatPeriod = 50;

}  // namespace

void TbsScrollBarBehaviour::Relayout() {
  LayoutScrollBar(layout_, record_, range_, width_, height_);
}

void TbsScrollBarBehaviour::SetRecord(const TbsDataSkinScrollBarControl* record) {
  record_ = record;
  Relayout();
}

void TbsScrollBarBehaviour::SetSize(int width, int height) {
  width_ = width;
  height_ = height;
  Relayout();
}

void TbsScrollBarBehaviour::SetKind(TbsScrollBarKind kind) {
  range_.Kind = kind;
  Relayout();
  Changed();
}

void TbsScrollBarBehaviour::SetBoth(bool both, int markerWidth) {
  range_.Both = both;
  if (markerWidth >= 0)
    range_.BothMarkerWidth = markerWidth;
  Relayout();
  Changed();
}

void TbsScrollBarBehaviour::SetPosition(int value) {
  const int top = range_.PageSize > 0 ? range_.Max - range_.PageSize + 1 : range_.Max;
  value = std::max(std::min(value, top), range_.Min);
  if (value == range_.Position)
    return;
  range_.Position = value;
  Relayout();
  Changed();
  if (OnChange)
    OnChange();
}

void TbsScrollBarBehaviour::SetRange(int min, int max, int pageSize, int position) {
  range_.Min = min;
  range_.Max = max;
  range_.PageSize = std::max(pageSize, 0);
  const int top = range_.PageSize > 0 ? max - range_.PageSize + 1 : max;
  range_.Position = std::max(std::min(position, top), min);
  Relayout();
  Changed();
}

void TbsScrollBarBehaviour::SetMin(int value) {
  range_.Min = value;
  range_.Position = std::max(range_.Position, value);
  Relayout();
  Changed();
}

void TbsScrollBarBehaviour::SetMax(int value) {
  range_.Max = value;
  if (range_.PageSize > 0) {
    if (range_.Max - range_.Min < range_.PageSize + range_.Position)
      range_.Position = std::max(range_.Max - range_.Min - range_.PageSize + 1, range_.Min);
  } else {
    range_.Position = std::min(range_.Position, value);
  }
  Relayout();
  Changed();
}

void TbsScrollBarBehaviour::SetPageSize(int value) {
  if (range_.Max - range_.Min + 1 < value + range_.Position)
    return;
  range_.PageSize = value;
  Relayout();
  Changed();
}

int TbsScrollBarBehaviour::PartAt(gfx::Point p) const {
  if (layout_.Thumb.Rect.Contains(p))
    return 0;
  if (layout_.UpButton.Rect.Contains(p))
    return 1;
  if (layout_.DownButton.Rect.Contains(p))
    return 2;
  return -1;
}

TbsScrollBarPart& TbsScrollBarBehaviour::Part(int i) {
  return i == 0 ? layout_.Thumb : i == 1 ? layout_.UpButton : layout_.DownButton;
}

bool TbsScrollBarBehaviour::BeforeThumb(gfx::Point p) const {
  const gfx::Rect& t = layout_.Thumb.Rect;
  return layout_.Track.Contains(p) && Along(p) < (range_.Kind == sbVertical ? t.top : t.left);
}

bool TbsScrollBarBehaviour::AfterThumb(gfx::Point p) const {
  const gfx::Rect& t = layout_.Thumb.Rect;
  return layout_.Track.Contains(p) && Along(p) >= (range_.Kind == sbVertical ? t.bottom : t.right);
}

void TbsScrollBarBehaviour::StepUp() {
  if (OnUpButtonClick)
    OnUpButtonClick();
  else
    SetPosition(range_.Position + SmallChange);
}

void TbsScrollBarBehaviour::StepDown() {
  if (OnDownButtonClick)
    OnDownButtonClick();
  else
    SetPosition(range_.Position - SmallChange);
}

void TbsScrollBarBehaviour::MouseDown(gfx::Point p, bool left) {
  if (!left)
    return;
  mouseHeld_ = true;
  lastMouse_ = p;
  Relayout();
  repeat_ = Repeat::None;
  firstDelay_ = true;
  const int part = PartAt(p);
  if (part != -1) {
    captured_ = part;
    hot_ = part;
    TbsScrollBarPart& captured = Part(part);
    captured.MouseOver = true;
    if (part == 1 || part == 2) {
      captured.Down = true;
      Changed();
      if (part == 1) {
        StepUp();
        repeat_ = Repeat::Increase;
      } else {
        StepDown();
        repeat_ = Repeat::Decrease;
      }
      timer_.Start(kFirstDelay);
    } else {
      captured.Down = true;
      dragStartMouse_ = Along(p);
      dragStartShift_ = layout_.ThumbShift;
      dragging_ = true;
      Changed();
    }
    return;
  }
  if (BeforeThumb(p)) {
    SetPosition(range_.Position - LargeChange);
    repeat_ = Repeat::PageUp;
    timer_.Start(kFirstDelay);
    if (OnPageUp)
      OnPageUp();
  } else if (AfterThumb(p)) {
    SetPosition(range_.Position + LargeChange);
    repeat_ = Repeat::PageDown;
    timer_.Start(kFirstDelay);
    if (OnPageDown)
      OnPageDown();
  }
}

void TbsScrollBarBehaviour::TimerTick() {
  if (firstDelay_) {
    firstDelay_ = false;
    timer_.Start(kRepeatPeriod);
    return;
  }
  switch (repeat_) {
    case Repeat::Increase:
      StepUp();
      break;
    case Repeat::Decrease:
      StepDown();
      break;
    case Repeat::PageUp:
      if (PartAt(lastMouse_) == -1 && BeforeThumb(lastMouse_)) {
        SetPosition(range_.Position - LargeChange);
        if (OnPageUp)
          OnPageUp();
      } else {
        timer_.Stop();
      }
      break;
    case Repeat::PageDown:
      if (PartAt(lastMouse_) == -1 && AfterThumb(lastMouse_)) {
        SetPosition(range_.Position + LargeChange);
        if (OnPageDown)
          OnPageDown();
      } else {
        timer_.Stop();
      }
      break;
    case Repeat::None:
      timer_.Stop();
      break;
  }
}

void TbsScrollBarBehaviour::MouseMove(gfx::Point p) {
  lastMouse_ = p;
  const int previous = hot_;
  hot_ = PartAt(p);
  if (captured_ != -1 && hot_ != captured_)
    hot_ = -1;
  if (hot_ != previous) {
    if (previous != -1) {
      TbsScrollBarPart& left = Part(previous);
      left.MouseOver = false;
      if (left.Down && previous != 0)
        timer_.Stop();
    }
    if (hot_ != -1) {
      TbsScrollBarPart& entered = Part(hot_);
      entered.MouseOver = true;
      if (entered.Down && hot_ != 0)
        timer_.Start(kRepeatPeriod);
    }
    Changed();
  }
  if (dragging_) {
    const int shift = dragStartShift_ + Along(p) - dragStartMouse_;
    double f = layout_.ThumbTravel > 0 ? static_cast<double>(shift) / layout_.ThumbTravel : 0.0;
    f = std::clamp(f, 0.0, 1.0);
    const int span = range_.PageSize > 0 ? range_.Max - range_.Min + 1 - range_.PageSize
                                         : range_.Max - range_.Min;
    SetPosition(range_.Min + static_cast<int>(std::nearbyint(span * f)));
  }
}

void TbsScrollBarBehaviour::MouseUp(gfx::Point p, bool left) {
  if (!left)
    return;
  mouseHeld_ = false;
  if (repeat_ == Repeat::PageUp || repeat_ == Repeat::PageDown) {
    timer_.Stop();
    repeat_ = Repeat::None;
  }
  if (captured_ == -1)
    return;
  const int captured = captured_;
  captured_ = -1;
  TbsScrollBarPart& part = Part(captured);
  part.Down = false;
  if (PartAt(p) != captured) {
    part.MouseOver = false;
    hot_ = -1;
  }
  const bool wasDragging = dragging_;
  dragging_ = false;
  if (captured != 0) {
    timer_.Stop();
    repeat_ = Repeat::None;
  }
  Changed();
  if (captured == 0 && wasDragging && OnLastChange)
    OnLastChange();
}

void TbsScrollBarBehaviour::MouseLeave() {
  if (hot_ != -1 && hot_ != captured_ && !(hot_ == 0 && dragging_)) {
    Part(hot_).MouseOver = false;
    hot_ = -1;
    Changed();
  }
  if (mouseHeld_ && repeat_ == Repeat::PageDown)
    timer_.Stop();
}
