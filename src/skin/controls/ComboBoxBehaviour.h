#pragma once

// What the fixed-style combo box does with the mouse and the keyboard,
// apart from any window: the chosen item and its text, when the list opens
// and closes, which events fire in which order, and the typing search.
// The skinned combo box forwards its input here and shows or hides its
// drop-down list window when asked.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/gfx/Geometry.h"

// Where the drop-down list goes: under the box, or above it when it would
// pass the bottom of the work area. No horizontal correction is made.
gfx::Rect DropDownRect(const gfx::Rect& boxOnScreen, int listWidth, int listHeight,
                       const gfx::Rect& workArea);

// The order in which sorted items are shown: as the player's language sorts
// them, letter case ignored; equal texts keep their order. Entry k is the
// position in `items` of the k-th item shown.
std::vector<int> SortedItemOrder(const std::vector<std::string>& items);

class TbsComboBoxBehaviour {
 public:
  // The keys the box handles itself.
  enum class Key { Up, Down, Left, Right, PageUp, PageDown, Enter, Escape };

  const std::vector<std::string>& Items() const { return items_; }
  // New items replace the old ones together with the choice among them:
  // the index becomes -1 (nothing chosen, an empty item area) and the text
  // stays, as when -1 is chosen. An open list stays open over the new
  // items, or closes without choosing when there are none.
  void SetItems(std::vector<std::string> items);
  // Sorted items are kept in SortedItemOrder; sorting keeps the chosen item.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool value);
  int ItemIndex() const { return listIndex_; }
  // Chooses an item (-1 for none) and fires OnChange when the text changes,
  // then OnClick. -1 keeps the text.
  void SetItemIndex(int value);
  const std::string& Text() const { return text_; }
  int DropDownCount() const { return dropDownCount_; }
  void SetDropDownCount(int value) {
    if (value > 0)
      dropDownCount_ = value;
  }
  bool AutoComplete = true;

  bool ListOpen() const { return open_; }
  // The item the closed box shows: the saved index while the list is open.
  int ShownIndex() const { return open_ ? savedIndex_ : listIndex_; }
  // The first row of the open list, and how many rows it shows.
  int TopIndex() const { return topIndex_; }
  void SetTopIndex(int value) {
    topIndex_ = std::clamp(value, 0, std::max(static_cast<int>(items_.size()) - ListRows(), 0));
  }
  int ListRows() const;
  bool ButtonHot() const { return buttonHot_; }
  bool Pressed() const { return pressed_; }

  void OpenList();
  void CloseList(bool accept);

  // Mouse on the box: on the button or item area, or elsewhere.
  void BoxMouseDown(bool onButtonOrItem);
  void BoxMouseUp();
  void BoxMouseMove(bool overButton);
  void BoxMouseLeave();
  // Mouse on the open list: the row (from the top visible row) under it.
  void ListMouseMove(int row);
  void ListMouseUp();
  // The wheel: +1 toward the user (next item), -1 away.
  void Wheel(int direction);
  // A key with or without Alt; true when the box used it.
  bool KeyDown(Key key, bool alt);
  // A typed character (a Unicode code point) at time `now` (milliseconds).
  void KeyChar(char32_t c, unsigned now);
  // Focus went elsewhere, or another control of the form took the mouse.
  void FocusLost() { CloseList(false); }
  void CancelMode() { CloseList(false); }

  std::function<void()> OnChange;
  std::function<void()> OnClick;
  std::function<void()> OnCloseUp;
  std::function<void()> OnDropDown;
  std::function<void()> Repaint;
  // Asked to show the list (after OnDropDown) and to hide it.
  std::function<void()> ShowList;
  std::function<void()> HideList;

 private:
  void SetText(const std::string& text);
  void Changed() const {
    if (Repaint)
      Repaint();
  }
  int Last() const { return static_cast<int>(items_.size()) - 1; }
  // Chooses the item the typed prefix finds: with one character the next
  // item after the chosen one that starts with it, with more the first.
  void SearchAndSelect(const std::string& prefix, bool oneCharacter);

  std::vector<std::string> items_;
  std::string text_;
  int listIndex_ = -1;
  int savedIndex_ = -1;
  int topIndex_ = 0;
  int dropDownCount_ = 8;
  bool open_ = false;
  bool sorted_ = false;
  bool buttonHot_ = false;
  bool pressed_ = false;
  std::string search_;    // UTF-8
  int searchLength_ = 0;  // in typed characters
  unsigned lastChar_ = 0;
  bool typedBefore_ = false;
};
