#pragma once

// The player's best results, per puzzle and severity, in one ini file
// under the user's state directory. The best result is the shortest time,
// and for equal times the fewer moves. Saving goes through the profile
// functions, which replace the file atomically: a failed write keeps the
// old file, and a lost record never stops the game. Games that finish at
// the same moment take turns with the file, so none loses another's record.

#include <optional>
#include <string>

struct TScore {
  int Seconds = 0;
  int Moves = 0;

  bool BetterThan(const TScore& Other) const;
};

// $XDG_STATE_HOME/tilebrook/scores.ini, with ~/.local/state when the
// variable is unset, empty or not an absolute path. Empty when no home
// directory is known either. The arguments are the variables' values
// (null when unset).
std::string ScoresFilePath(const char* XdgStateHome, const char* Home);
// The same from the process environment.
std::string ScoresFilePath();

// The section of a puzzle in the scores file: the package directory's own
// name and the puzzle's stem, e.g. "brookside/landscape-3". Characters that
// cannot stand in a section name are replaced.
std::string ScoreSection(const std::string& PackageDirectory, const std::string& FileBase,
                         int Number);

struct TRecordOutcome {
  std::optional<TScore> Previous;  // the best before this result
  bool NewBest = false;            // this result is the best now
  bool Saved = true;               // false when a new best could not be written
};

class TScoreBook {
 public:
  // An empty path keeps no records: every result is new and none is saved.
  explicit TScoreBook(std::string Path) : FPath(std::move(Path)) {}
  const std::string& Path() const { return FPath; }

  // Nothing for no record or a damaged one.
  std::optional<TScore> Best(const std::string& Section, const std::string& Severity) const;
  // Compares the result with the best so far and writes it when it is
  // better, creating the state directory when needed.
  TRecordOutcome Record(const std::string& Section, const std::string& Severity,
                        const TScore& Result);

 private:
  std::string FPath;
};
