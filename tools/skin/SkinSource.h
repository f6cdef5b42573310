#pragma once

// Reading a skin from any of the three forms a skin author meets (a skin
// text with its pictures, a stored-skin stream, a compressed skin file) and
// writing the two imported forms. The kind of a source is found from its
// content, never from its file name.

#include <cstdint>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/data/SkinData.h"

// A skin the engine refuses, or a source that cannot be read; the message
// names the file and says what is wrong.
class SkinToolError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class SkinSourceKind { SkinText, StoredSkinStream, CompressedSkinFile };

SkinSourceKind DetectSkinSource(std::span<const uint8_t> bytes);

// A skin loaded into a container, with the text it was read from (the
// check needs the entries the container drops).
struct LoadedSkin {
  SkinSourceKind kind = SkinSourceKind::SkinText;
  std::unique_ptr<TbsSkinData> data;
  std::vector<std::string> text;
};

// Loads the skin at path through the engine's own loaders: a skin text with
// LoadFromSkinFile and ApplyStoredSkin, a stored-skin stream with
// ReadPictures and ApplyStoredSkin, a compressed skin file with
// LoadCompressedFile and ApplyCompressedStoredSkin. Throws SkinToolError
// when the skin is refused.
LoadedSkin LoadSkinSource(const std::string& path);

// The stored-skin stream of the skin text at path and its pictures;
// SkinToolError when the text is not a skin or a picture cannot be read.
std::vector<uint8_t> ImportSkin(const std::string& path);

// The compressed skin file (version 1, length, zlib data) of the skin text
// at path and its pictures; SkinToolError as for ImportSkin.
std::vector<uint8_t> CompressSkin(const std::string& path);
