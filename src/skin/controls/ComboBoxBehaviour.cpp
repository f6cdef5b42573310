#include "skin/controls/ComboBoxBehaviour.h"

#include <algorithm>

#include "platform/sys/Collation.h"
#include "platform/sys/Encoding.h"

namespace {

constexpr unsigned kTypingPause = 500;

}  // namespace

gfx::Rect DropDownRect(const gfx::Rect& box, int listWidth, int listHeight,
                       const gfx::Rect& workArea) {
  gfx::Rect r = gfx::Rect::FromXYWH(box.left, box.bottom, listWidth, listHeight);
  if (r.bottom > workArea.bottom)
    r = gfx::Rect::FromXYWH(box.left, box.top - listHeight, listWidth, listHeight);
  return r;
}

std::vector<int> SortedItemOrder(const std::vector<std::string>& items) {
  std::vector<int> order(items.size());
  for (size_t i = 0; i < order.size(); ++i)
    order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return sys::CompareTextIgnoreCase(items[static_cast<size_t>(a)],
                                      items[static_cast<size_t>(b)]) < 0;
  });
  return order;
}

void TbsComboBoxBehaviour::SetItems(std::vector<std::string> items) {
  const int rowsBefore = ListRows();
  items_ = std::move(items);
  if (sorted_)
    SetSorted(true);
  // The choice belonged to the old strings; the text is what it was.
  listIndex_ = -1;
  savedIndex_ = -1;
  if (open_ && items_.empty()) {
    CloseList(false);
  } else if (open_) {
    // An open list shows the new strings and stays open: a handler that
    // fills the box again as the player arrows through the list keeps it
    // in front of the player. It is sized again for a new number of rows.
    SetTopIndex(topIndex_);
    if (ListRows() != rowsBefore && ShowList)
      ShowList();
  } else {
    topIndex_ = 0;
  }
  Changed();
}

void TbsComboBoxBehaviour::SetSorted(bool value) {
  sorted_ = value;
  if (!value)
    return;
  const std::vector<int> order = SortedItemOrder(items_);
  std::vector<std::string> sorted;
  sorted.reserve(items_.size());
  int chosen = -1, saved = -1;
  for (size_t k = 0; k < order.size(); ++k) {
    sorted.push_back(std::move(items_[static_cast<size_t>(order[k])]));
    if (order[k] == listIndex_)
      chosen = static_cast<int>(k);
    if (order[k] == savedIndex_)
      saved = static_cast<int>(k);
  }
  items_ = std::move(sorted);
  listIndex_ = chosen;
  savedIndex_ = saved;
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

void TbsComboBoxBehaviour::SearchAndSelect(const std::string& prefix, bool oneCharacter) {
  const int n = static_cast<int>(items_.size());
  if (n == 0 || prefix.empty())
    return;
  // Item texts and typed letters are compared as whole characters, letter
  // case ignored, the way the package list is sorted: "ä" finds "Äpfel" and
  // not "Apfel".
  sys::TextPrefixMatcher startsWith(prefix);
  if (oneCharacter) {
    // One letter steps through the items that start with it.
    for (int k = 1; k <= n; ++k) {
      const int j = ((listIndex_ < 0 ? -1 : listIndex_) + k) % n;
      if (startsWith.Matches(items_[static_cast<size_t>(j)])) {
        SetItemIndex(j);
        return;
      }
    }
    return;
  }
  for (int j = 0; j < n; ++j)
    if (startsWith.Matches(items_[static_cast<size_t>(j)])) {
      SetItemIndex(j);
      return;
    }
}

void TbsComboBoxBehaviour::KeyChar(char32_t c, unsigned now) {
  const std::string typed = sys::EncodeUtf8(c);
  if (typed.empty())
    return;
  if (AutoComplete) {
    if (typedBefore_ && now - lastChar_ >= kTypingPause) {
      search_.clear();
      searchLength_ = 0;
    }
    search_ += typed;
    ++searchLength_;
    lastChar_ = now;
    typedBefore_ = true;
    SearchAndSelect(search_, searchLength_ == 1);
  } else {
    SearchAndSelect(typed, true);
  }
}
