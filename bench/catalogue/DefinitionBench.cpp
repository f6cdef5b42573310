// Reading the definition of one large package (10,000 puzzles, each with its
// severity), against a baseline that only reads the file's bytes.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "catalogue/Package.h"
#include "platform/sys/FileSystem.h"

namespace {

constexpr int kPuzzles = 10000;

class LargePackage {
 public:
  LargePackage() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tilebrook-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
      std::abort();
    directory_ = pattern;
    std::ofstream ini(directory_ + "/" + PackageDefinitionName);
    ini << "[Package]\nname=Large\nfile=puzzle\npreview=preview\npuzzles=" << kPuzzles
        << "\n\n[User]\nlast_puzzle=3\n\n[Severity]\n";
    for (int n = 1; n <= kPuzzles; ++n)
      ini << "puzzle_" << n << "=" << 1 + n % 5 << "\n";
  }
  ~LargePackage() { std::filesystem::remove_all(directory_); }

  const std::string& Directory() const { return directory_; }

 private:
  std::string directory_;
};

const LargePackage& ThePackage() {
  static LargePackage package;
  return package;
}

void Definition_baseline_read_bytes(benchmark::State& state) {
  const std::string path = ThePackage().Directory() + "/" + PackageDefinitionName;
  for (auto _ : state)
    benchmark::DoNotOptimize(sys::ReadFileBytes(path));
}

void Definition_TPackage(benchmark::State& state) {
  for (auto _ : state) {
    const TPackage package(ThePackage().Directory());
    if (package.Puzzles.size() != kPuzzles || package.Puzzles[9].Severity != 1)
      state.SkipWithError("severities not read");
    benchmark::DoNotOptimize(package.Puzzles.data());
  }
}

// The player changed every severity: the package writes them all back to a
// copy of the definition.
void Definition_TPackage_saving_severities(benchmark::State& state) {
  const std::string from = ThePackage().Directory() + "/" + PackageDefinitionName;
  const std::string copy = ThePackage().Directory() + "/copy";
  std::filesystem::create_directories(copy);
  for (auto _ : state) {
    state.PauseTiming();
    std::filesystem::copy_file(from, copy + "/" + PackageDefinitionName,
                               std::filesystem::copy_options::overwrite_existing);
    auto package = std::make_unique<TPackage>(copy);
    package->SeveritiesChanged = true;
    for (TPuzzle& puzzle : package->Puzzles)
      puzzle.Severity = puzzle.Severity % 5 + 1;
    state.ResumeTiming();
    package.reset();
  }
}

}  // namespace

BENCHMARK(Definition_baseline_read_bytes)
    ->Name("Definition:baseline_read_bytes")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(Definition_TPackage)
    ->Name("Definition:TPackage_of_10000_puzzles")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(Definition_TPackage_saving_severities)
    ->Name("Definition:TPackage_saving_10000_severities")
    ->Unit(benchmark::kMicrosecond);
