#pragma once

// One game of the tile puzzle: the board with the player's moves, the tile
// picked up for a swap, the keyboard cursor and the playing time. Times are
// ticks of the window system's clock in milliseconds, handed in by the
// caller, so that the game runs the same on the real and the manual clock.

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "tiles/TileBoard.h"

class TTileGame {
 public:
  TTileGame(TBoardShape Shape, std::uint64_t Seed);

  // Starts over with a new deal: no moves, no time, nothing picked; the
  // cursor stays where it is.
  void NewShuffle(std::uint64_t Seed);

  const TTileBoard& Board() const { return FBoard; }
  // Which tiles look alike (see TTileBoard::SetLooks); kept for new deals.
  void SetLooks(std::vector<TTileLook> Looks) { FBoard.SetLooks(std::move(Looks)); }
  int Moves() const { return FMoves; }
  bool Solved() const { return FBoard.Solved(); }

  // Each returns the slots whose look changed (empty when nothing did).
  // After the last correct tile the game is over and takes no more moves.
  //
  // Swaps two tiles: one move.
  std::vector<int> Swap(int A, int B, std::uint32_t Now);
  // Turns a tile a quarter clockwise, where tiles turn: one move.
  std::vector<int> Turn(int Slot, std::uint32_t Now);
  // Click or Space on a slot: picks its tile up when none is, puts it down
  // again on the same slot, else swaps it with this one.
  std::vector<int> Pick(int Slot, std::uint32_t Now);
  std::optional<int> Picked() const { return FPicked; }
  void DropPicked();

  // The keyboard cursor moves within the grid and stops at its edges.
  int Cursor() const { return FCursor; }
  std::vector<int> MoveCursor(int DX, int DY);

  // The clock runs from the first move to the last correct tile.
  bool Started() const { return FStart.has_value(); }
  std::uint32_t ElapsedMs(std::uint32_t Now) const;

 private:
  std::vector<int> AfterMove(std::vector<int> Changed, std::uint32_t Now);

  TTileBoard FBoard;
  int FMoves = 0;
  std::optional<int> FPicked;
  int FCursor = 0;
  std::optional<std::uint32_t> FStart;
  std::optional<std::uint32_t> FFinish;
};
