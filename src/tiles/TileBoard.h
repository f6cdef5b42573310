#pragma once

// The board of the tile puzzle: a square grid of slots, each holding one
// tile of the picture, possibly turned. The player swaps any two tiles and,
// where the severity asks for it, turns tiles a quarter at a time; the
// puzzle is solved when every slot shows what its own tile shows upright.
// Usually that means every tile in its own slot, upright; where pictures
// have tiles alike (a plain sky, a one-colour background), any of them will
// do, and a tile that looks the same turned counts as upright.

#include <array>
#include <cstdint>
#include <vector>

// How a severity plays: the grid and whether tiles need turning.
struct TBoardShape {
  int Columns = 3;  // as many rows as columns
  bool Turning = false;

  int TileCount() const { return Columns * Columns; }
};

// Beginner 3 x 3, Intermediate 4 x 4, Expert 5 x 5, Guru 6 x 6 and
// Maniac 8 x 8, the last two with turned tiles. Levels outside 1 to 5 play
// as the nearest one.
TBoardShape BoardShapeFor(int Severity);

// A small, fast generator whose sequence is the same on every machine and
// library, so that a seed always deals the same shuffle.
class TShuffleRandom {
 public:
  explicit TShuffleRandom(std::uint64_t Seed) : FState(Seed) {}
  std::uint64_t Next();
  // Uniform in 0 .. Bound - 1; Bound must be positive.
  int Below(int Bound);

 private:
  std::uint64_t FState;
};

struct TTilePlace {
  int Tile = 0;   // which tile of the picture, counted row by row
  int Turns = 0;  // quarter turns clockwise, 0 to 3

  bool operator==(const TTilePlace&) const = default;
};

// What one tile shows upright and turned by one, two and three quarters,
// as numbers: two places that show the same pixels have the same number.
using TTileLook = std::array<int, 4>;

class TTileBoard {
 public:
  // A solved board.
  explicit TTileBoard(TBoardShape Shape = {});

  // Deals a new shuffle from the seed: the tiles in a random order and,
  // with turning, random turns. At most half of the tiles start in their
  // own slot and upright, so a shuffle never starts solved (unless the
  // tiles all look alike) and always looks shuffled. Every deal can be
  // solved: any two tiles may be swapped and any tile turned.
  void Shuffle(std::uint64_t Seed);

  const TBoardShape& Shape() const { return FShape; }
  int SlotCount() const { return static_cast<int>(FPlaces.size()); }
  bool ValidSlot(int Slot) const { return Slot >= 0 && Slot < SlotCount(); }
  const TTilePlace& Place(int Slot) const { return FPlaces.at(Slot); }

  // Exchanges the tiles of two different slots, each keeping its turns.
  // False (and nothing changes) for one slot twice or a slot outside.
  bool Swap(int A, int B);
  // Turns the tile of a slot a quarter clockwise. False when the board's
  // tiles do not turn or the slot is outside.
  bool Turn(int Slot);

  // Which tiles look alike, one look per tile. Without (or with a list of
  // another length) every tile and every turn of it looks different.
  void SetLooks(std::vector<TTileLook> Looks);

  // Whether a slot shows what its own tile shows upright.
  bool IsRight(int Slot) const;
  int RightCount() const;
  bool Solved() const { return RightCount() == SlotCount(); }

 private:
  // Tiles in their own slot and upright, whatever they look like.
  int InPlaceCount() const;

  TBoardShape FShape;
  std::vector<TTilePlace> FPlaces;
  std::vector<TTileLook> FLooks;
};
