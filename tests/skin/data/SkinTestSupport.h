#pragma once

// Helpers for the skin data tests: pictures as BMP files, a temporary skin
// directory, and a minimal valid skin text.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/data/SkinStreams.h"

namespace skintest {

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
