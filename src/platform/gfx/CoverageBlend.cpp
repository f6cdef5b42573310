#include "platform/gfx/CoverageBlend.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace gfx {

namespace {

// (v + 127) / 255 for v up to 255 * 255, without a division.
constexpr std::uint32_t DivideBy255(std::uint32_t v) {
  const std::uint32_t t = v + 128;
  return (t + (t >> 8)) >> 8;
}

#if defined(__SSE2__)
// Four pixels, with their four coverage bytes in one word: the channels are
// widened to 16 bits, where the products and the rounding fit.
__m128i BlendFour(__m128i dst, std::uint32_t coverage, __m128i source16) {
  const __m128i zero = _mm_setzero_si128();
  __m128i c8 = _mm_cvtsi32_si128(static_cast<int>(coverage));
  c8 = _mm_unpacklo_epi8(c8, c8);
  c8 = _mm_unpacklo_epi8(c8, c8);  // each coverage byte four times
  const __m128i all = _mm_set1_epi16(255);
  const __m128i half = _mm_set1_epi16(128);
  auto mix = [&](__m128i c, __m128i d) {
    __m128i t =
        _mm_add_epi16(_mm_mullo_epi16(source16, c), _mm_mullo_epi16(d, _mm_sub_epi16(all, c)));
    t = _mm_add_epi16(t, half);
    return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
  };
  const __m128i low = mix(_mm_unpacklo_epi8(c8, zero), _mm_unpacklo_epi8(dst, zero));
  const __m128i high = mix(_mm_unpackhi_epi8(c8, zero), _mm_unpackhi_epi8(dst, zero));
  // Uncovered pixels come out unchanged by the sum; covered ones lose
  // their unused byte.
  const __m128i uncovered = _mm_cmpeq_epi32(_mm_and_si128(c8, _mm_set1_epi32(0xFF)), zero);
  const __m128i keep = _mm_or_si128(uncovered, _mm_set1_epi32(0x00FFFFFF));
  return _mm_and_si128(_mm_packus_epi16(low, high), keep);
}
#endif

}  // namespace

void BlendCoverageEach(Pixel* row, const std::uint8_t* coverage, int count, Pixel color) {
  const std::uint32_t sourceRB = color & 0x00FF00FF;
  const std::uint32_t sourceG = (color >> 8) & 0xFF;
  for (int i = 0; i < count; ++i) {
    const std::uint32_t c = coverage[i];
    if (c == 0)
      continue;
    const std::uint32_t inverse = 255 - c;
    const Pixel dst = row[i];
    // Red and blue side by side in one word: each sum stays within its
    // 16 bits.
    std::uint32_t rb = sourceRB * c + (dst & 0x00FF00FF) * inverse + 0x00800080;
    rb = ((rb + ((rb >> 8) & 0x00FF00FF)) >> 8) & 0x00FF00FF;
    const std::uint32_t g = DivideBy255(sourceG * c + ((dst >> 8) & 0xFF) * inverse);
    row[i] = rb | (g << 8);
  }
}

void BlendCoverage(Pixel* row, const std::uint8_t* coverage, int count, Pixel color) {
#if defined(__SSE2__)
  const __m128i source16 =
      _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(color & 0x00FFFFFF)), _mm_setzero_si128());
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    std::uint32_t c;
    std::memcpy(&c, coverage + i, 4);
    if (c == 0)
      continue;
    auto* four = reinterpret_cast<__m128i*>(row + i);
    _mm_storeu_si128(four, BlendFour(_mm_loadu_si128(four), c, source16));
  }
  // The last one to three pixels, loaded and stored without touching the
  // pixels after them.
  const int rest = count - i;
  if (rest == 0)
    return;
  std::uint32_t c = coverage[i];
  if (rest > 1)
    c |= static_cast<std::uint32_t>(coverage[i + 1]) << 8;
  if (rest > 2)
    c |= static_cast<std::uint32_t>(coverage[i + 2]) << 16;
  if (c == 0)
    return;
  Pixel* p = row + i;
  __m128i dst = rest == 1 ? _mm_cvtsi32_si128(static_cast<int>(p[0]))
                          : _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
  if (rest == 3)
    dst = _mm_unpacklo_epi64(dst, _mm_cvtsi32_si128(static_cast<int>(p[2])));
  const __m128i out = BlendFour(dst, c, source16);
  if (rest == 1) {
    p[0] = static_cast<Pixel>(_mm_cvtsi128_si32(out));
    return;
  }
  _mm_storel_epi64(reinterpret_cast<__m128i*>(p), out);
  if (rest == 3)
    p[2] = static_cast<Pixel>(_mm_cvtsi128_si32(_mm_srli_si128(out, 8)));
#else
  BlendCoverageEach(row, coverage, count, color);
#endif
}

}  // namespace gfx
