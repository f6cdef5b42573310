#pragma once

// The product's own skin, carried inside the program. The build imports
// assets/skin into a stored-skin stream (skin text and Pictures property,
// see StoredSkinStream.h) and compiles its bytes in; the browser window's
// design restores its stored skin from them as a loaded form would.

#include <cstdint>
#include <span>

#include "skin/data/StoredSkin.h"

class TbsSkinData;

// The embedded stored-skin stream.
std::span<const uint8_t> ProductSkinStream();

// Restores skin's FileName, IniStrings and pictures from the embedded
// stream, through ReadPictures.
void ReadProductSkin(TbsStoredSkin& skin);

// Loads the carried skin into a container, as the window's design does when
// its stored skin is assigned.
void ApplyProductSkin(TbsSkinData& skin);
