#pragma once

// A puzzle package: a directory with the definition file PuzzlePackage.ini,
// one preview per puzzle, the puzzle executables and optional detail files.
// The definition is read once, when the package is created; the player's
// section (last puzzle, severities) is written back when it is destroyed, and
// only the parts whose change flag the browser has set.

#include <string>
#include <vector>

#include "catalogue/IniFile.h"
#include "catalogue/Puzzle.h"

inline constexpr char PackageDefinitionName[] = "PuzzlePackage.ini";

// The base name of a package's preview images as its definition gives it,
// with the default a package without one gets.
std::string ReadPreviewBase(const TIniFile& Definition);

class TPackage : public TIniFile {
 public:
  // Binds the package to Directory + "/PuzzlePackage.ini" and reads it; a
  // missing file gives every value its default.
  explicit TPackage(const std::string& Directory);
  // Writes the player's section when a change flag is set; a refused write is
  // reported to the player once and the rest of the writes are skipped.
  ~TPackage() override;

  // The package directory, without a trailing separator.
  std::string Directory;
  bool SeveritiesChanged = false;
  bool SelectionChanged = false;
  std::string PackageName;
  std::string FileBase;
  std::string PreviewBase;
  int PuzzleCount = 0;
  // One record per puzzle, in puzzle order (see MaxPuzzleRecords).
  std::vector<TPuzzle> Puzzles;
  // 0-based: last_puzzle as read minus 1, not range-checked.
  int LastPuzzle = 0;

  // How many previews 1, 2, 3 ... exist without a gap.
  int CountPreviews() const;

  // The per-puzzle files, Index counted from 0 as inside the program.
  std::string PreviewFileName(int Index) const;
  std::string AuthorMarkerFileName(int Index) const;
  std::string DetailFileName(int Index) const;
  // Empty for a severity without a name.
  std::string ExecutableFileName(int Index, int Severity) const;

  // A definition can declare any count; records are made for at most this
  // many puzzles, so a damaged file cannot exhaust memory. Discovery refuses
  // a package whose records do not cover its count.
  static constexpr int MaxPuzzleRecords = 100000;

 private:
  void ReadDefinition();
  std::string PuzzleFileName(const std::string& Base, int Index, std::string_view Ending) const;
};

// The notice shown when the player's section cannot be saved.
extern const char* const PackageSaveFailedText;
