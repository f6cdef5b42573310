#include "catalogue/PackageList.h"

#include <algorithm>

#include "catalogue/Notices.h"
#include "catalogue/Switches.h"
#include "platform/sys/Collation.h"
#include "platform/sys/FileSystem.h"

const char* const PackageConfigurationMissingText =
    "Configuration for puzzle package not found. Package will be skipped:\r\r"
    "Konfiguration für Puzzle-Paket nicht gefunden. Packet wird übersprungen:\r\r";

const char* const PackageIncompleteText =
    "Puzzle package is incomplete and will be skipped:\r\r"
    "Puzzle-Packet ist unvollständig und wird übersprungen:\r\r";

namespace {

bool HasEveryPreview(const TPackage& package) {
  // A package with more puzzles than records cannot be shown safely.
  if (static_cast<int>(package.Puzzles.size()) != package.PuzzleCount)
    return false;
  for (int index = 0; index < package.PuzzleCount; ++index)
    if (!sys::FileExists(package.PreviewFileName(index)))
      return false;
  return true;
}

}  // namespace

TPackageList::TPackageList() {
  FindDirectories();
  LoadPackages();
}

TPackageList::~TPackageList() {
  Directories.clear();
  for (std::unique_ptr<TPackage>& package : Packages_)
    package.reset();
  Packages_.clear();
}

void TPackageList::FindDirectories() {
  std::string programDirectory = sys::ProgramDirectory();
  for (const std::string& name : sys::ListDirectories(programDirectory))
    Directories.push_back(programDirectory + name);
}

void TPackageList::LoadPackages() {
  for (const std::string& candidate : Directories) {
    std::string definition = candidate + sys::PathSeparator + PackageDefinitionName;
    if (!sys::FileExists(definition)) {
      if (!IgnoreErrors)
        ShowNoticeThroughBrowser(PackageConfigurationMissingText + definition);
      continue;
    }
    auto package = std::make_unique<TPackage>(candidate);
    if (package->PuzzleCount > 0 && HasEveryPreview(*package)) {
      Packages_.push_back(std::move(package));
      continue;
    }
    package.reset();
    if (!IgnoreErrors)
      ShowNoticeThroughBrowser(PackageIncompleteText + candidate);
  }
  std::sort(Packages_.begin(), Packages_.end(),
            [](const std::unique_ptr<TPackage>& a, const std::unique_ptr<TPackage>& b) {
              return sys::CompareTextIgnoreCase(a->PackageName, b->PackageName) < 0;
            });
}
