#include "GeneratorMain.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "ContactSheet.h"
#include "platform/gfx/ImageCodecs.h"

namespace art {

int RunGenerator(int argc, char** argv, const char* program,
                 const std::function<std::vector<AssetFile>()>& generate) {
  std::string directory, sheet, only;
  int scale = 3;
  bool usage = false;
  for (int i = 1; i < argc && !usage; ++i) {
    const std::string arg = argv[i];
    if (arg == "--sheet" && i + 1 < argc)
      sheet = argv[++i];
    else if (arg == "--scale" && i + 1 < argc)
      scale = std::clamp(std::atoi(argv[++i]), 1, 8);
    else if (arg == "--only" && i + 1 < argc)
      only = argv[++i];
    else if (directory.empty() && !arg.starts_with("-"))
      directory = arg;
    else
      usage = true;
  }
  if (usage || directory.empty()) {
    std::fprintf(stderr, "usage: %s DIR [--sheet FILE.png [--scale N] [--only NAME]]\n", program);
    return 2;
  }
  std::vector<AssetFile> files = generate();
  if (const std::string error = WriteAssets(files, directory); !error.empty()) {
    std::fprintf(stderr, "%s: %s\n", program, error.c_str());
    return 1;
  }
  if (sheet.empty())
    return 0;
  if (!only.empty())
    std::erase_if(files, [&](const AssetFile& f) { return f.name != only; });
  if (!gfx::SaveImageFile(MakeContactSheet(files, scale), sheet)) {
    std::fprintf(stderr, "%s: cannot write %s\n", program, sheet.c_str());
    return 1;
  }
  return 0;
}

}  // namespace art
