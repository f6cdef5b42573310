#include "skin/form/SkinPopupWindow.h"

#include <algorithm>

#include "platform/win/Win.h"
#include "skin/data/SkinFont.h"
#include "skin/form/MenuPlacement.h"
#include "skin/form/SkinMenu.h"
#include "ui/ImageList.h"
#include "ui/Menus.h"

namespace {

// The popup menu a menu item belongs to, through its chain of parents.
TImageList* ImagesOf(TMenuItem* item) {
  TMenuItem* root = item;
  while (root->Parent() != nullptr)
    root = root->Parent();
  auto* menu = dynamic_cast<TPopupMenu*>(root->Owner());
  return menu != nullptr ? menu->Images() : nullptr;
}

const TbsDataSkinMenuItem* MenuItemRecord(const TbsSkinData* skin) {
  if (skin == nullptr || skin->Empty)
    return nullptr;
  for (const auto& record : skin->ObjectRecords)
    if (auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(record.get()))
      return item;
  return nullptr;
}

}  // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu& Menu, const TbsDataSkinPopupWindow* Record)
    : TCustomControl(nullptr), FMenu(Menu), FRecord(Record) {
  StoreVisible(false);
  IncludeStyle(csOpaque);
  if (FRecord != nullptr && FMenu.Container() != nullptr) {
    FWindowPicture = FMenu.Container()->ActivePicture(FRecord->windowpictureindex);
    FMaskPicture = FMenu.Container()->ActivePicture(FRecord->maskpictureindex);
    FLayout.lefttoppoint = FRecord->lefttoppoint;
    FLayout.righttoppoint = FRecord->righttoppoint;
    FLayout.leftbottompoint = FRecord->leftbottompoint;
    FLayout.rightbottompoint = FRecord->rightbottompoint;
    FLayout.clientrect = FRecord->itemsrect;
    FLayout.leftstretch = FRecord->leftstretch;
    FLayout.rightstretch = FRecord->rightstretch;
    FLayout.topstretch = FRecord->topstretch;
    FLayout.bottomstretch = FRecord->bottomstretch;
  }
  if (FWindowPicture == nullptr)
    FRecord = nullptr;
}

TbsSkinPopupWindow::~TbsSkinPopupWindow() {
  StopTimers();
}

void TbsSkinPopupWindow::StopTimers() {
  if (!HandleAllocated())
    return;
  for (unsigned id : {kScrollTimer, kHoverTimer, kMorphTimer})
    win::KillTimer(Handle(), id);
  FMorphRunning = false;
  FScrollDirection = TbsScrollDirection::None;
}

void TbsSkinPopupWindow::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style = win::WS_POPUP;
  Params.ExStyle = win::WS_EX_TOOLWINDOW | win::WS_EX_TOPMOST;
  Params.WindowClassStyle = win::CS_SAVEBITS;
  Params.WinClassName = "TbsSkinPopupWindow";
  // Owned by the menu's form, so that it stays above it and never takes
  // the keyboard from it.
  TCustomForm* form = FMenu.Form();
  Params.WndParent = form != nullptr && form->HandleAllocated() ? form->Handle() : win::HWND{};
}

int TbsSkinPopupWindow::ItemHeight(const TbsSkinMenuItem& Item) const {
  const int h = Item.Height();
  return h < 0 ? FMenu.DefMenuItemHeight() : h;
}

void TbsSkinPopupWindow::ShowLevel(const gfx::Rect& Anchor, TMenuItem* Item, bool Upwards,
                                   bool Sublevel, int FirstIndex) {
  TbsSkinData* skin = FMenu.Container();
  FContext.Record = MenuItemRecord(skin);
  FContext.Picture =
      FContext.Record ? skin->ActivePicture(FContext.Record->activepictureindex) : nullptr;
  TFont font;
  font.Assign(FMenu.DefMenuItemFont());
  if (FContext.Record != nullptr && FMenu.UseSkinFontInMenu) {
    font.SetName(FContext.Record->fontname);
    font.SetHeight(FContext.Record->fontheight);
    font.SetStyle(ToFontStyles(FContext.Record->fontstyle));
  }
  FContext.Font = font.Handle();
  FContext.Images = ImagesOf(Item);
  FContext.Container = skin;
  FContext.Looks = &FMenu.ItemLooks();
  FContext.GlyphWidth = FContext.Images != nullptr ? FContext.Images->Width() + 5 : 19;
  for (int i = std::max(FirstIndex, 0); i < Item->Count(); ++i)
    if (Item->Items(i)->Visible())
      FItems.push_back(std::make_unique<TbsSkinMenuItem>(Item->Items(i), FContext));
  if (FItems.empty())
    return;

  int width = 0;
  int height = 0;
  MeasureLevel(width, height);
  const gfx::Rect& area = FMenu.WorkArea();
  if (height > area.Height() && area.Height() > 0) {
    height = area.Height();
    FScrolling = true;
  }
  if (FRecord != nullptr) {
    FSized = SizeFrameLayout(FLayout, {FWindowPicture->Width(), FWindowPicture->Height()}, width,
                             height);
    FItemsRect = FSized.SizedClientRect;
  } else {
    FSized = TbsSizedFrame{};
    FSized.Width = width;
    FSized.Height = height;
    FItemsRect = {2, 2, width - 2, height - 2};
  }
  LayoutItems();

  const TbsLevelPlacement place =
      PlaceLevel(area, Anchor, {width, height}, Sublevel, Upwards, FScrolling, FItemsRect.top);
  SetBounds(place.Position.x, place.Position.y, width, height);
  HandleNeeded();
  if (FRecord != nullptr && FMaskPicture != nullptr) {
    if (auto region = WindowPictureRegion(*FMaskPicture, FLayout, FSized))
      win::SetWindowRgn(Handle(), std::move(*region), false);
  }
  const bool fade =
      FMenu.MenusAlphaBlend && FMenu.MenusAlphaBlendAnimation && FMenu.OpeningFirstLevel();
  if (FMenu.MenusAlphaBlend) {
    win::SetWindowLong(Handle(), win::GWL_EXSTYLE,
                       win::GetWindowLong(Handle(), win::GWL_EXSTYLE) | win::WS_EX_LAYERED);
    win::SetLayeredWindowAttributes(Handle(), 0, fade ? 0 : FMenu.MenusAlphaBlendValue,
                                    win::LWA_ALPHA);
  }
  win::SetWindowPos(Handle(), win::HWND_TOPMOST, Left(), Top(), 0, 0,
                    win::SWP_SHOWWINDOW | win::SWP_NOACTIVATE | win::SWP_NOSIZE);
  StoreVisible(true);
  if (fade) {
    for (int alpha = 0; alpha < FMenu.MenusAlphaBlendValue; alpha += 3)
      win::SetLayeredWindowAttributes(Handle(), 0, static_cast<win::BYTE>(alpha), win::LWA_ALPHA);
    win::SetLayeredWindowAttributes(Handle(), 0, FMenu.MenusAlphaBlendValue, win::LWA_ALPHA);
  }
  win::SetTimer(Handle(), kHoverTimer, 50);
  win::GetCursorPos(FLastCursor.emplace());
  // The menu opens with its first item highlighted.
  const int first = SelectableFrom(0, 1);
  if (first >= 0)
    SetHotItem(first, true);
}

void TbsSkinPopupWindow::MeasureLevel(int& Width, int& Height) {
  gfx::Bitmap scratch(1, 1);
  gfx::DeviceContext measure(scratch);
  measure.SelectFont(FContext.Font);
  int widest = 0;
  int items = 0;
  for (const auto& item : FItems) {
    widest = std::max(widest, item->TextWidth(measure));
    items += ItemHeight(*item);
  }
  const TbsDataSkinMenuItem* r = FContext.Record;
  const int itemFrame =
      r != nullptr ? r->textrect.left + r->skinrect.Width() - r->textrect.right : 6;
  const int windowFrameWidth =
      FRecord != nullptr ? FWindowPicture->Width() - FRecord->itemsrect.Width() : 4;
  const int windowFrameHeight =
      FRecord != nullptr ? FWindowPicture->Height() - FRecord->itemsrect.Height() : 4;
  Width = widest + FContext.GlyphWidth + 19 + itemFrame + windowFrameWidth;
  Height = items + windowFrameHeight;
}

void TbsSkinPopupWindow::LayoutItems() {
  const int margin = FScrolling ? kScrollBand : 0;
  int y = FItemsRect.top + margin;
  const int bottom = FItemsRect.bottom - margin;
  FVisibleCount = 0;
  bool full = false;
  for (int i = 0; i < ItemCount(); ++i) {
    TbsSkinMenuItem& item = *FItems[i];
    const int h = ItemHeight(item);
    item.InVisibleRange = false;
    if (i < FFirstVisible || full)
      continue;
    if (y + h > bottom) {
      full = true;
      continue;
    }
    item.ItemRect = {FItemsRect.left, y, FItemsRect.right, y + h};
    item.InVisibleRange = true;
    ++FVisibleCount;
    y += h;
  }
}

gfx::Rect TbsSkinPopupWindow::ItemScreenRect(const TbsSkinMenuItem& Item) const {
  return Item.ItemRect.Offset(Left(), Top());
}

// -- Painting -------------------------------------------------------------------

void TbsSkinPopupWindow::Paint() {
  if (Width() <= 0 || Height() <= 0 || Canvas().Handle() == nullptr)
    return;
  // Drawn straight into the window: the level is opaque (its background
  // is never erased) and nothing else draws there, so a pixel that neither
  // the picture nor an item covers keeps the black of the new window.
  gfx::DeviceContext& dc = *Canvas().Handle();
  if (FRecord != nullptr) {
    DrawWindowPicture(dc, *FWindowPicture, FLayout, FSized, FScrolling);
  } else {
    const int column = FContext.Images != nullptr ? FContext.GlyphWidth + 2 : 21;
    dc.FillRect({0, 0, Width(), Height()}, gfx::clWindow);
    dc.FillRect({0, 0, column, Height()}, gfx::clBtnFace);
    dc.FrameRect({0, 0, Width(), Height()}, gfx::clBtnShadow);
    dc.FrameRect({1, 1, Width() - 1, Height() - 1}, gfx::clWindow);
  }
  for (const auto& item : FItems)
    item->Paint(dc);
  if (FScrolling)
    PaintScrollMarkers(dc);
}

void TbsSkinPopupWindow::PaintScrollMarkers(gfx::DeviceContext& DC) const {
  gfx::Rect top;
  gfx::Rect bottom;
  gfx::ColorRef normal = gfx::clBtnShadow;
  gfx::ColorRef active = gfx::clBtnText;
  if (FRecord != nullptr) {
    top = {FItemsRect.left, FItemsRect.top, FItemsRect.right, FItemsRect.top + kScrollBand};
    bottom = {FItemsRect.left, FItemsRect.bottom - kScrollBand, FItemsRect.right,
              FItemsRect.bottom};
    normal = FRecord->scrollmarkercolor;
    active = FRecord->scrollmarkeractivecolor;
  } else {
    top = {3, 3, Width() - 3, 13};
    bottom = {3, Height() - 10, Width() - 3, Height() - 3};
  }
  auto arrow = [&](const gfx::Rect& band, bool up, bool lit) {
    const gfx::ColorRef c = lit ? active : normal;
    const int cx = band.left + band.Width() / 2;
    const int y0 = band.top + (band.Height() - 4) / 2;
    for (int row = 0; row < 4; ++row) {
      const int half = up ? row : 3 - row;
      DC.FillRect({cx - half, y0 + row, cx + half + 1, y0 + row + 1}, c);
    }
  };
  arrow(top, true, FScrollDirection == TbsScrollDirection::Up);
  arrow(bottom, false, FScrollDirection == TbsScrollDirection::Down);
}

void TbsSkinPopupWindow::ItemChanged(TbsSkinMenuItem& Item) {
  if (!HandleAllocated())
    return;
  if (Item.Morphing() && !FMorphRunning) {
    FMorphRunning = true;
    win::SetTimer(Handle(), kMorphTimer, 20);
  }
  gfx::Rect r = Item.ItemRect;
  win::InvalidateRect(Handle(), &r, false);
}

void TbsSkinPopupWindow::MorphTick() {
  bool moving = false;
  for (const auto& item : FItems)
    if (item->Morphing() && item->MorphStep()) {
      moving = true;
      gfx::Rect r = item->ItemRect;
      win::InvalidateRect(Handle(), &r, false);
    }
  if (!moving) {
    win::KillTimer(Handle(), kMorphTimer);
    FMorphRunning = false;
  }
}
