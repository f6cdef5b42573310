#pragma once

// What to play, read from the name the program was started under. A
// package ships this one program under every name the browser starts,
// "<file>-<n>-<Severity>.exe" in the package directory, as links or copies;
// the name alone says which puzzle and which severity the player chose.

#include <optional>
#include <string>

struct TPuzzleName {
  std::string Directory;  // the package directory, as the name gives it ("." when none)
  std::string FileBase;   // may itself contain "-"
  int Number = 0;         // 1-based, as in the file names
  int Severity = 0;       // 1 to 5

  // "<Directory>/<FileBase>-<Number>" without an ending: the stem of the
  // puzzle's preview, picture and detail files.
  std::string PuzzleStem() const;
};

// Reads a start name (a path; only its last part is parsed). Nothing when
// the last part does not follow the pattern: no ".exe" ending, an empty base
// name, a number that is not a plain positive decimal, or a severity name
// other than the five.
std::optional<TPuzzleName> ParsePuzzleName(const std::string& StartName);

// The path the program was started from: StartName itself when it holds a
// "/", else (a shell found the program on its search path) the first
// directory of SearchPath ($PATH, may be null) holding an executable file of
// that name, joined to it. Unchanged when none does.
std::string ResolveStartName(const std::string& StartName, const char* SearchPath);

// The notice for a name that does not follow the pattern.
std::string WrongNameNotice(const std::string& StartName);
