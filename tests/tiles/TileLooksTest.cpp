#include "tiles/TileLooks.h"

#include <gtest/gtest.h>

#include <set>

namespace {

// A square picture of Columns x Columns tiles of Size pixels whose every
// pixel differs from every other, so that no two tiles or turns look alike.
gfx::Bitmap AllDifferent(int Columns, int Size) {
  const int side = Columns * Size;
  gfx::Bitmap picture(side, side);
  for (int y = 0; y < side; ++y)
    for (int x = 0; x < side; ++x)
      picture.SetPixel(x, y, gfx::RGB(x, y, (x * 7 + y * 3) & 255));
  return picture;
}

void PaintTile(gfx::Bitmap& Picture, int Columns, int Size, int Tile, const gfx::Bitmap& Pixels) {
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x)
      Picture.Row(Tile / Columns * Size + y)[Tile % Columns * Size + x] = Pixels.Row(y)[x];
}

gfx::Bitmap Plain(int Size, gfx::ColorRef Colour) {
  return gfx::Bitmap(Size, Size, Colour);
}

TEST(TileLooks, OnlyTilesWithTheSamePixelsLookAlike) {
  gfx::Bitmap picture = AllDifferent(3, 10);
  PaintTile(picture, 3, 10, 0, Plain(10, gfx::RGB(90, 140, 200)));
  PaintTile(picture, 3, 10, 4, Plain(10, gfx::RGB(90, 140, 200)));
  PaintTile(picture, 3, 10, 8, Plain(10, gfx::RGB(90, 140, 201)));
  const std::vector<TTileLook> looks = TileLooks(picture, BoardShapeFor(1));
  ASSERT_EQ(looks.size(), 9u);
  EXPECT_EQ(looks[0][0], looks[4][0]);
  std::set<int> distinct;
  for (const TTileLook& look : looks)
    distinct.insert(look[0]);
  EXPECT_EQ(distinct.size(), 8u);  // one blue twice; one colour step apart is another look
  EXPECT_EQ(looks[1][1], -1);      // tiles that do not turn have no turned looks
}

TEST(TileLooks, TurnsAreComparedAsTheBoardDrawsThem) {
  const TBoardShape shape{2, true};
  gfx::Bitmap picture = AllDifferent(2, 8);
  // Tile 1 is tile 0 as the board draws it turned a quarter, tile 2 a
  // plain colour, tile 3 the same after a half turn but not a quarter one.
  PaintTile(picture, 2, 8, 1, TurnedQuarter(CutTile(picture, 2, 8, 0)));
  PaintTile(picture, 2, 8, 2, Plain(8, gfx::RGB(10, 200, 10)));
  gfx::Bitmap checks = Plain(8, gfx::RGB(255, 255, 255));
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x)
      if ((x < 4) == (y < 4))
        checks.SetPixel(x, y, gfx::RGB(0, 0, 0));
  PaintTile(picture, 2, 8, 3, checks);

  const std::vector<TTileLook> looks = TileLooks(picture, shape);
  ASSERT_EQ(looks.size(), 4u);
  EXPECT_EQ(looks[0][1], looks[1][0]);
  EXPECT_EQ(looks[0][2], looks[1][1]);
  EXPECT_EQ(looks[0][3], looks[1][2]);
  EXPECT_EQ(looks[0][0], looks[1][3]);
  EXPECT_EQ(std::set<int>(looks[0].begin(), looks[0].end()).size(), 4u);
  EXPECT_EQ(std::set<int>(looks[2].begin(), looks[2].end()).size(), 1u);
  EXPECT_EQ(looks[3][0], looks[3][2]);
  EXPECT_EQ(looks[3][1], looks[3][3]);
  EXPECT_NE(looks[3][0], looks[3][1]);
}

TEST(TileLooks, ABoardIsSolvedWhenItLooksRight) {
  // Tiles 0 and 4 are the same blue: either may go in either slot.
  gfx::Bitmap picture = AllDifferent(3, 10);
  PaintTile(picture, 3, 10, 0, Plain(10, gfx::RGB(90, 140, 200)));
  PaintTile(picture, 3, 10, 4, Plain(10, gfx::RGB(90, 140, 200)));
  TTileBoard board(BoardShapeFor(1));
  board.SetLooks(TileLooks(picture, board.Shape()));
  EXPECT_TRUE(board.Swap(0, 4));
  EXPECT_TRUE(board.Solved());
  EXPECT_TRUE(board.Swap(0, 1));
  EXPECT_EQ(board.RightCount(), 7);

  // A plain tile is upright however it is turned; the others are not.
  TTileBoard turning({2, true});
  gfx::Bitmap four = AllDifferent(2, 8);
  PaintTile(four, 2, 8, 2, Plain(8, gfx::RGB(10, 200, 10)));
  turning.SetLooks(TileLooks(four, turning.Shape()));
  EXPECT_TRUE(turning.Turn(2));
  EXPECT_TRUE(turning.Solved());
  EXPECT_TRUE(turning.Turn(1));
  EXPECT_FALSE(turning.IsRight(1));

  // Looks for another board are not taken.
  TTileBoard other(BoardShapeFor(2));
  other.SetLooks(TileLooks(picture, BoardShapeFor(1)));
  EXPECT_TRUE(other.Swap(0, 5));
  EXPECT_FALSE(other.Solved());
}

TEST(TileLooks, APlainPictureStillDealsItsTilesAround) {
  // Every deal of a one-colour picture looks solved, but the tiles do move,
  // and a picture too small to cut has no looks at all.
  const gfx::Bitmap plain = Plain(40, gfx::RGB(128, 0, 128));
  TTileBoard board(BoardShapeFor(5));
  board.SetLooks(TileLooks(plain, board.Shape()));
  board.Shuffle(3);
  EXPECT_TRUE(board.Solved());
  int inPlace = 0;
  for (int slot = 0; slot < board.SlotCount(); ++slot)
    inPlace += board.Place(slot) == TTilePlace{slot, 0} ? 1 : 0;
  EXPECT_LE(inPlace * 2, board.SlotCount());
  EXPECT_TRUE(TileLooks(Plain(7, gfx::RGB(1, 2, 3)), BoardShapeFor(5)).empty());
}

}  // namespace
