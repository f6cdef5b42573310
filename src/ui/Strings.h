#pragma once

// TStrings: a list of texts, each with an optional object, that tells its
// owner when it changes (list boxes repaint and re-range from it).

#include <string>
#include <vector>

#include "ui/Types.h"

class TStrings : public TObject {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  const std::string& Strings(int Index) const { return FItems.at(Index).text; }
  const std::string& operator[](int Index) const { return Strings(Index); }
  void SetStrings(int Index, const std::string& Value);
  TObject* Objects(int Index) const { return FItems.at(Index).object; }
  void SetObjects(int Index, TObject* Value) { FItems.at(Index).object = Value; }

  int Add(const std::string& S) { return AddObject(S, nullptr); }
  int AddObject(const std::string& S, TObject* AObject);
  void Insert(int Index, const std::string& S);
  void Delete(int Index);
  void Clear();
  void Assign(const TStrings& Source);
  // The first index of S (exact match), or -1.
  int IndexOf(const std::string& S) const;

  // Changes between BeginUpdate and EndUpdate report once, at the end.
  void BeginUpdate() { ++FUpdateCount; }
  void EndUpdate();

  TNotifyEvent OnChange;

 private:
  void Changed();

  struct Item {
    std::string text;
    TObject* object = nullptr;
  };
  std::vector<Item> FItems;
  int FUpdateCount = 0;
  bool FChangedWhileUpdating = false;
};
