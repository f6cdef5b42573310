#pragma once

// The composed looks of skinned menu items, kept by the menu engine from
// one opening of a menu to the next. An item's look is its strip of the
// skin's menu-item picture fitted to the level's width, with its caption,
// shortcut, arrow and glyph drawn on it; a menu opened again, or an item
// lit again by the mouse, shows the look it had without drawing its texts
// anew. The fitted strips themselves are kept too: every item of a level
// starts from the same strip of its state, which is fitted only once.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Color.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Geometry.h"

class TbsSkinData;
class TbsDataSkinMenuItem;

// Everything an item's look is made from. Two equal keys give the same
// pixels.
struct TbsMenuItemLookKey {
  const TbsSkinData* Container = nullptr;
  unsigned SkinChanges = 0;  // the container's count of loaded skins
  const TbsDataSkinMenuItem* Record = nullptr;
  const gfx::Bitmap* Picture = nullptr;
  // The record's values the look is drawn with, so that a record changed
  // in place is never shown with its old look.
  gfx::Rect SkinRect;
  gfx::Rect ActiveSkinRect;
  gfx::Rect TextRect;
  gfx::Rect DividerRect;
  int DividerLeftOffset = 0;
  int DividerRightOffset = 0;
  int ItemLeftOffset = 0;
  int ItemRightOffset = 0;
  gfx::ColorRef FontColor = 0;
  gfx::ColorRef ActiveFontColor = 0;
  gfx::ColorRef UnenabledFontColor = 0;
  gfx::Font Font;
  std::string Caption;
  std::string ShortCut;
  std::string Name;  // the system menu's items draw a glyph by their name
  bool Children = false;
  bool Checked = false;
  bool Radio = false;
  bool Enabled = true;
  bool Active = false;
  int Width = 0;

  friend bool operator==(const TbsMenuItemLookKey&, const TbsMenuItemLookKey&) = default;
};

// A strip of a menu-item picture fitted to a width. Two equal keys give the
// same pixels.
struct TbsMenuStripKey {
  const TbsSkinData* Container = nullptr;
  unsigned SkinChanges = 0;
  const gfx::Bitmap* Picture = nullptr;
  gfx::Rect Source;
  int LeftOffset = 0;
  int RightOffset = 0;
  int Width = 0;

  friend bool operator==(const TbsMenuStripKey&, const TbsMenuStripKey&) = default;
};

class TbsMenuItemLooks {
 public:
  // At most this many looks are kept; a menu that needs more starts over.
  static constexpr std::size_t kCapacity = 64;

  // The look kept for key, or null.
  const gfx::Bitmap* Find(const TbsMenuItemLookKey& key) const;
  // Keeps a look and gives it back; it stays valid until the next Add or
  // Clear.
  const gfx::Bitmap& Add(TbsMenuItemLookKey key, gfx::Bitmap look);
  void Clear();
  std::size_t Count() const { return FEntries.size(); }

  // The strip for key, fitted from key.Picture the first time it is asked
  // for; it stays valid until the next Strip or Clear.
  const gfx::Bitmap& Strip(const TbsMenuStripKey& key);
  std::size_t StripCount() const { return FStrips.size(); }
  // The strip for key fitted into `strip`, kept nowhere.
  static void FitStrip(const TbsMenuStripKey& key, gfx::Bitmap& strip);

  // The measured width of an item's texts in a font, kept the same way.
  std::optional<int> FindWidth(const gfx::Font& font, const std::string& text) const;
  void AddWidth(const gfx::Font& font, const std::string& text, int width);

 private:
  struct Entry {
    TbsMenuItemLookKey Key;
    gfx::Bitmap Look;
  };
  struct FittedStrip {
    TbsMenuStripKey Key;
    gfx::Bitmap Strip;
  };
  struct Width {
    gfx::Font Font;
    std::string Text;
    int Value;
  };
  std::vector<std::unique_ptr<Entry>> FEntries;
  std::vector<std::unique_ptr<FittedStrip>> FStrips;
  std::vector<Width> FWidths;
};
