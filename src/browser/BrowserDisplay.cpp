// The package and page display: ShowPackage, the preview slots, switching
// packages and paging.

#include <algorithm>
#include <cstdint>

#include "browser/BrokenPreview.h"
#include "browser/Browser.h"
#include "browser/PreviewPicture.h"
#include "platform/sys/FileSystem.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinLabels.h"
#include "skin/controls/SkinUpDown.h"
#include "ui/ExtCtrls.h"

namespace {

constexpr int kPageSize = SlotCount;

const char* const kNoPackagesText =
    "No puzzle packages found. Please, check your installation.\r\r"
    "Keine Puzzle-Pakete gefunden. Bitte überprüfen Sie die Installation.";
const char* const kPreviewNotFoundText =
    "Preview image not found:\r\rVorschaubild nicht gefunden:\r\r";
const char* const kLastPageText =
    "You already see the last page.\r\rSie sehen bereits die letzte Seite.";
const char* const kFirstPageText =
    "You already see the first page.\r\rSie sehen bereits die erste Seite.";

std::string StatusText(int packages, int64_t puzzles) {
  std::string text = std::to_string(packages);
  text += packages == 1 ? " Package / Paket, " : " Packages / Pakete, ";
  text += std::to_string(puzzles);
  text += puzzles == 1 ? " Puzzle" : " Puzzles";
  return text;
}

}  // namespace

void TBrowser::FormShow(TObject*) {
  if (FClosed)
    return;
  if (!FPackages || FPackages->Count() == 0) {
    ShowNotice(kNoPackagesText);
    Close();
    return;
  }
  ShowPackage();
}

void TBrowser::ShowPackage() {
  if (FClosed || !FPackages || FPackages->Count() == 0)
    return;
  FCurrentPackage = std::clamp(FCurrentPackage, 0, FPackages->Count() - 1);
  TPackage& package = (*FPackages)[FCurrentPackage];
  // Discovery lists only packages with at least one puzzle and a record for
  // each. A selection outside the package (a hand-edited last_puzzle) is
  // shown as the nearest puzzle, and that is what is remembered.
  const int count = std::max(package.PuzzleCount, 1);
  FCurrentPuzzle = std::clamp(FCurrentPuzzle, 0, count - 1);

  std::vector<std::string> names;
  names.reserve(static_cast<std::size_t>(FPackages->Count()));
  int64_t total = 0;
  for (int i = 0; i < FPackages->Count(); ++i) {
    names.push_back((*FPackages)[i].PackageName);
    total += (*FPackages)[i].PuzzleCount;
  }
  cbxPackage->SetItems(names);
  // At the first display this changes the box's text, and the box reports
  // a change: cbxPackageChange shows the same package again before this
  // display goes on, and may even close the window.
  cbxPackage->SetItemIndex(FCurrentPackage);
  if (FClosed)
    return;

  const bool paged = count > kPageSize;
  udPageNext->SetVisible(paged);
  lblPuzzlePage->SetVisible(paged);
  udPageNext->SetMin(0);
  udPageNext->SetMax(count - 1);
  udPageNext->SetIncrement(kPageSize);
  udPageNext->SetPosition(FCurrentPuzzle);

  FPageFirst = FCurrentPuzzle - FCurrentPuzzle % kPageSize;
  FPageLast = std::min(FPageFirst + kPageSize - 1, count - 1);

  for (int s = 0; s < SlotCount; ++s) {
    Images[s]->Hide();
    Bevels[s]->Hide();
    AuthorButtons[s]->Hide();
  }
  for (int b = FPageFirst; b <= FPageLast; ++b) {
    const int s = b % kPageSize;
    LoadPreview(Images[s], Bevels[s], b, AuthorButtons[s]);
    if (FClosed)
      return;
  }

  cbxSeverity->SetItemIndex(EffectiveSeverity() - 1);
  lblStatus->SetCaption(StatusText(FPackages->Count(), total));
  btnStart->SetCaption("&Start: Puzzle " + std::to_string(FCurrentPuzzle + 1));
  const std::size_t records = package.Puzzles.size();
  lblPuzzles->SetCaption(std::to_string(records) + (records == 1 ? " Puzzle:" : " Puzzles:"));
  lblPuzzlePage->SetCaption(std::to_string(FPageFirst / kPageSize + 1) + " / " +
                            std::to_string((count - 1) / kPageSize + 1));

  package.LastPuzzle = FCurrentPuzzle;
  package.SelectionChanged = true;
}

void TBrowser::LoadPreview(TImage* Image, TbsSkinBevel* Bevel, int Index,
                           TbsSkinButton* AuthorButton) {
  TPackage& package = (*FPackages)[FCurrentPackage];
  const std::string preview = package.PreviewFileName(Index);
  if (!sys::FileExists(preview)) {
    ShowNotice(kPreviewNotFoundText + preview);
    Close();
    return;
  }
  try {
    Image->Picture().LoadFromFile(preview);
    // Only what the slot shows of a picture larger than the slot is kept.
    if (const TGraphic* loaded = Image->Picture().Graphic()) {
      gfx::Bitmap shown = ShownPart(loaded->Pixels(), Image->Width(), Image->Height());
      if (!shown.IsEmpty())
        Image->Picture().Bitmap().SetPixels(std::move(shown));
    }
  } catch (const EInvalidGraphic&) {
    // The file is there but is no picture we can read: the slot shows our
    // placeholder and stays selectable and startable.
    Image->Picture().Bitmap().SetPixels(DrawBrokenPreview());
  }
  Image->Show();
  if (Index == FCurrentPuzzle)
    Bevel->Show();
  if (sys::FileExists(package.AuthorMarkerFileName(Index)))
    AuthorButton->Show();
}

void TBrowser::SwitchToChosenPackage() {
  if (FClosed || !FPackages)
    return;
  const int chosen = cbxPackage->ItemIndex();
  if (chosen < 0 || chosen >= FPackages->Count())
    return;
  FCurrentPackage = chosen;
  FCurrentPuzzle = (*FPackages)[FCurrentPackage].LastPuzzle;
  ShowPackage();
}

void TBrowser::cbxPackageChange(TObject*) {
  SwitchToChosenPackage();
}

void TBrowser::cbxPackageCloseUp(TObject*) {
  SwitchToChosenPackage();
}

void TBrowser::udPageNextDownButtonClick(TObject*) {
  if (FClosed || !FPackages || FPackages->Count() == 0)
    return;
  const int count = (*FPackages)[FCurrentPackage].PuzzleCount;
  if (FCurrentPuzzle + kPageSize < count) {
    FCurrentPuzzle += kPageSize;
    ShowPackage();
  } else if (FPageFirst + kPageSize < count) {
    FCurrentPuzzle = count - 1;
    ShowPackage();
  } else {
    ShowNotice(kLastPageText);
  }
}

void TBrowser::udPageNextUpButtonClick(TObject*) {
  if (FClosed || !FPackages || FPackages->Count() == 0)
    return;
  if (FCurrentPuzzle < kPageSize) {
    ShowNotice(kFirstPageText);
    return;
  }
  FCurrentPuzzle -= kPageSize;
  ShowPackage();
}
