#include "skin/controls/MessageIcons.h"

#include <array>
#include <cstdint>
#include <memory>
#include <span>

#include "platform/gfx/ImageCodecs.h"
#include "skin/controls/SkinMessage.h"

// The icon files carried in the program, in the order of the kinds.
std::span<const std::uint8_t> MessageIconData(int index);

const gfx::Bitmap* StandardMessageIcon(TMsgDlgType Kind) {
  // Decoded once, on first use.
  static const std::array<std::unique_ptr<gfx::Bitmap>, 4> icons = [] {
    std::array<std::unique_ptr<gfx::Bitmap>, 4> decoded;
    for (int i = 0; i < 4; ++i)
      if (gfx::DecodedImage image = gfx::ReadBmp(MessageIconData(i)); image.Ok())
        decoded[i] = std::make_unique<gfx::Bitmap>(std::move(image.bitmap));
    return decoded;
  }();
  const int i = static_cast<int>(Kind);
  return i >= 0 && i < 4 ? icons[i].get() : nullptr;
}
