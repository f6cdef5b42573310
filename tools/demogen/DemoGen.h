#pragma once

// The demo installation's pictures: six brookside landscapes, eight
// stonework mosaics and fourteen field quilts (three pages, the last one
// short), each as a 150 x 150 preview for the browser and as a 600 x 600
// picture for the tile puzzle, so that the demo shows and plays real
// pictures when it runs on assets/demo.

#include <vector>

#include "AssetSet.h"

namespace demogen {

inline constexpr int kLandscapes = 6;
inline constexpr int kMosaics = 8;
inline constexpr int kQuilts = 14;
inline constexpr int kPreviewSize = 150;
inline constexpr int kPictureSize = 600;

// One demo package's pictures: "DIRECTORY/BASE-n.jpg" and
// "DIRECTORY/BASE-n-picture.jpg" for n = 1 .. count.
struct DemoPackage {
  const char* directory;
  const char* base;
  int count;
  gfx::Bitmap (*draw)(int number, int size);
};
const std::vector<DemoPackage>& DemoPackages();

// Every preview and large picture of every demo package, relative to the
// demo installation, each preview followed by its picture.
std::vector<art::AssetFile> GenerateDemoPreviews();

// Each picture is drawn for a 150-pixel square and rendered at `size`, so
// the large picture is the preview's scene with finer detail.
gfx::Bitmap DrawLandscape(int number, int size = kPreviewSize);  // 1 .. kLandscapes
gfx::Bitmap DrawMosaic(int number, int size = kPreviewSize);     // 1 .. kMosaics
gfx::Bitmap DrawQuilt(int number, int size = kPreviewSize);      // 1 .. kQuilts

}  // namespace demogen
