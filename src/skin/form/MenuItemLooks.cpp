#include "skin/form/MenuItemLooks.h"

#include "skin/data/SkinGeometry.h"

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

const gfx::Bitmap& TbsMenuItemLooks::Strip(const TbsMenuStripKey& key) {
  for (const auto& strip : FStrips)
    if (strip->Key == key)
      return strip->Strip;
  if (FStrips.size() >= kCapacity)
    FStrips.clear();
  auto strip = std::make_unique<FittedStrip>(FittedStrip{key, {}});
  FitStrip(key, strip->Strip);
  FStrips.push_back(std::move(strip));
  return FStrips.back()->Strip;
}

void TbsMenuItemLooks::FitStrip(const TbsMenuStripKey& key, gfx::Bitmap& strip) {
  strip = gfx::Bitmap();
  if (key.Picture != nullptr)
    ComposeHorizontalStrip(strip, *key.Picture, key.Source, key.LeftOffset, key.RightOffset,
                           key.Width);
}

void TbsMenuItemLooks::Clear() {
  FEntries.clear();
  FStrips.clear();
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
