#include "DemoGen.h"

namespace demogen {

const std::vector<DemoPackage>& DemoPackages() {
  static const std::vector<DemoPackage> packages = {
      {"brookside", "landscape", kLandscapes, DrawLandscape},
      {"stonework", "mosaic", kMosaics, DrawMosaic},
      {"aehrenfeld", "quilt", kQuilts, DrawQuilt},
  };
  return packages;
}

std::vector<art::AssetFile> GenerateDemoPreviews() {
  std::vector<art::AssetFile> files;
  for (const DemoPackage& package : DemoPackages())
    for (int n = 1; n <= package.count; ++n) {
      const std::string stem =
          std::string(package.directory) + "/" + package.base + "-" + std::to_string(n);
      files.push_back({.name = stem + ".jpg", .picture = package.draw(n, kPreviewSize)});
      files.push_back({.name = stem + "-picture.jpg", .picture = package.draw(n, kPictureSize)});
    }
  return files;
}

}  // namespace demogen
