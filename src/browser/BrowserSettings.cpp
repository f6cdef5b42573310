// The browser settings (last package, first run), the introduction, the
// closing of the window and the two web-page buttons.

#include "browser/Browser.h"
#include "catalogue/IniFile.h"
#include "platform/sys/FileSystem.h"
#include "skin/controls/SkinLabels.h"

const char* const IntroductionText =
    "Short introduction:\r"
    "For starting a puzzle, first, select the puzzle package.\r"
    "Next, click on a puzzle preview and select the severity.\r"
    "In the end click on the start button to play the puzzle.\r"
    "Alternatively, you can double click on a preview.\r"
    "Hint: Your selection is saved for the next session.\r\r"
    "Kurzanleitung:\r"
    "Um ein Puzzle zu starten, müssen Sie zuerst das Puzzle-Paket auswählen.\r"
    "Danach klicken Sie auf eine Puzzle-Vorschau und wählen den Schwierigkeitsgrad.\r"
    "Zum Schluß klicken Sie auf den Start-Knopf, um das Puzzle zu spielen.\r"
    "Alternativ können Sie auch einen Doppelklick auf eine Vorschau ausführen.\r"
    "Hinweis: Ihre Auswahl wird für die nächste Sitzung gespeichert.";

namespace {

constexpr char kSection[] = "Browser";

}  // namespace

std::string TBrowser::SettingsFileName() {
  std::string name = sys::ExecutablePath();
  const std::size_t slash = name.rfind(sys::PathSeparator);
  if (slash != std::string::npos)
    name.erase(0, slash + 1);
  if (name.empty())
    name = "tilebrook";
  // Only the file name's own extension is replaced; a leading dot is part
  // of the name.
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos && dot > 0)
    name.erase(dot);
  return sys::ProgramDirectory() + name + ".ini";
}

void TBrowser::LoadSettings() {
  {
    const TIniFile settings(SettingsFileName());
    FCurrentPackage = settings.ReadInteger(kSection, "Package", 0);
    FFirstRun = settings.ReadBool(kSection, "FirstTime", true);
  }
  FPackages = std::make_unique<TPackageList>();
  if (FCurrentPackage < 0 || FCurrentPackage >= FPackages->Count())
    FCurrentPackage = 0;
  FCurrentPuzzle = FPackages->Count() > 0 ? (*FPackages)[FCurrentPackage].LastPuzzle : 0;
}

void TBrowser::FormActivate(TObject*) {
  if (FClosed || !FFirstRun)
    return;
  FFirstRun = false;
  ShowIntroduction();
}

void TBrowser::WriteSettings() {
  try {
    // Both keys in one replacement: the file is the old one or the new one.
    TIniFile settings(SettingsFileName());
    settings.BeginUpdate();
    settings.WriteInteger(kSection, "Package", FCurrentPackage);
    settings.WriteBool(kSection, "FirstTime", false);
    settings.UpdateFile();
  } catch (const EIniFileException& e) {
    // The player hears why; the close goes on so that every package still
    // saves its own data.
    ShowNotice(e.what());
  }
}

void TBrowser::FormClose(TObject*, TCloseAction&) {
  if (FClosed)
    return;
  FClosed = true;
  WriteSettings();
  FPackages.reset();
}

void TBrowser::ShowIntroduction() {
  ShowNotice(IntroductionText);
}

void TBrowser::btnHelpClick(TObject*) {
  ShowIntroduction();
}

void TBrowser::btnHomepageClick(TObject*) {
  lblMore->Click();
}

void TBrowser::bsSkinButton1Click(TObject*) {
  lblNewsletter->Click();
}
