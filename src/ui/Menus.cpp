#include "ui/Menus.h"

#include <algorithm>
#include <cctype>

#include "platform/win/Win.h"
#include "ui/ImageList.h"
#include "ui/PlainMenu.h"

namespace {

struct KeyName {
  win::WORD key;
  const char* name;
};

// clang-format off
constexpr KeyName kKeyNames[] = {
    {win::VK_BACK, "BkSp"}, {win::VK_TAB, "Tab"}, {win::VK_RETURN, "Enter"},
    {win::VK_ESCAPE, "Esc"}, {win::VK_SPACE, "Space"}, {win::VK_PRIOR, "PgUp"},
    {win::VK_NEXT, "PgDn"}, {win::VK_END, "End"}, {win::VK_HOME, "Home"},
    {win::VK_LEFT, "Left"}, {win::VK_UP, "Up"}, {win::VK_RIGHT, "Right"},
    {win::VK_DOWN, "Down"}, {win::VK_INSERT, "Ins"}, {win::VK_DELETE, "Del"},
};
// clang-format on

std::string KeyText(win::WORD key) {
  if ((key >= 'A' && key <= 'Z') || (key >= '0' && key <= '9'))
    return std::string(1, static_cast<char>(key));
  if (key >= win::VK_F1 && key <= win::VK_F12) {
    // Appending rather than "F" + ... keeps GCC 12's -O3 -Wrestrict false alarm away.
    std::string text = "F";
    text += std::to_string(key - win::VK_F1 + 1);
    return text;
  }
  for (const KeyName& k : kKeyNames)
    if (k.key == key)
      return k.name;
  return "";
}

std::string Upper(std::string s) {
  for (char& c : s)
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

std::string StripHotkey(const std::string& s) {
  std::string out;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&' && i + 1 < s.size())
      ++i;
    out += s[i];
  }
  return out;
}

}  // namespace

std::string ShortCutToText(TShortCut ShortCut) {
  std::string name = KeyText(static_cast<win::WORD>(ShortCut & 0xFF));
  if (name.empty())
    return "";
  std::string text;
  if (ShortCut & scShift)
    text += "Shift+";
  if (ShortCut & scCtrl)
    text += "Ctrl+";
  if (ShortCut & scAlt)
    text += "Alt+";
  return text + name;
}

TShortCut TextToShortCut(const std::string& Text) {
  std::string rest = Upper(Text);
  TShortCut mods = 0;
  for (;;) {
    if (rest.rfind("SHIFT+", 0) == 0) {
      mods |= scShift;
      rest.erase(0, 6);
    } else if (rest.rfind("CTRL+", 0) == 0) {
      mods |= scCtrl;
      rest.erase(0, 5);
    } else if (rest.rfind("ALT+", 0) == 0) {
      mods |= scAlt;
      rest.erase(0, 4);
    } else {
      break;
    }
  }
  if (rest.empty())
    return 0;
  for (unsigned key = 1; key < 256; ++key)
    if (Upper(KeyText(static_cast<win::WORD>(key))) == rest)
      return static_cast<TShortCut>(key | mods);
  return 0;
}

TShortCut ShortCut(win::WORD Key, TShiftState Shift) {
  TShortCut s = static_cast<TShortCut>(Key & 0xFF);
  if (Shift.Contains(ssShift))
    s |= scShift;
  if (Shift.Contains(ssCtrl))
    s |= scCtrl;
  if (Shift.Contains(ssAlt))
    s |= scAlt;
  return s;
}

// -- TMenuItem ---------------------------------------------------------------

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner) {}

TMenuItem::~TMenuItem() {
  Clear();
  if (FParent)
    FParent->Remove(this);
}

void TMenuItem::SetChecked(bool Value) {
  FChecked = Value;
  if (Value && FRadioItem && FParent) {
    for (TMenuItem* other : FParent->FItems)
      if (other != this && other->FRadioItem && other->FGroupIndex == FGroupIndex)
        other->FChecked = false;
  }
}

void TMenuItem::Add(TMenuItem* Item) {
  Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item || Item == this)
    return;
  if (Item->FParent)
    Item->FParent->Remove(Item);
  Index = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParent = this;
}

void TMenuItem::Remove(TMenuItem* Item) {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it == FItems.end())
    return;
  FItems.erase(it);
  Item->FParent = nullptr;
}

void TMenuItem::Delete(int Index) {
  TMenuItem* item = FItems.at(Index);
  Remove(item);
  delete item;
}

void TMenuItem::Clear() {
  while (!FItems.empty())
    Delete(Count() - 1);
}

int TMenuItem::IndexOf(const TMenuItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
  std::string wanted = Upper(StripHotkey(ACaption));
  for (TMenuItem* item : FItems)
    if (Upper(StripHotkey(item->FCaption)) == wanted)
      return item;
  return nullptr;
}

int TMenuItem::VisibleCount() const {
  return static_cast<int>(
      std::count_if(FItems.begin(), FItems.end(), [](const TMenuItem* i) { return i->FVisible; }));
}

void TMenuItem::Click() {
  if (!FEnabled)
    return;
  if (AutoCheck)
    SetChecked(FRadioItem ? true : !FChecked);
  if (OnClick)
    OnClick(this);
}

// -- TPopupMenu --------------------------------------------------------------

TPopupMenu::TPopupMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {}

TPopupMenu::~TPopupMenu() {
  delete FItems;
}

void TPopupMenu::SetImages(TImageList* Value) {
  if (FImages)
    FImages->RemoveFreeNotification(this);
  FImages = Value;
  if (FImages)
    FImages->FreeNotification(this);
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
  if (FPopupComponent)
    FPopupComponent->RemoveFreeNotification(this);
  FPopupComponent = Value;
  if (FPopupComponent)
    FPopupComponent->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation != TOperation::opRemove)
    return;
  if (AComponent == FImages)
    FImages = nullptr;
  if (AComponent == FPopupComponent)
    FPopupComponent = nullptr;
}

void TPopupMenu::DoPopup() {
  if (OnPopup)
    OnPopup(this);
}

void TPopupMenu::Popup(int X, int Y) {
  DoPopup();
  if (TMenuItem* chosen = TrackPlainMenu(*FItems, FImages, {X, Y}))
    chosen->Click();
}

TMenuItem* TPopupMenu::FindItem(TShortCut ShortCut) const {
  std::vector<TMenuItem*> pending{FItems};
  while (!pending.empty()) {
    TMenuItem* item = pending.back();
    pending.pop_back();
    for (int i = 0; i < item->Count(); ++i) {
      TMenuItem* sub = item->Items(i);
      if (sub->ShortCut() == ShortCut && ShortCut != 0)
        return sub;
      pending.push_back(sub);
    }
  }
  return nullptr;
}

bool TPopupMenu::IsShortCut(TShortCut ShortCut) {
  TMenuItem* item = FindItem(ShortCut);
  if (!item)
    return false;
  // An item counts only when it and every item above it can be used.
  for (TMenuItem* i = item; i && i != FItems; i = i->Parent())
    if (!i->Enabled() || !i->Visible())
      return false;
  item->Click();
  return true;
}
