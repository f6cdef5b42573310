#include "tiles/PuzzleName.h"

#include "catalogue/Puzzle.h"
#include "platform/sys/FileSystem.h"
#include "tiles/TilesTexts.h"

namespace {

constexpr std::string_view kEnding = ".exe";
// Far more puzzles than a package holds, and short of any overflow.
constexpr int kMaxNumber = 99999;

std::optional<int> PlainPositiveNumber(std::string_view Text) {
  if (Text.empty() || Text.size() > 5 || Text.front() == '0')
    return std::nullopt;
  int value = 0;
  for (char c : Text) {
    if (c < '0' || c > '9')
      return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value <= kMaxNumber ? std::optional<int>(value) : std::nullopt;
}

int SeverityByName(std::string_view Name) {
  for (int level = MinSeverity; level <= MaxSeverity; ++level)
    if (SeverityNames[level] == Name)
      return level;
  return 0;
}

}  // namespace

std::string TPuzzleName::PuzzleStem() const {
  return Directory + "/" + FileBase + "-" + std::to_string(Number);
}

std::optional<TPuzzleName> ParsePuzzleName(const std::string& StartName) {
  const std::size_t slash = StartName.rfind('/');
  std::string_view name(StartName);
  TPuzzleName result;
  if (slash == std::string::npos) {
    result.Directory = ".";
  } else {
    result.Directory = slash == 0 ? std::string() : StartName.substr(0, slash);
    name.remove_prefix(slash + 1);
  }
  if (name.size() <= kEnding.size() || !name.ends_with(kEnding))
    return std::nullopt;
  name.remove_suffix(kEnding.size());

  // Read from the right: the base name may contain "-" and digits itself.
  const std::size_t severityDash = name.rfind('-');
  if (severityDash == std::string_view::npos)
    return std::nullopt;
  result.Severity = SeverityByName(name.substr(severityDash + 1));
  name = name.substr(0, severityDash);
  const std::size_t numberDash = name.rfind('-');
  if (result.Severity == 0 || numberDash == std::string_view::npos || numberDash == 0)
    return std::nullopt;
  const std::optional<int> number = PlainPositiveNumber(name.substr(numberDash + 1));
  if (!number)
    return std::nullopt;
  result.Number = *number;
  result.FileBase = std::string(name.substr(0, numberDash));
  return result;
}

std::string ResolveStartName(const std::string& StartName, const char* SearchPath) {
  if (StartName.empty() || StartName.find('/') != std::string::npos || !SearchPath)
    return StartName;
  std::string_view rest(SearchPath);
  while (true) {
    const std::size_t colon = rest.find(':');
    std::string directory(rest.substr(0, colon));
    // An empty entry is the current directory.
    if (directory.empty())
      directory = ".";
    const std::string candidate = directory + "/" + StartName;
    if (sys::IsExecutableFile(candidate))
      return candidate;
    if (colon == std::string_view::npos)
      return StartName;
    rest.remove_prefix(colon + 1);
  }
}

std::string WrongNameNotice(const std::string& StartName) {
  const std::string shown = DoubleAmpersands(StartName);
  return "This tile puzzle must be started under a name of the form\r"
         "<file>-<n>-<Severity>.exe, for example photo-3-Maniac.exe,\r"
         "where <Severity> is Beginner, Intermediate, Expert, Guru or Maniac.\r"
         "It was started as:\r\r" +
         shown +
         "\r\r"
         "Dieses Legespiel muss unter einem Namen der Form\r"
         "<Datei>-<n>-<Stufe>.exe gestartet werden, zum Beispiel photo-3-Maniac.exe,\r"
         "wobei <Stufe> Beginner, Intermediate, Expert, Guru oder Maniac ist.\r"
         "Es wurde gestartet als:\r\r" +
         shown;
}
