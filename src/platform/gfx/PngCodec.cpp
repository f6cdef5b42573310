// PNG through libpng's simplified interface, which reports errors in the
// image record instead of jumping, and the file helpers of the codecs.

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string_view>

#include "platform/gfx/ImageCodecs.h"

namespace gfx {

DecodedImage DecodePng(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
  DecodedImage result;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    result.error = image.message[0] ? image.message : "not a PNG file";
    png_image_free(&image);
    return result;
  }
  const auto width = static_cast<std::int64_t>(image.width);
  const auto height = static_cast<std::int64_t>(image.height);
  if (width <= 0 || height <= 0 || width > limits.maxDimension || height > limits.maxDimension ||
      width * height > limits.maxPixels) {
    result.error = "PNG is too large";
    png_image_free(&image);
    return result;
  }
  image.format = PNG_FORMAT_BGRA;
  result.bitmap = Bitmap(static_cast<int>(width), static_cast<int>(height));
  if (!png_image_finish_read(&image, nullptr, result.bitmap.Bits(),
                             static_cast<png_int_32>(result.bitmap.Stride()), nullptr)) {
    result.error = image.message[0] ? image.message : "PNG data is damaged";
    result.bitmap = Bitmap();
    png_image_free(&image);
    return result;
  }
  Pixel* px = result.bitmap.Bits();
  for (std::size_t i = 0, n = static_cast<std::size_t>(width * height); i < n; ++i)
    px[i] &= 0x00FFFFFF;
  result.bytesUsed = bytes.size();
  return result;
}

EncodedImage EncodePng(const Bitmap& bitmap) {
  EncodedImage result;
  if (bitmap.IsEmpty()) {
    result.error = "nothing to encode";
    return result;
  }
  // Three bytes per pixel: the unused byte must not turn into transparency.
  std::vector<std::uint8_t> rgb(static_cast<std::size_t>(bitmap.Width()) * bitmap.Height() * 3);
  std::uint8_t* out = rgb.data();
  for (int y = 0; y < bitmap.Height(); ++y) {
    const Pixel* row = bitmap.Row(y);
    for (int x = 0; x < bitmap.Width(); ++x) {
      *out++ = static_cast<std::uint8_t>(row[x]);
      *out++ = static_cast<std::uint8_t>(row[x] >> 8);
      *out++ = static_cast<std::uint8_t>(row[x] >> 16);
    }
  }
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = static_cast<png_uint_32>(bitmap.Width());
  image.height = static_cast<png_uint_32>(bitmap.Height());
  image.format = PNG_FORMAT_BGR;
  png_alloc_size_t size = 0;
  if (!png_image_write_to_memory(&image, nullptr, &size, 0, rgb.data(), 0, nullptr)) {
    result.error = image.message[0] ? image.message : "PNG encoding failed";
    return result;
  }
  result.bytes.resize(size);
  if (!png_image_write_to_memory(&image, result.bytes.data(), &size, 0, rgb.data(), 0, nullptr)) {
    result.error = image.message[0] ? image.message : "PNG encoding failed";
    result.bytes.clear();
    return result;
  }
  result.bytes.resize(size);
  return result;
}

DecodedImage DecodeImage(std::span<const std::uint8_t> bytes, const ImageLimits& limits) {
  if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
    return ReadBmp(bytes, limits);
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8)
    return DecodeJpeg(bytes, limits);
  if (bytes.size() >= 8 && png_sig_cmp(bytes.data(), 0, 8) == 0)
    return DecodePng(bytes, limits);
  DecodedImage result;
  result.error = "unknown picture format";
  return result;
}

DecodedImage LoadImageFile(const std::string& path, const ImageLimits& limits) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    DecodedImage result;
    result.error = "cannot open " + path;
    return result;
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
  if (in.bad()) {
    DecodedImage result;
    result.error = "cannot read " + path;
    return result;
  }
  return DecodeImage(bytes, limits);
}

namespace {

bool EndsWith(std::string_view s, std::string_view end) {
  if (s.size() < end.size())
    return false;
  return std::equal(end.rbegin(), end.rend(), s.rbegin(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
  });
}

}  // namespace

bool SaveImageFile(const Bitmap& bitmap, const std::string& path) {
  std::vector<std::uint8_t> bytes;
  if (EndsWith(path, ".png")) {
    EncodedImage png = EncodePng(bitmap);
    if (!png.Ok())
      return false;
    bytes = std::move(png.bytes);
  } else if (EndsWith(path, ".jpg") || EndsWith(path, ".jpeg")) {
    EncodedImage jpeg = EncodeJpeg(bitmap, 90);
    if (!jpeg.Ok())
      return false;
    bytes = std::move(jpeg.bytes);
  } else if (EndsWith(path, ".bmp")) {
    bytes = WriteBmp(bitmap);
  } else {
    return false;
  }
  // Written beside the target and renamed over it, so that a failed write
  // never leaves a half-written picture where a good one was.
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out)
      return false;
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
      std::remove(temp.c_str());
      return false;
    }
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return false;
  }
  return true;
}

}  // namespace gfx
