#include "skin/controls/ComboBoxBehaviour.h"

#include <algorithm>
#include <cctype>

namespace {

constexpr unsigned kTypingPause = 500;

bool StartsWithNoCase(const std::string& text, const std::string& prefix) {
  if (prefix.size() > text.size())
    return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) !=
        std::tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

}  // namespace

gfx::Rect DropDownRect(const gfx::Rect& box, int listWidth, int listHeight,
                       const gfx::Rect& workArea) {
  gfx::Rect r = gfx::Rect::FromXYWH(box.left, box.bottom, listWidth, listHeight);
  if (r.bottom > workArea.bottom)
    r = gfx::Rect::FromXYWH(box.left, box.top - listHeight, listWidth, listHeight);
  return r;
}

void TbsComboBoxBehaviour::SetItems(std::vector<std::string> items) {
  items_ = std::move(items);
  if (listIndex_ > Last())
    listIndex_ = -1;
  if (savedIndex_ > Last())
    savedIndex_ = -1;
  Changed();
}

void TbsComboBoxBehaviour::SetText(const std::string& text) {
  if (text == text_)
    return;
  text_ = text;
  if (OnChange)
    OnChange();
}

void TbsComboBoxBehaviour::SetItemIndex(int value) {
  // An index past the items chooses nothing rather than reading beyond them.
  listIndex_ = value >= 0 && value <= Last() ? value : -1;
  if (listIndex_ != -1)
    SetText(items_[static_cast<size_t>(listIndex_)]);
  savedIndex_ = listIndex_;
  Changed();
  if (OnClick)
    OnClick();
}

int TbsComboBoxBehaviour::ListRows() const {
  return std::min(dropDownCount_, static_cast<int>(items_.size()));
}

void TbsComboBoxBehaviour::OpenList() {
  if (open_ || items_.empty())
    return;
  if (OnDropDown)
    OnDropDown();
  savedIndex_ = listIndex_;
  // The chosen item becomes the first visible row, as far as the rows below
  // it allow.
  topIndex_ = std::clamp(listIndex_, 0, static_cast<int>(items_.size()) - ListRows());
  open_ = true;
  if (ShowList)
    ShowList();
  Changed();
}

void TbsComboBoxBehaviour::CloseList(bool accept) {
  if (!open_)
    return;
  open_ = false;
  if (HideList)
    HideList();
  // An accepted valid choice becomes the text; anything else (no row chosen,
  // or the list dismissed) returns the list to the index it opened with.
  if (accept && listIndex_ >= 0 && listIndex_ <= Last()) {
    SetText(items_[static_cast<size_t>(listIndex_)]);
    Changed();
    if (OnClick)
      OnClick();
  } else {
    listIndex_ = savedIndex_;
  }
  Changed();
  if (accept && OnCloseUp)
    OnCloseUp();
}

void TbsComboBoxBehaviour::BoxMouseDown(bool onButtonOrItem) {
  if (onButtonOrItem) {
    pressed_ = true;
    Changed();
    if (open_)
      CloseList(false);
    else
      OpenList();
  } else if (open_) {
    CloseList(false);
  }
}

void TbsComboBoxBehaviour::BoxMouseUp() {
  if (pressed_) {
    pressed_ = false;
    Changed();
  }
}

void TbsComboBoxBehaviour::BoxMouseMove(bool overButton) {
  if (overButton != buttonHot_) {
    buttonHot_ = overButton;
    Changed();
  }
}

void TbsComboBoxBehaviour::BoxMouseLeave() {
  BoxMouseMove(false);
}

void TbsComboBoxBehaviour::ListMouseMove(int row) {
  if (!open_)
    return;
  const int index = topIndex_ + row;
  if (row >= 0 && row < ListRows() && index <= Last() && index != listIndex_) {
    listIndex_ = index;
    Changed();
  }
}

void TbsComboBoxBehaviour::ListMouseUp() {
  CloseList(true);
}

void TbsComboBoxBehaviour::Wheel(int direction) {
  const int next = listIndex_ + (direction > 0 ? 1 : -1);
  if (next < 0 || next > Last())
    return;
  if (open_) {
    // Only the list's highlight moves; the choice waits for the close.
    listIndex_ = next;
    topIndex_ = std::clamp(topIndex_, next - ListRows() + 1, next);
    Changed();
  } else {
    SetItemIndex(next);
  }
}

bool TbsComboBoxBehaviour::KeyDown(Key key, bool alt) {
  if (alt) {
    if (key == Key::Up || key == Key::Left) {
      CloseList(false);
      return true;
    }
    if (key == Key::Down || key == Key::Right) {
      OpenList();
      return true;
    }
    return false;
  }
  const int i = listIndex_;
  switch (key) {
    case Key::Enter:
      if (!open_)
        return false;
      CloseList(true);
      return true;
    case Key::Escape:
      if (!open_)
        return false;
      CloseList(false);
      return true;
    case Key::Up:
    case Key::Left:
      if (i > 0)
        SetItemIndex(i - 1);
      return true;
    case Key::Down:
    case Key::Right:
      if (i < Last())
        SetItemIndex(i + 1);
      return true;
    case Key::PageUp:
      if (!items_.empty())
        SetItemIndex(std::max(i - (dropDownCount_ + 1), 0));
      return true;
    case Key::PageDown:
      if (!items_.empty())
        SetItemIndex(std::min(i + (dropDownCount_ - 1), Last()));
      return true;
  }
  return false;
}

void TbsComboBoxBehaviour::SearchAndSelect(const std::string& prefix) {
  const int n = static_cast<int>(items_.size());
  if (n == 0 || prefix.empty())
    return;
  if (prefix.size() == 1) {
    // One letter steps through the items that start with it.
    for (int k = 1; k <= n; ++k) {
      const int j = ((listIndex_ < 0 ? -1 : listIndex_) + k) % n;
      if (StartsWithNoCase(items_[static_cast<size_t>(j)], prefix)) {
        SetItemIndex(j);
        return;
      }
    }
    return;
  }
  for (int j = 0; j < n; ++j)
    if (StartsWithNoCase(items_[static_cast<size_t>(j)], prefix)) {
      SetItemIndex(j);
      return;
    }
}

void TbsComboBoxBehaviour::KeyChar(char c, unsigned now) {
  if (AutoComplete) {
    if (typedBefore_ && now - lastChar_ >= kTypingPause)
      search_.clear();
    search_ += c;
    lastChar_ = now;
    typedBefore_ = true;
    SearchAndSelect(search_);
  } else {
    SearchAndSelect(std::string(1, c));
  }
}
