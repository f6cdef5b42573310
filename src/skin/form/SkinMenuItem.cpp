#include "skin/form/SkinMenuItem.h"

#include <algorithm>
#include <optional>

#include "skin/data/EffectBmp.h"
#include "skin/data/SkinGeometry.h"
#include "skin/form/CaptionObjects.h"
#include "ui/Canvas.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"

namespace {

// The plain look's highlight: a navy frame around a pale blue-grey.
constexpr gfx::ColorRef kPlainHotFill = gfx::RGB(182, 189, 210);
// Room the skinned look keeps at the right of the text rectangle for the
// shortcut's end and the submenu arrow.
constexpr int kRightGap = 16;

// The caption-button glyph that stands for a built-in item of the system
// or tray menu, by the item's name.
struct SystemGlyph {
  TbsStdCommand command;
  bool restore;
};
std::optional<SystemGlyph> SystemMenuGlyph(const std::string& name) {
  if (name == "SF_CLOSE" || name == "TRAY_SF_CLOSE")
    return SystemGlyph{TbsStdCommand::cmClose, false};
  if (name == "SF_MINITEM")
    return SystemGlyph{TbsStdCommand::cmMinimize, false};
  if (name == "SF_MAXITEM")
    return SystemGlyph{TbsStdCommand::cmMaximize, false};
  if (name == "SF_RESTORE" || name == "TRAY_SF_RESTORE")
    return SystemGlyph{TbsStdCommand::cmMaximize, true};
  if (name == "SF_ROLLUP")
    return SystemGlyph{TbsStdCommand::cmRollUp, false};
  if (name == "SF_MINTOTRAY")
    return SystemGlyph{TbsStdCommand::cmMinimizeToTray, false};
  return std::nullopt;
}

std::string ItemText(const TMenuItem& item) {
  std::string text = item.Caption();
  if (item.ShortCut() != 0)
    text += "  " + item.ShortCutText();
  return text;
}

}  // namespace

TbsSkinMenuItem::TbsSkinMenuItem(TMenuItem* Item, const TbsMenuItemContext& Context)
    : FItem(Item), FContext(Context) {}

bool TbsSkinMenuItem::IsSeparator() const {
  return FItem->IsLine();
}

bool TbsSkinMenuItem::Enabled() const {
  return FItem->Enabled();
}

bool TbsSkinMenuItem::HasChildren() const {
  return FItem->VisibleCount() > 0;
}

int TbsSkinMenuItem::Height() const {
  if (const TbsDataSkinMenuItem* r = FContext.Record) {
    // An item whose picture is missing has no look and takes no room.
    if (FContext.Picture == nullptr)
      return 0;
    return IsSeparator() ? std::max(0, r->dividerrect.Height()) : std::max(0, r->skinrect.Height());
  }
  return IsSeparator() ? 4 : -1;  // -1: the menu's default item height
}

int TbsSkinMenuItem::TextWidth(gfx::DeviceContext& Measure) const {
  if (IsSeparator())
    return 0;
  const std::string text = ItemText(*FItem);
  if (FContext.Looks != nullptr)
    if (const std::optional<int> kept = FContext.Looks->FindWidth(FContext.Font, text))
      return *kept;
  gfx::Rect r{0, 0, 0, 0};
  Measure.DrawText(text, r, gfx::DT_CALCRECT | gfx::DT_SINGLELINE);
  if (FContext.Looks != nullptr)
    FContext.Looks->AddWidth(FContext.Font, text, r.Width() + 2);
  return r.Width() + 2;
}

bool TbsSkinMenuItem::Morphing() const {
  return FContext.Record != nullptr && FContext.Record->morphing && FContext.Picture != nullptr;
}

bool TbsSkinMenuItem::MorphStep() {
  const double target = Active() ? 1.0 : 0.0;
  if (MorphProgress == target)
    return false;
  if (target > MorphProgress)
    MorphProgress = std::min(1.0, MorphProgress + 0.1);
  else
    MorphProgress = std::max(0.0, MorphProgress - 0.1);
  // Steps of a tenth add up to a little off the target; the last one lands
  // on it exactly.
  if (std::abs(MorphProgress - target) < 1e-6)
    MorphProgress = target;
  return true;
}

void TbsSkinMenuItem::Paint(gfx::DeviceContext& DC) const {
  if (!InVisibleRange || ItemRect.IsEmpty())
    return;
  gfx::Bitmap look;
  if (FContext.Record == nullptr) {
    look = gfx::Bitmap(ItemRect.Width(), ItemRect.Height());
    PaintPlain(look);
  } else if (IsSeparator()) {
    if (FContext.Picture == nullptr)
      return;
    gfx::Bitmap scratch;
    const gfx::Bitmap& divider = ItemLook(false, scratch);
    DC.BitBlt(ItemRect.left, ItemRect.top, divider.Width(), divider.Height(), divider, 0, 0);
    return;
  } else {
    gfx::Bitmap scratch;
    const gfx::Bitmap* shown = nullptr;
    if (!Morphing() || !Enabled()) {
      shown = &ItemLook(Active(), scratch);
    } else if (MorphProgress <= 0 || MorphProgress >= 1) {
      // A fading item shows where its fade stands, not where it goes.
      shown = &ItemLook(MorphProgress >= 1, scratch);
    } else {
      // Between the looks: the normal look changed towards the active one.
      TbsEffectBmp normal(ItemLook(false, scratch));
      const TbsEffectBmp active(ItemLook(true, scratch));
      normal.ApplyMorph(FContext.Record->morphkind, active, MorphProgress);
      look = normal.ToBitmap();
    }
    if (shown != nullptr) {
      DC.BitBlt(ItemRect.left, ItemRect.top, shown->Width(), shown->Height(), *shown, 0, 0);
      return;
    }
  }
  DC.BitBlt(ItemRect.left, ItemRect.top, look.Width(), look.Height(), look, 0, 0);
}

TbsMenuItemLookKey TbsSkinMenuItem::LookKey(bool Active) const {
  const TbsDataSkinMenuItem& r = *FContext.Record;
  TbsMenuItemLookKey key;
  key.Container = FContext.Container;
  key.SkinChanges = FContext.Container != nullptr ? FContext.Container->SkinChanges() : 0;
  key.Record = FContext.Record;
  key.Picture = FContext.Picture;
  key.SkinRect = r.skinrect;
  key.ActiveSkinRect = r.activeskinrect;
  key.TextRect = r.textrect;
  key.DividerRect = r.dividerrect;
  key.DividerLeftOffset = r.dividerleftoffset;
  key.DividerRightOffset = r.dividerrightoffset;
  key.ItemLeftOffset = r.itemleftoffset;
  key.ItemRightOffset = r.itemrightoffset;
  key.FontColor = r.fontcolor;
  key.ActiveFontColor = r.activefontcolor;
  key.UnenabledFontColor = r.unenabledfontcolor;
  key.Font = FContext.Font;
  key.Caption = FItem->Caption();
  if (FItem->ShortCut() != 0)
    key.ShortCut = FItem->ShortCutText();
  key.Name = FItem->Name();
  key.Children = HasChildren();
  key.Checked = FItem->Checked();
  key.Radio = FItem->RadioItem();
  key.Enabled = Enabled();
  key.Active = Active;
  key.Width = ItemRect.Width();
  return key;
}

TbsMenuStripKey TbsSkinMenuItem::StripKey(bool Active) const {
  const TbsDataSkinMenuItem& r = *FContext.Record;
  TbsMenuStripKey key;
  key.Container = FContext.Container;
  key.SkinChanges = FContext.Container != nullptr ? FContext.Container->SkinChanges() : 0;
  key.Picture = FContext.Picture;
  if (IsSeparator()) {
    key.Source = r.dividerrect;
    key.LeftOffset = r.dividerleftoffset;
    key.RightOffset = r.dividerrightoffset;
  } else {
    key.Source = Active ? r.activeskinrect : r.skinrect;
    key.LeftOffset = r.itemleftoffset;
    key.RightOffset = r.itemrightoffset;
  }
  key.Width = ItemRect.Width();
  return key;
}

const gfx::Bitmap& TbsSkinMenuItem::Strip(bool Active, gfx::Bitmap& Scratch) const {
  const TbsMenuStripKey key = StripKey(Active);
  if (FContext.Looks != nullptr)
    return FContext.Looks->Strip(key);
  TbsMenuItemLooks::FitStrip(key, Scratch);
  return Scratch;
}

const gfx::Bitmap& TbsSkinMenuItem::ItemLook(bool Active, gfx::Bitmap& Scratch) const {
  // A divider is its strip alone.
  if (IsSeparator())
    return Strip(false, Scratch);
  // A glyph from an image list may change with the list: such items are
  // drawn anew each time.
  if (FContext.Looks == nullptr || FContext.Images != nullptr) {
    Scratch = ComposeItemLook(Active);
    return Scratch;
  }
  TbsMenuItemLookKey key = LookKey(Active);
  if (const gfx::Bitmap* kept = FContext.Looks->Find(key))
    return *kept;
  return FContext.Looks->Add(std::move(key), ComposeItemLook(Active));
}

gfx::Bitmap TbsSkinMenuItem::ComposeItemLook(bool Active) const {
  const TbsDataSkinMenuItem& r = *FContext.Record;
  // The texts go on a copy of the level's strip for the state, or on the
  // strip itself when nothing keeps it.
  gfx::Bitmap look;
  const gfx::Bitmap& strip = Strip(Active, look);
  if (&strip != &look)
    look = strip.Clone();
  if (look.IsEmpty())
    return look;
  gfx::DeviceContext dc(look);
  gfx::Rect text = r.textrect;
  text.right += ItemRect.Width() - r.skinrect.Width();
  const gfx::ColorRef colour = Active      ? r.activefontcolor
                               : Enabled() ? r.fontcolor
                                           : r.unenabledfontcolor;
  const int glyph = FContext.Images != nullptr ? FContext.Images->Width() + 5 : 16;
  PaintTexts(dc, text, text.left + glyph, colour);
  PaintGlyph(dc, text.left + 2, text.top + text.Height() / 2, colour);
  return look;
}

void TbsSkinMenuItem::PaintPlain(gfx::Bitmap& B) const {
  gfx::DeviceContext dc(B);
  const gfx::Rect all{0, 0, B.Width(), B.Height()};
  const int column = FContext.GlyphWidth;
  if (Active() && !IsSeparator()) {
    dc.FillRect(all, kPlainHotFill);
    dc.FrameRect(all, gfx::clNavy);
  } else {
    dc.FillRect({0, 0, column, B.Height()}, gfx::clBtnFace);
    dc.FillRect({column, 0, B.Width(), B.Height()}, gfx::clWindow);
  }
  if (IsSeparator()) {
    const int y = B.Height() / 2;
    dc.FillRect({column, y, B.Width(), y + 1}, gfx::clBtnShadow);
    return;
  }
  const gfx::ColorRef colour = Enabled() || Active() ? gfx::clWindowText : gfx::clBtnShadow;
  PaintTexts(dc, all, column + 4, colour);
  PaintGlyph(dc, 2, B.Height() / 2, colour);
}

// The caption from CaptionLeft, the shortcut right-aligned before the right
// gap, and an arrow for an item with a submenu.
void TbsSkinMenuItem::PaintTexts(gfx::DeviceContext& DC, const gfx::Rect& T, int CaptionLeft,
                                 gfx::ColorRef Colour) const {
  DC.SelectFont(FContext.Font);
  DC.SetBkMode(gfx::TRANSPARENT);
  DC.SetTextColor(Colour);
  gfx::Rect caption{CaptionLeft, T.top, T.right - kRightGap, T.bottom};
  DC.DrawText(FItem->Caption(), caption, gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_LEFT);
  if (FItem->ShortCut() != 0) {
    gfx::Rect shortcut{CaptionLeft, T.top, T.right - kRightGap, T.bottom};
    DC.DrawText(FItem->ShortCutText(), shortcut,
                gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_RIGHT | gfx::DT_NOPREFIX);
  }
  if (HasChildren()) {
    // Four columns of 8, 6, 4 and 2 pixels pointing right.
    const int x = T.right - 7;
    const int cy = T.top + T.Height() / 2;
    for (int i = 0; i < 4; ++i)
      DC.FillRect({x + i, cy - 4 + i, x + i + 1, cy + 4 - i}, Colour);
  }
}

void TbsSkinMenuItem::PaintGlyph(gfx::DeviceContext& DC, int Left, int CentreY,
                                 gfx::ColorRef Colour) const {
  if (FContext.Images != nullptr && FItem->ImageIndex() >= 0 &&
      FItem->ImageIndex() < FContext.Images->Count()) {
    const int h = FContext.Images->Height();
    TCanvas canvas;
    canvas.SetHandle(&DC);
    FContext.Images->Draw(canvas, Left, CentreY - h / 2, FItem->ImageIndex(), Enabled());
    if (FItem->Checked())
      DC.FrameRect({Left - 1, CentreY - h / 2 - 1, Left + FContext.Images->Width() + 1,
                    CentreY - h / 2 + h + 1},
                   Colour);
    return;
  }
  const int top = CentreY - 4;
  if (const auto glyph = SystemMenuGlyph(FItem->Name())) {
    DrawCaptionGlyph(DC, glyph->command, {Left, top}, Colour, glyph->restore);
    return;
  }
  if (!FItem->Checked())
    return;
  if (FItem->RadioItem()) {
    DC.FillRect({Left + 1, top + 1, Left + 7, top + 7}, Colour);
    return;
  }
  // A check mark of three parallel strokes, down then up.
  for (int shift = 0; shift < 3; ++shift) {
    const int y = top + 5 - shift;
    for (int i = 0; i <= 2; ++i)
      DC.SetPixel(Left + i, y + i, Colour);
    for (int i = 1; i <= 5; ++i)
      DC.SetPixel(Left + 2 + i, y + 2 - i, Colour);
  }
}
