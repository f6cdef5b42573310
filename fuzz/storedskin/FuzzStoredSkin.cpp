// Feeds arbitrary bytes to the stored-skin readers. The first byte chooses
// the reader: 0 the Pictures property, 1 compressed data as they stand, 2 a
// plain skin stream (compressed here, so that the stream's layout is what
// gets explored rather than the inflater's refusals). Damaged input must
// give the streams' errors or an empty container, never a crash or an
// allocation beyond the limits.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "skin/data/SkinData.h"
#include "skin/data/SkinStreams.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0)
    return 0;
  const uint8_t mode = data[0] % 3;
  std::span<const uint8_t> rest(data + 1, size - 1);
  try {
    if (mode == 0) {
      TbsStoredSkin stored(nullptr);
      stored.ReadPictures(rest);
      return 0;
    }
    TbsCompressedStoredSkin compressed(nullptr);
    if (mode == 1)
      compressed.SetCompressedData(rest);
    else
      compressed.SetCompressedData(CompressBytes(rest));
    TbsSkinData skin(nullptr);
    skin.ApplyCompressedStoredSkin(&compressed);
  } catch (const std::runtime_error&) {
    // The documented refusals: stream read, decompression, picture and
    // conversion errors.
  }
  return 0;
}
