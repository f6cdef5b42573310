#pragma once

// One entry of an open menu level: its menu item, its place in the level,
// its state (hovered, submenu open, chosen by the keyboard) and its fade
// between the normal and the active look. It draws itself from the skin's
// menu-item record, or in the plain look without one.

#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinData.h"
#include "skin/form/MenuItemLooks.h"
#include "ui/Font.h"

class TMenuItem;
class TImageList;

// What every item of a level shares for drawing.
struct TbsMenuItemContext {
  const TbsDataSkinMenuItem* Record = nullptr;
  const gfx::Bitmap* Picture = nullptr;  // the record's picture, null without one
  gfx::Font Font;
  TImageList* Images = nullptr;
  int GlyphWidth = 19;  // the glyph column
  // The container of Record and Picture, and the menu's kept looks (null:
  // every look is composed where it is drawn).
  const TbsSkinData* Container = nullptr;
  TbsMenuItemLooks* Looks = nullptr;
};

class TbsSkinMenuItem {
 public:
  TbsSkinMenuItem(TMenuItem* Item, const TbsMenuItemContext& Context);

  TMenuItem* MenuItem() const { return FItem; }
  bool IsSeparator() const;
  bool Enabled() const;
  bool HasChildren() const;
  // Whether the keyboard and the mouse can make it the hot item.
  bool Selectable() const { return Enabled() && !IsSeparator(); }

  // Its height in a level, and the width its texts need.
  int Height() const;
  int TextWidth(gfx::DeviceContext& Measure) const;

  gfx::Rect ItemRect;
  bool InVisibleRange = false;
  bool Highlighted = false;
  bool Pressed = false;
  bool KeySelected = false;
  // 0 shows the normal look, 1 the active look; steps between them fade.
  double MorphProgress = 0;
  bool Morphing() const;
  // Moves MorphProgress one step towards the current state; false once it
  // has arrived.
  bool MorphStep();

  // Draws the item at its rectangle.
  void Paint(gfx::DeviceContext& DC) const;

 private:
  bool Active() const { return Highlighted || Pressed; }
  gfx::Bitmap ComposeItemLook(bool Active) const;
  // The item's strip of the menu-item picture fitted to its width: the
  // menu's kept one, or one fitted into Scratch.
  TbsMenuStripKey StripKey(bool Active) const;
  const gfx::Bitmap& Strip(bool Active, gfx::Bitmap& Scratch) const;
  // The skinned look, from the menu's kept looks when it has one.
  const gfx::Bitmap& ItemLook(bool Active, gfx::Bitmap& Scratch) const;
  TbsMenuItemLookKey LookKey(bool Active) const;
  void PaintPlain(gfx::Bitmap& B) const;
  void PaintTexts(gfx::DeviceContext& DC, const gfx::Rect& TextRect, int CaptionLeft,
                  gfx::ColorRef Colour) const;
  void PaintGlyph(gfx::DeviceContext& DC, int Left, int CentreY, gfx::ColorRef Colour) const;

  TMenuItem* FItem;
  const TbsMenuItemContext& FContext;
};
