#include "skin/form/MenuItemLooks.h"

const gfx::Bitmap* TbsMenuItemLooks::Find(const TbsMenuItemLookKey& key) const {
  for (const auto& entry : FEntries)
    if (entry->Key == key)
      return &entry->Look;
  return nullptr;
}

const gfx::Bitmap& TbsMenuItemLooks::Add(TbsMenuItemLookKey key, gfx::Bitmap look) {
  if (FEntries.size() >= kCapacity)
    FEntries.clear();
  FEntries.push_back(std::make_unique<Entry>(Entry{std::move(key), std::move(look)}));
  return FEntries.back()->Look;
}
