#include "tiles/TileGame.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

// The slot that holds a tile.
int SlotOf(const TTileGame& game, int tile) {
  for (int slot = 0; slot < game.Board().SlotCount(); ++slot)
    if (game.Board().Place(slot).Tile == tile)
      return slot;
  return -1;
}

// The first slot whose tile is not its own.
int FirstWrongSlot(const TTileGame& game) {
  for (int slot = 0; slot < game.Board().SlotCount(); ++slot)
    if (game.Board().Place(slot).Tile != slot)
      return slot;
  return -1;
}

TEST(TileGame, PickingSwapsTwoTilesAsOneMove) {
  TTileGame game(BoardShapeFor(2), 7);
  const TTilePlace first = game.Board().Place(2), second = game.Board().Place(9);
  EXPECT_THAT(game.Pick(2, 100), ElementsAre(2));
  EXPECT_EQ(game.Picked(), 2);
  EXPECT_EQ(game.Moves(), 0);
  EXPECT_FALSE(game.Started());
  // Clicking the picked tile again puts it down without a move.
  EXPECT_THAT(game.Pick(2, 150), ElementsAre(2));
  EXPECT_FALSE(game.Picked().has_value());
  EXPECT_EQ(game.Moves(), 0);

  game.Pick(2, 200);
  EXPECT_THAT(game.Pick(9, 300), UnorderedElementsAre(2, 9));
  EXPECT_FALSE(game.Picked().has_value());
  EXPECT_EQ(game.Board().Place(2), second);
  EXPECT_EQ(game.Board().Place(9), first);
  EXPECT_EQ(game.Moves(), 1);
  EXPECT_THAT(game.Pick(16, 300), IsEmpty());
  EXPECT_THAT(game.Pick(-1, 300), IsEmpty());
}

TEST(TileGame, DraggingOverAPickedTileRepaintsTheDroppedPick) {
  TTileGame game(BoardShapeFor(1), 3);
  game.Pick(4, 0);
  EXPECT_THAT(game.Swap(0, 1, 10), UnorderedElementsAre(0, 1, 4));
  EXPECT_FALSE(game.Picked().has_value());
}

TEST(TileGame, TurningIsAMoveOnlyWhereTilesTurn) {
  TTileGame plain(BoardShapeFor(3), 1);
  EXPECT_THAT(plain.Turn(0, 0), IsEmpty());
  EXPECT_EQ(plain.Moves(), 0);
  TTileGame guru(BoardShapeFor(4), 1);
  const int turns = guru.Board().Place(0).Turns;
  EXPECT_THAT(guru.Turn(0, 0), ElementsAre(0));
  EXPECT_EQ(guru.Board().Place(0).Turns, (turns + 1) % 4);
  EXPECT_EQ(guru.Moves(), 1);
}

TEST(TileGame, WinsExactlyAtTheLastCorrectTileAndThenTakesNoMoves) {
  TTileGame game(BoardShapeFor(5), 2024);
  std::uint32_t now = 5000;
  // Put every tile in place first, then turn them upright: the game is won
  // by the very last turn.
  for (int slot = FirstWrongSlot(game); slot >= 0; slot = FirstWrongSlot(game)) {
    ASSERT_FALSE(game.Solved());
    game.Swap(slot, SlotOf(game, slot), now += 1000);
  }
  std::vector<int> left;
  for (int slot = 0; slot < game.Board().SlotCount(); ++slot)
    for (int t = game.Board().Place(slot).Turns; t != 0 && t < 4; ++t)
      left.push_back(slot);
  ASSERT_FALSE(left.empty());
  for (std::size_t i = 0; i < left.size(); ++i) {
    ASSERT_FALSE(game.Solved()) << i;
    ASSERT_FALSE(game.Turn(left[i], now += 1000).empty());
  }
  EXPECT_TRUE(game.Solved());
  const int moves = game.Moves();
  const std::uint32_t elapsed = game.ElapsedMs(now);
  EXPECT_EQ(elapsed, static_cast<std::uint32_t>(moves - 1) * 1000);
  // Over: nothing moves, and the clock has stopped.
  EXPECT_THAT(game.Swap(0, 1, now + 10), IsEmpty());
  EXPECT_THAT(game.Turn(0, now + 10), IsEmpty());
  EXPECT_THAT(game.Pick(0, now + 10), IsEmpty());
  EXPECT_EQ(game.Moves(), moves);
  EXPECT_EQ(game.ElapsedMs(now + 60000), elapsed);
}

TEST(TileGame, ClockRunsFromTheFirstMoveAcrossTheTickWrap) {
  TTileGame game(BoardShapeFor(1), 9);
  EXPECT_EQ(game.ElapsedMs(123456), 0u);
  const std::uint32_t start = 0xFFFFF000u;
  game.Swap(0, 1, start);
  EXPECT_TRUE(game.Started());
  EXPECT_EQ(game.ElapsedMs(start + 2500), 2500u);
  EXPECT_EQ(game.ElapsedMs(start + 0x2000), 0x2000u);  // the tick count wrapped meanwhile
  game.NewShuffle(10);
  EXPECT_FALSE(game.Started());
  EXPECT_EQ(game.Moves(), 0);
  EXPECT_EQ(game.ElapsedMs(start + 9000), 0u);
  EXPECT_FALSE(game.Solved());
}

TEST(TileGame, CursorStopsAtTheEdges) {
  TTileGame game(BoardShapeFor(1), 1);
  EXPECT_THAT(game.MoveCursor(-1, 0), IsEmpty());
  EXPECT_THAT(game.MoveCursor(0, -1), IsEmpty());
  EXPECT_THAT(game.MoveCursor(1, 0), ElementsAre(0, 1));
  game.MoveCursor(5, 5);
  EXPECT_EQ(game.Cursor(), 8);
  EXPECT_THAT(game.MoveCursor(0, 1), IsEmpty());
  game.MoveCursor(0, -1);
  EXPECT_EQ(game.Cursor(), 5);
}

}  // namespace
