// Selecting a puzzle, its severity, its details, and starting it.

#include "app/Global.h"
#include "browser/Browser.h"
#include "catalogue/PuzzleDetails.h"
#include "platform/sys/FileSystem.h"
#include "skin/controls/SkinComboBox.h"

namespace {

const char* const kPuzzleNotFoundText =
    "Puzzle not found (If you use the demo, please, order the full product):\r\r"
    "Puzzle nicht gefunden (Falls Sie die Demo verwenden, bestellen Sie bitte die "
    "Vollversion):\r\r";

}  // namespace

TPuzzle* TBrowser::CurrentPuzzleRecord() const {
  if (FClosed || !FPackages || FCurrentPackage < 0 || FCurrentPackage >= FPackages->Count())
    return nullptr;
  TPackage& package = (*FPackages)[FCurrentPackage];
  if (FCurrentPuzzle < 0 || FCurrentPuzzle >= static_cast<int>(package.Puzzles.size()))
    return nullptr;
  return &package.Puzzles[static_cast<std::size_t>(FCurrentPuzzle)];
}

int TBrowser::EffectiveSeverity() const {
  const TPuzzle* puzzle = CurrentPuzzleRecord();
  if (puzzle == nullptr || puzzle->Severity < MinSeverity || puzzle->Severity > MaxSeverity)
    return MinSeverity;
  return puzzle->Severity;
}

void TBrowser::SelectSlot(int Slot) {
  if (FClosed || !FPackages || FPackages->Count() == 0)
    return;
  TPackage& package = (*FPackages)[FCurrentPackage];
  const int index = FPageFirst + Slot;
  if (index < 0 || index >= package.PuzzleCount)
    return;
  package.LastPuzzle = index;
  FCurrentPuzzle = index;
  ShowPackage();
}

void TBrowser::ImageClick(int Slot) {
  SelectSlot(Slot);
}

void TBrowser::ImageDblClick(int) {
  btnStartClick(nullptr);
}

void TBrowser::CommitSeverity() {
  TPuzzle* puzzle = CurrentPuzzleRecord();
  if (puzzle == nullptr || cbxSeverity->ItemIndex() < 0)
    return;
  const int chosen = cbxSeverity->ItemIndex() + 1;
  // A level outside 1 to 5 is shown as Beginner; keeping Beginner is no
  // change, so the file keeps its value until the player picks a level.
  if (EffectiveSeverity() == chosen)
    return;
  puzzle->Severity = chosen;
  (*FPackages)[FCurrentPackage].SeveritiesChanged = true;
}

void TBrowser::cbxSeverityChange(TObject*) {
  CommitSeverity();
}

void TBrowser::cbxSeverityCloseUp(TObject*) {
  CommitSeverity();
}

void TBrowser::cbxSeverityExit(TObject*) {
  CommitSeverity();
}

void TBrowser::btnStartClick(TObject*) {
  if (CurrentPuzzleRecord() == nullptr)
    return;
  TPackage& package = (*FPackages)[FCurrentPackage];
  const std::string path = package.ExecutableFileName(FCurrentPuzzle, EffectiveSeverity());
  if (!sys::FileExists(path)) {
    ShowNotice(kPuzzleNotFoundText + path);
    return;
  }
  const std::string failure = StartPuzzle(path);
  if (!failure.empty())
    ShowNotice(PuzzleNotStartedText(path, failure));
}

void TBrowser::CopyClick(int Slot) {
  ShowPuzzleDetails(FPageFirst + Slot);
}

void TBrowser::ShowPuzzleDetails(int Index) {
  if (FClosed || !FPackages || FPackages->Count() == 0)
    return;
  const TPackage& package = (*FPackages)[FCurrentPackage];
  const std::string path = package.DetailFileName(Index);
  if (!sys::FileExists(path)) {
    ShowNotice(kPuzzleNotFoundText + path);
    return;
  }
  const TPuzzleDetails details = ReadPuzzleDetails(path);
  // The notice takes "&" as an accelerator mark; doubled, it shows as is.
  auto shown = [](const std::string& Value) { return ReplaceAll(Value, "&", "&&"); };
  ShowNotice("Title / Titel:\r    " + shown(details.Title) + "\r\rAuthor / Urheber:\r    " +
             shown(details.Author) + "\r    " + shown(details.Contact) + "\r    " +
             shown(details.AuthorUrl) + "\r\rPublisher / Verleger:\r    " +
             shown(details.Publisher) + "\r    " + shown(details.PublisherUrl));
}
