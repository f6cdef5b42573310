// Runs the benchmarks of one binary and then prints every benchmark as a
// ratio against the baseline of its group, measured in the same run.
//
// Naming: "Group:Case". The case whose name starts with "baseline" is the
// group's baseline, for example "Blit:baseline_memcpy" and "Blit:BitBlt".
// Ratios use CPU time per iteration, which is steadier than wall time on a
// shared machine; when repetitions are asked for, the mean is used. A
// benchmark that times itself (UseManualTime, for instance the wait for
// another process) is compared by the times it measured.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

struct Measured {
  std::string group;
  std::string kase;
  double cpuTime = 0;
};

class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name != "mean")
        continue;
      const std::string name = run.benchmark_name();
      const bool manual = name.find("/manual_time") != std::string::npos;
      Record(name, manual ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime());
    }
  }

  void Finalize() override {
    ConsoleReporter::Finalize();
    PrintRatios();
  }

 private:
  void Record(const std::string& name, double cpuTime) {
    auto colon = name.find(':');
    if (colon == std::string::npos)
      return;
    std::string group = name.substr(0, colon);
    std::string kase = name.substr(colon + 1);
    for (Measured& m : measured_) {
      if (m.group == group && m.kase == kase) {
        m.cpuTime = cpuTime;  // a mean that follows its iterations wins
        return;
      }
    }
    measured_.push_back({group, kase, cpuTime});
  }

  void PrintRatios() const {
    std::map<std::string, double> baselines;
    for (const Measured& m : measured_)
      if (m.kase.rfind("baseline", 0) == 0)
        baselines[m.group] = m.cpuTime;
    if (baselines.empty())
      return;
    std::printf("\nRatios against the baseline of each group (CPU time, or measured time):\n");
    for (const Measured& m : measured_) {
      auto it = baselines.find(m.group);
      if (it == baselines.end() || m.kase.rfind("baseline", 0) == 0 || it->second <= 0)
        continue;
      std::printf("  %-24s %-44s %8.2f x\n", m.group.c_str(), m.kase.c_str(),
                  m.cpuTime / it->second);
    }
  }

  std::vector<Measured> measured_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv))
    return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}
