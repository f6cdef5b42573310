#include "tiles/TileGame.h"

#include <algorithm>

TTileGame::TTileGame(TBoardShape Shape, std::uint64_t Seed) : FBoard(Shape) {
  FBoard.Shuffle(Seed);
}

void TTileGame::NewShuffle(std::uint64_t Seed) {
  FBoard.Shuffle(Seed);
  FMoves = 0;
  FPicked.reset();
  FStart.reset();
  FFinish.reset();
}

std::vector<int> TTileGame::AfterMove(std::vector<int> Changed, std::uint32_t Now) {
  ++FMoves;
  if (!FStart)
    FStart = Now;
  if (FBoard.Solved()) {
    FFinish = Now;
    if (FPicked) {
      Changed.push_back(*FPicked);
      FPicked.reset();
    }
  }
  return Changed;
}

std::vector<int> TTileGame::Swap(int A, int B, std::uint32_t Now) {
  if (Solved() || !FBoard.Swap(A, B))
    return {};
  std::vector<int> changed{A, B};
  if (FPicked && *FPicked != A && *FPicked != B)
    changed.push_back(*FPicked);
  FPicked.reset();
  return AfterMove(changed, Now);
}

std::vector<int> TTileGame::Turn(int Slot, std::uint32_t Now) {
  if (Solved() || !FBoard.Turn(Slot))
    return {};
  return AfterMove({Slot}, Now);
}

std::vector<int> TTileGame::Pick(int Slot, std::uint32_t Now) {
  if (Solved() || !FBoard.ValidSlot(Slot))
    return {};
  if (!FPicked) {
    FPicked = Slot;
    return {Slot};
  }
  if (*FPicked == Slot) {
    FPicked.reset();
    return {Slot};
  }
  return Swap(*FPicked, Slot, Now);
}

void TTileGame::DropPicked() {
  FPicked.reset();
}

std::vector<int> TTileGame::MoveCursor(int DX, int DY) {
  const int columns = FBoard.Shape().Columns;
  const int x = std::clamp(FCursor % columns + DX, 0, columns - 1);
  const int y = std::clamp(FCursor / columns + DY, 0, columns - 1);
  const int old = FCursor;
  FCursor = y * columns + x;
  return old == FCursor ? std::vector<int>{} : std::vector<int>{old, FCursor};
}

std::uint32_t TTileGame::ElapsedMs(std::uint32_t Now) const {
  if (!FStart)
    return 0;
  // Unsigned difference: right across the tick count's wrap.
  return (FFinish ? *FFinish : Now) - *FStart;
}
