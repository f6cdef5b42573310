// Start-up to the first presented frame: the real tilebrook program on the
// demo installation, and the tile puzzle at Maniac with a 600 x 600 picture
// as the browser starts it from there, against a bare Xlib program that maps
// and paints a window of the same size, both started as processes on an Xvfb server of
// the benchmark's own and watched from outside until their window shows its
// first picture. Times are wall times from the start of the process; the
// browser's peak resident memory at that point is reported as a counter.
// The machine is shared, so each start of the browser and of the puzzle is
// paired with a start of the bare window just before it, and the ratio of
// the medians (x_bare_paired) is the steadier figure.

#include <benchmark/benchmark.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/win/x11/XvfbServer.h"

// Xlib last: its macros would rewrite names of the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

x11test::XvfbServer& Server() {
  static x11test::XvfbServer server;
  return server;
}

// Windows come and go while the probe looks at them; an error about one
// that has just gone is no reason to stop.
int IgnoreXError(Display*, XErrorEvent*) {
  return 0;
}

Display* Probe() {
  static Display* display = [] {
    XSetErrorHandler(IgnoreXError);
    return XOpenDisplay(Server().Display().c_str());
  }();
  return display;
}

// The demo installation with the program beside it, not on a first run.
const std::string& Installation() {
  static const std::string dir = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tilebrook-startup-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
      std::abort();
    std::filesystem::copy(std::string(TILEBROOK_SOURCE_DIR) + "/assets/demo", pattern,
                          std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(TILEBROOK_EXECUTABLE, pattern + "/tilebrook");
    std::filesystem::create_symlink(TILES_EXECUTABLE, pattern + "/stonework/mosaic-1-Maniac.exe");
    std::ofstream(pattern + "/tilebrook.ini") << "[Browser]\nFirstTime=0\n";
    return pattern;
  }();
  return dir;
}

pid_t Spawn(const std::string& program) {
  return x11test::StartProgram({program}, {"DISPLAY=" + Server().Display()});
}

// True once a viewable top-level window shows something at the middle of
// its client area other than the black of a fresh window.
bool FirstFrameShown() {
  Display* d = Probe();
  Window root = 0, parent = 0;
  Window* children = nullptr;
  unsigned count = 0;
  bool shown = false;
  if (!XQueryTree(d, DefaultRootWindow(d), &root, &parent, &children, &count))
    return false;
  for (unsigned i = 0; i < count && !shown; ++i) {
    XWindowAttributes a{};
    if (!XGetWindowAttributes(d, children[i], &a) || a.map_state != IsViewable || a.width < 700)
      continue;
    XImage* image = XGetImage(d, children[i], a.width / 2, a.height / 2, 1, 1, AllPlanes, ZPixmap);
    if (image != nullptr) {
      shown = (XGetPixel(image, 0, 0) & 0xFFFFFF) != 0;
      XDestroyImage(image);
    }
  }
  if (children != nullptr)
    XFree(children);
  return shown;
}

long PeakResidentKilobytes(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.rfind("VmHWM:", 0) == 0)
      return std::stol(line.substr(6));
  return 0;
}

// Starts the program, waits for its first frame and ends it again. The
// time from the start of the process to the frame in seconds (negative when
// the program could not be started); its peak resident memory in kilobytes
// goes to `peak` when asked for.
double TimeToFirstFrame(const std::string& program, long* peak) {
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = Spawn(program);
  if (pid < 0)
    return -1;
  const auto deadline = start + std::chrono::seconds(20);
  while (!FirstFrameShown() && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::microseconds(500));
  const auto shown = std::chrono::steady_clock::now();
  if (peak != nullptr)
    *peak = std::max(*peak, PeakResidentKilobytes(pid));
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
  // The next start finds an empty screen.
  while (FirstFrameShown())
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  return std::chrono::duration<double>(shown - start).count();
}

double Median(std::vector<double> values) {
  if (values.empty())
    return 0;
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

// With `paired`, every start of the program follows a start of the bare
// window, untimed, so that both meet the same load of the shared machine;
// the ratio of their medians is reported beside the means.
void TimeStart(benchmark::State& state, const std::string& program, bool reportMemory,
               bool paired) {
  if (Server().Display().empty() || Probe() == nullptr) {
    state.SkipWithError("no Xvfb server");
    return;
  }
  long peak = 0;
  std::vector<double> times;
  std::vector<double> bare;
  for (auto _ : state) {
    if (paired) {
      state.PauseTiming();
      bare.push_back(TimeToFirstFrame(BARE_WINDOW_EXECUTABLE, nullptr));
      state.ResumeTiming();
    }
    const double time = TimeToFirstFrame(program, reportMemory ? &peak : nullptr);
    if (time < 0) {
      state.SkipWithError("cannot start the program");
      return;
    }
    state.SetIterationTime(time);
    times.push_back(time);
  }
  state.counters["median_ms"] = Median(times) * 1000;
  if (paired && Median(bare) > 0)
    state.counters["x_bare_paired"] = Median(times) / Median(bare);
  if (reportMemory)
    state.counters["peak_rss_MB"] = static_cast<double>(peak) / 1024.0;
}

void Startup_baseline_bare_xlib(benchmark::State& state) {
  TimeStart(state, BARE_WINDOW_EXECUTABLE, false, false);
}
BENCHMARK(Startup_baseline_bare_xlib)
    ->Name("Startup:baseline_bare_xlib")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

void Startup_Tilebrook(benchmark::State& state) {
  TimeStart(state, Installation() + "/tilebrook", true, true);
}
BENCHMARK(Startup_Tilebrook)
    ->Name("Startup:tilebrook_demo")
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);

void Startup_TilesManiac(benchmark::State& state) {
  TimeStart(state, Installation() + "/stonework/mosaic-1-Maniac.exe", true, true);
}
BENCHMARK(Startup_TilesManiac)
    ->Name("Startup:tiles_maniac_600")
    ->UseManualTime()
    ->Iterations(10)
    ->Unit(benchmark::kMillisecond);

}  // namespace
