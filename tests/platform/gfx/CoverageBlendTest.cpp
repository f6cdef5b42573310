#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "platform/gfx/CoverageBlend.h"

using namespace gfx;

namespace {

// The mix as it reads: per channel, rounded to the nearest.
Pixel Expected(Pixel dst, Pixel color, unsigned c) {
  if (c == 0)
    return dst;
  Pixel out = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const unsigned s = (color >> shift) & 0xFF;
    const unsigned d = (dst >> shift) & 0xFF;
    out |= ((s * c + d * (255 - c) + 127) / 255) << shift;
  }
  return out;
}

using Blend = void (*)(Pixel*, const std::uint8_t*, int, Pixel);

// Every coverage over every channel value of the pixel below, against a
// few colours.
void CheckEveryMix(Blend blend) {
  for (Pixel color : {0x000000u, 0xFFFFFFu, 0x10C0F0u, 0x7F807Fu}) {
    for (unsigned d = 0; d < 256; ++d) {
      std::vector<Pixel> row(256);
      std::vector<std::uint8_t> coverage(256);
      for (unsigned c = 0; c < 256; ++c) {
        row[c] = (d << 16) | ((255 - d) << 8) | (d ^ c);
        coverage[c] = static_cast<std::uint8_t>(c);
      }
      const std::vector<Pixel> before = row;
      blend(row.data(), coverage.data(), 256, color);
      for (unsigned c = 0; c < 256; ++c)
        ASSERT_EQ(row[c], Expected(before[c], color, c))
            << "colour " << color << " below " << before[c] << " coverage " << c;
    }
  }
}

}  // namespace

TEST(CoverageBlend, EveryCoverageMixesExactlyOnEveryChannel) {
  CheckEveryMix(BlendCoverage);
  CheckEveryMix(BlendCoverageEach);
}

// Rows of every length up to a few groups of pixels: nothing before or after
// the row changes, and an uncovered pixel keeps even its unused byte.
TEST(CoverageBlend, RowsOfAnyLengthTouchOnlyTheirPixels) {
  std::mt19937 random(12);
  for (Blend blend : {BlendCoverage, BlendCoverageEach}) {
    for (int count = 0; count <= 13; ++count) {
      std::vector<Pixel> row(count + 2);
      std::vector<std::uint8_t> coverage(count);
      for (Pixel& p : row)
        p = static_cast<Pixel>(random());
      for (std::uint8_t& c : coverage) {
        const unsigned pick = random() % 4;
        c = pick == 0 ? 0 : pick == 1 ? 255 : static_cast<std::uint8_t>(random());
      }
      const std::vector<Pixel> before = row;
      blend(row.data() + 1, coverage.data(), count, 0x336699);
      EXPECT_EQ(row.front(), before.front());
      EXPECT_EQ(row.back(), before.back());
      for (int i = 0; i < count; ++i) {
        const Pixel expected = coverage[i] == 0
                                   ? before[i + 1]
                                   : Expected(before[i + 1] & 0x00FFFFFF, 0x336699, coverage[i]);
        EXPECT_EQ(row[i + 1], expected) << "length " << count << " pixel " << i;
      }
    }
  }
}
