// Builds a program directory of puzzle packages from arbitrary bytes in a
// private temporary directory, runs the real package discovery over it,
// reads every detail file of the packages found, lets the player's section
// be written back, and removes the directory again.
//
// The input holds up to four packages separated by the byte 0x1D. Each
// starts with one byte of flags:
//   bits 0-2  how many previews exist (base-1.jpg and on)
//   bit 3     every preview has an author marker
//   bit 4     the definition is a directory instead of a file
//   bit 5     the player's selection is written back
//   bit 6     the player's severities are written back
//   bit 7     there is no definition at all
// followed by the definition text and then the detail files of puzzles 1,
// 2, 3 ..., separated by the byte 0x1E. Previews, markers and detail files
// take the base names the definition gives, when those are plain names.
//
// What must hold: the list holds exactly the complete packages, sorted by
// name, each bad candidate reported once; every value read is valid UTF-8
// within the length limit; writing the player's section changes none of the
// author's values and reads back as written; a package that changed nothing
// leaves its definition byte for byte.

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/Notices.h"
#include "catalogue/Package.h"
#include "catalogue/PackageList.h"
#include "catalogue/PuzzleDetails.h"
#include "platform/sys/Collation.h"
#include "platform/sys/Encoding.h"
#include "platform/sys/FileSystem.h"
#include "platform/sys/ProfileFile.h"

namespace fs = std::filesystem;

namespace {

constexpr char kPackageSeparator = '\x1d';
constexpr char kFileSeparator = '\x1e';
constexpr std::size_t kMostPackages = 4;
constexpr int kMostDetailFiles = 8;

enum Flags : std::uint8_t {
  kPreviewCount = 0x07,
  kAuthorMarkers = 0x08,
  kDefinitionIsDirectory = 0x10,
  kSelectionChanged = 0x20,
  kSeveritiesChanged = 0x40,
  kNoDefinition = 0x80,
};

void Check(bool condition) {
  if (!condition)
    std::abort();
}

std::vector<std::string_view> Split(std::string_view text, char separator, std::size_t most) {
  std::vector<std::string_view> parts;
  while (parts.size() + 1 < most) {
    const std::size_t at = text.find(separator);
    if (at == std::string_view::npos)
      break;
    parts.push_back(text.substr(0, at));
    text.remove_prefix(at + 1);
  }
  parts.push_back(text);
  return parts;
}

// A scratch directory of its own, on a memory file system where there is
// one (writes sync their files), removed with everything in it.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string pattern = (base / "tilebrook-fuzz-package-XXXXXX").string();
    Check(::mkdtemp(pattern.data()) != nullptr);
    path_ = pattern;
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

void WriteFile(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::optional<std::string> FileBytes(const fs::path& path) {
  return sys::ReadFileBytes(path.string());
}

// A base name the generator may create files under: no separator, no byte
// the file system refuses, and short enough for the longest ending.
bool IsPlainBase(std::string_view base) {
  return base.find('/') == std::string_view::npos && base.find('\0') == std::string_view::npos &&
         base.size() < 200;
}

bool IsGoodValue(std::string_view value) {
  if (!sys::IsValidUtf8(value))
    return false;
  std::size_t characters = 0;
  for (char c : value)
    characters += (static_cast<unsigned char>(c) & 0xc0) != 0x80;
  return characters <= sys::kProfileStringMax;
}

struct Candidate {
  std::string directory;
  std::uint8_t flags = 0;
  std::optional<std::string> definitionBefore;
};

// Writes one package directory; the definition's names are read first the
// way the package reads them, so that the per-puzzle files get the names it
// will look for.
Candidate MakeCandidate(const fs::path& programDirectory, std::size_t number,
                        std::string_view description) {
  Candidate candidate;
  candidate.directory = (programDirectory / ("package" + std::to_string(number))).string();
  fs::create_directory(candidate.directory);
  if (description.empty())
    return candidate;
  candidate.flags = static_cast<std::uint8_t>(description[0]);
  const std::vector<std::string_view> files =
      Split(description.substr(1), kFileSeparator, kMostDetailFiles + 1);
  const fs::path definition = fs::path(candidate.directory) / PackageDefinitionName;
  if (candidate.flags & kNoDefinition)
    return candidate;
  if (candidate.flags & kDefinitionIsDirectory) {
    fs::create_directory(definition);
    return candidate;
  }
  WriteFile(definition, files[0]);
  candidate.definitionBefore = FileBytes(definition);

  const std::string definitionPath = definition.string();
  const std::string previewBase =
      sys::GetPrivateProfileString("Package", "preview", "nopreview", definitionPath);
  const std::string fileBase =
      sys::GetPrivateProfileString("Package", "file", "nofile", definitionPath);
  if (IsPlainBase(previewBase)) {
    for (int n = 1; n <= (candidate.flags & kPreviewCount); ++n) {
      const std::string stem = previewBase + "-" + std::to_string(n);
      WriteFile(fs::path(candidate.directory) / (stem + ".jpg"), "");
      if (candidate.flags & kAuthorMarkers)
        WriteFile(fs::path(candidate.directory) / (stem + ".ini"), "");
    }
  }
  if (IsPlainBase(fileBase))
    for (std::size_t n = 1; n < files.size(); ++n)
      WriteFile(fs::path(candidate.directory) / (fileBase + "-" + std::to_string(n) + ".ini"),
                files[n]);
  return candidate;
}

class NoticeCounter : public TNoticeTarget {
 public:
  void ShowNotice(const std::string& Text) override { notices.push_back(Text); }
  std::vector<std::string> notices;
};

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

void CheckList(const TPackageList& list, const std::vector<Candidate>& candidates,
               const std::vector<std::string>& notices) {
  Check(static_cast<std::size_t>(list.Count()) + notices.size() == candidates.size());
  for (const std::string& notice : notices)
    Check(StartsWith(notice, PackageConfigurationMissingText) ||
          StartsWith(notice, PackageIncompleteText));
  for (int i = 0; i < list.Count(); ++i) {
    const TPackage& package = list[i];
    Check(package.PuzzleCount > 0);
    Check(package.Puzzles.size() == static_cast<std::size_t>(package.PuzzleCount));
    Check(IsGoodValue(package.PackageName) && IsGoodValue(package.FileBase) &&
          IsGoodValue(package.PreviewBase));
    for (int n = 0; n < package.PuzzleCount; ++n)
      Check(sys::FileExists(package.PreviewFileName(n)));
    if (i > 0)
      Check(sys::CompareTextIgnoreCase(list[i - 1].PackageName, package.PackageName) <= 0);
  }
}

// What the browser does with a package it shows: the author buttons, the
// detail files and the executables' names.
void ReadPuzzleFiles(const TPackage& package) {
  for (int n = 0; n < package.PuzzleCount && n < kMostDetailFiles; ++n) {
    (void)sys::FileExists(package.AuthorMarkerFileName(n));
    const std::string detail = package.DetailFileName(n);
    if (sys::FileExists(detail)) {
      const TPuzzleDetails details = ReadPuzzleDetails(detail);
      for (const std::string* value : {&details.Title, &details.Author, &details.AuthorUrl,
                                       &details.Contact, &details.Publisher, &details.PublisherUrl})
        Check(IsGoodValue(*value));
    }
    for (int severity = MinSeverity - 1; severity <= MaxSeverity + 1; ++severity) {
      const std::string executable = package.ExecutableFileName(n, severity);
      Check(executable.empty() == SeverityName(severity).empty());
      Check(executable.empty() || StartsWith(executable, package.Directory + "/"));
    }
  }
}

// What the player changed in one package, to be found in its file later.
struct PlayerData {
  std::string directory;
  std::string name, file, preview;
  int puzzleCount = 0;
  int lastPuzzle = 0;
  std::vector<int> severities;
  bool changed = false;
};

PlayerData Play(TPackage& package, std::uint8_t flags) {
  if (flags & kSelectionChanged) {
    package.SelectionChanged = true;
    package.LastPuzzle = package.LastPuzzle % package.PuzzleCount;
  }
  if (flags & kSeveritiesChanged) {
    package.SeveritiesChanged = true;
    for (std::size_t n = 0; n < package.Puzzles.size(); ++n)
      package.Puzzles[n].Severity = static_cast<int>((n * 3 + flags) % 5) + 1;
  }
  PlayerData data{package.Directory,
                  package.PackageName,
                  package.FileBase,
                  package.PreviewBase,
                  package.PuzzleCount,
                  package.LastPuzzle,
                  {},
                  package.SelectionChanged || package.SeveritiesChanged};
  for (const TPuzzle& puzzle : package.Puzzles)
    data.severities.push_back(puzzle.Severity);
  return data;
}

void CheckWrittenBack(const PlayerData& data) {
  const TPackage again(data.directory);
  Check(again.PackageName == data.name && again.FileBase == data.file &&
        again.PreviewBase == data.preview && again.PuzzleCount == data.puzzleCount);
  Check(again.LastPuzzle == data.lastPuzzle);
  Check(again.Puzzles.size() == data.severities.size());
  for (std::size_t n = 0; n < data.severities.size(); ++n)
    Check(again.Puzzles[n].Severity == data.severities[n]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  ScratchDirectory scratch;
  std::vector<Candidate> candidates;
  for (std::string_view description : Split(input, kPackageSeparator, kMostPackages))
    candidates.push_back(MakeCandidate(scratch.Path(), candidates.size(), description));

  NoticeCounter counter;
  Browser = &counter;
  sys::SetProgramDirectory(scratch.Path().string());
  std::vector<PlayerData> played;
  {
    TPackageList list;
    CheckList(list, candidates, counter.notices);
    counter.notices.clear();
    for (int i = 0; i < list.Count(); ++i) {
      ReadPuzzleFiles(list[i]);
      for (const Candidate& candidate : candidates)
        if (candidate.directory == list[i].Directory)
          played.push_back(Play(list[i], candidate.flags));
    }
  }
  // Every write goes to a writable file of a directory of its own.
  Check(counter.notices.empty());
  for (const PlayerData& data : played)
    CheckWrittenBack(data);
  for (const Candidate& candidate : candidates) {
    bool changed = false;
    for (const PlayerData& data : played)
      changed = changed || (data.directory == candidate.directory && data.changed);
    if (!changed && candidate.definitionBefore)
      Check(FileBytes(fs::path(candidate.directory) / PackageDefinitionName) ==
            candidate.definitionBefore);
  }
  sys::SetProgramDirectory("");
  Browser = nullptr;
  return 0;
}
