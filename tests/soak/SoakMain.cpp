// soak SECONDS [FIRST-SEED]: random play, one seed after another, until the
// time is up. Prints the events run and the memory at the start and the end;
// exits with 1 at the first run that finds a fault.

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "soak/Soak.h"

int main(int argc, char** argv) {
  const long seconds = argc > 1 ? std::atol(argv[1]) : 60;
  std::uint32_t seed = argc > 2 ? static_cast<std::uint32_t>(std::atol(argv[2])) : 1;
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  std::uint64_t events = 0, starts = 0, runs = 0, closedByPlayer = 0;
  long startKiB = 0;
  while (std::chrono::steady_clock::now() < end) {
    soak::Run run(seed);
    const soak::Result result = run.Play(2000);
    events += result.Events;
    starts += result.Starts;
    closedByPlayer += result.ClosedByPlayer ? 1 : 0;
    ++runs;
    if (runs == 1)
      startKiB = soak::ResidentKiB();
    if (!result.Faults.empty()) {
      std::printf("seed %u:\n", seed);
      for (const std::string& fault : result.Faults)
        std::printf("  %s\n", fault.c_str());
      return 1;
    }
    if (runs % 200 == 0)
      std::printf("%llu runs, %llu events, resident memory %ld KiB\n",
                  static_cast<unsigned long long>(runs), static_cast<unsigned long long>(events),
                  soak::ResidentKiB());
    std::fflush(stdout);
    ++seed;
  }
  std::printf(
      "%llu runs (seeds up to %u, %llu closed by the player), %llu events, %llu puzzle "
      "starts; resident memory after the first run %ld KiB, at the end %ld KiB\n",
      static_cast<unsigned long long>(runs), seed - 1,
      static_cast<unsigned long long>(closedByPlayer), static_cast<unsigned long long>(events),
      static_cast<unsigned long long>(starts), startKiB, soak::ResidentKiB());
  return 0;
}
