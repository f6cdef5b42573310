#pragma once

// The demo installation's preview pictures, 150 x 150 each, so that the
// browser shows real pictures when it runs on assets/demo: six brookside
// landscapes, eight stonework mosaics and fourteen field quilts (three
// pages, the last one short).

#include <vector>

#include "AssetSet.h"

namespace demogen {

inline constexpr int kLandscapes = 6;
inline constexpr int kMosaics = 8;
inline constexpr int kQuilts = 14;

// One demo package's previews: "DIRECTORY/BASE-n.jpg" for n = 1 .. count.
struct DemoPackage {
  const char* directory;
  const char* base;
  int count;
  gfx::Bitmap (*draw)(int number);
};
const std::vector<DemoPackage>& DemoPackages();

// Every preview of every demo package, relative to the demo installation.
std::vector<art::AssetFile> GenerateDemoPreviews();

gfx::Bitmap DrawLandscape(int number);  // 1 .. kLandscapes
gfx::Bitmap DrawMosaic(int number);     // 1 .. kMosaics
gfx::Bitmap DrawQuilt(int number);      // 1 .. kQuilts

}  // namespace demogen
