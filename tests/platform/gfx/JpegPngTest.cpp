#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <vector>

#include <jpeglib.h>

#include "platform/gfx/ImageCodecs.h"

using namespace gfx;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bitmap Gradient(int w, int h) {
  Bitmap bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      bmp.SetPixel(x, y, RGB(x * 255 / w, y * 255 / h, 128));
  return bmp;
}

int WorstDifference(const Bitmap& a, const Bitmap& b) {
  int worst = 0;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x) {
      ColorRef p = a.GetPixel(x, y), q = b.GetPixel(x, y);
      worst =
          std::max({worst, std::abs(GetRValue(p) - GetRValue(q)),
                    std::abs(GetGValue(p) - GetGValue(q)), std::abs(GetBValue(p) - GetBValue(q))});
    }
  return worst;
}

}  // namespace

TEST(Jpeg, EncodedPicturesDecodeCloseToTheOriginal) {
  Bitmap src = Gradient(37, 21);
  EncodedImage jpeg = EncodeJpeg(src, 95);
  ASSERT_TRUE(jpeg.Ok()) << jpeg.error;
  DecodedImage back = DecodeJpeg(jpeg.bytes);
  ASSERT_TRUE(back.Ok()) << back.error;
  EXPECT_EQ(back.bitmap.GetSize(), src.GetSize());
  EXPECT_LE(WorstDifference(src, back.bitmap), 12);
  EXPECT_EQ(back.bitmap.Bits()[0] >> 24, 0u);  // the unused byte stays clear
  EXPECT_EQ(DecodeImage(jpeg.bytes).bitmap.GetSize(), src.GetSize());
}

// An 8 x 8 CMYK picture as print-oriented editors store it (inverted: 255
// means no ink), every pixel the given four values.
Bytes CmykJpeg(std::uint8_t c, std::uint8_t m, std::uint8_t y, std::uint8_t k) {
  jpeg_compress_struct cinfo{};
  jpeg_error_mgr err{};
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &out, &size);
  cinfo.image_width = 8;
  cinfo.image_height = 8;
  cinfo.input_components = 4;
  cinfo.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 95, TRUE);
  jpeg_start_compress(&cinfo, TRUE);
  std::vector<std::uint8_t> row;
  for (int x = 0; x < 8; ++x)
    row.insert(row.end(), {c, m, y, k});
  while (cinfo.next_scanline < 8) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&cinfo, &r, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes bytes(out, out + size);
  jpeg_destroy_compress(&cinfo);
  std::free(out);
  return bytes;
}

TEST(Jpeg, CmykPicturesAreConvertedToRgb) {
  DecodedImage red = DecodeJpeg(CmykJpeg(255, 0, 0, 255));
  ASSERT_TRUE(red.Ok()) << red.error;
  ColorRef c = red.bitmap.GetPixel(4, 4);
  EXPECT_GE(GetRValue(c), 245);
  EXPECT_LE(GetGValue(c), 10);
  EXPECT_LE(GetBValue(c), 10);
  DecodedImage black = DecodeJpeg(CmykJpeg(255, 255, 255, 0));
  ASSERT_TRUE(black.Ok()) << black.error;
  EXPECT_LE(GetRValue(black.bitmap.GetPixel(0, 0)), 10);
}

TEST(Jpeg, DamagedAndOversizedInputIsAnErrorNeverAnExit) {
  Bytes jpeg = EncodeJpeg(Gradient(64, 48)).bytes;
  // Cut short: the library reports a premature end and keeps what it has,
  // or fails; either way the call returns.
  for (std::size_t n : {2u, 20u, 200u, static_cast<unsigned>(jpeg.size() / 2)}) {
    Bytes cut(jpeg.begin(), jpeg.begin() + static_cast<std::ptrdiff_t>(n));
    DecodedImage img = DecodeJpeg(cut);
    if (img.Ok()) {
      EXPECT_EQ(img.bitmap.GetSize(), (Size{64, 48}));
    }
  }
  Bytes garbage = {0xFF, 0xD8, 0xFF, 0xC0, 0x00, 0x03, 0x01, 0x02, 0x03};
  EXPECT_FALSE(DecodeJpeg(garbage).Ok());
  EXPECT_FALSE(DecodeJpeg(Bytes{'B', 'M'}).Ok());

  ImageLimits small;
  small.maxDimension = 50;
  DecodedImage limited = DecodeJpeg(jpeg, small);
  EXPECT_FALSE(limited.Ok());
  EXPECT_EQ(limited.error, "JPEG is too large");
  EXPECT_TRUE(limited.bitmap.IsEmpty());
}

TEST(Jpeg, ProgressiveScansAreLimited) {
  // A progressive picture has several scans (ten for colour pictures).
  Bytes progressive = EncodeJpeg(Gradient(16, 16), 90, true).bytes;
  Bytes baseline = EncodeJpeg(Gradient(16, 16), 90, false).bytes;
  ImageLimits one;
  one.maxProgressiveScans = 1;
  EXPECT_TRUE(DecodeJpeg(baseline, one).Ok());
  DecodedImage refused = DecodeJpeg(progressive, one);
  EXPECT_FALSE(refused.Ok());
  EXPECT_EQ(refused.error, "too many progressive scans");
  ImageLimits ten;
  ten.maxProgressiveScans = 10;
  EXPECT_TRUE(DecodeJpeg(progressive, ten).Ok());
}

TEST(Png, RoundTripIsExactAndDamageIsReported) {
  Bitmap src = Gradient(13, 7);
  EncodedImage png = EncodePng(src);
  ASSERT_TRUE(png.Ok()) << png.error;
  DecodedImage back = DecodePng(png.bytes);
  ASSERT_TRUE(back.Ok()) << back.error;
  EXPECT_TRUE(back.bitmap.SameAs(src));
  EXPECT_EQ(back.bitmap.Bits()[0] >> 24, 0u);

  Bytes damaged = png.bytes;
  damaged.resize(damaged.size() / 2);
  EXPECT_FALSE(DecodePng(damaged).Ok());
  EXPECT_FALSE(EncodePng(Bitmap()).Ok());
  EXPECT_FALSE(DecodeImage(Bytes{1, 2, 3}).Ok());
}

TEST(ImageFiles, SaveAndLoadByEnding) {
  const auto dir = std::filesystem::temp_directory_path() / "tilebrook_gfx_codec_test";
  std::filesystem::create_directories(dir);
  Bitmap src = Gradient(9, 5);
  for (const char* name : {"a.png", "a.bmp", "a.JPG"}) {
    const std::string path = (dir / name).string();
    ASSERT_TRUE(SaveImageFile(src, path)) << name;
    DecodedImage back = LoadImageFile(path);
    ASSERT_TRUE(back.Ok()) << back.error;
    EXPECT_LE(WorstDifference(src, back.bitmap), std::string(name) == "a.JPG" ? 40 : 0) << name;
  }
  EXPECT_FALSE(SaveImageFile(src, (dir / "a.gif").string()));
  EXPECT_FALSE(SaveImageFile(src, (dir / "missing" / "a.png").string()));
  EXPECT_FALSE(LoadImageFile((dir / "nothing.png").string()).Ok());
  std::filesystem::remove_all(dir);
}
