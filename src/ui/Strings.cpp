#include "ui/Strings.h"

#include <algorithm>

void TStrings::Changed() {
  if (FUpdateCount > 0) {
    FChangedWhileUpdating = true;
    return;
  }
  if (OnChange)
    OnChange(this);
}

void TStrings::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0 && FChangedWhileUpdating) {
    FChangedWhileUpdating = false;
    Changed();
  }
}

void TStrings::SetStrings(int Index, const std::string& Value) {
  FItems.at(Index).text = Value;
  Changed();
}

int TStrings::AddObject(const std::string& S, TObject* AObject) {
  FItems.push_back({S, AObject});
  Changed();
  return Count() - 1;
}

void TStrings::Insert(int Index, const std::string& S) {
  Index = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + Index, Item{S, nullptr});
  Changed();
}

void TStrings::Delete(int Index) {
  if (Index < 0 || Index >= Count())
    return;
  FItems.erase(FItems.begin() + Index);
  Changed();
}

void TStrings::Clear() {
  if (FItems.empty())
    return;
  FItems.clear();
  Changed();
}

void TStrings::Assign(const TStrings& Source) {
  if (&Source == this)
    return;
  FItems = Source.FItems;
  Changed();
}

int TStrings::IndexOf(const std::string& S) const {
  for (int i = 0; i < Count(); ++i)
    if (FItems[static_cast<std::size_t>(i)].text == S)
      return i;
  return -1;
}
