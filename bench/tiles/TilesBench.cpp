// The tile puzzle's speed, against baselines measured in the same run:
// starting the game on the headless desktop to its first presented frame at
// Maniac with a 600 x 600 picture, against decoding that picture alone; and
// a move, which repaints only the tiles it changed, against repainting the
// whole board. (bench_startup times the real program on an X server against
// the browser's own start.)

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

#include <unistd.h>

#include "platform/gfx/ImageCodecs.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/data/SkinData.h"
#include "tiles/TileBoardView.h"
#include "tiles/TilesProgram.h"
#include "ui/Application.h"

namespace {

// A package directory with one puzzle whose large picture is 600 x 600,
// made once for the whole run.
class TBenchPackage {
 public:
  TBenchPackage() {
    FDir = std::filesystem::temp_directory_path() / ("tilebrook-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(FDir);
    gfx::Bitmap picture(600, 600);
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 600; ++x)
        picture.SetPixel(x, y, gfx::RGB(x * 255 / 600, y * 255 / 600, (x ^ y) & 0xFF));
    const gfx::EncodedImage jpeg = gfx::EncodeJpeg(picture, 92);
    std::ofstream(FDir / "bench-1-picture.jpg", std::ios::binary)
        .write(reinterpret_cast<const char*>(jpeg.bytes.data()),
               static_cast<std::streamsize>(jpeg.bytes.size()));
  }
  ~TBenchPackage() {
    std::error_code ignored;
    std::filesystem::remove_all(FDir, ignored);
  }
  std::string StartName(const std::string& Severity) const {
    return (FDir / ("bench-1-" + Severity + ".exe")).string();
  }

 private:
  std::filesystem::path FDir;
};

const TBenchPackage& Package() {
  static TBenchPackage package;
  return package;
}

// Runs one program start on a fresh headless desktop and counts the time up
// to its first presented frame: the first moment the program waits, after
// painting and presenting its window. What follows (closing) is not
// counted.
template <class Run>
void TimeToFirstFrame(benchmark::State& state, Run run) {
  for (auto _ : state) {
    win::HeadlessDesktop headless;
    TScreen screen;
    TApplication application;
    bool presented = false;
    headless.Backend().Then([&] {
      state.PauseTiming();
      for (win::HWND window : headless.Backend().Stacking())
        presented |= headless.Backend().FindSurface(window)->presents > 0;
      if (TCustomForm* form = application.MainForm())
        form->Close();
    });
    run();
    if (!presented)
      throw std::runtime_error("nothing presented");
    state.ResumeTiming();
  }
}

void Startup_baseline_DecodePicture(benchmark::State& state) {
  const std::string name = Package().StartName("Maniac");
  const std::string picture = name.substr(0, name.rfind('-')) + "-picture.jpg";
  for (auto _ : state)
    benchmark::DoNotOptimize(gfx::LoadImageFile(picture).bitmap.Bits());
}
BENCHMARK(Startup_baseline_DecodePicture)
    ->Name("HeadlessStart:baseline_decode_picture")
    ->Unit(benchmark::kMillisecond);

// Everything the game does from its start to the first frame on the
// screen: application, skin, name, picture, window.
void Startup_TilesManiac600(benchmark::State& state) {
  const std::string name = Package().StartName("Maniac");
  TimeToFirstFrame(state, [&] {
    if (RunTiles(name, TTilesSetup{}) != 0)
      throw std::runtime_error("the game did not start");
  });
}
BENCHMARK(Startup_TilesManiac600)
    ->Name("HeadlessStart:tiles_maniac_600")
    ->Unit(benchmark::kMillisecond);

// A shown Maniac game for the move benchmarks.
class TShownGame {
 public:
  TShownGame() : skin(nullptr) {
    LoadTilesSkin(skin);
    form = StartTiles(Package().StartName("Maniac"), TTilesSetup{}, skin);
    form->Show();
    application.ProcessMessages();
    win::GdiFlush();
  }
  ~TShownGame() { delete form; }

  void Paint() {
    win::UpdateWindow(form->Board()->Handle());
    win::GdiFlush();
  }

  win::HeadlessDesktop headless;
  TScreen screen;
  TApplication application;
  TbsSkinData skin;
  TTilesForm* form = nullptr;
};

void Move_baseline_RepaintBoard(benchmark::State& state) {
  TShownGame game;
  for (auto _ : state) {
    game.form->Board()->Invalidate();
    game.Paint();
  }
}
BENCHMARK(Move_baseline_RepaintBoard)->Name("Move:baseline_repaint_whole_board");

void Move_SwapTwoTiles(benchmark::State& state) {
  TShownGame game;
  for (auto _ : state) {
    // The same two tiles back and forth: never the last correct move.
    game.form->Board()->InvalidateSlots(game.form->Game().Swap(27, 36, 0));
    game.Paint();
  }
}
BENCHMARK(Move_SwapTwoTiles)->Name("Move:swap_two_tiles");

}  // namespace
