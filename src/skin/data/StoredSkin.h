#pragma once

// The two components that carry a whole skin inside a form's stored design:
// TbsStoredSkin keeps the skin text as lines and the pictures as bitmaps;
// TbsCompressedStoredSkin keeps text and pictures as one zlib-compressed
// block. Skins are authored as a skin text plus BMP files in one directory
// and imported into these components; at run time the skin data container
// takes text and pictures from them.

#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinIni.h"
#include "ui/Component.h"

class TbsStoredSkin : public TComponent {
 public:
  explicit TbsStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

  const std::string& FileName() const { return FFileName; }
  // While the component is designed (and its form is not being read) this
  // imports the skin at path and keeps only the name part; otherwise the
  // text is stored as given.
  void SetFileName(const std::string& path);

  const std::vector<std::string>& IniStrings() const { return FIniStrings; }
  void SetIniStrings(const std::vector<std::string>& lines) { FIniStrings = lines; }
  void SetIniStrings(std::vector<std::string>&& lines) { FIniStrings = std::move(lines); }

  // Imports the skin text at path and the pictures its PICTURES section
  // names, from the text's directory. A picture that cannot be read throws
  // TbsSkinFileError; what was loaded before it stays.
  void LoadFromSkinFile(const std::string& path);

  // The Pictures property: three flagged pictures (main, inactive, mask),
  // the number n of active pictures as a 32-bit little-endian integer, then
  // n bitmaps. Reading throws TbsStreamError when the bytes end early.
  void ReadPictures(std::span<const uint8_t> bytes);
  void WritePictures(std::vector<uint8_t>& out) const;

  gfx::Bitmap Picture;
  gfx::Bitmap InactivePicture;
  gfx::Bitmap MaskPicture;
  std::vector<gfx::Bitmap> ActivePictures;

 private:
  std::string FFileName;
  std::vector<std::string> FIniStrings;
};

class TbsCompressedStoredSkin : public TComponent {
 public:
  explicit TbsCompressedStoredSkin(TComponent* AOwner) : TComponent(AOwner) {}

  const std::string& FileName() const { return FFileName; }
  // While designed: compresses the skin at path (CompressSkinFile) and keeps
  // the name part; otherwise stores the text.
  void SetFileName(const std::string& path);
  const std::string& CompressedFileName() const { return FCompressedFileName; }
  // While designed: loads the compressed skin file at path
  // (LoadCompressedFile) and keeps the name part; otherwise stores the text.
  void SetCompressedFileName(const std::string& path);

  std::string Description;

  // One zlib stream of the plain skin stream: version 1, the three flagged
  // pictures, the counted active pictures, then every line of the skin text
  // followed by CR LF.
  const std::vector<uint8_t>& CompressedData() const { return FCompressedData; }
  void SetCompressedData(std::span<const uint8_t> bytes);
  bool IsEmpty() const { return FCompressedData.empty(); }

  // Inflates the compressed data and appends the plain skin stream to dest;
  // TbsDecompressionError on damaged data.
  void DecompressTo(std::vector<uint8_t>& dest) const;

  // Builds the plain skin stream from the skin text at path and its pictures
  // and compresses it. A text without the five required sections leaves the
  // compressed data as they were.
  void CompressSkinFile(const std::string& path);
  // Reads a compressed skin file: version (must be 1), length N, N bytes of
  // compressed data. Another version leaves the data empty; a file shorter
  // than N announces throws TbsStreamError and leaves them empty too.
  void LoadCompressedFile(const std::string& path);

 private:
  std::string FFileName;
  std::string FCompressedFileName;
  std::vector<uint8_t> FCompressedData;
};

// The directory part of a path including its last "/", or empty.
std::string SkinDirectoryOf(const std::string& path);
// True when the skin text has all five sections a skin needs: VERSION,
// PICTURES, FORMINFO, SKINOBJECTS and SKINCONTROLS.
bool HasRequiredSkinSections(const TbsSkinIni& ini);
