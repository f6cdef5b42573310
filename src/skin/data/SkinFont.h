#pragma once

// The fonts a skin names with its font keys (face, height, styles), shared
// by the frame's caption and the skinned controls.

#include <string>

#include "platform/gfx/Font.h"
#include "skin/data/SkinValues.h"

// A font made from a record's font keys; the height is the cell height in
// pixels, as the skins give it.
gfx::Font MakeSkinFont(const std::string& name, int height, const TbsFontStyles& style);
