// The BMP reader on arbitrary bytes, walked as a stream of concatenated
// pictures the way stored skins are read. Every picture that reads must
// stay inside its bytes, draw without trouble, and survive writing and
// reading back unchanged.

#include <cstddef>
#include <cstdint>
#include <span>

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/ImageCodecs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Smaller limits than the program's keep each run quick; the checks that
  // enforce them are the same.
  gfx::ImageLimits limits;
  limits.maxDimension = 4096;
  limits.maxPixels = 4 * 1024 * 1024;
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
