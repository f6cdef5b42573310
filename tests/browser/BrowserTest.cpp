#include "browser/BrowserTest.h"

#include <sys/stat.h>

#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/FileSystem.h"
#include "platform/win/VirtualKeys.h"
#include "skin/controls/SkinMessage.h"
#include "skin/controls/SkinUpDown.h"
#include "ui/Application.h"

namespace browsertest {

const char* const NoPackages =
    "No puzzle packages found. Please, check your installation.\r\r"
    "Keine Puzzle-Pakete gefunden. Bitte überprüfen Sie die Installation.";
const char* const FirstPage =
    "You already see the first page.\r\rSie sehen bereits die erste Seite.";
const char* const LastPage =
    "You already see the last page.\r\rSie sehen bereits die letzte Seite.";

std::string PreviewNotFound(const std::string& Path) {
  return "Preview image not found:\r\rVorschaubild nicht gefunden:\r\r" + Path;
}

std::string PuzzleNotFound(const std::string& Path) {
  return "Puzzle not found (If you use the demo, please, order the full product):\r\r"
         "Puzzle nicht gefunden (Falls Sie die Demo verwenden, bestellen Sie bitte die "
         "Vollversion):\r\r" +
         Path;
}

namespace {

// A small preview whose colour tells the puzzle apart in pictures.
const std::vector<uint8_t>& PreviewBytes(int Number) {
  static std::map<int, std::vector<uint8_t>> cache;
  auto it = cache.find(Number);
  if (it == cache.end()) {
    gfx::Bitmap b(
        150, 150,
        gfx::RGB(40 + (Number * 53) % 200, 60 + (Number * 97) % 180, 90 + (Number * 31) % 160));
    it = cache.emplace(Number, gfx::EncodeJpeg(b, 80).bytes).first;
  }
  return it->second;
}

}  // namespace

BrowserTest::BrowserTest() {
  sys::SetProgramDirectory(dir.Path());
  // Most runs are not the first: the introduction is tested on its own.
  WriteSettings("[Browser]\nFirstTime=0\n");
}

BrowserTest::~BrowserTest() {
  sys::SetProgramDirectory("");
}

void BrowserTest::AddPackage(const PackageLayout& Package) {
  const std::string d = dir / Package.Directory;
  WriteTextFile(d + "/PuzzlePackage.ini",
                "[Package]\nname=" + Package.Name + "\nfile=" + Package.File +
                    "\npreview=" + Package.Preview +
                    "\npuzzles=" + std::to_string(Package.Puzzles) + "\n" + Package.Extra);
  for (int n = 1; n <= Package.Puzzles; ++n) {
    const std::vector<uint8_t>& jpeg = PreviewBytes(n);
    WriteTextFile(d + "/" + Package.Preview + "-" + std::to_string(n) + ".jpg",
                  std::string(jpeg.begin(), jpeg.end()));
    if (Package.Executables) {
      const std::string exe = d + "/" + Package.File + "-" + std::to_string(n) + "-Beginner.exe";
      WriteTextFile(exe, "#!/bin/sh\n");
      ::chmod(exe.c_str(), 0755);
    }
  }
  for (int n : Package.Markers)
    WriteTextFile(d + "/" + Package.Preview + "-" + std::to_string(n) + ".ini", "");
  for (const auto& [n, text] : Package.Details)
    WriteTextFile(d + "/" + Package.File + "-" + std::to_string(n) + ".ini", text);
}

void BrowserTest::WriteSettings(const std::string& Text) {
  WriteTextFile(TBrowser::SettingsFileName(), Text);
}

std::string BrowserTest::SettingsText() const {
  return ReadTextFile(TBrowser::SettingsFileName());
}

std::string BrowserTest::DefinitionText(const std::string& Directory) const {
  return ReadTextFile(dir / Directory + "/PuzzlePackage.ini");
}

int BrowserTest::Run(const std::vector<std::string>& Params) {
  const int status = RunTilebrook(Params, [this](TBrowser& b) {
    browser = &b;
    b.StartPuzzle = [this](const std::string& Path) {
      started.push_back(Path);
      return startFailure;
    };
  });
  browser = nullptr;
  EXPECT_EQ(status, expectedStatus);
  return status;
}

BrowserTest& BrowserTest::Then(std::function<void()> Step) {
  script.Then(std::move(Step));
  return *this;
}

std::string BrowserTest::OpenNoticeText() {
  for (int i = 0; Screen != nullptr && i < Screen->FormCount(); ++i)
    if (auto* form = dynamic_cast<TbsMessageForm*>(Screen->Forms(i)); form && form->Visible())
      return form->Message()->Caption();
  return "(no notice)";
}

BrowserTest& BrowserTest::Dismiss() {
  Then([this] { notices.push_back(OpenNoticeText()); });
  script.Key(win::VK_RETURN);
  return *this;
}

BrowserTest& BrowserTest::ClickOn(std::function<TControl*()> Control, int X, int Y) {
  Then([this, Control, X, Y] {
    TControl* c = Control();
    const TPoint p = c->ClientToScreen({X < 0 ? c->Width() / 2 : X, Y < 0 ? c->Height() / 2 : Y});
    script.InjectMouseMove(p);
  });
  script.Press().Release();
  return *this;
}

BrowserTest& BrowserTest::DoubleClickOn(std::function<TControl*()> Control) {
  ClickOn(Control);
  script.Press().Release();
  return *this;
}

BrowserTest& BrowserTest::Key(unsigned Vk, char32_t Ch) {
  script.Key(Vk, Ch);
  return *this;
}

BrowserTest& BrowserTest::AltKey(unsigned Vk) {
  const char32_t ch = Vk >= 'A' && Vk <= 'Z' ? static_cast<char32_t>(Vk - 'A' + 'a') : 0;
  script.KeyDown(win::VK_MENU).Key(Vk, ch).KeyUp(win::VK_MENU);
  return *this;
}

BrowserTest& BrowserTest::PageButton(bool Up) {
  Then([this, Up] {
    const auto& buttons = browser->udPageNext->Buttons();
    const gfx::Rect r = Up ? buttons.Up.Rect : buttons.Down.Rect;
    script.InjectMouseMove(
        browser->udPageNext->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
  });
  script.Press().Release();
  return *this;
}

BrowserTest& BrowserTest::CloseWindow() {
  return Then([this] { script.InjectCloseRequest(browser->Handle()); });
}

}  // namespace browsertest
