#pragma once

// The demo installation's pictures: six brookside landscapes and eight
// stonework mosaics, each as a 150 x 150 preview for the browser and as a
// 600 x 600 picture for the tile puzzle, so that the demo shows and plays
// real pictures when it runs on assets/demo.

#include <vector>

#include "AssetSet.h"

namespace demogen {

inline constexpr int kLandscapes = 6;
inline constexpr int kMosaics = 8;
inline constexpr int kPreviewSize = 150;
inline constexpr int kPictureSize = 600;

// "brookside/landscape-1.jpg", "brookside/landscape-1-picture.jpg" ... and
// "stonework/mosaic-1.jpg", "stonework/mosaic-1-picture.jpg" ..., relative
// to the demo installation.
std::vector<art::AssetFile> GenerateDemoPreviews();

// Each picture is drawn for a 150-pixel square and rendered at `size`, so
// the large picture is the preview's scene with finer detail.
gfx::Bitmap DrawLandscape(int number, int size = kPreviewSize);  // 1 .. kLandscapes
gfx::Bitmap DrawMosaic(int number, int size = kPreviewSize);     // 1 .. kMosaics

}  // namespace demogen
