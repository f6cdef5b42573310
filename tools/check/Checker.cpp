#include "Checker.h"

#include <dirent.h>

#include <cerrno>
#include <cstring>

#include <cstdint>
#include <cstdio>

#include "JsonText.h"
#include "catalogue/IniFile.h"
#include "catalogue/Notices.h"
#include "catalogue/Package.h"
#include "catalogue/PackageList.h"
#include "catalogue/Switches.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/FileSystem.h"

namespace {

class NoticeCollector : public TNoticeTarget {
 public:
  explicit NoticeCollector(std::vector<std::string>& notices)
      : notices_(notices), previous_(Browser) {
    Browser = this;
  }
  ~NoticeCollector() override { Browser = previous_; }
  NoticeCollector(const NoticeCollector&) = delete;
  NoticeCollector& operator=(const NoticeCollector&) = delete;

  void ShowNotice(const std::string& Text) override { notices_.push_back(Text); }

 private:
  std::vector<std::string>& notices_;
  TNoticeTarget* previous_;
};

std::string PuzzlePrefix(int index) {
  return "puzzle " + std::to_string(index + 1) + ": ";
}

std::vector<std::string> FindProblems(const TPackage& package) {
  std::vector<std::string> problems;
  int lastPuzzle = static_cast<int>(static_cast<int64_t>(package.LastPuzzle) + 1);
  if (lastPuzzle < 1 || lastPuzzle > package.PuzzleCount)
    problems.push_back("last_puzzle " + std::to_string(lastPuzzle) + " is outside 1 to " +
                       std::to_string(package.PuzzleCount));
  for (int index = 0; index < static_cast<int>(package.Puzzles.size()); ++index) {
    int severity = package.Puzzles[index].Severity;
    if (SeverityName(severity).empty())
      problems.push_back(PuzzlePrefix(index) + "severity " + std::to_string(severity) +
                         " is outside 1 to 5");
    for (int level = MinSeverity; level <= MaxSeverity; ++level) {
      std::string executable = package.ExecutableFileName(index, level);
      if (!sys::FileExists(executable))
        problems.push_back(PuzzlePrefix(index) + "executable missing: " + executable);
      else if (!sys::IsExecutableFile(executable))
        problems.push_back(PuzzlePrefix(index) + "executable not executable: " + executable);
    }
    // The browser shows a broken-picture sign for a preview it cannot read.
    const std::string preview = package.PreviewFileName(index);
    if (std::optional<std::string> bytes = sys::ReadFileBytes(preview)) {
      const gfx::DecodedImage image =
          gfx::DecodeJpeg({reinterpret_cast<const uint8_t*>(bytes->data()), bytes->size()});
      if (!image.Ok())
        problems.push_back(PuzzlePrefix(index) + "preview cannot be read as a JPEG picture (" +
                           image.error + "): " + preview);
    }
    std::string detail = package.DetailFileName(index);
    if (sys::FileExists(package.AuthorMarkerFileName(index)) && !sys::FileExists(detail))
      problems.push_back(PuzzlePrefix(index) + "detail file missing although " +
                         package.AuthorMarkerFileName(index) +
                         " shows the author button: " + detail);
  }
  return problems;
}

// The remarks about one package directory: a definition that exists but
// cannot be read (the browser calls that package incomplete) and a puzzle
// count that is not a whole number (the browser counts the previews).
void AddRemarks(const std::string& packageDirectory, std::vector<std::string>& remarks) {
  const std::string definition = packageDirectory + sys::PathSeparator + PackageDefinitionName;
  if (!sys::FileExists(definition))
    return;  // the notice says so
  std::string why;
  if (!sys::ReadFileBytes(definition, &why)) {
    remarks.push_back(definition + " cannot be read (" + why +
                      "); the browser reports the package as incomplete");
    return;
  }
  const TIniFile ini(definition);
  const std::string puzzles = ini.ReadString("Package", "puzzles", "");
  // A value that converts gives the same number whatever the default.
  if (!puzzles.empty() && ini.ReadInteger("Package", "puzzles", INT32_MIN) == INT32_MIN &&
      ini.ReadInteger("Package", "puzzles", INT32_MAX) == INT32_MAX)
    remarks.push_back(definition + ": puzzles=" + puzzles +
                      " is not a whole number the browser can read; it counts the previews "
                      "instead");
}

// The package list cannot tell an unreadable directory from an empty one.
bool CanListDirectory(const std::string& directory, std::string& why) {
  DIR* dir = ::opendir(directory.c_str());
  if (dir == nullptr) {
    why = std::strerror(errno);
    return false;
  }
  ::closedir(dir);
  return true;
}

// Control characters as \xHH; line breaks are the caller's.
std::string Printable(const std::string& text) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || byte == 0x7F) {
      char buffer[8];
      std::snprintf(buffer, sizeof buffer, "\\x%02x", byte);
      out += buffer;
    } else {
      out += c;
    }
  }
  return out;
}

template <typename T, typename Format>
std::string JsonArray(const std::vector<T>& items, Format format) {
  std::string out = "[";
  for (std::size_t i = 0; i < items.size(); ++i)
    out += (i ? ", " : "") + format(items[i]);
  return out + "]";
}

// Notices break lines with single carriage returns; shown indented here.
std::string Indented(const std::string& text, const std::string& indent) {
  std::string out = indent;
  std::size_t start = 0;
  for (std::size_t cr = text.find('\r'); cr != std::string::npos; cr = text.find('\r', start)) {
    out += Printable(text.substr(start, cr - start)) + "\n" + indent;
    start = cr + 1;
  }
  return out + Printable(text.substr(start)) + "\n";
}

}  // namespace

CheckReport CheckInstallation(const std::string& directory, bool ignoreErrors) {
  CheckReport report;
  std::string reason;
  NoticeCollector collector(report.notices);
  bool savedIgnore = IgnoreErrors;
  IgnoreErrors = ignoreErrors;
  sys::SetProgramDirectory(directory);
  if (!CanListDirectory(directory, reason))
    report.remarks.push_back(directory + " cannot be read (" + reason +
                             "); the browser would find no packages in it");
  for (const std::string& name : sys::ListDirectories(directory))
    AddRemarks(sys::ProgramDirectory() + name, report.remarks);
  {
    TPackageList list;
    for (int i = 0; i < list.Count(); ++i) {
      const TPackage& package = list[i];
      CheckedPackage checked{package.PackageName,
                             package.Directory,
                             package.FileBase,
                             package.PreviewBase,
                             package.PuzzleCount,
                             0,
                             {},
                             {}};
      checked.lastPuzzle = static_cast<int>(static_cast<int64_t>(package.LastPuzzle) + 1);
      for (const TPuzzle& puzzle : package.Puzzles)
        checked.severities.push_back(puzzle.Severity);
      checked.problems = FindProblems(package);
      report.packages.push_back(std::move(checked));
    }
  }
  sys::SetProgramDirectory("");
  IgnoreErrors = savedIgnore;
  return report;
}

std::string FormatJson(const CheckReport& report) {
  std::string out = "{\"notices\": " + JsonArray(report.notices, JsonString) + ", \"packages\": ";
  out += JsonArray(report.packages, [](const CheckedPackage& p) {
    return "{\"name\": " + JsonString(p.name) + ", \"directory\": " + JsonString(p.directory) +
           ", \"file\": " + JsonString(p.file) + ", \"preview\": " + JsonString(p.preview) +
           ", \"puzzles\": " + std::to_string(p.puzzles) +
           ", \"last_puzzle\": " + std::to_string(p.lastPuzzle) +
           ", \"severities\": " + JsonArray(p.severities, [](int s) { return std::to_string(s); }) +
           ", \"problems\": " + JsonArray(p.problems, JsonString) + "}";
  });
  out += ", \"remarks\": " + JsonArray(report.remarks, JsonString);
  return out + "}\n";
}

std::string FormatText(const CheckReport& report) {
  std::string out;
  for (const std::string& notice : report.notices)
    out += "notice:\n" + Indented(notice, "    ");
  for (const std::string& remark : report.remarks)
    out += "remark: " + Printable(remark) + "\n";
  for (const CheckedPackage& p : report.packages) {
    out += "package \"" + Printable(p.name) + "\" in " + Printable(p.directory) + "\n";
    out += "    file " + Printable(p.file) + ", preview " + Printable(p.preview) + ", " +
           std::to_string(p.puzzles) + " puzzles, last puzzle " + std::to_string(p.lastPuzzle) +
           "\n";
    out += "    severities";
    for (int s : p.severities)
      out += " " + std::to_string(s);
    out += "\n";
    for (const std::string& problem : p.problems)
      out += "    problem: " + Printable(problem) + "\n";
  }
  std::size_t count = report.packages.size();
  out += std::to_string(count) + (count == 1 ? " package" : " packages") + " listed\n";
  return out;
}
