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

void TbsMenuItemLooks::Clear() {
  FEntries.clear();
  FWidths.clear();
}

std::optional<int> TbsMenuItemLooks::FindWidth(const gfx::Font& font,
                                               const std::string& text) const {
  for (const Width& w : FWidths)
    if (w.Text == text && w.Font == font)
      return w.Value;
  return std::nullopt;
}

void TbsMenuItemLooks::AddWidth(const gfx::Font& font, const std::string& text, int width) {
  if (FWidths.size() >= kCapacity)
    FWidths.clear();
  FWidths.push_back({font, text, width});
}
