// tilebrook-skingen: draws the product skin and writes it to a directory.
//
//   tilebrook-skingen DIR [--sheet FILE.png [--scale N] [--only NAME]]
//
// DIR receives skin.ini and its pictures (the repository keeps them in
// assets/skin); --sheet also writes a contact sheet of the pictures (every
// one, or only NAME) at N times their size (3 by default) with the skin's
// rectangles outlined.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ContactSheet.h"
#include "SkinGen.h"
#include "platform/gfx/ImageCodecs.h"

int main(int argc, char** argv) {
  std::string directory, sheet, only;
  int scale = 3;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--sheet" && i + 1 < argc)
      sheet = argv[++i];
    else if (arg == "--scale" && i + 1 < argc)
      scale = std::max(1, std::min(8, std::atoi(argv[++i])));
    else if (arg == "--only" && i + 1 < argc)
      only = argv[++i];
    else if (directory.empty() && !arg.starts_with("-"))
      directory = arg;
    else
      directory.clear(), i = argc;
  }
  if (directory.empty()) {
    std::fprintf(stderr, "usage: tilebrook-skingen DIR [--sheet FILE.png]\n");
    return 2;
  }
  auto files = skingen::GenerateSkin();
  if (const std::string error = art::WriteAssets(files, directory); !error.empty()) {
    std::fprintf(stderr, "tilebrook-skingen: %s\n", error.c_str());
    return 1;
  }
  if (!only.empty())
    std::erase_if(files, [&](const art::AssetFile& f) { return f.name != only; });
  if (!sheet.empty() && !gfx::SaveImageFile(art::MakeContactSheet(files, scale), sheet)) {
    std::fprintf(stderr, "tilebrook-skingen: cannot write %s\n", sheet.c_str());
    return 1;
  }
  return 0;
}
