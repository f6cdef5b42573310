#pragma once

// The tile puzzle's window: the board on the left; on the right the
// puzzle's name and severity, the moves and the time, "New shuffle" and
// "Show picture" (held down, it shows the whole picture). On the last
// correct tile a notice gives the result and the best so far, and a new
// best goes into the scores file.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "tiles/PuzzleName.h"
#include "tiles/Scores.h"
#include "tiles/TileGame.h"
#include "ui/Form.h"

class TbsSkinButton;
class TbsSkinData;
class TbsSkinForm;
class TbsSkinStdLabel;
class TTileBoardView;
class TTimer;

using TTilesNoticeFunction = std::function<void(const std::string& Text)>;

class TTilesForm : public TForm {
 public:
  // Plays Name with Picture (BoardSide x BoardSide), deals from Seed, and
  // keeps results in Scores. Skin is not owned and must outlive the form.
  TTilesForm(TComponent* AOwner, const TPuzzleName& Name, gfx::Bitmap&& Picture, int BoardSide,
             std::uint64_t Seed, TScoreBook Scores, TbsSkinData* Skin,
             TTilesNoticeFunction ShowNotice);
  ~TTilesForm() override;

  // The board's side for a work area of this size: 600 pixels, less on
  // small screens, always a multiple of every grid size.
  static int BoardSideFor(int WorkAreaWidth, int WorkAreaHeight);

  TTileGame& Game() { return *FGame; }
  TTileBoardView* Board() const { return FBoard; }
  TbsSkinButton* NewShuffleButton() const { return FNewButton; }
  TbsSkinButton* ShowPictureButton() const { return FShowButton; }
  const std::string& MovesCaption() const;
  const std::string& TimeCaption() const;

 private:
  void BoardMoved(TObject* Sender);
  void NewShuffleClick(TObject* Sender);
  void UpdateStatus();
  void Solved();
  TbsSkinStdLabel* AddLabel(int Top, const std::string& Caption, int FontHeight, bool Bold);

  TPuzzleName FName;
  std::unique_ptr<TTileGame> FGame;
  TShuffleRandom FSeeds;
  TScoreBook FScores;
  TbsSkinData* FSkin;
  TTilesNoticeFunction FShowNotice;
  TbsSkinForm* FFrame = nullptr;
  TTileBoardView* FBoard = nullptr;
  TbsSkinStdLabel* FMovesLabel = nullptr;
  TbsSkinStdLabel* FTimeLabel = nullptr;
  TbsSkinButton* FNewButton = nullptr;
  TbsSkinButton* FShowButton = nullptr;
  TTimer* FTimer = nullptr;
  bool FReported = false;
};
