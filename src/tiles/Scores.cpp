#include "tiles/Scores.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/sys/FileLock.h"
#include "platform/sys/ProfileFile.h"

namespace {

// How long a result waits for another game to finish writing its own.
constexpr std::chrono::milliseconds kLockPatience{2000};

bool IsAbsolute(const char* Path) {
  return Path && Path[0] == '/';
}

// "Seconds,Moves", both plain non-negative integers.
std::optional<TScore> ParseScore(const std::string& Text) {
  const std::size_t comma = Text.find(',');
  if (comma == std::string::npos)
    return std::nullopt;
  const auto seconds = sys::ParseProfileInteger(std::string_view(Text).substr(0, comma));
  const auto moves = sys::ParseProfileInteger(std::string_view(Text).substr(comma + 1));
  if (!seconds || !moves || *seconds < 0 || *moves < 1)
    return std::nullopt;
  return TScore{*seconds, *moves};
}

}  // namespace

bool TScore::BetterThan(const TScore& Other) const {
  return Seconds != Other.Seconds ? Seconds < Other.Seconds : Moves < Other.Moves;
}

std::string ScoresFilePath(const char* XdgStateHome, const char* Home) {
  std::string base;
  if (IsAbsolute(XdgStateHome))
    base = XdgStateHome;
  else if (IsAbsolute(Home))
    base = std::string(Home) + "/.local/state";
  else
    return {};
  while (base.size() > 1 && base.back() == '/')
    base.pop_back();
  return base + "/tilebrook/scores.ini";
}

std::string ScoresFilePath() {
  return ScoresFilePath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

std::string ScoreSection(const std::string& PackageDirectory, const std::string& FileBase,
                         int Number) {
  std::error_code error;
  std::filesystem::path directory = std::filesystem::weakly_canonical(
      std::filesystem::absolute(PackageDirectory.empty() ? "/" : PackageDirectory, error), error);
  std::string section = directory.filename().string();
  if (section.empty())
    section = directory.string();
  section += "/" + FileBase + "-" + std::to_string(Number);
  // A section name ends at "]" and the file's lines at line breaks; blanks
  // at its ends would be trimmed when reading.
  for (char& c : section)
    if (c == ']' || c == '[' || c == '\r' || c == '\n' || c == '=' || c == '\t')
      c = '_';
  if (section.front() == ' ')
    section.front() = '_';
  if (section.back() == ' ')
    section.back() = '_';
  return section;
}

std::optional<TScore> TScoreBook::Best(const std::string& Section,
                                       const std::string& Severity) const {
  if (FPath.empty())
    return std::nullopt;
  return ParseScore(sys::GetPrivateProfileString(Section, Severity, "", FPath));
}

TRecordOutcome TScoreBook::Record(const std::string& Section, const std::string& Severity,
                                  const TScore& Result) {
  TRecordOutcome outcome;
  if (FPath.empty()) {
    outcome.NewBest = true;
    outcome.Saved = false;
    return outcome;
  }
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(FPath).parent_path(), error);
  // Another game finishing at the same moment reads and writes the same
  // file: one at a time, so that each compares with, and keeps, what the
  // other wrote. A lock not had in time (its holder stopped) does not keep
  // the result from being saved.
  const sys::FileLock lock(FPath + ".lock", kLockPatience);
  outcome.Previous = Best(Section, Severity);
  outcome.NewBest = !outcome.Previous || Result.BetterThan(*outcome.Previous);
  if (!outcome.NewBest)
    return outcome;
  const std::string value = std::to_string(Result.Seconds) + "," + std::to_string(Result.Moves);
  outcome.Saved = sys::WritePrivateProfileString(Section, Severity, value, FPath);
  return outcome;
}
