#include "skin/data/StoredSkin.h"

#include "skin/data/SkinIni.h"
#include "skin/data/SkinStreams.h"
#include "skin/data/SkinValues.h"

namespace {

bool IsDesignTimeImport(const TComponent& c) {
  TComponentState state = c.ComponentState();
  return state.Contains(csDesigning) && !state.Contains(csReading) && !state.Contains(csLoading);
}

std::string NamePartOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Loads the picture named by key of PICTURES from dir, or empties it.
void LoadNamedPicture(const TbsSkinIni& ini, const char* key, const std::string& dir,
                      gfx::Bitmap& picture, TbsPixelBudget& budget) {
  std::string name = ini.ReadString("PICTURES", key, "");
  picture = name.empty() ? gfx::Bitmap() : LoadBitmapFile(dir + name, budget);
}

}  // namespace

std::string SkinDirectoryOf(const std::string& path) {
  size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool HasRequiredSkinSections(const TbsSkinIni& ini) {
  for (const char* section : {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS", "SKINCONTROLS"})
    if (!ini.SectionExists(section))
      return false;
  return true;
}

void TbsStoredSkin::SetFileName(const std::string& path) {
  if (IsDesignTimeImport(*this)) {
    FFileName = NamePartOf(path);
    LoadFromSkinFile(path);
  } else {
    FFileName = path;
  }
}

void TbsStoredSkin::LoadFromSkinFile(const std::string& path) {
  FIniStrings = SplitLines(ReadWholeFile(path));
  TbsSkinIni ini;
  ini.SetStrings(FIniStrings);
  const std::string dir = SkinDirectoryOf(path);
  TbsPixelBudget budget;
  LoadNamedPicture(ini, "picture", dir, Picture, budget);
  LoadNamedPicture(ini, "inactivepicture", dir, InactivePicture, budget);
  LoadNamedPicture(ini, "mask", dir, MaskPicture, budget);
  std::vector<std::string> names;
  ReadNameList(ini, "PICTURES", "activepictures", names);
  ActivePictures.clear();
  for (const std::string& name : names)
    ActivePictures.push_back(LoadBitmapFile(dir + name, budget));
}

void TbsStoredSkin::ReadPictures(std::span<const uint8_t> bytes) {
  TbsByteReader in(bytes);
  TbsPixelBudget budget;
  ReadFlaggedPicture(in, Picture, budget, "main picture");
  ReadFlaggedPicture(in, InactivePicture, budget, "inactive picture");
  ReadFlaggedPicture(in, MaskPicture, budget, "mask picture");
  ActivePictures.clear();
  const int32_t count = in.ReadInt32();
  // Each bitmap is read before the next is made, so a damaged count runs
  // into the end of the bytes (or the pixel budget) instead of into memory.
  for (int32_t i = 0; i < count; ++i)
    ReadBitmap(in, ActivePictures.emplace_back(), budget,
               ActivePictureName(static_cast<size_t>(i)));
}

void TbsStoredSkin::WritePictures(std::vector<uint8_t>& out) const {
  WriteFlaggedPicture(out, Picture);
  WriteFlaggedPicture(out, InactivePicture);
  WriteFlaggedPicture(out, MaskPicture);
  WriteInt32(out, static_cast<int32_t>(ActivePictures.size()));
  for (const gfx::Bitmap& bitmap : ActivePictures)
    WriteBitmap(out, bitmap);
}

void TbsCompressedStoredSkin::SetFileName(const std::string& path) {
  if (IsDesignTimeImport(*this)) {
    FFileName = NamePartOf(path);
    CompressSkinFile(path);
  } else {
    FFileName = path;
  }
}

void TbsCompressedStoredSkin::SetCompressedFileName(const std::string& path) {
  if (IsDesignTimeImport(*this)) {
    FCompressedFileName = NamePartOf(path);
    LoadCompressedFile(path);
  } else {
    FCompressedFileName = path;
  }
}

void TbsCompressedStoredSkin::SetCompressedData(std::span<const uint8_t> bytes) {
  FCompressedData.assign(bytes.begin(), bytes.end());
}

void TbsCompressedStoredSkin::DecompressTo(std::vector<uint8_t>& dest) const {
  DecompressBytes(FCompressedData, dest);
}

void TbsCompressedStoredSkin::CompressSkinFile(const std::string& path) {
  const std::vector<std::string> lines = SplitLines(ReadWholeFile(path));
  TbsSkinIni ini;
  ini.SetStrings(lines);
  if (!HasRequiredSkinSections(ini))
    return;
  const std::string dir = SkinDirectoryOf(path);
  FCompressedData.clear();

  std::vector<uint8_t> plain;
  WriteInt32(plain, 1);
  TbsPixelBudget budget;
  for (const char* key : {"picture", "inactivepicture", "mask"}) {
    gfx::Bitmap picture;
    LoadNamedPicture(ini, key, dir, picture, budget);
    WriteFlaggedPicture(plain, picture);
  }
  std::vector<std::string> names;
  ReadNameList(ini, "PICTURES", "activepictures", names);
  WriteInt32(plain, static_cast<int32_t>(names.size()));
  for (const std::string& name : names)
    WriteBitmap(plain, LoadBitmapFile(dir + name, budget));
  for (const std::string& line : lines) {
    plain.insert(plain.end(), line.begin(), line.end());
    plain.push_back('\r');
    plain.push_back('\n');
  }
  FCompressedData = CompressBytes(plain);
}

void TbsCompressedStoredSkin::LoadCompressedFile(const std::string& path) {
  FCompressedData.clear();
  const std::vector<uint8_t> file = ReadWholeFile(path);
  TbsByteReader in(file);
  if (in.ReadInt32() != 1)
    return;
  const int32_t length = in.ReadInt32();
  if (length < 0)
    throw TbsStreamError("Stream read error");
  auto data = in.ReadBytes(static_cast<size_t>(length));
  FCompressedData.assign(data.begin(), data.end());
}
