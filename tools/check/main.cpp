// tilebrook-check [--json] [--ignore] DIR: shows what the browser would list
// when installed in DIR. Exit status 0 when at least one package is listed, 1
// when none is, 2 for a usage error.

#include <cstdio>
#include <string>

#include "Checker.h"
#include "ToolOutput.h"
#include "platform/sys/FileSystem.h"

namespace {

const char* const kUsage =
    "usage: tilebrook-check [--json] [--ignore] DIR\n"
    "Runs the browser's package discovery with DIR as the program directory and\n"
    "reports the packages it would list, the notices it would show, and what a\n"
    "package author should fix. Nothing is written into any package.\n"
    "  --json    print one JSON object instead of readable lines\n"
    "  --ignore  leave out the skip notices, like the browser's /ignore switch\n";

int UsageError(const std::string& message) {
  std::fprintf(stderr, "tilebrook-check: %s\n%s", message.c_str(), kUsage);
  return 2;
}

// Prints the output; a failed write turns any status into 1.
int Print(const std::string& out, int status) {
  std::string why;
  if (WriteStandardOutput(out, why))
    return status;
  std::fprintf(stderr, "tilebrook-check: cannot write to standard output: %s\n", why.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  bool json = false;
  bool ignore = false;
  bool optionsEnded = false;
  std::string directory;
  int directories = 0;
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (!optionsEnded && arg == "--json") {
      json = true;
    } else if (!optionsEnded && arg == "--ignore") {
      ignore = true;
    } else if (!optionsEnded && (arg == "--help" || arg == "-h")) {
      return Print(kUsage, 0);
    } else if (!optionsEnded && arg == "--") {
      optionsEnded = true;
    } else if (!optionsEnded && !arg.empty() && arg[0] == '-') {
      return UsageError("unknown option " + arg);
    } else {
      directory = arg;
      ++directories;
    }
  }
  if (directories != 1)
    return UsageError("give exactly one directory");
  if (!sys::DirectoryExists(directory))
    return UsageError(directory + " is not a directory");

  CheckReport report = CheckInstallation(directory, ignore);
  std::string out = json ? FormatJson(report) : FormatText(report);
  return Print(out, report.packages.empty() ? 1 : 0);
}
