// ShowPackage for a full page of the demo installation against decoding the
// page's six previews alone. The display keeps no cache, so the previews
// are read and decoded at every call; everything else it does (the package
// list, the labels, the slots) should cost little beside that.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "browser/Browser.h"
#include "catalogue/IniFile.h"
#include "platform/sys/FileSystem.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "skin/controls/SkinComboBox.h"
#include "ui/Application.h"
#include "ui/Graphics.h"

namespace {

// A copy of the demo installation, made once, so that the browser writes
// nothing into the repository.
const std::string& Installation() {
  static const std::string dir = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "tilebrook-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
      std::abort();
    std::filesystem::copy(std::string(TILEBROOK_SOURCE_DIR) + "/assets/demo", pattern,
                          std::filesystem::copy_options::recursive);
    return pattern;
  }();
  return dir;
}

struct ShownBrowser {
  win::HeadlessDesktop headless;
  TScreen screen;
  TApplication application;
  TBrowser* browser = nullptr;

  ShownBrowser() {
    sys::SetProgramDirectory(Installation());
    // Not a first run: no introduction waits for a player.
    TIniFile(TBrowser::SettingsFileName()).WriteBool("Browser", "FirstTime", false);
    browser = application.CreateForm<TBrowser>();
    browser->LoadSettings();
    browser->ShowPackage();
    // Brookside Landscapes: six puzzles, one full page.
    for (int i = 0; i < browser->Packages()->Count(); ++i)
      if ((*browser->Packages())[i].Directory.ends_with("/brookside"))
        browser->cbxPackage->SetItemIndex(i);
  }
  ~ShownBrowser() { sys::SetProgramDirectory(""); }
  ShownBrowser(const ShownBrowser&) = delete;
  ShownBrowser& operator=(const ShownBrowser&) = delete;
};

// The previews of the page shown, decoded into a picture one after the
// other, as the display does it.
void ShowPackage_baseline_decode_six(benchmark::State& state) {
  ShownBrowser shown;
  const TPackage& package = (*shown.browser->Packages())[shown.browser->CurrentPackage()];
  TPicture picture;
  for (auto _ : state)
    for (int index = 0; index < 6; ++index) {
      picture.LoadFromFile(package.PreviewFileName(index));
      benchmark::DoNotOptimize(picture.Graphic());
    }
}
BENCHMARK(ShowPackage_baseline_decode_six)->Name("ShowPackage:baseline_decode_six");

void ShowPackage_FullPage(benchmark::State& state) {
  ShownBrowser shown;
  for (auto _ : state)
    shown.browser->ShowPackage();
}
BENCHMARK(ShowPackage_FullPage)->Name("ShowPackage:full_page");

// The same with the window painted afterwards, as the player sees it.
void ShowPackage_FullPagePainted(benchmark::State& state) {
  ShownBrowser shown;
  shown.browser->Show();
  shown.application.ProcessMessages();
  for (auto _ : state) {
    shown.browser->ShowPackage();
    shown.application.ProcessMessages();
  }
}
BENCHMARK(ShowPackage_FullPagePainted)->Name("ShowPackage:full_page_painted");

}  // namespace
