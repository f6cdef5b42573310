#pragma once

// The byte-level pieces of the stored skin streams: little-endian integers,
// flagged pictures and bitmaps, zlib compression in 4096-byte pieces, and
// the errors these streams report.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/gfx/Bitmap.h"

// A stream that ends before an item it announces ("Stream read error"), or
// an operation the stream does not support ("Invalid stream operation").
class TbsStreamError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Compressed data the inflater refuses ("compression error") or that would
// inflate beyond kMaxPlainSkinSize; and a compressor failure ("error").
class TbsDecompressionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class TbsCompressionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A skin file or picture file that cannot be read.
class TbsSkinFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The most bytes a compressed skin may inflate to. Real skins are well below
// a megabyte; deflate data can expand about a thousandfold, so without a
// bound a small damaged file could exhaust memory.
inline constexpr size_t kMaxPlainSkinSize = 64u << 20;

// The decoded pixels all pictures of one skin may hold together: 32 million
// (128 MB), far above real skins, which hold well under a million. Without
// it a tiny compressed picture named or stored thousands of times could
// demand any amount of memory.
inline constexpr int64_t kMaxSkinPixels = 32LL << 20;

// A skin that would hold more pixels than its budget; the message names the
// picture that went over it.
class TbsPictureBudgetError : public TbsStreamError {
 public:
  using TbsStreamError::TbsStreamError;
};

// What is left of one skin's pixel budget while its pictures are read.
class TbsPixelBudget {
 public:
  explicit TbsPixelBudget(int64_t pixels = kMaxSkinPixels) : total_(pixels), remaining_(pixels) {}
  // Takes pixels for the named picture, or throws TbsPictureBudgetError
  // naming it when fewer are left.
  void Take(int64_t pixels, const std::string& picture);
  int64_t Remaining() const { return remaining_; }

 private:
  int64_t total_;
  int64_t remaining_;
};

// Reads items from the front of a byte range.
class TbsByteReader {
 public:
  explicit TbsByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  uint8_t ReadByte();
  int32_t ReadInt32();
  std::span<const uint8_t> ReadBytes(size_t count);
  std::span<const uint8_t> Rest() const { return bytes_.subspan(pos_); }
  void Skip(size_t count) { ReadBytes(count); }
  size_t Position() const { return pos_; }
  bool AtEnd() const { return pos_ >= bytes_.size(); }

 private:
  std::span<const uint8_t> bytes_;
  size_t pos_ = 0;
};

void WriteInt32(std::vector<uint8_t>& out, int32_t value);

// The picture codec the streams use: Read decodes the BMP file at the front
// of the bytes into bitmap and returns the file's length (the size in its
// own header), throwing on damaged data; Write appends one complete BMP
// file. By default it is the platform's BMP codec (24-bit files); tests may
// put another in its place.
struct TbsBitmapCodec {
  std::function<size_t(std::span<const uint8_t> bytes, gfx::Bitmap& bitmap)> Read;
  std::function<void(const gfx::Bitmap& bitmap, std::vector<uint8_t>& out)> Write;
};
TbsBitmapCodec& SkinBitmapCodec();

// Reads one bitmap, charged to budget under the name picture; a picture
// whose header alone asks for more than is left is refused undecoded.
void ReadBitmap(TbsByteReader& in, gfx::Bitmap& bitmap, TbsPixelBudget& budget,
                const std::string& picture);
void WriteBitmap(std::vector<uint8_t>& out, const gfx::Bitmap& bitmap);
// One byte, 1 for an empty picture (nothing follows) and 0 when a bitmap
// follows; on reading every non-zero byte means empty.
void ReadFlaggedPicture(TbsByteReader& in, gfx::Bitmap& bitmap, TbsPixelBudget& budget,
                        const std::string& picture);
// The picture names the stream readers use in their messages.
std::string ActivePictureName(size_t index);
void WriteFlaggedPicture(std::vector<uint8_t>& out, const gfx::Bitmap& bitmap);

// The whole content of a file; TbsSkinFileError when it cannot be read.
std::vector<uint8_t> ReadWholeFile(const std::string& path);
// A picture file decoded by the codec and charged to budget (a fresh one
// when none is given); TbsSkinFileError names the file.
gfx::Bitmap LoadBitmapFile(const std::string& path, TbsPixelBudget& budget);
gfx::Bitmap LoadBitmapFile(const std::string& path);
// Splits a text at CR LF, LF or a lone CR; a last line without a break
// counts, an empty tail does not.
std::vector<std::string> SplitLines(std::span<const uint8_t> text);

// One zlib stream (header, deflate data, Adler-32) at level 9.
std::vector<uint8_t> CompressBytes(std::span<const uint8_t> plain);
// Inflates one zlib stream and appends the result to dest in pieces of up
// to 4096 bytes; throws TbsDecompressionError on damaged or truncated data
// and when dest would grow past limit.
void DecompressBytes(std::span<const uint8_t> compressed, std::vector<uint8_t>& dest,
                     size_t limit = kMaxPlainSkinSize);
