// Presenting a browser-sized window on an X display against copying the
// same bytes in memory: the whole window (as after a skin change) through
// shared memory and through the connection, and one small damaged part (a
// hover highlight). The display is an Xvfb server of the benchmark's own;
// times are the program's own processor time, so the server's share of a
// present is not in them.

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

#include "platform/gfx/Region.h"
#include "platform/win/Desktop.h"
#include "platform/win/Win.h"
#include "platform/win/x11/X11Backend.h"
#include "platform/win/x11/XvfbServer.h"

namespace {

using namespace win;

constexpr gfx::Rect kWindow{0, 0, 774, 607};
constexpr gfx::Rect kHover{300, 500, 380, 530};

x11test::XvfbServer& Server() {
  static x11test::XvfbServer server;
  return server;
}

struct Shown {
  std::unique_ptr<Desktop> desktop;
  X11Backend* backend = nullptr;
  HWND hwnd;
};

Shown Show(bool sharedMemory) {
  Shown shown;
  X11Options options;
  options.displayName = Server().Display();
  options.useSharedMemory = sharedMemory;
  std::string error;
  std::unique_ptr<X11Backend> backend = X11Backend::Open(options, error);
  if (!backend)
    return shown;
  shown.backend = backend.get();
  shown.desktop = std::make_unique<Desktop>(std::move(backend), std::make_unique<MonotonicClock>());
  WNDCLASS c;
  c.lpszClassName = "Bench";
  c.hbrBackground = gfx::RGB(244, 236, 220);
  RegisterClass(c);
  shown.hwnd = CreateWindowEx(0, "Bench", "", WS_POPUP | WS_VISIBLE, 10, 10, kWindow.Width(),
                              kWindow.Height(), nullptr);
  shown.backend->Sync();
  return shown;
}

void Present_baseline_memcpy(benchmark::State& state) {
  gfx::Bitmap source(kWindow.Width(), kWindow.Height(), gfx::RGB(244, 236, 220));
  gfx::Bitmap target(kWindow.Width(), kWindow.Height());
  for (auto _ : state) {
    std::memcpy(target.Bits(), source.Bits(),
                static_cast<std::size_t>(source.Stride()) * source.Height());
    benchmark::DoNotOptimize(target.Bits());
  }
}
BENCHMARK(Present_baseline_memcpy)->Name("Present:baseline_memcpy");

void Present(benchmark::State& state, bool sharedMemory, gfx::Rect part) {
  Shown shown = Show(sharedMemory);
  if (!shown.backend) {
    state.SkipWithError("no display");
    return;
  }
  gfx::Bitmap backing(kWindow.Width(), kWindow.Height(), gfx::RGB(46, 120, 128));
  gfx::Region damage(part);
  for (auto _ : state) {
    shown.backend->Present(shown.hwnd, backing, damage);
    // Through the connection the picture is only queued; the round trip
    // makes both ways finish their work inside the measurement.
    shown.backend->Sync();
  }
}

void Present_WholeWindowShared(benchmark::State& state) {
  Present(state, true, kWindow);
}
BENCHMARK(Present_WholeWindowShared)->Name("Present:WholeWindowShared");

void Present_WholeWindowPlain(benchmark::State& state) {
  Present(state, false, kWindow);
}
BENCHMARK(Present_WholeWindowPlain)->Name("Present:WholeWindowPlain");

void Present_HoverPartShared(benchmark::State& state) {
  Present(state, true, kHover);
}
BENCHMARK(Present_HoverPartShared)->Name("Present:HoverPartShared");

}  // namespace
