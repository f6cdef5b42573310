#include "AssetSet.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "platform/gfx/ImageCodecs.h"

namespace art {

namespace {

bool EndsWith(const std::string& text, const std::string& ending) {
  return text.size() >= ending.size() &&
         text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

bool IsJpeg(const std::string& name) {
  return EndsWith(name, ".jpg") || EndsWith(name, ".jpeg");
}

}  // namespace

std::vector<unsigned char> EncodeAsset(const AssetFile& file) {
  if (!file.picture)
    return {file.text.begin(), file.text.end()};
  if (IsJpeg(file.name))
    return gfx::EncodeJpeg(*file.picture, kJpegQuality).bytes;
  if (EndsWith(file.name, ".png"))
    return gfx::EncodePng(*file.picture).bytes;
  return gfx::WriteBmp(*file.picture, 24);
}

std::string WriteAssets(const std::vector<AssetFile>& files, const std::string& directory) {
  namespace fs = std::filesystem;
  for (const AssetFile& file : files) {
    const fs::path path = fs::path(directory) / file.name;
    std::error_code error;
    fs::create_directories(path.parent_path(), error);
    if (error)
      return "cannot create " + path.parent_path().string() + ": " + error.message();
    const std::vector<unsigned char> bytes = EncodeAsset(file);
    if (bytes.empty() && file.picture)
      return "cannot encode " + file.name;
    // Written beside the target and renamed over it, so that an interrupted
    // run never leaves a half-written asset behind.
    const fs::path temporary = path.string() + ".tmp";
    {
      std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
      out.write(reinterpret_cast<const char*>(bytes.data()),
                static_cast<std::streamsize>(bytes.size()));
      out.close();
      if (!out) {
        fs::remove(temporary, error);
        return "cannot write " + temporary.string();
      }
    }
    fs::rename(temporary, path, error);
    if (error)
      return "cannot replace " + path.string() + ": " + error.message();
  }
  return {};
}

std::optional<std::vector<unsigned char>> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in)
    return std::nullopt;
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
  if (in.bad())
    return std::nullopt;
  return bytes;
}

std::string CompareWithCommitted(const AssetFile& file, const std::string& directory,
                                 double jpegTolerance) {
  const std::string path = directory + "/" + file.name;
  const auto committed = ReadWholeFile(path);
  if (!committed)
    return path + " is missing";
  if (!file.picture || !IsJpeg(file.name))
    return *committed == EncodeAsset(file) ? std::string() : path + " differs from the generator";
  // Identical bytes settle it; otherwise another encoder build may round a
  // little differently, so both files are decoded and compared.
  const std::vector<unsigned char> fresh = EncodeAsset(file);
  if (*committed == fresh)
    return {};
  const gfx::DecodedImage decoded = gfx::DecodeJpeg(*committed);
  if (!decoded.Ok())
    return path + ": " + decoded.error;
  const gfx::DecodedImage freshDecoded = gfx::DecodeJpeg(fresh);
  if (!freshDecoded.Ok())
    return file.name + " cannot be encoded: " + freshDecoded.error;
  const gfx::Bitmap& expected = freshDecoded.bitmap;
  if (decoded.bitmap.GetSize() != expected.GetSize())
    return path + " has another size than the generator's picture";
  double total = 0;
  for (int y = 0; y < expected.Height(); ++y)
    for (int x = 0; x < expected.Width(); ++x) {
      const gfx::ColorRef a = expected.GetPixel(x, y);
      const gfx::ColorRef b = decoded.bitmap.GetPixel(x, y);
      total += std::abs(gfx::GetRValue(a) - gfx::GetRValue(b)) +
               std::abs(gfx::GetGValue(a) - gfx::GetGValue(b)) +
               std::abs(gfx::GetBValue(a) - gfx::GetBValue(b));
    }
  const double mean = total / (3.0 * expected.Width() * expected.Height());
  if (mean > jpegTolerance)
    return path + " differs from the generator (mean channel difference " + std::to_string(mean) +
           ")";
  return {};
}

}  // namespace art
