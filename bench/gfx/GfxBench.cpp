// Hot paths of the graphics layer, each against a baseline of the same
// run: blits against memcpy, tiling against one blit, text against a fill
// of the same area, JPEG decoding against the reference decoder, region
// building against the bare mask scan.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/gfx/Region.h"

#ifdef TILEBROOK_HAVE_TURBOJPEG
#include <turbojpeg.h>
#endif

using namespace gfx;

namespace {

constexpr int kWidth = 760;
constexpr int kHeight = 570;

Bitmap Pattern(int w, int h) {
  Bitmap bmp(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      bmp.Row(y)[x] = PixelFromColor(RGB((x * 7) ^ y, (y * 3) + x, (x * y) >> 4));
  return bmp;
}

// -- Fill -------------------------------------------------------------------

void FillMemset(benchmark::State& state) {
  Bitmap dst(kWidth, kHeight);
  for (auto _ : state) {
    std::memset(dst.Bits(), 0x40, dst.ByteSize());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(FillMemset)->Name("Fill:baseline_memset_760x570");

void FillBitmap(benchmark::State& state) {
  Bitmap dst(kWidth, kHeight);
  for (auto _ : state) {
    dst.Fill(RGB(0x40, 0x41, 0x42));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(FillBitmap)->Name("Fill:Bitmap_Fill_760x570");

// -- Blit -------------------------------------------------------------------

void BlitMemcpy(benchmark::State& state) {
  Bitmap src = Pattern(kWidth, kHeight);
  Bitmap dst(kWidth, kHeight);
  for (auto _ : state) {
    std::memcpy(dst.Bits(), src.Bits(), src.ByteSize());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BlitMemcpy)->Name("Blit:baseline_memcpy");

void BlitBitBlt(benchmark::State& state) {
  Bitmap src = Pattern(kWidth, kHeight);
  Bitmap dst(kWidth, kHeight);
  DeviceContext dc(dst);
  for (auto _ : state) {
    dc.BitBlt(0, 0, kWidth, kHeight, src, 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BlitBitBlt)->Name("Blit:BitBlt_760x570");

// -- Tile -------------------------------------------------------------------

void TileBaseline(benchmark::State& state) {
  Bitmap src = Pattern(kWidth, kHeight);
  Bitmap dst(kWidth, kHeight);
  DeviceContext dc(dst);
  for (auto _ : state) {
    dc.BitBlt(0, 0, kWidth, kHeight, src, 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(TileBaseline)->Name("Tile:baseline_BitBlt_760x570");

void TileFill(benchmark::State& state) {
  Bitmap tile = Pattern(28, 22);
  Bitmap dst(kWidth, kHeight);
  DeviceContext dc(dst);
  for (auto _ : state) {
    // One BitBlt per tile, the last ones clipped by the bitmap's edge.
    for (int y = 0; y < kHeight; y += tile.Height())
      for (int x = 0; x < kWidth; x += tile.Width())
        dc.BitBlt(x, y, tile.Width(), tile.Height(), tile, 0, 0);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(TileFill)->Name("Tile:TiledFill_from_28x22");

void TileBltFill(benchmark::State& state) {
  Bitmap tile = Pattern(28, 22);
  Bitmap dst(kWidth, kHeight);
  DeviceContext dc(dst);
  for (auto _ : state) {
    dc.TileBlt(Rect{0, 0, kWidth, kHeight}, tile, tile.Bounds());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(TileBltFill)->Name("Tile:TileBlt_from_28x22");

// -- Text -------------------------------------------------------------------

const char kLine[] = "Tilebrook(tm) - Puzzle Browser 1.0.0.31!";  // 40 characters
static_assert(sizeof(kLine) - 1 == 40);

void TextBaseline(benchmark::State& state) {
  Bitmap dst(400, 40, clWhite);
  DeviceContext dc(dst);
  dc.SelectFont(Font(LogFont{.faceName = "Arial", .height = 14}));
  const Size extent = dc.GetTextExtent(kLine);
  for (auto _ : state) {
    dc.FillRect(Rect{4, 4, 4 + extent.cx, 4 + extent.cy}, clWhite);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(TextBaseline)->Name("Text:baseline_FillRect_of_the_line");

void TextLine(benchmark::State& state) {
  Bitmap dst(400, 40, clWhite);
  DeviceContext dc(dst);
  dc.SelectFont(Font(LogFont{.faceName = "Arial", .height = 14}));
  dc.SetBkMode(TRANSPARENT);
  dc.TextOut(4, 4, kLine);  // fills the glyph cache, as any earlier paint would
  for (auto _ : state) {
    dc.TextOut(4, 4, kLine);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(TextLine)->Name("Text:TextOut_40_characters");

void DrawTextLine(benchmark::State& state) {
  Bitmap dst(400, 40, clWhite);
  DeviceContext dc(dst);
  dc.SelectFont(Font(LogFont{.faceName = "Arial", .height = 14}));
  dc.SetBkMode(TRANSPARENT);
  Rect r{0, 0, 400, 40};
  dc.DrawText(kLine, r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  for (auto _ : state) {
    Rect box{0, 0, 400, 40};
    dc.DrawText(kLine, box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(DrawTextLine)->Name("Text:DrawText_40_characters_centred");

// -- Jpeg -------------------------------------------------------------------

// A 150 x 150 preview-like picture: soft gradients with some detail.
std::vector<std::uint8_t> PreviewJpeg() {
  Bitmap bmp(150, 150);
  for (int y = 0; y < 150; ++y)
    for (int x = 0; x < 150; ++x)
      bmp.Row(y)[x] = PixelFromColor(RGB(120 + x / 2, 80 + ((x / 10 + y / 10) % 2) * 60, 200 - y));
  return EncodeJpeg(bmp, 85).bytes;
}

void JpegOurs(benchmark::State& state) {
  const std::vector<std::uint8_t> jpeg = PreviewJpeg();
  for (auto _ : state) {
    DecodedImage img = DecodeJpeg(jpeg);
    benchmark::DoNotOptimize(img.bitmap.Bits());
  }
}

#ifdef TILEBROOK_HAVE_TURBOJPEG
void JpegTurbo(benchmark::State& state) {
  const std::vector<std::uint8_t> jpeg = PreviewJpeg();
  tjhandle handle = tjInitDecompress();
  std::vector<unsigned char> out(150 * 150 * 4);
  for (auto _ : state) {
    int w = 0, h = 0, sub = 0, space = 0;
    tjDecompressHeader3(handle, jpeg.data(), static_cast<unsigned long>(jpeg.size()), &w, &h, &sub,
                        &space);
    tjDecompress2(handle, jpeg.data(), static_cast<unsigned long>(jpeg.size()), out.data(), w,
                  w * 4, h, TJPF_BGRX, 0);
    benchmark::DoNotOptimize(out.data());
  }
  tjDestroy(handle);
}
BENCHMARK(JpegTurbo)->Name("Jpeg:baseline_TurboJPEG_150x150");
#endif
BENCHMARK(JpegOurs)->Name("Jpeg:DecodeJpeg_150x150");

// -- Region -----------------------------------------------------------------

// Runs of black pixels, row by row, as window shapes are cut from masks.
std::vector<Rect> ScanMask(const Bitmap& mask) {
  std::vector<Rect> runs;
  for (int y = 0; y < mask.Height(); ++y) {
    const Pixel* row = mask.Row(y);
    int x = 0;
    while (x < mask.Width()) {
      while (x < mask.Width() && (row[x] & 0x00FFFFFF) != 0)
        ++x;
      const int start = x;
      while (x < mask.Width() && (row[x] & 0x00FFFFFF) == 0)
        ++x;
      if (x > start)
        runs.push_back({start, y, x, y + 1});
    }
  }
  return runs;
}

// A frame mask of the window's skin size: black inside, white corners cut
// round at the top.
Bitmap FrameMask() {
  Bitmap mask(205, 167, clBlack);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x)
      if ((5 - x) * (5 - x) + (5 - y) * (5 - y) > 30) {
        mask.SetPixel(x, y, clWhite);
        mask.SetPixel(204 - x, y, clWhite);
      }
  return mask;
}

// The worst case: a mask of many short runs (about 8,500).
Bitmap NoisyMask() {
  Bitmap mask(205, 167, clBlack);
  unsigned seed = 1;
  for (int y = 0; y < 167; ++y)
    for (int x = 0; x < 205; ++x) {
      seed = seed * 1103515245 + 12345;
      if ((seed >> 16) % 4 == 0)
        mask.SetPixel(x, y, clWhite);
    }
  return mask;
}

void RegionScanOnly(benchmark::State& state) {
  Bitmap mask = NoisyMask();
  for (auto _ : state)
    benchmark::DoNotOptimize(ScanMask(mask).size());
}
BENCHMARK(RegionScanOnly)->Name("Region:baseline_scan_noisy_205x167");

void RegionFromNoisyMask(benchmark::State& state) {
  Bitmap mask = NoisyMask();
  for (auto _ : state) {
    Region r = Region::FromRects(ScanMask(mask));
    benchmark::DoNotOptimize(r.RectCount());
  }
}
BENCHMARK(RegionFromNoisyMask)->Name("Region:FromMask_noisy_205x167");

void RegionFromFrameMask(benchmark::State& state) {
  Bitmap mask = FrameMask();
  for (auto _ : state) {
    Region r = Region::FromRects(ScanMask(mask));
    benchmark::DoNotOptimize(r.RectCount());
  }
}
BENCHMARK(RegionFromFrameMask)->Name("Region:FromMask_frame_205x167");

}  // namespace
