#include "skin/data/SkinStreams.h"

#include <zlib.h>

#include <cstring>
#include <optional>

#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/FileSystem.h"
#include "skin/data/SkinIni.h"

namespace {

constexpr size_t kPieceSize = 4096;
constexpr size_t kBmpFileHeaderSize = 14;

}  // namespace

uint8_t TbsByteReader::ReadByte() {
  return ReadBytes(1)[0];
}

int32_t TbsByteReader::ReadInt32() {
  auto b = ReadBytes(4);
  uint32_t v = uint32_t{b[0]} | uint32_t{b[1]} << 8 | uint32_t{b[2]} << 16 | uint32_t{b[3]} << 24;
  return static_cast<int32_t>(v);
}

std::span<const uint8_t> TbsByteReader::ReadBytes(size_t count) {
  if (count > bytes_.size() - pos_)
    throw TbsStreamError("Stream read error");
  auto part = bytes_.subspan(pos_, count);
  pos_ += count;
  return part;
}

void WriteInt32(std::vector<uint8_t>& out, int32_t value) {
  auto v = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

TbsBitmapCodec& SkinBitmapCodec() {
  static TbsBitmapCodec codec{
      .Read =
          [](std::span<const uint8_t> bytes, gfx::Bitmap& bitmap) {
            gfx::DecodedImage image = gfx::ReadBmp(bytes);
            if (!image.Ok())
              throw TbsStreamError(image.error);
            bitmap = std::move(image.bitmap);
            return image.bytesUsed;
          },
      .Write =
          [](const gfx::Bitmap& bitmap, std::vector<uint8_t>& out) {
            std::vector<uint8_t> file = gfx::WriteBmp(bitmap);
            out.insert(out.end(), file.begin(), file.end());
          },
  };
  return codec;
}

void TbsPixelBudget::Take(int64_t pixels, const std::string& picture) {
  if (pixels > remaining_)
    throw TbsPictureBudgetError(picture + ": the skin's pictures would hold more than " +
                                std::to_string(total_) + " pixels");
  remaining_ -= pixels;
}

std::string ActivePictureName(size_t index) {
  return "active picture " + std::to_string(index);
}

void ReadBitmap(TbsByteReader& in, gfx::Bitmap& bitmap, TbsPixelBudget& budget,
                const std::string& picture) {
  const TbsBitmapCodec& codec = SkinBitmapCodec();
  if (!codec.Read)
    throw TbsStreamError("no picture codec");
  // A stream that ends where a picture should begin is short, whatever the
  // codec would say about the missing bytes.
  if (in.Rest().size() < kBmpFileHeaderSize)
    throw TbsStreamError("Stream read error");
  // The header's size is checked first, so that a few bytes cannot make the
  // codec allocate what the budget would refuse afterwards.
  const int64_t declared = gfx::BmpPixelCount(in.Rest());
  if (declared > budget.Remaining())
    budget.Take(declared, picture);  // refuses, naming the picture
  // Every picture takes up bytes; one that claims none would let a damaged
  // count make pictures without end.
  size_t used = codec.Read(in.Rest(), bitmap);
  if (used == 0)
    throw TbsStreamError("Stream read error");
  budget.Take(int64_t{bitmap.Width()} * bitmap.Height(), picture);
  in.Skip(used);
}

void WriteBitmap(std::vector<uint8_t>& out, const gfx::Bitmap& bitmap) {
  const TbsBitmapCodec& codec = SkinBitmapCodec();
  if (!codec.Write)
    throw TbsStreamError("no picture codec");
  codec.Write(bitmap, out);
}

void ReadFlaggedPicture(TbsByteReader& in, gfx::Bitmap& bitmap, TbsPixelBudget& budget,
                        const std::string& picture) {
  if (in.ReadByte() != 0) {
    bitmap = gfx::Bitmap();
    return;
  }
  ReadBitmap(in, bitmap, budget, picture);
}

void WriteFlaggedPicture(std::vector<uint8_t>& out, const gfx::Bitmap& bitmap) {
  if (bitmap.IsEmpty()) {
    out.push_back(1);
    return;
  }
  out.push_back(0);
  WriteBitmap(out, bitmap);
}

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
  // Through the program's regular-files-only reader: a pipe or a device
  // named in a skin would otherwise block or never end.
  std::string why;
  std::optional<std::string> bytes = sys::ReadFileBytes(path, &why);
  if (!bytes)
    throw TbsSkinFileError("Cannot open file \"" + path + "\": " + why);
  return std::vector<uint8_t>(bytes->begin(), bytes->end());
}

gfx::Bitmap LoadBitmapFile(const std::string& path, TbsPixelBudget& budget) {
  std::vector<uint8_t> bytes = ReadWholeFile(path);
  gfx::Bitmap bitmap;
  try {
    TbsByteReader in(bytes);
    ReadBitmap(in, bitmap, budget, path);
  } catch (const TbsPictureBudgetError&) {
    throw;
  } catch (const std::exception& e) {
    throw TbsSkinFileError("Cannot read picture \"" + path + "\": " + e.what());
  }
  return bitmap;
}

gfx::Bitmap LoadBitmapFile(const std::string& path) {
  TbsPixelBudget budget;
  return LoadBitmapFile(path, budget);
}

std::vector<std::string> SplitLines(std::span<const uint8_t> text) {
  return SplitSkinLines(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

std::vector<uint8_t> CompressBytes(std::span<const uint8_t> plain) {
  if (plain.size() > 0xFFFFFFFFu)
    throw TbsCompressionError("error");
  z_stream zs{};
  if (deflateInit(&zs, 9) != Z_OK)
    throw TbsCompressionError("error");
  std::vector<uint8_t> out;
  uint8_t piece[kPieceSize];
  zs.next_in = const_cast<Bytef*>(plain.data());
  zs.avail_in = static_cast<uInt>(plain.size());
  int result = Z_OK;
  do {
    zs.next_out = piece;
    zs.avail_out = kPieceSize;
    result = deflate(&zs, Z_FINISH);
    if (result == Z_STREAM_ERROR) {
      deflateEnd(&zs);
      throw TbsCompressionError("error");
    }
    out.insert(out.end(), piece, piece + (kPieceSize - zs.avail_out));
  } while (result != Z_STREAM_END);
  deflateEnd(&zs);
  return out;
}

void DecompressBytes(std::span<const uint8_t> compressed, std::vector<uint8_t>& dest,
                     size_t limit) {
  if (compressed.size() > 0xFFFFFFFFu)
    throw TbsDecompressionError("compression error");
  z_stream zs{};
  if (inflateInit(&zs) != Z_OK)
    throw TbsDecompressionError("compression error");
  zs.next_in = const_cast<Bytef*>(compressed.data());
  zs.avail_in = static_cast<uInt>(compressed.size());
  uint8_t piece[kPieceSize];
  size_t produced = 0;
  for (;;) {
    zs.next_out = piece;
    zs.avail_out = kPieceSize;
    int result = inflate(&zs, Z_NO_FLUSH);
    const size_t got = kPieceSize - zs.avail_out;
    // A stream that needs input it does not have is truncated, which is as
    // damaged as any other refusal.
    const bool failed = result == Z_NEED_DICT || result == Z_DATA_ERROR || result == Z_MEM_ERROR ||
                        result == Z_STREAM_ERROR || (result == Z_BUF_ERROR && got == 0);
    if (failed) {
      inflateEnd(&zs);
      throw TbsDecompressionError("compression error");
    }
    if (got > limit - produced) {
      inflateEnd(&zs);
      throw TbsDecompressionError("compressed skin inflates beyond " + std::to_string(limit >> 20) +
                                  " MB");
    }
    dest.insert(dest.end(), piece, piece + got);
    produced += got;
    if (result == Z_STREAM_END)
      break;
  }
  inflateEnd(&zs);
}
