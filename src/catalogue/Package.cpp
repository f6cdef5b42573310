#include "catalogue/Package.h"

#include <algorithm>
#include <cstdint>

#include "catalogue/Notices.h"
#include "platform/sys/FileSystem.h"

const char* const PackageSaveFailedText =
    "Current selection could not be saved for next session.\r"
    "The package is maybe corrupt or you have uninstalled it.\r\r"
    "Die aktuelle Einstellung konnte nicht gespeichert werden.\r"
    "Das Paket ist entweder beschädigt oder Sie haben es deinstalliert.";

namespace {

std::string SeverityKey(int Number) {
  return "puzzle_" + std::to_string(Number);
}

// last_puzzle and LastPuzzle differ by one; the stored value can be any
// 32-bit number, so the step wraps instead of overflowing.
int Shifted(int Value, int Step) {
  return static_cast<int>(static_cast<uint32_t>(Value) + static_cast<uint32_t>(Step));
}

}  // namespace

std::string ReadPreviewBase(const TIniFile& Definition) {
  return Definition.ReadString("Package", "preview", "nopreview");
}

TPackage::TPackage(const std::string& Directory)
    : TIniFile(Directory + sys::PathSeparator + PackageDefinitionName), Directory(Directory) {
  ReadDefinition();
}

TPackage::~TPackage() {
  // The player's data reaches the file in one replacement, so that a
  // failure leaves the whole old file rather than a part of the new data.
  try {
    BeginUpdate();
    if (SelectionChanged)
      WriteInteger("User", "last_puzzle", Shifted(LastPuzzle, 1));
    if (SeveritiesChanged)
      for (std::size_t n = 1; n <= Puzzles.size(); ++n)
        WriteInteger("Severity", SeverityKey(static_cast<int>(n)), Puzzles[n - 1].Severity);
    UpdateFile();
  } catch (const std::exception&) {
    ShowNoticeThroughBrowser(PackageSaveFailedText);
  }
}

void TPackage::ReadDefinition() {
  PackageName = ReadString("Package", "name", "nopackage");
  FileBase = ReadString("Package", "file", "nofile");
  PreviewBase = ReadPreviewBase(*this);
  int previews = CountPreviews();
  PuzzleCount = ReadInteger("Package", "puzzles", previews);
  LastPuzzle = Shifted(ReadInteger("User", "last_puzzle", 1), -1);
  Puzzles.clear();
  int records = std::min(PuzzleCount, MaxPuzzleRecords);
  for (int n = 1; n <= records; ++n)
    Puzzles.push_back(TPuzzle{ReadInteger("Severity", SeverityKey(n), 1)});
  // A package lives as long as the window and keeps what it read, not the
  // file's text: an installation of thousands of packages stays small.
  DropParsedView();
}

int TPackage::CountPreviews() const {
  int count = 0;
  while (count < INT32_MAX && sys::FileExists(PreviewFileName(count)))
    ++count;
  return count;
}

std::string TPackage::PuzzleFileName(const std::string& Base, int Index,
                                     std::string_view Ending) const {
  std::string name = Directory;
  name += sys::PathSeparator;
  name += Base;
  name += '-';
  name += std::to_string(static_cast<int64_t>(Index) + 1);
  name += Ending;
  return name;
}

std::string TPackage::PreviewFileName(int Index) const {
  return PuzzleFileName(PreviewBase, Index, ".jpg");
}

std::string TPackage::AuthorMarkerFileName(int Index) const {
  return PuzzleFileName(PreviewBase, Index, ".ini");
}

std::string TPackage::DetailFileName(int Index) const {
  return PuzzleFileName(FileBase, Index, ".ini");
}

std::string TPackage::ExecutableFileName(int Index, int Severity) const {
  std::string_view name = SeverityName(Severity);
  if (name.empty())
    return {};
  return PuzzleFileName(FileBase, Index, "-" + std::string(name) + ".exe");
}
