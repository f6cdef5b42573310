#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "PixelArt.h"
#include "platform/gfx/ImageCodecs.h"

using namespace gfx;
using pixelart::Dump;
using Bytes = std::vector<std::uint8_t>;

namespace {

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(static_cast<std::uint8_t>(v));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// A BMP file with a 40-byte header, an optional table (palette or masks)
// and the given pixel bytes; sizes and offsets are filled in.
Bytes MakeBmp(int width, int height, int bpp, std::uint32_t compression, const Bytes& table,
              const Bytes& pixels) {
  Bytes b;
  const std::uint32_t off = 14 + 40 + static_cast<std::uint32_t>(table.size());
  b.push_back('B');
  b.push_back('M');
  Put32(b, off + static_cast<std::uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, off);
  Put32(b, 40);
  Put32(b, static_cast<std::uint32_t>(width));
  Put32(b, static_cast<std::uint32_t>(height));
  Put16(b, 1);
  Put16(b, static_cast<std::uint32_t>(bpp));
  Put32(b, compression);
  Put32(b, static_cast<std::uint32_t>(pixels.size()));
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, 0);
  Put32(b, 0);
  b.insert(b.end(), table.begin(), table.end());
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

// Palette: black, white, red, lime, blue (as blue, green, red, 0 entries).
const Bytes kPalette = {0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 0};

std::string Read(const Bytes& file) {
  DecodedImage img = ReadBmp(file);
  if (!img.Ok())
    return "error: " + img.error;
  EXPECT_EQ(img.bytesUsed, file.size());
  return Dump(img.bitmap);
}

}  // namespace

TEST(Bmp, WrittenFilesReadBackExactlyAndReportTheirSize) {
  Bitmap src = pixelart::Make({"rgb#.", "y.rgb", "bbrr#"});  // odd width: padded rows
  for (int bpp : {24, 32}) {
    Bytes file = WriteBmp(src, bpp);
    ASSERT_GE(file.size(), 54u);
    EXPECT_EQ(file[0], 'B');
    const std::uint32_t declared = file[2] | (file[3] << 8) | (file[4] << 16) | (file[5] << 24);
    EXPECT_EQ(declared, file.size());
    DecodedImage back = ReadBmp(file);
    ASSERT_TRUE(back.Ok()) << back.error;
    EXPECT_TRUE(back.bitmap.SameAs(src)) << bpp;
    EXPECT_EQ(back.bytesUsed, file.size());
  }
}

TEST(Bmp, ConcatenatedFilesAreWalkedByTheirOwnSizes) {
  Bitmap a = pixelart::Make({"rg"});
  Bitmap b = pixelart::Make({"b", "y", "#"});
  Bytes stream = WriteBmp(a);
  Bytes second = WriteBmp(b, 32);
  stream.insert(stream.end(), second.begin(), second.end());
  stream.push_back(0x42);  // whatever follows the pictures

  DecodedImage first = ReadBmp(stream);
  ASSERT_TRUE(first.Ok());
  EXPECT_EQ(Dump(first.bitmap), "rg");
  std::span<const std::uint8_t> rest(stream.data() + first.bytesUsed,
                                     stream.size() - first.bytesUsed);
  DecodedImage next = ReadBmp(rest);
  ASSERT_TRUE(next.Ok());
  EXPECT_EQ(Dump(next.bitmap), "b|y|#");
  EXPECT_EQ(first.bytesUsed + next.bytesUsed, stream.size() - 1);
}

TEST(Bmp, PalettedDepthsAndRowOrder) {
  // 1 bit: rows padded to 4 bytes, bottom-up.
  EXPECT_EQ(Read(MakeBmp(3, 2, 1, 0, {0, 0, 0, 0, 255, 255, 255, 0},
                         {0b10100000, 0, 0, 0, 0b01000000, 0, 0, 0})),
            ".#.|#.#");
  // 4 bits, top-down (negative height).
  EXPECT_EQ(Read(MakeBmp(3, -2, 4, 0, kPalette, {0x12, 0x30, 0, 0, 0x44, 0x00, 0, 0})), "#rg|bb.");
  // 8 bits; an index beyond the table is black.
  EXPECT_EQ(Read(MakeBmp(2, 1, 8, 0, kPalette, {2, 200, 0, 0})), "r.");
}

TEST(Bmp, DirectColourDepthsAndBitFields) {
  // 16 bits, 5-5-5 by default: red 0x7C00, white 0x7FFF.
  EXPECT_EQ(Read(MakeBmp(2, 1, 16, 0, {}, {0x00, 0x7C, 0xFF, 0x7F})), "r#");
  // 16 bits with 5-6-5 masks: lime is 0x07E0.
  Bytes masks565;
  Put32(masks565, 0xF800);
  Put32(masks565, 0x07E0);
  Put32(masks565, 0x001F);
  EXPECT_EQ(Read(MakeBmp(2, 1, 16, 3, masks565, {0xE0, 0x07, 0x1F, 0x00})), "gb");
  // 24 bits: blue, green, red byte order.
  EXPECT_EQ(Read(MakeBmp(1, 1, 24, 0, {}, {0, 0, 255, 0})), "r");
  // 32 bits with masks in an unusual order (red in the low byte).
  Bytes masks32;
  Put32(masks32, 0x000000FF);
  Put32(masks32, 0x0000FF00);
  Put32(masks32, 0x00FF0000);
  EXPECT_EQ(Read(MakeBmp(2, 1, 32, 3, masks32, {255, 0, 0, 0, 0, 0, 255, 0})), "rb");
}

TEST(Bmp, RunLengthEncodedPictures) {
  // RLE8, bottom row first: a run of 3 reds; end of line; a move of one
  // column; a literal of 3 pixels (padded to an even length); end.
  Bytes rle8 = {3, 2, 0, 0, 0, 2, 1, 0, 0, 3, 3, 4, 1, 0, 0, 1};
  EXPECT_EQ(Read(MakeBmp(4, 2, 8, 1, kPalette, rle8)), ".gb#|rrr.");
  // RLE4: a run of 4 alternating white and red; a literal of 3 nibbles.
  Bytes rle4 = {4, 0x12, 0, 0, 0, 3, 0x34, 0x10, 0, 1};
  EXPECT_EQ(Read(MakeBmp(4, 2, 4, 2, kPalette, rle4)), "gb#.|#r#r");
}

TEST(Bmp, RunLengthMovesThatLeaveThePictureAreDamage) {
  // Moves may reach the right edge or the top, never pass them; repeated
  // moves add up, so a long chain of small ones is refused like one big one.
  for (std::uint32_t compression : {1u, 2u}) {
    const int bpp = compression == 1 ? 8 : 4;
    Bytes toEdge = {0, 2, 4, 0, 0, 0, 0, 2, 0, 1, 0, 1};
    EXPECT_EQ(Read(MakeBmp(4, 2, bpp, compression, kPalette, toEdge)), "....|....") << bpp;
    Bytes chain;
    for (int k = 0; k < 3; ++k)
      chain.insert(chain.end(), {0, 2, 255, 0});
    chain.insert(chain.end(), {1, 1, 0, 1});
    DecodedImage right = ReadBmp(MakeBmp(4, 4, bpp, compression, kPalette, chain));
    EXPECT_EQ(right.error, "BMP compressed data is damaged") << bpp;
    Bytes up = {0, 2, 0, 3, 1, 1, 0, 1};
    EXPECT_FALSE(ReadBmp(MakeBmp(4, 2, bpp, compression, kPalette, up)).Ok()) << bpp;
    Bytes pastRight = {0, 2, 5, 0, 1, 1, 0, 1};
    EXPECT_FALSE(ReadBmp(MakeBmp(4, 2, bpp, compression, kPalette, pastRight)).Ok()) << bpp;
  }
}

TEST(Bmp, TheOldCoreHeader) {
  Bytes b = {'B', 'M'};
  Put32(b, 14 + 12 + 6 + 4);
  Put32(b, 0);
  Put32(b, 14 + 12 + 6);
  Put32(b, 12);
  Put16(b, 1);
  Put16(b, 1);
  Put16(b, 1);
  Put16(b, 1);
  for (std::uint8_t v : {0, 0, 0, 0, 0, 255})  // black, red (3-byte entries)
    b.push_back(v);
  for (std::uint8_t v : {0x80, 0, 0, 0})
    b.push_back(v);
  EXPECT_EQ(Read(b), "r");
}

TEST(Bmp, DamagedFilesGiveErrorsNotPictures) {
  Bytes good = WriteBmp(pixelart::Make({"rg", "b#"}));
  // Cut anywhere: an error, or at least never a read beyond the end.
  for (std::size_t n = 0; n < good.size(); ++n) {
    Bytes cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
    EXPECT_FALSE(ReadBmp(cut).Ok()) << n;
  }
  EXPECT_FALSE(ReadBmp(Bytes{'P', 'K', 3, 4}).Ok());
  EXPECT_FALSE(ReadBmp(MakeBmp(0, 1, 24, 0, {}, {0, 0, 0, 0})).Ok());
  EXPECT_FALSE(ReadBmp(MakeBmp(1, 1, 7, 0, {}, {0, 0, 0, 0})).Ok());
  EXPECT_FALSE(ReadBmp(MakeBmp(1, -1, 8, 1, kPalette, {0, 1})).Ok());  // top-down RLE
  EXPECT_FALSE(ReadBmp(MakeBmp(1, 1, 24, 2, {}, {0, 0, 0, 0})).Ok());  // RLE4 at 24 bits
  // A header asking for a gigantic picture fails before any allocation.
  DecodedImage huge = ReadBmp(MakeBmp(1 << 30, 1 << 30, 24, 0, {}, {0, 0, 0, 0}));
  EXPECT_FALSE(huge.Ok());
  EXPECT_EQ(huge.error, "BMP is too large");
  // A pixel offset pointing past the end.
  Bytes badOffset = good;
  badOffset[10] = 0xFF;
  badOffset[11] = 0xFF;
  EXPECT_FALSE(ReadBmp(badOffset).Ok());
}

TEST(Bmp, AWrongFileSizeFallsBackToThePixelData) {
  Bytes file = WriteBmp(pixelart::Make({"rg"}));
  const std::size_t real = file.size();
  file[2] = file[3] = file[4] = file[5] = 0;  // some writers leave it 0
  file.resize(real + 10, 0xEE);
  DecodedImage img = ReadBmp(file);
  ASSERT_TRUE(img.Ok());
  EXPECT_EQ(img.bytesUsed, real);
}
