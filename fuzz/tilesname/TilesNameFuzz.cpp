// Feeds arbitrary start names to the tile puzzle's name reader, and checks
// what must hold for any name it accepts: composing the name again from
// its parts gives the name back, and the notice for a refused name quotes
// it with every "&" doubled.

#include <cstdint>
#include <cstdlib>
#include <string>

#include "catalogue/Puzzle.h"
#include "tiles/PuzzleName.h"

namespace {

void Check(bool condition) {
  if (!condition)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string start(reinterpret_cast<const char*>(data), size);
  const std::optional<TPuzzleName> name = ParsePuzzleName(start);
  if (!name) {
    const std::string notice = WrongNameNotice(start);
    Check(notice.find("<file>-<n>-<Severity>.exe") != std::string::npos);
    return 0;
  }
  Check(name->Number >= 1 && name->Severity >= MinSeverity && name->Severity <= MaxSeverity);
  Check(!name->FileBase.empty());
  const std::string again =
      name->PuzzleStem() + "-" + std::string(SeverityName(name->Severity)) + ".exe";
  const std::string expected = start.find('/') == std::string::npos ? "./" + start : start;
  Check(again == expected);
  return 0;
}
