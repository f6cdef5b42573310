#pragma once

// The message dialog's icons: warning, error, information and
// confirmation, 32 x 32 pixels each, on a fuchsia key colour that the
// dialog leaves out when it draws them.

#include <vector>

#include "AssetSet.h"

namespace icongen {

inline constexpr int kIconSize = 32;
inline constexpr gfx::ColorRef kKeyColour = gfx::RGB(255, 0, 255);

// "warning.bmp", "error.bmp", "information.bmp", "confirmation.bmp".
std::vector<art::AssetFile> GenerateIcons();

}  // namespace icongen
