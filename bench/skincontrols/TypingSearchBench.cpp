// The typing search of the combo box over a package box of 2,000 names, a
// letter that matches none of them so that every name is compared, against
// a baseline that compares the same bytes with ASCII-only lower-casing.

#include <benchmark/benchmark.h>

#include <cctype>
#include <string>
#include <vector>

#include "skin/controls/ComboBoxBehaviour.h"

namespace {

constexpr int kNames = 2000;

const std::vector<std::string>& Names() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> out;
    const char* starts[] = {"Package ",
                            "\xC3\x9C"
                            "bung ",
                            "Puzzle ",
                            "\xC5\x81\xC3\xB3"
                            "d\xC5\xBA "};
    for (int i = 0; i < kNames; ++i)
      out.push_back(starts[i % 4] + std::to_string(i));
    return out;
  }();
  return names;
}

void AsciiBaseline(benchmark::State& state) {
  const std::vector<std::string>& names = Names();
  for (auto _ : state) {
    int found = -1;
    for (int i = 0; i < kNames && found < 0; ++i)
      if (!names[static_cast<size_t>(i)].empty() &&
          std::tolower(static_cast<unsigned char>(names[static_cast<size_t>(i)][0])) == 'z')
        found = i;
    benchmark::DoNotOptimize(found);
  }
}

void TypingSearch(benchmark::State& state) {
  TbsComboBoxBehaviour box;
  box.SetItems(Names());
  unsigned now = 0;
  for (auto _ : state) {
    now += 1000;
    box.KeyChar(U'z', now);
    benchmark::DoNotOptimize(box.ItemIndex());
  }
}

}  // namespace

BENCHMARK(AsciiBaseline)->Name("TypingSearch:baseline_ascii_2000_names");
BENCHMARK(TypingSearch)->Name("TypingSearch:whole_characters_2000_names");
