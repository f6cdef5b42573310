#pragma once

// A stored skin as one self-contained byte stream: what a form's stored
// design keeps of a TbsStoredSkin (its FileName, its IniStrings and its
// Pictures property), in the order a form reader restores them. The program
// embeds the product skin in this form, and the skin tool writes and reads
// it, so that both go through ReadPictures and WritePictures exactly as a
// loaded form does.
//
// Layout (integers 32-bit little-endian, no padding):
//   "TBSS"          signature
//   1               format version
//   n, n bytes      FileName
//   n, n bytes      the skin text, every line followed by CR LF
//   n, n bytes      the Pictures property (see TbsStoredSkin::WritePictures)

#include <cstdint>
#include <span>
#include <vector>

#include "skin/data/StoredSkin.h"

// True when bytes begin with the stored-skin stream's signature.
bool IsStoredSkinStream(std::span<const uint8_t> bytes);

// Appends skin as a stored-skin stream to out.
void WriteStoredSkinStream(const TbsStoredSkin& skin, std::vector<uint8_t>& out);

// Restores FileName, IniStrings and the pictures of skin from a stored-skin
// stream, the way a form reader does: FileName is kept as text and nothing
// is imported from disk. A stream without the signature or of another
// version, or one that ends before an item it announces, throws
// TbsStreamError; a damaged picture throws what ReadPictures throws.
void ReadStoredSkinStream(std::span<const uint8_t> bytes, TbsStoredSkin& skin);
