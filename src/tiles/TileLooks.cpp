#include "tiles/TileLooks.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>

namespace {

// The colour of a pixel, without the byte pictures do not use.
constexpr gfx::Pixel kColourBits = 0x00FFFFFFu;

// One tile of a picture as it shows turned: reads the picture in place.
struct TTileInPicture {
  const gfx::Bitmap& Picture;
  int Columns;
  int Size;
  int Tile;
  int Turns;

  // The pixel at (X, Y) of the turned tile.
  gfx::Pixel At(int X, int Y) const {
    const int last = Size - 1;
    int x = X, y = Y;
    switch (Turns) {
      case 1:
        x = Y, y = last - X;
        break;
      case 2:
        x = last - X, y = last - Y;
        break;
      case 3:
        x = last - Y, y = X;
        break;
      default:
        break;
    }
    return Picture.Row(Tile / Columns * Size + y)[Tile % Columns * Size + x] & kColourBits;
  }

  // FNV-1a over the colours, to find the candidates worth comparing.
  std::uint64_t Hash() const {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x) {
        hash ^= At(x, y);
        hash *= 0x100000001B3ULL;
      }
    return hash;
  }

  bool SameAs(const TTileInPicture& Other) const {
    for (int y = 0; y < Size; ++y)
      for (int x = 0; x < Size; ++x)
        if (At(x, y) != Other.At(x, y))
          return false;
    return true;
  }
};

}  // namespace

gfx::Bitmap TurnedQuarter(const gfx::Bitmap& Picture) {
  const int w = Picture.Width(), h = Picture.Height();
  gfx::Bitmap result(h, w);
  for (int y = 0; y < h; ++y) {
    const gfx::Pixel* row = Picture.Row(y);
    for (int x = 0; x < w; ++x)
      result.Row(x)[h - 1 - y] = row[x];
  }
  return result;
}

gfx::Bitmap CutTile(const gfx::Bitmap& Picture, int Columns, int Size, int Tile) {
  const gfx::ConstBitmapView view =
      Picture.View(gfx::Rect::FromXYWH(Tile % Columns * Size, Tile / Columns * Size, Size, Size));
  gfx::Bitmap tile(Size, Size);
  for (int y = 0; y < view.height; ++y)
    std::copy_n(view.Row(y), view.width, tile.Row(y));
  return tile;
}

std::vector<TTileLook> TileLooks(const gfx::Bitmap& Picture, TBoardShape Shape) {
  const int columns = Shape.Columns;
  const int size = columns > 0 ? std::min(Picture.Width(), Picture.Height()) / columns : 0;
  if (size <= 0)
    return {};
  // The first tile and turn met with each look, found by hash; a look's
  // number is its place in this list.
  std::vector<TTileInPicture> distinct;
  std::unordered_multimap<std::uint64_t, int> byHash;
  // Unused turns, on a board whose tiles do not turn, are -1.
  std::vector<TTileLook> looks(static_cast<std::size_t>(Shape.TileCount()),
                               TTileLook{-1, -1, -1, -1});
  for (int tile = 0; tile < Shape.TileCount(); ++tile)
    for (int turns = 0; turns < (Shape.Turning ? 4 : 1); ++turns) {
      const TTileInPicture shown{Picture, columns, size, tile, turns};
      const std::uint64_t hash = shown.Hash();
      int look = -1;
      for (auto [it, last] = byHash.equal_range(hash); it != last && look < 0; ++it)
        if (distinct[static_cast<std::size_t>(it->second)].SameAs(shown))
          look = it->second;
      if (look < 0) {
        look = static_cast<int>(distinct.size());
        distinct.push_back(shown);
        byHash.emplace(hash, look);
      }
      looks[static_cast<std::size_t>(tile)][static_cast<std::size_t>(turns)] = look;
    }
  return looks;
}
