#pragma once

// The fonts a skin names with its font keys (face, height, styles), shared
// by the frame's caption and the skinned controls.

#include <string>

#include "platform/gfx/Font.h"
#include "skin/data/SkinValues.h"
#include "ui/Font.h"

// A font made from a record's font keys; the height is the cell height in
// pixels, as the skins give it.
gfx::Font MakeSkinFont(const std::string& name, int height, const TbsFontStyles& style);

// The same styles as the framework's font styles, for a TFont that takes a
// record's font.
TFontStyles ToFontStyles(const TbsFontStyles& style);
