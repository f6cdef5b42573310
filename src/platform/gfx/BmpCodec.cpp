// The BMP reader and writer.

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "platform/gfx/ImageCodecs.h"

namespace gfx {

namespace {

enum : std::uint32_t {
  BI_RGB = 0,
  BI_RLE8 = 1,
  BI_RLE4 = 2,
  BI_BITFIELDS = 3,
  BI_ALPHABITFIELDS = 6
};

constexpr std::size_t kFileHeaderSize = 14;

std::uint16_t U16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

DecodedImage Fail(std::string why) {
  DecodedImage result;
  result.error = std::move(why);
  return result;
}

// A colour channel described by a bit mask, scaled to 0..255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  std::uint32_t max = 0;

  explicit Channel(std::uint32_t m) : mask(m) {
    if (m) {
      shift = std::countr_zero(m);
      max = m >> shift;
    }
  }
  std::uint32_t Get(std::uint32_t v) const {
    if (!max)
      return 0;
    return static_cast<std::uint32_t>(
        (static_cast<std::uint64_t>((v & mask) >> shift) * 255 + max / 2) / max);
  }
};

struct Header {
  std::uint32_t offBits = 0;
  std::uint32_t fileSize = 0;
  std::uint32_t infoSize = 0;
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitCount = 0;
  std::uint32_t compression = BI_RGB;
  std::uint32_t sizeImage = 0;
  std::uint32_t colorsUsed = 0;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  bool core = false;                     // the old 12-byte header
};

// The picture's pixel data as a bounds-checked range.
struct Data {
  const std::uint8_t* p;
  std::size_t size;
};

void DecodeRows(const Header& h, Data data, std::size_t stride, const std::vector<Pixel>& palette,
                Bitmap& out) {
  const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
  for (int row = 0; row < h.height; ++row) {
    const std::uint8_t* src = data.p + static_cast<std::size_t>(row) * stride;
    Pixel* dst = out.Row(h.topDown ? row : h.height - 1 - row);
    switch (h.bitCount) {
      case 1:
      case 4:
      case 8: {
        const int bits = h.bitCount;
        const int perByte = 8 / bits;
        const unsigned mask = (1u << bits) - 1;
        for (int x = 0; x < h.width; ++x) {
          unsigned byte = src[x / perByte];
          unsigned index = (byte >> (8 - bits * (x % perByte + 1))) & mask;
          dst[x] = index < palette.size() ? palette[index] : 0;
        }
        break;
      }
      case 16:
        for (int x = 0; x < h.width; ++x) {
          std::uint32_t v = U16(src + 2 * x);
          dst[x] = blue.Get(v) | (green.Get(v) << 8) | (red.Get(v) << 16);
        }
        break;
      case 24:
        for (int x = 0; x < h.width; ++x)
          dst[x] = src[3 * x] | (src[3 * x + 1] << 8) | (src[3 * x + 2] << 16);
        break;
      case 32:
        if (h.compression == BI_RGB) {
          for (int x = 0; x < h.width; ++x)
            dst[x] = U32(src + 4 * x) & 0x00FFFFFF;
        } else {
          for (int x = 0; x < h.width; ++x) {
            std::uint32_t v = U32(src + 4 * x);
            dst[x] = blue.Get(v) | (green.Get(v) << 8) | (red.Get(v) << 16);
          }
        }
        break;
      default:
        break;
    }
  }
}

// Run-length encoded pixels (bottom-up only). Returns the number of bytes
// read, or 0 when the data is damaged. Pixels the runs skip keep the colour
// `out` was made with: the first palette colour.
//
// The column stays within 0..width and the row within 0..height at every
// step: runs stop at the right edge, and a move that would leave the
// picture marks the data as damaged, so no escape sequence, however long,
// can steer a store outside the bitmap.
std::size_t DecodeRle(const Header& h, Data data, const std::vector<Pixel>& palette, Bitmap& out) {
  const bool four = h.compression == BI_RLE4;
  auto colour = [&](unsigned index) { return index < palette.size() ? palette[index] : 0; };
  int x = 0;
  int y = 0;  // counted from the bottom
  std::size_t i = 0;
  auto put = [&](unsigned index) {
    if (x >= 0 && x < h.width && y >= 0 && y < h.height)
      out.Row(h.height - 1 - y)[x] = colour(index);
    ++x;
  };
  while (i + 1 < data.size) {
    unsigned count = data.p[i];
    unsigned value = data.p[i + 1];
    i += 2;
    if (count > 0) {
      for (unsigned k = 0; k < count && x < h.width; ++k)
        put(four ? ((k % 2 == 0) ? value >> 4 : value & 0x0F) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of picture
      return i;
    } else if (value == 2) {  // move right and up
      if (i + 1 >= data.size)
        return 0;
      const int dx = data.p[i];
      const int dy = data.p[i + 1];
      if (dx > h.width - x || dy > h.height - y)
        return 0;
      x += dx;
      y += dy;
      i += 2;
    } else {  // a literal run of `value` pixels, padded to 16 bits
      const std::size_t bytes = four ? (value + 1) / 2 : value;
      if (i + bytes > data.size)
        return 0;
      for (unsigned k = 0; k < value; ++k) {
        unsigned b = data.p[i + (four ? k / 2 : k)];
        if (x >= h.width)
          break;
        put(four ? ((k % 2 == 0) ? b >> 4 : b & 0x0F) : b);
      }
      i += (bytes + 1) & ~std::size_t{1};
    }
    if (y >= h.height)
      return std::min(i, data.size);
  }
  // Data ended without an end-of-picture mark: keep what was decoded.
  return data.size;
}

}  // namespace

DecodedImage ReadBmp(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
  const std::uint8_t* p = bytes.data();
  const std::size_t size = bytes.size();
  if (size < kFileHeaderSize + 12 || p[0] != 'B' || p[1] != 'M')
    return Fail("not a BMP file");
  Header h;
  h.fileSize = U32(p + 2);
  h.offBits = U32(p + 10);
  h.infoSize = U32(p + 14);
  const std::uint8_t* info = p + kFileHeaderSize;
  if (h.infoSize == 12) {
    h.core = true;
    h.width = U16(info + 4);
    h.height = U16(info + 6);
    h.bitCount = U16(info + 10);
  } else if (h.infoSize >= 40 && h.infoSize <= 124) {
    if (size < kFileHeaderSize + h.infoSize)
      return Fail("BMP header is cut short");
    const auto width = static_cast<std::int32_t>(U32(info + 4));
    const auto height = static_cast<std::int32_t>(U32(info + 8));
    h.bitCount = U16(info + 14);
    h.compression = U32(info + 16);
    h.sizeImage = U32(info + 20);
    h.colorsUsed = U32(info + 32);
    if (width <= 0 || height == 0 || height == INT32_MIN)
      return Fail("BMP has no pixels");
    h.width = width;
    h.topDown = height < 0;
    h.height = height < 0 ? -height : height;
  } else {
    return Fail("unknown BMP header");
  }
  if (h.width <= 0 || h.height <= 0)
    return Fail("BMP has no pixels");
  if (h.width > limits.maxDimension || h.height > limits.maxDimension ||
      static_cast<std::int64_t>(h.width) * h.height > limits.maxPixels)
    return Fail("BMP is too large");

  const bool rle = h.compression == BI_RLE8 || h.compression == BI_RLE4;
  const bool fields = h.compression == BI_BITFIELDS || h.compression == BI_ALPHABITFIELDS;
  switch (h.bitCount) {
    case 1:
    case 24:
      if (h.compression != BI_RGB)
        return Fail("unsupported BMP compression");
      break;
    case 4:
    case 8:
      if (h.compression != BI_RGB && h.compression != (h.bitCount == 8 ? BI_RLE8 : BI_RLE4))
        return Fail("unsupported BMP compression");
      break;
    case 16:
    case 32:
      if (h.compression != BI_RGB && !fields)
        return Fail("unsupported BMP compression");
      break;
    default:
      return Fail("unsupported BMP bit depth");
  }
  if (rle && h.topDown)
    return Fail("a compressed BMP cannot be stored top-down");

  // Bit-field masks: inside newer headers, or behind the 40-byte one.
  std::size_t paletteAt = kFileHeaderSize + h.infoSize;
  if (fields) {
    const std::uint8_t* m = info + 40;
    if (h.infoSize == 40) {
      if (size < paletteAt + 12)
        return Fail("BMP header is cut short");
      paletteAt += h.compression == BI_ALPHABITFIELDS ? 16 : 12;
    } else if (h.infoSize < 52) {
      return Fail("unknown BMP header");
    }
    h.masks = {U32(m), U32(m + 4), U32(m + 8)};
  } else if (h.bitCount == 16) {
    h.masks = {0x7C00, 0x03E0, 0x001F};
  }

  std::vector<Pixel> palette;
  if (h.bitCount <= 8) {
    const std::size_t entry = h.core ? 3 : 4;
    std::size_t count = std::size_t{1} << h.bitCount;
    if (!h.core && h.colorsUsed > 0 && h.colorsUsed < count)
      count = h.colorsUsed;
    // Some writers leave out part of the table; take what is there.
    const std::size_t end = std::min<std::size_t>(h.offBits >= paletteAt ? h.offBits : size, size);
    count = std::min(count, end > paletteAt ? (end - paletteAt) / entry : 0);
    palette.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
      const std::uint8_t* e = p + paletteAt + k * entry;
      palette.push_back(e[0] | (e[1] << 8) | (e[2] << 16));
    }
  }

  if (h.offBits < kFileHeaderSize + h.infoSize || h.offBits >= size)
    return Fail("BMP pixel data is missing");
  Data data{p + h.offBits, size - h.offBits};
  // Only the file's own extent belongs to this picture.
  if (h.fileSize > h.offBits && h.fileSize <= size)
    data.size = h.fileSize - h.offBits;

  DecodedImage result;
  std::size_t used = 0;
  if (rle) {
    if (h.sizeImage > 0 && h.sizeImage < data.size)
      data.size = h.sizeImage;
    result.bitmap =
        Bitmap(h.width, h.height, palette.empty() ? clBlack : ColorFromPixel(palette[0]));
    used = DecodeRle(h, data, palette, result.bitmap);
    if (used == 0)
      return Fail("BMP compressed data is damaged");
  } else {
    const std::size_t stride = ((static_cast<std::size_t>(h.width) * h.bitCount + 31) / 32) * 4;
    const std::size_t needed = stride * static_cast<std::size_t>(h.height);
    if (needed > data.size)
      return Fail("BMP pixel data is cut short");
    result.bitmap = Bitmap(h.width, h.height);
    DecodeRows(h, data, stride, palette, result.bitmap);
    used = needed;
  }
  // The file header's size says where the next picture of a stream starts;
  // when it is missing or impossible, the end of the pixel data does.
  const std::size_t end = h.offBits + used;
  result.bytesUsed = (h.fileSize >= end && h.fileSize <= size) ? h.fileSize : end;
  return result;
}

std::int64_t BmpPixelCount(std::span<const std::uint8_t> bytes) {
  const std::uint8_t* p = bytes.data();
  if (bytes.size() < kFileHeaderSize + 12 || p[0] != 'B' || p[1] != 'M')
    return 0;
  const std::uint32_t infoSize = U32(p + 14);
  const std::uint8_t* info = p + kFileHeaderSize;
  if (infoSize == 12)
    return std::int64_t{U16(info + 4)} * U16(info + 6);
  if (infoSize < 40 || bytes.size() < kFileHeaderSize + 40)
    return 0;
  const std::int64_t width = static_cast<std::int32_t>(U32(info + 4));
  const std::int64_t height = static_cast<std::int32_t>(U32(info + 8));
  return width > 0 ? width * (height < 0 ? -height : height) : 0;
}

std::vector<std::uint8_t> WriteBmp(const Bitmap& bitmap, int bitsPerPixel) {
  const int bpp = bitsPerPixel == 32 ? 32 : 24;
  const std::uint32_t width = static_cast<std::uint32_t>(std::max(0, bitmap.Width()));
  const std::uint32_t height = static_cast<std::uint32_t>(std::max(0, bitmap.Height()));
  const std::uint32_t stride = ((width * static_cast<std::uint32_t>(bpp) + 31) / 32) * 4;
  const std::uint32_t imageSize = stride * height;
  const std::uint32_t offBits = kFileHeaderSize + 40;
  const std::uint32_t fileSize = offBits + imageSize;

  std::vector<std::uint8_t> out(fileSize, 0);
  auto put16 = [&](std::size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  auto put32 = [&](std::size_t at, std::uint32_t v) {
    put16(at, v & 0xFFFF);
    put16(at + 2, v >> 16);
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, fileSize);
  put32(10, offBits);
  put32(14, 40);
  put32(18, width);
  put32(22, height);
  put16(26, 1);
  put16(28, static_cast<std::uint32_t>(bpp));
  put32(30, BI_RGB);
  put32(34, imageSize);
  put32(38, 2835);  // 72 dots per inch
  put32(42, 2835);

  for (std::uint32_t row = 0; row < height; ++row) {
    const Pixel* src = bitmap.Row(static_cast<int>(height - 1 - row));
    std::uint8_t* dst = out.data() + offBits + static_cast<std::size_t>(row) * stride;
    for (std::uint32_t x = 0; x < width; ++x) {
      const Pixel px = src[x];
      if (bpp == 32) {
        put32(static_cast<std::size_t>(dst - out.data()) + 4 * x, px & 0x00FFFFFF);
      } else {
        dst[3 * x] = static_cast<std::uint8_t>(px);
        dst[3 * x + 1] = static_cast<std::uint8_t>(px >> 8);
        dst[3 * x + 2] = static_cast<std::uint8_t>(px >> 16);
      }
    }
  }
  return out;
}

}  // namespace gfx
