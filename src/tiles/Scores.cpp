#include "tiles/Scores.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/sys/ProfileFile.h"

namespace {

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
  outcome.Previous = Best(Section, Severity);
  outcome.NewBest = !outcome.Previous || Result.BetterThan(*outcome.Previous);
  if (!outcome.NewBest)
    return outcome;
  if (FPath.empty()) {
    outcome.Saved = false;
    return outcome;
  }
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(FPath).parent_path(), error);
  const std::string value = std::to_string(Result.Seconds) + "," + std::to_string(Result.Moves);
  outcome.Saved = sys::WritePrivateProfileString(Section, Severity, value, FPath);
  return outcome;
}
