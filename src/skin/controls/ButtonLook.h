#pragma once

// The looks of the skinned push button, as functions of a record and a
// state so that the button, the message dialog's buttons and the skin
// preview draw them the same way.

#include <string>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "skin/controls/PlainLook.h"
#include "skin/data/SkinControlRecords.h"

class TbsSkinData;

enum TbsButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// What the button shows besides its picture.
struct TbsButtonContent {
  std::string Caption;
  const gfx::Bitmap* Glyph = nullptr;  // a strip of NumGlyphs cells, or null
  int NumGlyphs = 1;
  int Margin = -1;
  int Spacing = 1;
  TbsButtonLayout Layout = blGlyphLeft;
  bool UseSkinFont = true;
  gfx::Font DefaultFont = DefaultControlFont();
  gfx::ColorRef DefaultFontColor = gfx::clWindowText;  // the plain look's caption
};

// The flags a button's look depends on.
struct TbsButtonState {
  bool Enabled = true;
  bool MouseOver = false;
  bool Down = false;
  bool Focused = false;  // has the keyboard focus and takes it (CanFocused)
  bool PressedByMouse = false;
  int GroupIndex = 0;
  double MorphFactor = 0.0;

  // A latched grouped button always looks pressed; a push button only
  // while the mouse is over it or the keyboard holds it down.
  bool PressedLook() const {
    return Down && (GroupIndex != 0 || MouseOver || (Focused && !PressedByMouse));
  }
};

// One state picture: which rectangle of the picture, and the mouse-over
// and down arguments its caption and glyph are drawn with.
struct TbsButtonStatePicture {
  gfx::Rect Rect;
  bool MouseOver = false;
  bool Down = false;
};

// The record's state rectangles with the empty ones replaced: the active
// by the normal one, the down by the active one.
gfx::Rect ButtonActiveRect(const TbsDataSkinButtonControl& record);
gfx::Rect ButtonDownRect(const TbsDataSkinButtonControl& record);

// The state picture a non-morphing paint shows.
TbsButtonStatePicture ChooseButtonStatePicture(const TbsDataSkinButtonControl& record,
                                               const TbsButtonState& state);

// The glyph cell (from 1) for a state: 3 pressed, 4 hot, 1 normal, 2
// disabled, as far as the strip has those cells.
int ButtonGlyphCell(int numGlyphs, bool enabled, bool mouseOver, bool down);

// Lays out a glyph cell and a caption in rect and draws them: with margin
// -1 as a centred group, else margin pixels from the glyph's side. The
// caption is drawn in the context's font and text colour.
void PlaceGlyphAndText(gfx::DeviceContext& dc, const gfx::Rect& rect, int margin, bool pressed,
                       int cell, int cellCount, const gfx::Bitmap* glyph, const std::string& text,
                       TbsButtonLayout layout, int spacing);

// The skinned look of a width x height button into bitmap (resized by the
// tile mode), fading between the normal and the hot picture while a morph
// runs.
void PaintButtonSkinLook(gfx::Bitmap& bitmap, const TbsSkinData& skin,
                         const TbsDataSkinButtonControl& record, const TbsButtonState& state,
                         const TbsButtonContent& content, int width, int height);

// The look without a skin record, over the whole context of that size.
void PaintButtonPlainLook(gfx::DeviceContext& dc, int width, int height,
                          const TbsButtonState& state, const TbsButtonContent& content);
