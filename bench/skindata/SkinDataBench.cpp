// The cost of bringing the product's stored skin to life at start-up
// (restoring its Pictures stream and applying it to the container) against
// the part of that work nobody can avoid: decoding its BMP files.
//
// The skin is the one the program carries: the stream the build embeds from
// assets/skin.

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <string>
#include <vector>

#include "platform/gfx/ImageCodecs.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinStreams.h"
#include "skin/product/ProductSkin.h"

namespace {

struct BenchSkin {
  std::vector<uint8_t> pictures;  // the Pictures stream
  std::vector<std::string> text;

  BenchSkin() {
    // Both cases free everything they made at the end of each iteration.
    // Without this the allocator hands the larger working set of the full
    // load back to the system every time and faults it in again, a cost
    // that start-up pays once for the decoded pictures as well; keeping
    // freed memory makes the two cases comparable.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    TbsStoredSkin stored(nullptr);
    ReadProductSkin(stored);
    stored.WritePictures(pictures);
    text = stored.IniStrings();
  }
};

const BenchSkin& Skin() {
  static BenchSkin skin;
  return skin;
}

// Walks the stream and decodes each BMP file, as any reader must.
void BaselineDecodeBmps(benchmark::State& state) {
  const BenchSkin& skin = Skin();
  for (auto _ : state) {
    TbsByteReader in(skin.pictures);
    int decoded = 0;
    for (int flagged = 0; flagged < 3; ++flagged) {
      if (in.ReadByte() != 0)
        continue;
      gfx::DecodedImage image = gfx::ReadBmp(in.Rest());
      in.Skip(image.bytesUsed);
      ++decoded;
    }
    const int32_t count = in.ReadInt32();
    for (int32_t i = 0; i < count; ++i) {
      gfx::DecodedImage image = gfx::ReadBmp(in.Rest());
      in.Skip(image.bytesUsed);
      ++decoded;
    }
    benchmark::DoNotOptimize(decoded);
  }
}

void ReadAndApply(benchmark::State& state) {
  const BenchSkin& skin = Skin();
  for (auto _ : state) {
    TbsStoredSkin stored(nullptr);
    stored.SetIniStrings(skin.text);
    stored.ReadPictures(skin.pictures);
    TbsSkinData data(nullptr);
    data.ApplyStoredSkin(&stored);
    benchmark::DoNotOptimize(data.ControlRecords.size());
  }
}

// The whole path the browser window takes: the embedded stream restored as
// a loaded form would, then applied.
void EmbeddedStreamToSkin(benchmark::State& state) {
  Skin();
  for (auto _ : state) {
    TbsStoredSkin stored(nullptr);
    ReadProductSkin(stored);
    TbsSkinData data(nullptr);
    data.ApplyStoredSkin(&stored);
    benchmark::DoNotOptimize(data.ControlRecords.size());
  }
}

BENCHMARK(BaselineDecodeBmps)->Name("ApplyStoredSkin:baseline_decode_bmps");
BENCHMARK(ReadAndApply)->Name("ApplyStoredSkin:read_pictures_and_apply");
BENCHMARK(EmbeddedStreamToSkin)->Name("ApplyStoredSkin:embedded_stream_to_skin");

}  // namespace
