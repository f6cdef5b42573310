#pragma once

// The tiles of a board picture as pixels: cut out, turned, and compared, so
// that the board knows which tiles a player cannot tell apart.

#include <vector>

#include "platform/gfx/Bitmap.h"
#include "tiles/TileBoard.h"

// The picture turned a quarter clockwise.
gfx::Bitmap TurnedQuarter(const gfx::Bitmap& Picture);

// Tile number Tile of a picture cut into Columns x Columns tiles of
// Size x Size pixels, counted row by row from the top left.
gfx::Bitmap CutTile(const gfx::Bitmap& Picture, int Columns, int Size, int Tile);

// The look of every tile of a square picture on a board of this shape:
// tiles, and turns where the board turns, with the same pixels get the same
// number. Empty for a picture too small to cut.
std::vector<TTileLook> TileLooks(const gfx::Bitmap& Picture, TBoardShape Shape);
