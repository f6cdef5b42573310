#pragma once

// The browser window's design pictures: the 760 x 570 background and the
// five severity star strips of the severity image list.

#include <vector>

#include "AssetSet.h"

namespace designgen {

// "background.jpg" first, then "stars-1.bmp" to "stars-5.bmp" (one to five
// stars, image i of the list standing for severity i + 1).
std::vector<art::AssetFile> GenerateDesign();

// The pictures alone, for tests and other generators.
gfx::Bitmap DrawBackground();
gfx::Bitmap DrawStars(int count);

}  // namespace designgen
