#pragma once

// The demo installation's preview pictures: six brookside landscapes and
// eight stonework mosaics, 150 x 150 each, so that the browser shows real
// pictures when it runs on assets/demo.

#include <vector>

#include "AssetSet.h"

namespace demogen {

inline constexpr int kLandscapes = 6;
inline constexpr int kMosaics = 8;

// "brookside/landscape-1.jpg" ... and "stonework/mosaic-1.jpg" ..., relative
// to the demo installation.
std::vector<art::AssetFile> GenerateDemoPreviews();

gfx::Bitmap DrawLandscape(int number);  // 1 .. kLandscapes
gfx::Bitmap DrawMosaic(int number);     // 1 .. kMosaics

}  // namespace demogen
