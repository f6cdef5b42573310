#pragma once

// A contact sheet: every picture of a generator enlarged, on a neutral
// board, with its named rectangles outlined, so that a person can review a
// whole asset set in one image.

#include <string>
#include <vector>

#include "AssetSet.h"

namespace art {

// Lays the pictures out in rows no wider than `maxWidth` (before scaling
// limits) at the given scale. Texts are skipped.
gfx::Bitmap MakeContactSheet(const std::vector<AssetFile>& files, int scale, int maxWidth = 1800);

}  // namespace art
