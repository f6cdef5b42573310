// The cost of one morph step on a caption-sized buffer, against copying the
// same bytes. A morph runs once per animation frame for every morphing
// element, so it should stay within a small multiple of a plain copy.

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

#include "skin/data/EffectBmp.h"

namespace {

constexpr int kWidth = 336;
constexpr int kHeight = 19;

TbsEffectBmp Pattern(int seed) {
  TbsEffectBmp bmp(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      bmp.SetPixel(x, y,
                   {static_cast<uint8_t>(x * 7 + seed), static_cast<uint8_t>(y * 13 + seed),
                    static_cast<uint8_t>(x + y + seed)});
  return bmp;
}

void BaselineMemcpy(benchmark::State& state) {
  TbsEffectBmp a = Pattern(1);
  const TbsEffectBmp b = Pattern(2);
  for (auto _ : state) {
    std::memcpy(a.Pixels(), b.Pixels(), static_cast<size_t>(a.Size()));
    benchmark::DoNotOptimize(a.Pixels());
    benchmark::ClobberMemory();
  }
}

void Morph(benchmark::State& state, TbsMorphKind kind) {
  TbsEffectBmp a = Pattern(1);
  const TbsEffectBmp b = Pattern(2);
  for (auto _ : state) {
    a.ApplyMorph(kind, b, 0.5);
    benchmark::DoNotOptimize(a.Pixels());
    benchmark::ClobberMemory();
  }
}

BENCHMARK(BaselineMemcpy)->Name("Morph:baseline_memcpy");
BENCHMARK_CAPTURE(Morph, blend, TbsMorphKind::mkDefault)->Name("Morph:mkdefault");
BENCHMARK_CAPTURE(Morph, gradient, TbsMorphKind::mkGradient)->Name("Morph:mkgradient");
BENCHMARK_CAPTURE(Morph, leftgradient, TbsMorphKind::mkLeftGradient)->Name("Morph:mkleftgradient");
BENCHMARK_CAPTURE(Morph, rightgradient, TbsMorphKind::mkRightGradient)
    ->Name("Morph:mkrightgradient");
BENCHMARK_CAPTURE(Morph, leftslide, TbsMorphKind::mkLeftSlide)->Name("Morph:mkleftslide");
BENCHMARK_CAPTURE(Morph, rightslide, TbsMorphKind::mkRightSlide)->Name("Morph:mkrightslide");
BENCHMARK_CAPTURE(Morph, push, TbsMorphKind::mkPush)->Name("Morph:mkpush");

}  // namespace
