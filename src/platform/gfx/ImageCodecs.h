#pragma once

// Reading and writing pictures: BMP (the skins' own format), JPEG (the
// previews and the window background) and PNG (screenshots and reference
// images). Readers take bytes in memory and never trust them: every damaged
// or hostile input gives an error text, never a crash, and nothing is
// allocated beyond the limits below.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"

namespace gfx {

struct DecodedImage {
  Bitmap bitmap;
  // How many bytes of the input the picture took up. For a BMP this is the
  // file size in its own header, so that concatenated files can be walked.
  std::size_t bytesUsed = 0;
  // Empty on success; otherwise why the picture could not be read.
  std::string error;

  bool Ok() const { return error.empty(); }
};

struct ImageLimits {
  int maxDimension = 16384;                     // widest or tallest picture accepted
  std::int64_t maxPixels = 32 * 1024 * 1024;    // width x height
  std::int64_t maxDecoderMemory = 256LL << 20;  // working memory of the JPEG decoder
  int maxProgressiveScans = 500;                // JPEG scans before giving up
};

// -- BMP --------------------------------------------------------------------
// 1, 4, 8, 16, 24 and 32 bits per pixel; bottom-up and top-down rows; bit
// field masks; RLE4 and RLE8; the old 12-byte header as well as the 40- to
// 124-byte ones.
DecodedImage ReadBmp(std::span<const std::uint8_t> bytes, const ImageLimits& limits = {});
// The number of pixels the BMP file at the front of bytes declares (width
// times height), read from its header alone; 0 when the header is not one.
// Lets a caller refuse a picture before it is decoded.
std::int64_t BmpPixelCount(std::span<const std::uint8_t> bytes);
// A complete file with its own file header: 24 or 32 bits per pixel,
// bottom-up rows.
std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap, int bitsPerPixel = 24);

// -- JPEG -------------------------------------------------------------------
DecodedImage DecodeJpeg(std::span<const std::uint8_t> bytes, const ImageLimits& limits = {});
struct EncodedImage {
  std::vector<std::uint8_t> bytes;
  std::string error;  // empty on success
  bool Ok() const { return error.empty(); }
};
// Quality 1..100; a progressive file is written in several scans.
EncodedImage EncodeJpeg(const Bitmap& bitmap, int quality = 90, bool progressive = false);

// -- PNG --------------------------------------------------------------------
// Transparency is dropped when reading; written pictures are opaque.
DecodedImage DecodePng(std::span<const std::uint8_t> bytes, const ImageLimits& limits = {});
EncodedImage EncodePng(const Bitmap& bitmap);

// Chooses the reader by the bytes' signature.
DecodedImage DecodeImage(std::span<const std::uint8_t> bytes, const ImageLimits& limits = {});

// Whole files, for tools and tests. Load reports a missing or unreadable
// file as an error like any other; Save reports whether the file was
// written completely (by format from the ending: .bmp, .jpg/.jpeg, .png).
DecodedImage LoadImageFile(const std::string& path, const ImageLimits& limits = {});
bool SaveImageFile(const Bitmap& bitmap, const std::string& path);

}  // namespace gfx
