#include "app/CommandLine.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string_view>

#include "catalogue/Notices.h"

const char* const CommandLineHelpText =
    "? | /? | -? | -help | /help | -h | /h\r"
    "    Show commandline help.\r"
    "    Kommandozeilenhilfe anzeigen.\r\r"
    "/ignore | -ignore | /i | -i\r"
    "    Ignore puzzle package directory errors.\r"
    "    Ignoriere Puzzle-Paket-Verzeichnis-Fehler.";

namespace {

std::vector<std::string>& Parameters() {
  static std::vector<std::string> params;
  return params;
}

// Every switch is plain ASCII, so upper-casing ASCII letters only compares
// them the same way in every locale (a Turkish "i" stays a switch letter).
std::string AsciiUpper(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c >= 'a' && c <= 'z')
      c = static_cast<char>(c - 32);
  return out;
}

bool IsOneOf(std::string_view text, std::initializer_list<std::string_view> choices) {
  return std::find(choices.begin(), choices.end(), text) != choices.end();
}

}  // namespace

void SetCommandLine(int argc, const char* const* argv) {
  Parameters().assign(argv + std::min(argc, 1), argv + std::max(argc, 0));
}

bool EvaluateCommandLine() {
  return EvaluateCommandLine(Parameters());
}

bool EvaluateCommandLine(const std::vector<std::string>& Params) {
  for (const std::string& param : Params) {
    std::string upper = AsciiUpper(param);
    if (IsOneOf(upper, {"?", "/?", "-?", "-HELP", "/HELP", "-H", "/H"})) {
      ShowNoticeThroughBrowser(CommandLineHelpText);
      return true;
    }
    if (IsOneOf(upper, {"/I", "-I", "/IGNORE", "-IGNORE"}))
      IgnoreErrors = true;
  }
  return false;
}
