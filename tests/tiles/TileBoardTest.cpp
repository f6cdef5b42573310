#include "tiles/TileBoard.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

// Plays a board to the end the way a patient player would: every slot in
// turn gets its own tile by one swap, then turns until upright.
int SolveByHand(TTileBoard& board) {
  int moves = 0;
  for (int slot = 0; slot < board.SlotCount(); ++slot) {
    for (int other = slot + 1; board.Place(slot).Tile != slot; ++other)
      if (board.Place(other).Tile == slot) {
        EXPECT_TRUE(board.Swap(slot, other));
        ++moves;
      }
    while (board.Place(slot).Turns != 0) {
      EXPECT_TRUE(board.Turn(slot));
      ++moves;
    }
  }
  return moves;
}

std::vector<TTilePlace> Deal(TBoardShape shape, std::uint64_t seed) {
  TTileBoard board(shape);
  board.Shuffle(seed);
  std::vector<TTilePlace> places;
  for (int slot = 0; slot < board.SlotCount(); ++slot)
    places.push_back(board.Place(slot));
  return places;
}

TEST(TileBoard, SeveritiesGrowAndTurnFromGuruOn) {
  int lastCount = 0;
  for (int level = 1; level <= 5; ++level) {
    const TBoardShape shape = BoardShapeFor(level);
    EXPECT_GT(shape.TileCount(), lastCount) << level;
    EXPECT_EQ(shape.Turning, level >= 4) << level;
    lastCount = shape.TileCount();
  }
  EXPECT_EQ(BoardShapeFor(1).Columns, 3);
  EXPECT_EQ(BoardShapeFor(5).Columns, 8);
  // Hand-edited levels play as the nearest one instead of failing.
  EXPECT_EQ(BoardShapeFor(0).Columns, BoardShapeFor(1).Columns);
  EXPECT_EQ(BoardShapeFor(9).Columns, BoardShapeFor(5).Columns);
}

TEST(TileBoard, ShufflesAreSeededShuffledAndSolvable) {
  for (int level = 1; level <= 5; ++level) {
    const TBoardShape shape = BoardShapeFor(level);
    EXPECT_EQ(Deal(shape, 42), Deal(shape, 42)) << level;
    EXPECT_NE(Deal(shape, 42), Deal(shape, 43)) << level;
    bool anyTurned = false;
    for (std::uint64_t seed = 0; seed < 300; ++seed) {
      TTileBoard board(shape);
      board.Shuffle(seed);
      ASSERT_FALSE(board.Solved()) << level << " " << seed;
      ASSERT_LE(board.RightCount() * 2, board.SlotCount()) << level << " " << seed;
      // Every tile once, turns in range.
      std::set<int> tiles;
      for (int slot = 0; slot < board.SlotCount(); ++slot) {
        tiles.insert(board.Place(slot).Tile);
        ASSERT_GE(board.Place(slot).Turns, 0);
        ASSERT_LE(board.Place(slot).Turns, 3);
        anyTurned |= board.Place(slot).Turns != 0;
      }
      ASSERT_EQ(static_cast<int>(tiles.size()), board.SlotCount());
      ASSERT_EQ(*tiles.rbegin(), board.SlotCount() - 1);
      const int moves = SolveByHand(board);
      ASSERT_TRUE(board.Solved()) << level << " " << seed;
      ASSERT_LE(moves, (board.SlotCount() - 1) + 3 * board.SlotCount());
    }
    EXPECT_EQ(anyTurned, shape.Turning) << level;
  }
}

TEST(TileBoard, SmallestBoardStillStartsWellShuffled) {
  // Even a two-tile board, where every other deal is the solved one, gets
  // a shuffled start.
  for (std::uint64_t seed = 0; seed < 50; ++seed) {
    TTileBoard board({1, false});
    board.Shuffle(seed);
    EXPECT_EQ(board.SlotCount(), 1);
    TTileBoard four({2, false});
    four.Shuffle(seed);
    EXPECT_FALSE(four.Solved()) << seed;
    EXPECT_LE(four.RightCount(), 2);
  }
}

TEST(TileBoard, SwapAndTurnRules) {
  TTileBoard plain(BoardShapeFor(1));
  EXPECT_TRUE(plain.Solved());
  EXPECT_FALSE(plain.Swap(3, 3));
  EXPECT_FALSE(plain.Swap(-1, 2));
  EXPECT_FALSE(plain.Swap(2, 9));
  EXPECT_FALSE(plain.Turn(0));  // no turning below Guru
  EXPECT_TRUE(plain.Solved());
  EXPECT_TRUE(plain.Swap(0, 8));
  EXPECT_EQ(plain.Place(0).Tile, 8);
  EXPECT_EQ(plain.Place(8).Tile, 0);
  EXPECT_EQ(plain.RightCount(), 7);

  TTileBoard turning(BoardShapeFor(4));
  EXPECT_FALSE(turning.Turn(36));
  EXPECT_TRUE(turning.Turn(5));
  EXPECT_FALSE(turning.Solved());
  // A turned tile keeps its turns when it moves, and four turns are none.
  EXPECT_TRUE(turning.Swap(5, 7));
  EXPECT_EQ(turning.Place(7), (TTilePlace{5, 1}));
  EXPECT_EQ(turning.Place(5), (TTilePlace{7, 0}));
  EXPECT_TRUE(turning.Swap(5, 7));
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(turning.Turn(5));
  EXPECT_TRUE(turning.Solved());
}

}  // namespace
