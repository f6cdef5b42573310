#include "tiles/TileBoard.h"

#include <algorithm>
#include <utility>

TBoardShape BoardShapeFor(int Severity) {
  switch (std::clamp(Severity, 1, 5)) {
    case 1:
      return {3, false};
    case 2:
      return {4, false};
    case 3:
      return {5, false};
    case 4:
      return {6, true};
    default:
      return {8, true};
  }
}

// splitmix64: every seed, zero included, gives a well-mixed sequence.
std::uint64_t TShuffleRandom::Next() {
  std::uint64_t z = (FState += 0x9E3779B97F4A7C15ULL);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
  return z ^ (z >> 31);
}

int TShuffleRandom::Below(int Bound) {
  // Rejection keeps every value equally likely.
  const std::uint64_t bound = static_cast<std::uint64_t>(Bound);
  const std::uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
  std::uint64_t value;
  do
    value = Next();
  while (value >= limit);
  return static_cast<int>(value % bound);
}

TTileBoard::TTileBoard(TBoardShape Shape) : FShape(Shape) {
  FPlaces.resize(static_cast<std::size_t>(Shape.TileCount()));
  for (int slot = 0; slot < SlotCount(); ++slot)
    FPlaces[slot] = {slot, 0};
}

void TTileBoard::Shuffle(std::uint64_t Seed) {
  TShuffleRandom random(Seed);
  const int n = SlotCount();
  // A random deal has about one tile in place on average; redealing the
  // rare one with more than half in place costs nothing.
  for (int attempt = 0; attempt < 64; ++attempt) {
    for (int slot = 0; slot < n; ++slot)
      FPlaces[slot] = {slot, 0};
    for (int slot = n - 1; slot > 0; --slot)
      std::swap(FPlaces[slot], FPlaces[random.Below(slot + 1)]);
    if (FShape.Turning)
      for (TTilePlace& place : FPlaces)
        place.Turns = random.Below(4);
    if (InPlaceCount() * 2 <= n)
      return;
  }
  // Practically unreachable; a shift by one slot leaves no tile in place.
  for (int slot = 0; slot < n; ++slot)
    FPlaces[slot] = {(slot + 1) % n, 0};
}

bool TTileBoard::Swap(int A, int B) {
  if (A == B || !ValidSlot(A) || !ValidSlot(B))
    return false;
  std::swap(FPlaces[A], FPlaces[B]);
  return true;
}

bool TTileBoard::Turn(int Slot) {
  if (!FShape.Turning || !ValidSlot(Slot))
    return false;
  FPlaces[Slot].Turns = (FPlaces[Slot].Turns + 1) % 4;
  return true;
}

void TTileBoard::SetLooks(std::vector<TTileLook> Looks) {
  if (static_cast<int>(Looks.size()) == SlotCount())
    FLooks = std::move(Looks);
  else
    FLooks.clear();
}

bool TTileBoard::IsRight(int Slot) const {
  const TTilePlace& place = FPlaces.at(Slot);
  if (FLooks.empty())
    return place == TTilePlace{Slot, 0};
  return FLooks[place.Tile][place.Turns] == FLooks[Slot][0];
}

int TTileBoard::InPlaceCount() const {
  int placed = 0;
  for (int slot = 0; slot < SlotCount(); ++slot)
    placed += FPlaces[slot] == TTilePlace{slot, 0} ? 1 : 0;
  return placed;
}

int TTileBoard::RightCount() const {
  int right = 0;
  for (int slot = 0; slot < SlotCount(); ++slot)
    right += IsRight(slot) ? 1 : 0;
  return right;
}
