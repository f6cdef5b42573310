// Package discovery over a generated installation of 2,000 packages with 20
// puzzles each, against a baseline that makes only the file-system calls
// discovery needs: the listing, a stat and a read of each definition, and the
// preview existence checks (the count while reading plus the check of every
// declared preview).

#include <benchmark/benchmark.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalogue/PackageList.h"
#include "platform/sys/FileSystem.h"

namespace {

constexpr int kPackages = 2000;
constexpr int kPuzzles = 20;

// The generated installation, made once per run and removed at exit.
class Installation {
 public:
  Installation() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tilebrook-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
      std::abort();
    root_ = pattern;
    for (int p = 0; p < kPackages; ++p) {
      std::string dir = root_ + "/package-" + std::to_string(p);
      std::filesystem::create_directory(dir);
      std::ofstream ini(dir + "/PuzzlePackage.ini");
      ini << "; generated\n[Package]\nname=Package " << (p * 7919) % kPackages
          << "\nfile=puzzle\npreview=preview\npuzzles=" << kPuzzles
          << "\n\n[User]\nlast_puzzle=3\n\n[Severity]\n";
      for (int n = 1; n <= kPuzzles; ++n)
        ini << "puzzle_" << n << "=" << 1 + n % 5 << "\n";
      for (int n = 1; n <= kPuzzles; ++n)
        std::ofstream(dir + "/preview-" + std::to_string(n) + ".jpg");
    }
  }
  ~Installation() { std::filesystem::remove_all(root_); }

  const std::string& Root() const { return root_; }

 private:
  std::string root_;
};

const Installation& TheInstallation() {
  static Installation installation;
  return installation;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

void Discovery_baseline_filesystem(benchmark::State& state) {
  const std::string root = TheInstallation().Root() + "/";
  char buffer[65536];
  for (auto _ : state) {
    int found = 0;
    DIR* dir = ::opendir(root.c_str());
    while (const dirent* entry = ::readdir(dir)) {
      if (entry->d_name[0] == '.' || entry->d_type != DT_DIR)
        continue;
      std::string candidate = root + entry->d_name;
      std::string definition = candidate + "/PuzzlePackage.ini";
      if (!Exists(definition))
        continue;
      int fd = ::open(definition.c_str(), O_RDONLY | O_CLOEXEC);
      struct stat st {};
      ::fstat(fd, &st);
      while (::read(fd, buffer, sizeof buffer) > 0) {
      }
      ::close(fd);
      int count = 0;
      while (Exists(candidate + "/preview-" + std::to_string(count + 1) + ".jpg"))
        ++count;
      bool complete = true;
      for (int n = 1; n <= kPuzzles; ++n)
        complete = Exists(candidate + "/preview-" + std::to_string(n) + ".jpg") && complete;
      found += complete && count == kPuzzles;
    }
    ::closedir(dir);
    benchmark::DoNotOptimize(found);
  }
}

void Discovery_TPackageList(benchmark::State& state) {
  sys::SetProgramDirectory(TheInstallation().Root());
  for (auto _ : state) {
    TPackageList list;
    if (list.Count() != kPackages)
      state.SkipWithError("packages missing");
    benchmark::DoNotOptimize(list[0].Puzzles.data());
  }
  sys::SetProgramDirectory("");
}

}  // namespace

BENCHMARK(Discovery_baseline_filesystem)
    ->Name("Discovery:baseline_filesystem")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(Discovery_TPackageList)->Name("Discovery:TPackageList")->Unit(benchmark::kMillisecond);
