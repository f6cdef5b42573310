// The BMP reader on arbitrary bytes, walked as a stream of concatenated
// pictures the way stored skins are read. Every picture that reads must
// stay inside its bytes, draw without trouble, and survive writing and
// reading back unchanged.
//
// Some damage only shows after millions of repetitions, such as a column
// counter that millions of run-length moves carry past the largest integer;
// no input of ordinary length holds that many. An input that ends in the
// byte 'R' therefore also stands for a longer one: its pixel data (from the
// header's data offset up to the last two bytes) repeated 2^(n % 23) times,
// n being the byte before the 'R', behind the same header.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/ImageCodecs.h"

namespace {

constexpr std::size_t kFileSizeAt = 2;
constexpr std::size_t kDataOffsetAt = 10;
constexpr std::size_t kImageSizeAt = 34;
constexpr std::size_t kLongest = 64u << 20;

std::uint32_t U32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

void Put32(std::uint8_t* p, std::uint32_t v) {
  for (int i = 0; i < 4; ++i)
    p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// The longer input an input ending in 'R' stands for; empty for others.
// The buffer is kept between runs, so that its pages are not mapped and
// faulted in again for every long input.
std::span<const std::uint8_t> Stretched(std::span<const std::uint8_t> input) {
  static std::vector<std::uint8_t> out;
  if (input.size() < kImageSizeAt + 8 || input.back() != 'R')
    return {};
  const std::size_t offset = U32(input.data() + kDataOffsetAt);
  const std::size_t end = input.size() - 2;
  if (offset < kImageSizeAt + 4 || offset >= end)
    return {};
  const std::size_t pattern = end - offset;
  std::size_t repeats = std::size_t{1} << (input[end] % 23);
  repeats = std::min(repeats, (kLongest - offset) / pattern);
  out.resize(offset + pattern * repeats);
  std::memcpy(out.data(), input.data(), end);
  // Doubling copies: the pattern once, then everything so far again.
  for (std::size_t have = pattern; have < pattern * repeats;) {
    const std::size_t n = std::min(have, pattern * repeats - have);
    std::memcpy(out.data() + offset + have, out.data() + offset, n);
    have += n;
  }
  Put32(out.data() + kFileSizeAt, static_cast<std::uint32_t>(out.size()));
  Put32(out.data() + kImageSizeAt, 0);
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Smaller limits than the program's keep each run quick; the checks that
  // enforce them are the same.
  gfx::ImageLimits limits;
  limits.maxDimension = 4096;
  limits.maxPixels = 4 * 1024 * 1024;
  const std::span<const std::uint8_t> stretched = Stretched({data, size});
  if (!stretched.empty()) {
    gfx::DecodedImage img = gfx::ReadBmp(stretched, limits);
    if (img.Ok() && (img.bytesUsed > stretched.size() || img.bitmap.IsEmpty()))
      __builtin_trap();
  }
  std::span<const std::uint8_t> rest(data, size);
  for (int picture = 0; picture < 16 && !rest.empty(); ++picture) {
    gfx::DecodedImage img = gfx::ReadBmp(rest, limits);
    if (!img.Ok())
      break;
    if (img.bytesUsed == 0 || img.bytesUsed > rest.size() || img.bitmap.IsEmpty() ||
        img.bitmap.Width() > limits.maxDimension || img.bitmap.Height() > limits.maxDimension)
      __builtin_trap();

    gfx::Bitmap target(32, 32);
    gfx::DeviceContext dc(target);
    dc.StretchBlt(0, 0, 32, 32, img.bitmap, 0, 0, img.bitmap.Width(), img.bitmap.Height());

    if (img.bitmap.Width() * static_cast<std::int64_t>(img.bitmap.Height()) <= 1 << 16) {
      std::vector<std::uint8_t> file = gfx::WriteBmp(img.bitmap);
      gfx::DecodedImage back = gfx::ReadBmp(file);
      if (!back.Ok() || back.bytesUsed != file.size() || !back.bitmap.SameAs(img.bitmap))
        __builtin_trap();
    }
    rest = rest.subspan(img.bytesUsed);
  }
  return 0;
}
