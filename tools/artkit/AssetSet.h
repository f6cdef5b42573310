#pragma once

// What a generator makes: pictures and texts under file names relative to
// an output directory. The set is built in memory, so that the generator's
// command writes it and the tests compare it with the committed files
// without touching the disk twice.

#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "platform/gfx/Geometry.h"

namespace art {

// A named rectangle of a picture, outlined on the contact sheet.
struct Annotation {
  gfx::Rect rect;
  std::string label;
};

struct AssetFile {
  std::string name;  // relative path; the ending chooses the format
  std::optional<gfx::Bitmap> picture{};
  std::string text{};  // the content when there is no picture
  std::vector<Annotation> annotations{};
};

// Encoded bytes of a file as the generator writes it: BMP pictures as 24-bit
// files, JPEG pictures at the quality below, texts as they are.
inline constexpr int kJpegQuality = 92;
std::vector<unsigned char> EncodeAsset(const AssetFile& file);

// Writes every file below `directory` (creating it and sub-directories).
// Returns an empty text on success, else what went wrong.
std::string WriteAssets(const std::vector<AssetFile>& files, const std::string& directory);

// Compares a committed file with the generated one: bytes for BMP and text;
// for JPEG bytes, or else the decoded pixels of both encodings within
// `jpegTolerance` (mean absolute channel difference), since encoder builds
// may round differently. Empty text when equal.
std::string CompareWithCommitted(const AssetFile& file, const std::string& directory,
                                 double jpegTolerance = 1.0);

// The whole file, or nothing when it cannot be read.
std::optional<std::vector<unsigned char>> ReadWholeFile(const std::string& path);

}  // namespace art
