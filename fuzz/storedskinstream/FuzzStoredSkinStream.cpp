// Feeds arbitrary bytes to the stored-skin stream reader, the form in which
// the program carries its skin and the skin tool reads imported skins, and
// applies what it restores. Damaged input must give the streams' errors, a
// conversion error or an empty container, never a crash or an allocation
// beyond the limits.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    TbsStoredSkin stored(nullptr);
    ReadStoredSkinStream(std::span<const uint8_t>(data, size), stored);
    TbsSkinData skin(nullptr);
    skin.ApplyStoredSkin(&stored);
  } catch (const std::runtime_error&) {
    // The documented refusals: stream read, picture and conversion errors.
  }
  return 0;
}
