#pragma once

// Helpers for the skin data tests: a small stand-in picture codec, a
// temporary skin directory, and a minimal valid skin text.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/data/SkinStreams.h"

namespace skintest {

// A picture codec with the shape of a BMP file where it matters to the
// streams: "BM", the total file length, then width, height and the pixels.
// Installed for the lifetime of the object.
class FakeCodec {
 public:
  FakeCodec() : saved_(SkinBitmapCodec()) {
    SkinBitmapCodec().Read = [](std::span<const uint8_t> bytes, gfx::Bitmap& bitmap) {
      TbsByteReader in(bytes);
      if (in.ReadByte() != 'B' || in.ReadByte() != 'M')
        throw TbsStreamError("not a bitmap");
      const int32_t size = in.ReadInt32();
      const int32_t w = in.ReadInt32();
      const int32_t h = in.ReadInt32();
      if (w < 0 || h < 0 || w > 256 || h > 256 || size != 14 + 4 * w * h)
        throw TbsStreamError("bad bitmap header");
      auto pixels = in.ReadBytes(4 * static_cast<size_t>(w) * h);
      bitmap = gfx::Bitmap(w, h);
      for (int i = 0; i < w * h; ++i)
        bitmap.Bits()[i] = static_cast<gfx::Pixel>(pixels[4 * i]) |
                           static_cast<gfx::Pixel>(pixels[4 * i + 1]) << 8 |
                           static_cast<gfx::Pixel>(pixels[4 * i + 2]) << 16;
      return static_cast<size_t>(size);
    };
    SkinBitmapCodec().Write = [](const gfx::Bitmap& bitmap, std::vector<uint8_t>& out) {
      out.push_back('B');
      out.push_back('M');
      WriteInt32(out, 14 + 4 * bitmap.Width() * bitmap.Height());
      WriteInt32(out, bitmap.Width());
      WriteInt32(out, bitmap.Height());
      for (int i = 0; i < bitmap.Width() * bitmap.Height(); ++i)
        WriteInt32(out, static_cast<int32_t>(bitmap.Bits()[i]));
    };
  }
  ~FakeCodec() { SkinBitmapCodec() = saved_; }

 private:
  TbsBitmapCodec saved_;
};

inline std::vector<uint8_t> Encode(const gfx::Bitmap& bitmap) {
  std::vector<uint8_t> out;
  WriteBitmap(out, bitmap);
  return out;
}

// A fresh directory under the system's temporary directory, removed again.
class TempDir {
 public:
  explicit TempDir(const std::string& name)
      : path_(std::filesystem::temp_directory_path() / ("tilebrook-" + name)) {
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempDir() { std::filesystem::remove_all(path_); }

  std::string Path(const std::string& file) const { return (path_ / file).string(); }
  void Write(const std::string& file, const std::string& text) const {
    std::ofstream(Path(file), std::ios::binary) << text;
  }
  void Write(const std::string& file, const std::vector<uint8_t>& bytes) const {
    std::ofstream out(Path(file), std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
  }

 private:
  std::filesystem::path path_;
};

// A small complete skin text: a main picture, a mask, two active pictures,
// two objects and three controls.
inline const char* kSmallSkin =
    "[VERSION]\r\nskinname=Small\r\nskinauthor=Tests\r\nver=1\r\n"
    "[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\nmask=mask.bmp\r\n"
    "activepicturescount=2\r\n0=a0.bmp\r\n1=a1.bmp\r\n"
    "[FORMINFO]\r\nlefttoppoint=4,4\r\nrighttoppoint=12,4\r\nleftbottompoint=4,12\r\n"
    "rightbottompoint=12,12\r\nclientrect=2,6,14,14\r\nbuttonsrect=1,1,5,5\r\n"
    "inactiveeffect=ieinvert\r\n"
    "[HINTWINDOW]\r\nwindowpictureindex=1\r\n"
    "[SKINOBJECTS]\r\ncount=2\r\n0=caption1:caption\r\n1=closebutton:stdbutton\r\n"
    "[SKINCONTROLS]\r\ncount=3\r\n0=button:button\r\n1=odd:nosuchtype\r\n2=bevel:bevel\r\n"
    "[caption1]\r\nskinrect=0,0,8,8\r\nmorphing=1\r\n"
    "[closebutton]\r\ncommand=cmclose\r\n"
    "[button]\r\npictureindex=0\r\nskinrect=0,0,4,4\r\n"
    "[bevel]\r\ndarkcolor=12632256\r\n";

}  // namespace skintest
