#include "tiles/TilesForm.h"

#include <algorithm>

#include "catalogue/Puzzle.h"
#include "platform/win/PaintApi.h"
#include "platform/win/TimerApi.h"
#include "platform/win/VirtualKeys.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinLabels.h"
#include "skin/form/SkinForm.h"
#include "tiles/PuzzleTitle.h"
#include "tiles/TileBoardView.h"
#include "tiles/TileLooks.h"
#include "tiles/TilesTexts.h"
#include "ui/Timer.h"

namespace {

constexpr TColor kPaper = gfx::RGB(244, 236, 220);
constexpr TColor kInk = gfx::RGB(40, 32, 28);
constexpr int kMargin = 16;
constexpr int kPanelWidth = 184;
constexpr int kButtonHeight = 20;
// Every grid size (3, 4, 5, 6 and 8 tiles a side) divides the board's side.
constexpr int kSideStep = 120;
constexpr int kLargestSide = 600;
// Room beside the board on the screen: the frame, the margins and, across,
// the panel.
constexpr int kRoomAboveAndBelow = 120;
constexpr int kRoomAcross = 3 * kMargin + kPanelWidth + 40;
// How often the time on show is brought up to date.
constexpr unsigned kTickInterval = 200;

const char* const kHelp =
    "Swap: drag a tile onto another, or click both.\r"
    "Turn (Guru, Maniac): right click.\r"
    "Keys: arrows, Space picks and drops, R turns, P shows the picture.\r\r"
    "Tauschen: Teil auf ein anderes ziehen oder beide anklicken.\r"
    "Drehen (Guru, Maniac): Rechtsklick.\r"
    "Tasten: Pfeile, Leertaste nimmt und legt, R dreht, P zeigt das Bild.";

}  // namespace

TTilesForm::TTilesForm(TComponent* AOwner, const TPuzzleName& Name, gfx::Bitmap&& Picture,
                       int BoardSide, std::uint64_t Seed, TScoreBook Scores, TbsSkinData* Skin,
                       TTilesNoticeFunction ShowNotice)
    : TForm(AOwner),
      FName(Name),
      FGame(std::make_unique<TTileGame>(BoardShapeFor(Name.Severity), Seed)),
      FSeeds(Seed),
      FScores(std::move(Scores)),
      FSkin(Skin),
      FShowNotice(std::move(ShowNotice)) {
  SetName("TilesForm");
  SetBorderStyle(bsSingle);
  SetBorderIcons({biSystemMenu, biMinimize});
  SetPosition(poScreenCenter);
  SetColor(kPaper);
  const std::string title = PuzzleTitle(Name);
  SetCaption(TilesCaption(title, Name.Severity));
  FFrame = new TbsSkinForm(this);
  FFrame->SetBorderIcons(TbsBorderIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize});
  FFrame->SetSkinData(FSkin);
  const int panelLeft = kMargin * 2 + BoardSide;
  SetClientSize(panelLeft + kPanelWidth + kMargin, BoardSide + 2 * kMargin);

  FBoard = new TTileBoardView(this);
  FBoard->SetBounds(kMargin, kMargin, BoardSide, BoardSide);
  FBoard->SetParent(this);
  FGame->SetLooks(TileLooks(Picture, FGame->Board().Shape()));
  FBoard->SetPicture(std::move(Picture));
  FBoard->SetGame(FGame.get());
  FBoard->OnMove = [this](TObject* Sender) { BoardMoved(Sender); };

  // A long title gets a smaller font; one too long even for that is cut at
  // the panel's edge rather than run off the window.
  TbsSkinStdLabel* titleLabel = AddLabel(kMargin, title, -20, true);
  if (titleLabel->Width() > kPanelWidth) {
    TFont smaller = titleLabel->Font();
    smaller.SetHeight(-15);
    titleLabel->SetFont(smaller);
  }
  titleLabel->SetAutoSize(false);
  titleLabel->SetBounds(panelLeft, kMargin, kPanelWidth, 26);
  AddLabel(kMargin + 28, std::string(SeverityName(Name.Severity)), -14, false);
  FMovesLabel = AddLabel(kMargin + 64, MovesText(0), -14, false);
  FTimeLabel = AddLabel(kMargin + 84, TimeText(0), -14, false);

  auto addButton = [&](int Top, const std::string& Caption) {
    auto* button = new TbsSkinButton(this);
    button->SetSkinDataName("button");
    button->SetSkinData(FSkin);
    button->SetCaption(Caption);
    button->SetBounds(panelLeft, Top, kPanelWidth, kButtonHeight);
    button->SetParent(this);
    return button;
  };
  FNewButton = addButton(kMargin + 124, "New shuffle");
  FNewButton->OnClick = [this](TObject* Sender) { NewShuffleClick(Sender); };
  FShowButton = addButton(kMargin + 154, "Show picture");
  FShowButton->OnMouseDown = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbLeft)
      FBoard->SetShowPicture(true);
  };
  FShowButton->OnMouseUp = [this](TObject*, TMouseButton Button, TShiftState, int, int) {
    if (Button == mbLeft)
      FBoard->SetShowPicture(false);
  };
  // Held with Space as well, while the button has the focus.
  FShowButton->OnKeyDown = [this](TObject*, win::WORD& Key, TShiftState) {
    if (Key == win::VK_SPACE)
      FBoard->SetShowPicture(true);
  };
  FShowButton->OnKeyUp = [this](TObject*, win::WORD& Key, TShiftState) {
    if (Key == win::VK_SPACE)
      FBoard->SetShowPicture(false);
  };
  FShowButton->OnExit = [this](TObject*) { FBoard->SetShowPicture(false); };

  TbsSkinStdLabel* help = AddLabel(kMargin + 200, kHelp, -11, false);
  help->SetAutoSize(false);
  help->SetWordWrap(true);
  help->SetBounds(panelLeft, kMargin + 200, kPanelWidth, BoardSide - 200);

  FTimer = new TTimer(this);
  FTimer->SetInterval(kTickInterval);
  FTimer->SetOnTimer([this](TObject*) { UpdateStatus(); });

  SetActiveControl(FBoard);
}

TTilesForm::~TTilesForm() {
  // The frame hands the form its window procedure back; it must do so while
  // the form is still whole, not from the base class's clean-up.
  delete FFrame;
}

int TTilesForm::BoardSideFor(int WorkAreaWidth, int WorkAreaHeight) {
  const int fits = std::min(WorkAreaHeight - kRoomAboveAndBelow, WorkAreaWidth - kRoomAcross);
  const int room = fits / kSideStep * kSideStep;
  return std::clamp(room, 2 * kSideStep, kLargestSide);
}

TbsSkinStdLabel* TTilesForm::AddLabel(int Top, const std::string& Caption, int FontHeight,
                                      bool Bold) {
  auto* label = new TbsSkinStdLabel(this);
  label->SetSkinData(FSkin);
  label->SetUseSkinFont(false);
  TFont font;
  font.SetName("Arial");
  font.SetHeight(FontHeight);
  font.SetColor(kInk);
  if (Bold)
    font.SetStyle({fsBold});
  label->SetFont(font);
  label->SetTransparent(true);
  label->SetShowAccelChar(false);
  label->SetCaption(Caption);
  label->SetLeft(kMargin * 2 + FBoard->Width());
  label->SetTop(Top);
  label->SetParent(this);
  return label;
}

const std::string& TTilesForm::MovesCaption() const {
  return FMovesLabel->Caption();
}

const std::string& TTilesForm::TimeCaption() const {
  return FTimeLabel->Caption();
}

void TTilesForm::UpdateStatus() {
  const std::string moves = MovesText(FGame->Moves());
  if (FMovesLabel->Caption() != moves)
    FMovesLabel->SetCaption(moves);
  const std::string time = TimeText(FGame->ElapsedMs(win::GetTickCount()));
  if (FTimeLabel->Caption() != time)
    FTimeLabel->SetCaption(time);
}

void TTilesForm::BoardMoved(TObject*) {
  UpdateStatus();
  if (FGame->Solved() && !FReported)
    Solved();
}

void TTilesForm::NewShuffleClick(TObject*) {
  FGame->NewShuffle(FSeeds.Next());
  FReported = false;
  FBoard->SetGame(FGame.get());
  UpdateStatus();
  if (FBoard->CanFocus())
    FBoard->SetFocus();
}

void TTilesForm::Solved() {
  FReported = true;
  const TScore result{static_cast<int>(FGame->ElapsedMs(win::GetTickCount()) / 1000),
                      FGame->Moves()};
  const TRecordOutcome outcome =
      FScores.Record(ScoreSection(FName.Directory, FName.FileBase, FName.Number),
                     std::string(SeverityName(FName.Severity)), result);
  // The whole picture shows before the notice covers part of it.
  if (FBoard->HandleAllocated())
    win::UpdateWindow(FBoard->Handle());
  if (FShowNotice)
    FShowNotice(WinNotice(result, outcome, FScores.Path()));
}
