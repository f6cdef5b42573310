#pragma once

// The board on screen: the tiles of a game drawn from the picture, played
// with the mouse (drag a tile onto another, or click two; a right click
// turns) and the keyboard (arrows move a cursor, Space picks and drops,
// R turns). A move repaints only the tiles it changed.

#include <array>
#include <functional>
#include <optional>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "tiles/TileGame.h"
#include "ui/WinControl.h"

class TTileBoardView : public TCustomControl {
 public:
  explicit TTileBoardView(TComponent* AOwner);

  // The game shown; not owned. The view is Side x Side, the picture too.
  void SetGame(TTileGame* Game);
  void SetPicture(gfx::Bitmap&& Picture);
  TTileGame* Game() const { return FGame; }

  // While on, the whole picture is shown instead of the tiles.
  bool ShowingPicture() const { return FShowPicture; }
  void SetShowPicture(bool Value);

  // The rectangle of a slot in client coordinates, and the slot under a
  // point (-1 for none).
  TRect SlotRect(int Slot) const;
  int SlotAt(int X, int Y) const;
  // Repaints the given slots, and only those.
  void InvalidateSlots(const std::vector<int>& Slots);

  // After every move, with the game's new state.
  TNotifyEvent OnMove;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void KeyDown(win::WORD& Key, TShiftState Shift) override;
  void KeyUp(win::WORD& Key, TShiftState Shift) override;
  void DoExit() override;

 private:
  int TileSize() const;
  void PaintTile(gfx::DeviceContext& DC, int Slot);
  void PaintMarks(gfx::DeviceContext& DC, int Slot);
  void Moved(const std::vector<int>& Changed);
  void SetHover(int Slot);
  // A tile's pixels turned by 1 to 3 quarters, made when first needed.
  const gfx::Bitmap& TurnedTile(int Tile, int Turns);

  TTileGame* FGame = nullptr;
  gfx::Bitmap FPicture;
  // Per tile, its pixels turned by one, two and three quarters.
  std::vector<std::array<gfx::Bitmap, 3>> FTurnedTiles;
  bool FShowPicture = false;
  // A press on a slot; it becomes a drag once the mouse moves away.
  std::optional<int> FPressSlot;
  TPoint FPressPoint;
  bool FDragging = false;
  int FHover = -1;
  bool FShowCursor = false;
};
