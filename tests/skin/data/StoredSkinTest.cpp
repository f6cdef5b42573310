#include "skin/data/StoredSkin.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "skin/data/SkinTestSupport.h"

namespace {

using skintest::Encode;
using skintest::TempDir;

std::string ErrorOf(const std::function<void()>& f) {
  try {
    f();
  } catch (const std::exception& e) {
    return e.what();
  }
  return "no error";
}

// Writes kSmallSkin and its four pictures into dir.
void WriteSmallSkin(const TempDir& dir) {
  dir.Write("skin.ini", skintest::kSmallSkin);
  dir.Write("main.bmp", Encode(gfx::Bitmap(16, 16, 0x102030)));
  dir.Write("mask.bmp", Encode(gfx::Bitmap(16, 16)));
  dir.Write("a0.bmp", Encode(gfx::Bitmap(3, 2)));
  dir.Write("a1.bmp", Encode(gfx::Bitmap(5, 1)));
}

// A run-length encoded 8-bit BMP of width x height pixels whose data is a
// single end-of-picture mark: a few dozen bytes that decode to a picture
// of any size the header asks for.
std::vector<uint8_t> TinyHugeBmp(int width, int height) {
  std::vector<uint8_t> b = {'B', 'M'};
  auto put32 = [&](uint32_t v) {
    for (int i = 0; i < 4; ++i)
      b.push_back(static_cast<uint8_t>(v >> (8 * i)));
  };
  const uint32_t offset = 14 + 40 + 8;
  put32(offset + 2);
  put32(0);
  put32(offset);
  put32(40);
  put32(static_cast<uint32_t>(width));
  put32(static_cast<uint32_t>(height));
  put32(1 | (8 << 16));  // one plane, 8 bits
  put32(1);              // RLE8
  put32(2);
  for (int i = 0; i < 4; ++i)
    put32(0);
  put32(0);
  put32(0x00FFFFFF);
  b.push_back(0);
  b.push_back(1);
  return b;
}

TEST(StoredSkin, PicturesLayoutFlagsEmptyPicturesAndCountsActiveOnes) {
  TbsStoredSkin skin(nullptr);
  skin.Picture = gfx::Bitmap(2, 2);
  skin.MaskPicture = gfx::Bitmap(1, 1);
  std::vector<uint8_t> bytes;
  skin.WritePictures(bytes);
  const size_t mainSize = 1 + Encode(skin.Picture).size();
  // Main picture flagged 0, the empty inactive picture a lone byte 1, the
  // mask flagged 0, and no active pictures: the integer 0 ends the stream.
  ASSERT_EQ(bytes.size(), mainSize + 1 + 1 + Encode(skin.MaskPicture).size() + 4);
  EXPECT_EQ(bytes[0], 0);
  EXPECT_EQ(bytes[mainSize], 1);
  EXPECT_EQ(bytes[mainSize + 1], 0);
  EXPECT_EQ(std::vector<uint8_t>(bytes.end() - 4, bytes.end()), (std::vector<uint8_t>{0, 0, 0, 0}));
}

TEST(StoredSkin, PicturesRoundTripKeepsOrderAndEmptiness) {
  TbsStoredSkin skin(nullptr);
  skin.InactivePicture = gfx::Bitmap(4, 3, 0x0000FF);
  for (int w = 1; w <= 3; ++w)
    skin.ActivePictures.emplace_back(w, 1);
  std::vector<uint8_t> bytes;
  skin.WritePictures(bytes);

  TbsStoredSkin copy(nullptr);
  copy.Picture = gfx::Bitmap(9, 9);  // replaced by the empty one read
  copy.ActivePictures.emplace_back(7, 7);
  copy.ReadPictures(bytes);
  EXPECT_TRUE(copy.Picture.IsEmpty());
  EXPECT_TRUE(copy.InactivePicture.SameAs(skin.InactivePicture));
  EXPECT_TRUE(copy.MaskPicture.IsEmpty());
  ASSERT_EQ(copy.ActivePictures.size(), 3u);
  for (int i = 0; i < 3; ++i)
    EXPECT_EQ(copy.ActivePictures[i].Width(), i + 1);
}

TEST(StoredSkin, ReadingPicturesAnyNonZeroFlagMeansEmpty) {
  TbsStoredSkin skin(nullptr);
  skin.ReadPictures(std::vector<uint8_t>{7, 255, 1, 0, 0, 0, 0});
  EXPECT_TRUE(skin.Picture.IsEmpty());
  EXPECT_TRUE(skin.ActivePictures.empty());
}

TEST(StoredSkin, ShortPicturesStreamsAreReadErrors) {
  TbsStoredSkin skin(nullptr);
  EXPECT_EQ(ErrorOf([&] { skin.ReadPictures(std::vector<uint8_t>{1, 1}); }), "Stream read error");
  // A count far beyond the data ends at the data, not in memory.
  EXPECT_EQ(ErrorOf([&] {
              skin.ReadPictures(std::vector<uint8_t>{1, 1, 1, 255, 255, 255, 127});
            }),
            "Stream read error");
}

TEST(StoredSkin, LoadFromSkinFileTakesTextAndPicturesFromTheTextsDirectory) {
  TempDir dir("storedskin-load");
  WriteSmallSkin(dir);
  TbsStoredSkin skin(nullptr);
  skin.LoadFromSkinFile(dir.Path("skin.ini"));
  ASSERT_FALSE(skin.IniStrings().empty());
  EXPECT_EQ(skin.IniStrings()[0], "[VERSION]");
  EXPECT_EQ(skin.Picture.GetPixel(0, 0), 0x102030u);
  EXPECT_TRUE(skin.InactivePicture.IsEmpty());
  EXPECT_EQ(skin.MaskPicture.Width(), 16);
  ASSERT_EQ(skin.ActivePictures.size(), 2u);
  EXPECT_EQ(skin.ActivePictures[1].Width(), 5);
}

TEST(StoredSkin, MissingPictureFileEndsTheImportNamingIt) {
  TempDir dir("storedskin-missing");
  WriteSmallSkin(dir);
  std::filesystem::remove(dir.Path("a1.bmp"));
  TbsStoredSkin skin(nullptr);
  std::string error = ErrorOf([&] { skin.LoadFromSkinFile(dir.Path("skin.ini")); });
  EXPECT_NE(error.find("a1.bmp"), std::string::npos) << error;
  // What was loaded before it stays.
  EXPECT_EQ(skin.Picture.Width(), 16);
  EXPECT_EQ(skin.ActivePictures.size(), 1u);
}

TEST(StoredSkin, FileNameImportsOnlyWhileDesigned) {
  TempDir dir("storedskin-filename");
  WriteSmallSkin(dir);
  TbsStoredSkin runTime(nullptr);
  runTime.SetFileName(dir.Path("skin.ini"));
  EXPECT_EQ(runTime.FileName(), dir.Path("skin.ini"));
  EXPECT_TRUE(runTime.IniStrings().empty());
  TbsStoredSkin designed(nullptr);
  designed.SetDesigning(true);
  designed.SetFileName(dir.Path("skin.ini"));
  EXPECT_EQ(designed.FileName(), "skin.ini");
  EXPECT_EQ(designed.ActivePictures.size(), 2u);
}

TEST(CompressedStoredSkin, CompressSkinFileBuildsOneLevelNineStreamOfThePlainSkin) {
  TempDir dir("compressed-build");
  WriteSmallSkin(dir);
  TbsCompressedStoredSkin skin(nullptr);
  skin.CompressSkinFile(dir.Path("skin.ini"));
  ASSERT_GE(skin.CompressedData().size(), 2u);
  EXPECT_EQ(skin.CompressedData()[0], 0x78);
  EXPECT_EQ(skin.CompressedData()[1], 0xDA);  // best compression

  std::vector<uint8_t> plain;
  skin.DecompressTo(plain);
  TbsByteReader in(plain);
  EXPECT_EQ(in.ReadInt32(), 1);
  gfx::Bitmap main, inactive, mask;
  TbsPixelBudget budget;
  ReadFlaggedPicture(in, main, budget, "main");
  ReadFlaggedPicture(in, inactive, budget, "inactive");
  ReadFlaggedPicture(in, mask, budget, "mask");
  EXPECT_EQ(main.Width(), 16);
  EXPECT_TRUE(inactive.IsEmpty());
  EXPECT_EQ(in.ReadInt32(), 2);
  gfx::Bitmap a0, a1;
  ReadBitmap(in, a0, budget, "a0");
  ReadBitmap(in, a1, budget, "a1");
  std::string text(in.Rest().begin(), in.Rest().end());
  EXPECT_EQ(text.substr(0, 24), "[VERSION]\r\nskinname=Smal");
  EXPECT_EQ(text.substr(text.size() - 20), "darkcolor=12632256\r\n");
}

TEST(CompressedStoredSkin, TextWithoutTheRequiredSectionsLeavesTheDataAlone) {
  TempDir dir("compressed-refused");
  dir.Write("skin.ini", "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n");
  TbsCompressedStoredSkin skin(nullptr);
  skin.SetCompressedData(std::vector<uint8_t>{1, 2, 3});
  skin.CompressSkinFile(dir.Path("skin.ini"));
  EXPECT_EQ(skin.CompressedData(), (std::vector<uint8_t>{1, 2, 3}));
}

TEST(CompressedStoredSkin, LoadCompressedFileChecksVersionAndLength) {
  TempDir dir("compressed-file");
  std::vector<uint8_t> good;
  WriteInt32(good, 1);
  WriteInt32(good, 3);
  good.insert(good.end(), {9, 8, 7, 6});  // one byte more than announced
  dir.Write("good.skn", good);
  std::vector<uint8_t> version2 = good;
  version2[0] = 2;
  dir.Write("v2.skn", version2);
  std::vector<uint8_t> shortFile(good.begin(), good.begin() + 10);
  dir.Write("short.skn", shortFile);

  TbsCompressedStoredSkin skin(nullptr);
  skin.LoadCompressedFile(dir.Path("good.skn"));
  EXPECT_EQ(skin.CompressedData(), (std::vector<uint8_t>{9, 8, 7}));
  skin.LoadCompressedFile(dir.Path("v2.skn"));
  EXPECT_TRUE(skin.IsEmpty());
  skin.SetCompressedData(std::vector<uint8_t>{1});
  EXPECT_EQ(ErrorOf([&] { skin.LoadCompressedFile(dir.Path("short.skn")); }), "Stream read error");
  EXPECT_TRUE(skin.IsEmpty());
}

TEST(CompressedStoredSkin, DamagedOrOversizedDataAreDecompressionErrors) {
  std::vector<uint8_t> plain(100000, 'x');
  std::vector<uint8_t> packed = CompressBytes(plain);
  std::vector<uint8_t> out;
  DecompressBytes(packed, out);
  EXPECT_EQ(out, plain);

  std::vector<uint8_t> damaged = packed;
  damaged[damaged.size() / 2] ^= 0xFF;
  damaged[damaged.size() - 1] ^= 0xFF;
  out.clear();
  EXPECT_THROW(DecompressBytes(damaged, out), TbsDecompressionError);
  std::vector<uint8_t> truncated(packed.begin(), packed.begin() + packed.size() / 2);
  EXPECT_EQ(ErrorOf([&] { DecompressBytes(truncated, out); }), "compression error");
  EXPECT_THROW(DecompressBytes(packed, out, 50000), TbsDecompressionError);
}

TEST(StoredSkin, AllPicturesOfOneSkinShareOnePixelBudget) {
  // Half the budget each: two fit, the third is refused by its header
  // before it is decoded, and the message names it.
  const std::vector<uint8_t> half = TinyHugeBmp(16384, 1024);
  ASSERT_LT(half.size(), 100u);
  std::vector<uint8_t> bytes = {0};
  bytes.insert(bytes.end(), half.begin(), half.end());
  bytes.insert(bytes.end(), {1, 1});
  WriteInt32(bytes, 200);
  for (int i = 0; i < 200; ++i)
    bytes.insert(bytes.end(), half.begin(), half.end());
  TbsStoredSkin skin(nullptr);
  EXPECT_EQ(ErrorOf([&] { skin.ReadPictures(bytes); }),
            "active picture 1: the skin's pictures would hold more than 33554432 pixels");
  EXPECT_LE(skin.ActivePictures.size(), 2u);

  // A skin text naming the same tiny picture more than once.
  TempDir dir("storedskin-budget");
  dir.Write("huge.bmp", TinyHugeBmp(16384, 2048));
  dir.Write("small.bmp", Encode(gfx::Bitmap(2, 2)));
  dir.Write("skin.ini",
            "[VERSION]\n[PICTURES]\npicture=small.bmp\nactivepicturescount=2\n"
            "0=huge.bmp\n1=huge.bmp\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
  EXPECT_EQ(ErrorOf([&] { skin.LoadFromSkinFile(dir.Path("skin.ini")); }),
            dir.Path("huge.bmp") + ": the skin's pictures would hold more than 33554432 pixels");
  TbsCompressedStoredSkin compressed(nullptr);
  EXPECT_THROW(compressed.CompressSkinFile(dir.Path("skin.ini")), TbsPictureBudgetError);
}

TEST(StoredSkin, OnlyRegularFilesAreReadAndRefusalsNameTheFile) {
  TempDir dir("storedskin-special");
  WriteSmallSkin(dir);
  ASSERT_EQ(::mkfifo(dir.Path("pipe.bmp").c_str(), 0644), 0);
  std::filesystem::create_directory(dir.Path("folder"));
  TbsStoredSkin skin(nullptr);
  for (const std::string& picture :
       {std::string("pipe.bmp"), std::string("folder"), std::string("/dev/zero")}) {
    const std::string path = picture[0] == '/' ? picture : dir.Path(picture);
    dir.Write("odd.ini", "[VERSION]\n[PICTURES]\npicture=main.bmp\nactivepicturescount=1\n0=" +
                             (picture[0] == '/' ? "../../../../../../../.." + picture : picture) +
                             "\n[FORMINFO]\n[SKINOBJECTS]\n[SKINCONTROLS]\n");
    const std::string error = ErrorOf([&] { skin.LoadFromSkinFile(dir.Path("odd.ini")); });
    EXPECT_NE(error.find("not a"), std::string::npos) << error;
    EXPECT_NE(error.find(picture), std::string::npos) << error;
  }
  EXPECT_EQ(ErrorOf([&] { skin.LoadFromSkinFile(dir.Path("pipe.bmp")); }),
            "Cannot open file \"" + dir.Path("pipe.bmp") + "\": not a regular file");
  EXPECT_EQ(ErrorOf([&] { skin.LoadFromSkinFile(dir.Path("folder")); }),
            "Cannot open file \"" + dir.Path("folder") + "\": a directory, not a file");
}

}  // namespace

namespace {

TEST(StoredSkin, PicturesAreCompleteBmpFilesWalkedByTheirOwnSize) {
  TbsStoredSkin skin(nullptr);
  skin.Picture = gfx::Bitmap(5, 3, gfx::RGB(200, 100, 50));
  skin.ActivePictures.emplace_back(2, 7, gfx::RGB(1, 2, 3));
  std::vector<uint8_t> bytes;
  skin.WritePictures(bytes);
  ASSERT_GT(bytes.size(), 7u);
  EXPECT_EQ(bytes[1], 'B');
  EXPECT_EQ(bytes[2], 'M');
  TbsByteReader header(std::span<const uint8_t>(bytes).subspan(3));
  const int32_t fileSize = header.ReadInt32();
  // The inactive and mask flags follow the main picture's file directly.
  EXPECT_EQ(bytes[1 + fileSize], 1);
  EXPECT_EQ(bytes[2 + fileSize], 1);

  TbsStoredSkin copy(nullptr);
  copy.ReadPictures(bytes);
  EXPECT_TRUE(copy.Picture.SameAs(skin.Picture));
  ASSERT_EQ(copy.ActivePictures.size(), 1u);
  EXPECT_TRUE(copy.ActivePictures[0].SameAs(skin.ActivePictures[0]));
}

TEST(StoredSkin, DamagedBitmapInPicturesIsRefused) {
  TbsStoredSkin skin(nullptr);
  skin.Picture = gfx::Bitmap(4, 4);
  std::vector<uint8_t> bytes;
  skin.WritePictures(bytes);
  bytes[1] = 'X';
  EXPECT_THROW(skin.ReadPictures(bytes), TbsStreamError);
}

}  // namespace
