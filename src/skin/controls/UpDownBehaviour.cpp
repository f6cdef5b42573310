#include "skin/controls/UpDownBehaviour.h"

namespace {

// Button rectangles count their right and bottom edges, so that no pixel
// between two touching buttons is dead.
bool ContainsInclusive(const gfx::Rect& r, gfx::Point p) {
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

constexpr unsigned kFirstDelay = 500;
constexpr unsigned kRepeatPeriod = 100;
constexpr unsigned kResumePeriod = 50;

}  // namespace

void TbsUpDownBehaviour::SetPosition(int value) {
  if (value > max_ || value < min_)
    return;
  position_ = value;
  if (OnChange)
    OnChange();
}

void TbsUpDownBehaviour::SetMin(int value) {
  min_ = value;
  if (position_ < min_)
    position_ = min_;
}

void TbsUpDownBehaviour::SetMax(int value) {
  max_ = value;
  if (position_ > max_)
    position_ = max_;
}

void TbsUpDownBehaviour::HitTest(gfx::Point p) {
  previousHot_ = hot_;
  if (ContainsInclusive(buttons_.Up.Rect, p))
    hot_ = 0;
  else if (ContainsInclusive(buttons_.Down.Rect, p))
    hot_ = 1;
  else
    hot_ = -1;
  // While a button is held, the other one does not light up.
  if (held_ != -1 && hot_ != held_)
    hot_ = -1;
  if (hot_ == previousHot_)
    return;
  if (previousHot_ != -1) {
    TbsUpDownButton& left = Button(previousHot_);
    left.MouseOver = false;
    Changed();
    if (increment_ != 0 && left.Down)
      timer_.Stop();
  }
  if (hot_ != -1) {
    TbsUpDownButton& entered = Button(hot_);
    entered.MouseOver = true;
    Button(1 - hot_).MouseOver = false;
    Changed();
    if (increment_ != 0 && entered.Down)
      timer_.Start(kResumePeriod);
  }
}

void TbsUpDownBehaviour::MouseMove(gfx::Point p) {
  HitTest(p);
}

void TbsUpDownBehaviour::MouseDown(gfx::Point p) {
  HitTest(p);
  if (hot_ != 0)
    buttons_.Up.MouseOver = false;
  if (hot_ != 1)
    buttons_.Down.MouseOver = false;
  if (hot_ == -1)
    return;
  held_ = hot_;
  TbsUpDownButton& b = Button(held_);
  b.MouseOver = true;
  b.Down = true;
  Changed();
  if (increment_ != 0) {
    repeatStep_ = held_ == 0 ? 1 : -1;
    firstDelay_ = true;
    timer_.Start(kFirstDelay);
  }
}

void TbsUpDownBehaviour::MouseUp(gfx::Point p) {
  if (held_ == -1)
    return;
  TbsUpDownButton& b = Button(held_);
  b.Down = false;
  const bool over = ContainsInclusive(b.Rect, p);
  if (!over)
    b.MouseOver = false;
  Changed();
  const int held = held_;
  held_ = -1;
  if (increment_ != 0) {
    timer_.Stop();
    repeatStep_ = 0;
  }
  if (!over)
    return;
  if (held == 0) {
    if (increment_ != 0)
      SetPosition(position_ + increment_);
    if (OnUpButtonClick)
      OnUpButtonClick();
  } else {
    if (increment_ != 0)
      SetPosition(position_ - increment_);
    if (OnDownButtonClick)
      OnDownButtonClick();
  }
}

void TbsUpDownBehaviour::MouseEnter() {
  hot_ = -1;
  previousHot_ = -1;
}

void TbsUpDownBehaviour::MouseLeave() {
  hot_ = -1;
  previousHot_ = -1;
  for (TbsUpDownButton* b : {&buttons_.Up, &buttons_.Down})
    if (b->MouseOver) {
      b->MouseOver = false;
      Changed();
    }
}

void TbsUpDownBehaviour::TimerTick() {
  if (firstDelay_) {
    firstDelay_ = false;
    timer_.Start(kRepeatPeriod);
    return;
  }
  if (repeatStep_ != 0)
    SetPosition(position_ + repeatStep_ * increment_);
}
