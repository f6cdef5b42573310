// The JPEG loader on arbitrary bytes: it must return (never exit or jump
// out), stay within its limits, and give a picture of the stated size or
// an error. Smaller limits than the program's keep each run quick while
// still reaching every limit check.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gfx/ImageCodecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  gfx::ImageLimits limits;
  limits.maxDimension = 4096;
  limits.maxPixels = 4 * 1024 * 1024;
  limits.maxDecoderMemory = 64LL << 20;
  limits.maxProgressiveScans = 100;
  gfx::DecodedImage img = gfx::DecodeJpeg(std::span<const std::uint8_t>(data, size), limits);
  if (img.Ok()) {
    if (img.bitmap.IsEmpty() || img.bitmap.Width() > limits.maxDimension ||
        img.bitmap.Height() > limits.maxDimension)
      __builtin_trap();
  } else if (!img.bitmap.IsEmpty()) {
    __builtin_trap();
  }
  return 0;
}
