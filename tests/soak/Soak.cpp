#include "soak/Soak.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>

#include "app/Startup.h"
#include "browser/Browser.h"
#include "catalogue/IniFile.h"
#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/FileSystem.h"
#include "platform/win/Constants.h"
#include "platform/win/VirtualKeys.h"
#include "platform/win/WindowApi.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinLabels.h"
#include "skin/controls/SkinUpDown.h"
#include "ui/Application.h"
#include "ui/ExtCtrls.h"

namespace soak {
namespace {

const char* const kNames[] = {"Animals", "Bridges", "Castles", "Ölmühle", "Zebra & Co",
                              "alpine",  "Harbour", "Mosaic",  "Straße"};

// Keys a player reaches for; Alt+F4 and the system menu's key are among the
// Alt combinations.
const unsigned kKeys[] = {
    win::VK_TAB,    win::VK_LEFT,  win::VK_RIGHT, win::VK_UP,   win::VK_DOWN, win::VK_RETURN,
    win::VK_ESCAPE, win::VK_SPACE, win::VK_PRIOR, win::VK_NEXT, win::VK_HOME, win::VK_END,
    win::VK_F4,     'A',           'S',           'M'};
const unsigned kAltKeys[] = {'S', 'U', 'N', 'H', win::VK_SPACE, win::VK_DOWN, win::VK_F4};

std::string PageText(int First, int Count) {
  return std::to_string(First / 6 + 1) + " / " + std::to_string((Count - 1) / 6 + 1);
}

}  // namespace

long ResidentKiB() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

Run::Run(std::uint32_t Seed) : random_(Seed) {
  sys::SetProgramDirectory(dir_.Path());
  MakeInstallation();
}

Run::~Run() {
  sys::SetProgramDirectory("");
}

void Run::MakeInstallation() {
  std::uniform_int_distribution<int> packages(1, 5), puzzles(1, 20), coin(0, 3);
  const int count = packages(random_);
  for (int p = 0; p < count; ++p) {
    const std::string sub = "pack" + std::to_string(p);
    const int n = puzzles(random_);
    std::string text = "[Package]\nname=" + std::string(kNames[random_() % std::size(kNames)]) +
                       "\nfile=game\npreview=pic\npuzzles=" + std::to_string(n) + "\n";
    // Some players have been here before, some values are out of range.
    if (coin(random_) == 0)
      text += "[User]\nlast_puzzle=" + std::to_string(static_cast<int>(random_() % 30) - 3) + "\n";
    if (coin(random_) == 0) {
      text += "[Severity]\n";
      for (int k = 1; k <= n; ++k)
        text += "puzzle_" + std::to_string(k) + "=" + std::to_string(random_() % 8) + "\n";
    }
    const std::string d = dir_ / sub;
    WriteTextFile(d + "/PuzzlePackage.ini", text);
    definitions_[d] = text;
    for (int k = 1; k <= n; ++k) {
      const gfx::Bitmap preview(150, 150, gfx::RGB(20 * k % 256, 40 * p % 256, 90));
      const auto jpeg = gfx::EncodeJpeg(preview, 70).bytes;
      const std::string base = d + "/pic-" + std::to_string(k);
      WriteTextFile(base + ".jpg", std::string(jpeg.begin(), jpeg.end()));
      if (coin(random_) == 0)
        WriteTextFile(base + ".ini", "");
      if (coin(random_) == 0)
        WriteTextFile(d + "/game-" + std::to_string(k) + ".ini",
                      "[Image]\ntitle=T" + std::to_string(k) + "\n[Author]\nname=A\n");
      if (coin(random_) != 0) {
        const std::string exe = d + "/game-" + std::to_string(k) + "-Beginner.exe";
        WriteTextFile(exe, "#!/bin/sh\n");
        ::chmod(exe.c_str(), 0755);
      }
    }
  }
  if (coin(random_) != 0)
    WriteTextFile(TBrowser::SettingsFileName(),
                  "[Browser]\nPackage=" + std::to_string(random_() % 7) +
                      "\nFirstTime=" + std::to_string(coin(random_) == 0) + "\n");
}

Result Run::Play(int Steps) {
  stepsLeft_ = Steps;
  script_.Then([this] { Step(); });
  try {
    const int status = RunTilebrook({}, [this](TBrowser& b) {
      browser_ = &b;
      b.StartPuzzle = [this](const std::string& Path) {
        ++result_.Starts;
        if (Path.rfind(dir_.Path(), 0) != 0)
          Fault("a puzzle outside the installation was started: " + Path);
        return random_() % 4 == 0 ? std::string("refused") : std::string();
      };
      // Recorded nowhere, opened never.
      for (TbsSkinLinkLabel* label : {b.lblMore, b.lblCal, b.lblNewsletter})
        label->SetURL("");
      b.bsSkinLinkImage1->SetURL("");
      // What the window holds when it closes is what the files must hold.
      TCloseEvent close = b.OnClose;
      b.OnClose = [this, close](TObject* Sender, TCloseAction& Action) {
        Remember();
        close(Sender, Action);
      };
    });
    // 1 is a failure the program caught at its top and ended on.
    if (status != 0)
      Fault("the run ended with status " + std::to_string(status));
  } catch (const std::exception& e) {
    Fault(std::string("the run stopped: ") + e.what());
  }
  browser_ = nullptr;
  // The end steps never ran: a random action closed the window.
  result_.ClosedByPlayer = closeTries_ == 0;
  CheckFiles();
  return result_;
}

void Run::Fault(const std::string& What) {
  if (result_.Faults.size() < 20)
    result_.Faults.push_back("after " + std::to_string(result_.Events) + " events: " + What);
}

void Run::Step() {
  if (stepsLeft_ > 0 && browser_->Packages() != nullptr) {
    --stepsLeft_;
    CheckWindow();
    RandomAction();
    script_.Then([this] { Step(); });
    return;
  }
  // The end: whatever is open (a notice, a menu, a list) is answered or
  // closed, then the window is asked to close, until the program ends.
  if (++closeTries_ > 200) {
    Fault("the window does not close");
    throw std::runtime_error("stuck");
  }
  ++result_.Events;
  switch (closeTries_ % 3) {
    case 0:
      script_.InjectKey(win::VK_ESCAPE, true);
      script_.InjectKey(win::VK_ESCAPE, false);
      break;
    case 1:
      if (win::IsWindow(browser_->Handle()))
        script_.InjectCloseRequest(browser_->Handle());
      break;
    default:
      script_.InjectKey(win::VK_RETURN, true);
      script_.InjectKey(win::VK_RETURN, false);
      break;
  }
  script_.Then([this] { Step(); });
}

gfx::Point Run::RandomPoint() {
  const int x = browser_->Left(), y = browser_->Top();
  const int w = browser_->Width(), h = browser_->Height();
  std::uniform_int_distribution<int> kind(0, 3);
  if (kind(random_) == 0) {
    // Anywhere on the screen: notices, lists and menus lie around the window.
    return {static_cast<int>(random_() % 1280), static_cast<int>(random_() % 1024)};
  }
  if (kind(random_) == 0) {
    // A control the player aims at.
    std::vector<TControl*> targets = {browser_->cbxPackage, browser_->cbxSeverity,
                                      browser_->udPageNext, browser_->btnStart, browser_->btnHelp};
    for (int s = 0; s < SlotCount; ++s) {
      targets.push_back(browser_->Images[s]);
      targets.push_back(browser_->AuthorButtons[s]);
    }
    TControl* c = targets[random_() % targets.size()];
    if (c->Visible() && c->Width() > 0 && c->Height() > 0)
      return c->ClientToScreen({static_cast<int>(random_() % static_cast<unsigned>(c->Width())),
                                static_cast<int>(random_() % static_cast<unsigned>(c->Height()))});
  }
  return {x + static_cast<int>(random_() % static_cast<unsigned>(std::max(w, 1))) - 10,
          y + static_cast<int>(random_() % static_cast<unsigned>(std::max(h, 1))) - 10};
}

void Run::RandomAction() {
  ++result_.Events;
  // A minimised window comes back as a player would bring it back.
  if (win::IsIconic(browser_->Handle()) && random_() % 4 == 0) {
    win::ShowWindow(browser_->Handle(), win::SW_RESTORE);
    return;
  }
  const win::MouseButton button =
      random_() % 6 == 0 ? win::MouseButton::Right : win::MouseButton::Left;
  switch (random_() % 12) {
    case 0:
    case 1:
    case 2:
      script_.InjectMouseMove(RandomPoint());
      script_.InjectButton(button, true);
      script_.InjectButton(button, false);
      break;
    case 3:
      script_.InjectMouseMove(RandomPoint());
      script_.InjectButton(button, true);
      break;
    case 4:
      script_.InjectMouseMove(RandomPoint());
      script_.InjectButton(button, false);
      break;
    case 5:
      script_.InjectMouseMove(RandomPoint());
      for (int i = 0; i < 2; ++i) {
        script_.InjectButton(win::MouseButton::Left, true);
        script_.InjectButton(win::MouseButton::Left, false);
      }
      break;
    case 6:
      script_.InjectMouseMove(RandomPoint());
      script_.InjectWheel(random_() % 2 ? 120 : -120);
      break;
    case 7:
    case 8: {
      const unsigned vk = kKeys[random_() % std::size(kKeys)];
      const char32_t ch = vk >= 'A' && vk <= 'Z' ? static_cast<char32_t>(vk - 'A' + 'a') : 0;
      script_.InjectKey(vk, true, ch);
      script_.InjectKey(vk, false);
      break;
    }
    case 9: {
      // Alt+F4 closes the window: rare, so that a run lasts.
      unsigned vk = kAltKeys[random_() % std::size(kAltKeys)];
      if (vk == win::VK_F4 && random_() % 20 != 0)
        vk = 'H';
      const char32_t ch = vk >= 'A' && vk <= 'Z' ? static_cast<char32_t>(vk - 'A' + 'a') : 0;
      script_.InjectKey(win::VK_MENU, true);
      script_.InjectKey(vk, true, ch);
      script_.InjectKey(vk, false);
      script_.InjectKey(win::VK_MENU, false);
      break;
    }
    default: {
      // Time passes: hover, hints, repeats, animations.
      const int ms = random_() % 5 == 0 ? static_cast<int>(random_() % 5000)
                                        : static_cast<int>(random_() % 120);
      script_.Wait(static_cast<win::DWORD>(ms));
      break;
    }
  }
}

void Run::CheckWindow() {
  TPackageList* list = browser_->Packages();
  if (list == nullptr || list->Count() == 0)
    return;
  const int p = browser_->CurrentPackage();
  if (p < 0 || p >= list->Count()) {
    Fault("the current package " + std::to_string(p) + " is not in the list");
    return;
  }
  const TPackage& pack = (*list)[p];
  const int n = pack.PuzzleCount;
  const int c = browser_->CurrentPuzzle();
  if (c < 0 || c >= n) {
    Fault("the current puzzle " + std::to_string(c) + " is not in " + pack.PackageName);
    return;
  }
  const int first = c - c % 6;
  const int last = std::min(first + 5, n - 1);
  if (browser_->PageFirst() != first || browser_->PageLast() != last)
    Fault("the page shown does not hold the selected puzzle");
  for (int s = 0; s < SlotCount; ++s) {
    const bool onPage = first + s <= last;
    if (browser_->Images[s]->Visible() != onPage)
      Fault("preview slot " + std::to_string(s) + " is shown wrongly");
    if (browser_->Bevels[s]->Visible() != (first + s == c))
      Fault("the bevel of slot " + std::to_string(s) + " is wrong for puzzle " + std::to_string(c));
  }
  int total = 0;
  for (int i = 0; i < list->Count(); ++i)
    total += (*list)[i].PuzzleCount;
  const std::string status = std::to_string(list->Count()) +
                             (list->Count() == 1 ? " Package / Paket, " : " Packages / Pakete, ") +
                             std::to_string(total) + (total == 1 ? " Puzzle" : " Puzzles");
  if (browser_->lblStatus->Caption() != status)
    Fault("the status reads \"" + browser_->lblStatus->Caption() + "\", not \"" + status + "\"");
  if (browser_->btnStart->Caption() != "&Start: Puzzle " + std::to_string(c + 1))
    Fault("the start button reads \"" + browser_->btnStart->Caption() + "\"");
  const int records = static_cast<int>(pack.Puzzles.size());
  if (browser_->lblPuzzles->Caption() !=
      std::to_string(records) + (records == 1 ? " Puzzle:" : " Puzzles:"))
    Fault("the puzzle count reads \"" + browser_->lblPuzzles->Caption() + "\"");
  if (browser_->lblPuzzlePage->Caption() != PageText(first, n))
    Fault("the page label reads \"" + browser_->lblPuzzlePage->Caption() + "\"");
  if (browser_->udPageNext->Visible() != (n > 6))
    Fault("the page buttons are shown wrongly");
}

void Run::Remember() {
  TPackageList* list = browser_->Packages();
  if (remembered_ || list == nullptr)
    return;
  remembered_ = true;
  closedPackage_ = browser_->CurrentPackage();
  for (int i = 0; i < list->Count(); ++i) {
    const TPackage& pack = (*list)[i];
    PackageMemory& m = packages_[pack.Directory];
    m.LastPuzzle = pack.LastPuzzle;
    m.SelectionChanged = pack.SelectionChanged;
    m.SeveritiesChanged = pack.SeveritiesChanged;
    for (const TPuzzle& puzzle : pack.Puzzles)
      m.Severities.push_back(puzzle.Severity);
  }
}

void Run::CheckFiles() {
  if (!remembered_) {
    Fault("the window never closed");
    return;
  }
  const TIniFile settings(TBrowser::SettingsFileName());
  if (settings.ReadInteger("Browser", "Package", -1) != closedPackage_ ||
      settings.ReadString("Browser", "FirstTime", "") != "0")
    Fault("the settings file holds " + ReadTextFile(TBrowser::SettingsFileName()));
  for (const auto& [directory, m] : packages_) {
    const std::string path = directory + "/PuzzlePackage.ini";
    if (!m.SelectionChanged && !m.SeveritiesChanged) {
      if (ReadTextFile(path) != definitions_[directory])
        Fault(path + " changed although nothing was chosen in it");
      continue;
    }
    const TIniFile definition(path);
    if (m.SelectionChanged &&
        definition.ReadInteger("User", "last_puzzle", -100) != m.LastPuzzle + 1)
      Fault(path + " lost the last puzzle");
    for (std::size_t k = 0; m.SeveritiesChanged && k < m.Severities.size(); ++k)
      if (definition.ReadInteger("Severity", "puzzle_" + std::to_string(k + 1), -100) !=
          m.Severities[k])
        Fault(path + " lost the severity of puzzle " + std::to_string(k + 1));
  }
}

}  // namespace soak
