#pragma once

// TbsSkinPopupWindow: one open level of a skinned menu. A popup window that
// never takes the focus; it sizes itself to its items, places itself on the
// work area, draws its frame from the skin's popup-window record (or a
// plain frame), tracks the mouse over its items, scrolls when it is taller
// than the work area, and answers the keys its menu passes on.

#include <memory>
#include <optional>
#include <vector>

#include "skin/form/SkinMenuItem.h"
#include "skin/form/WindowPicture.h"
#include "ui/WinControl.h"

class TbsSkinMenu;

// The directions a scrolling level can move its items.
enum class TbsScrollDirection { None, Up, Down };

class TbsSkinPopupWindow : public TCustomControl {
 public:
  // Timer identifiers of a level window.
  static constexpr unsigned kScrollTimer = 1;
  static constexpr unsigned kHoverTimer = 2;
  static constexpr unsigned kMorphTimer = 3;
  // The height of a scroll band.
  static constexpr int kScrollBand = 10;

  TbsSkinPopupWindow(TbsSkinMenu& Menu, const TbsDataSkinPopupWindow* Record);
  ~TbsSkinPopupWindow() override;

  // Builds the items of Item's visible children from FirstIndex on, sizes
  // and places the level at Anchor and shows it.
  void ShowLevel(const gfx::Rect& Anchor, TMenuItem* Item, bool Upwards, bool Sublevel,
                 int FirstIndex);

  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TbsSkinMenuItem& Items(int Index) const { return *FItems.at(Index); }
  int HotItem() const { return FHotItem; }
  bool Scrolling() const { return FScrolling; }
  int FirstVisible() const { return FFirstVisible; }
  TbsScrollDirection ScrollDirection() const { return FScrollDirection; }
  const gfx::Rect& ItemsRect() const { return FItemsRect; }
  bool Skinned() const { return FRecord != nullptr; }

  // The mouse at a client point: scroll bands and the hot item follow it.
  void HoverAt(gfx::Point Client);
  // A left-button release at a client point chooses the hot item under it.
  void ReleaseAt(gfx::Point Client);
  // A key the menu passes on; false when the level had no use for it.
  bool HandleMenuKey(win::WORD Key);
  // Repaints one item (and starts its fade, when it has one).
  void ItemChanged(TbsSkinMenuItem& Item);
  // Stops the level's timers; a closed level waits to be freed without
  // waking the program.
  void StopTimers();
  // The item's rectangle on the screen.
  gfx::Rect ItemScreenRect(const TbsSkinMenuItem& Item) const;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  void MeasureLevel(int& Width, int& Height);
  void LayoutItems();
  void SetHotItem(int Index, bool ByKeyboard);
  void EnterItem(TbsSkinMenuItem& Item, bool ByKeyboard);
  void LeaveItem(TbsSkinMenuItem& Item);
  void ClickItem(TbsSkinMenuItem& Item);
  int SelectableFrom(int Start, int Step) const;
  void MakeVisible(int Index);
  void StartScrolling(TbsScrollDirection Direction);
  void StopScrolling();
  void ScrollStep();
  void HoverTick();
  void MorphTick();
  void PaintScrollMarkers(gfx::DeviceContext& DC) const;
  bool CanScroll(TbsScrollDirection Direction) const;
  int ItemHeight(const TbsSkinMenuItem& Item) const;

  TbsSkinMenu& FMenu;
  const TbsDataSkinPopupWindow* FRecord;
  const gfx::Bitmap* FWindowPicture = nullptr;
  const gfx::Bitmap* FMaskPicture = nullptr;
  TbsFrameLayout FLayout;
  TbsSizedFrame FSized;
  TbsMenuItemContext FContext;
  std::vector<std::unique_ptr<TbsSkinMenuItem>> FItems;
  gfx::Rect FItemsRect;
  int FHotItem = -1;
  bool FScrolling = false;
  int FFirstVisible = 0;
  int FVisibleCount = 0;
  TbsScrollDirection FScrollDirection = TbsScrollDirection::None;
  std::optional<gfx::Point> FLastCursor;
  bool FMorphRunning = false;
};
