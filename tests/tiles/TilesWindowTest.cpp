// The tile puzzle as a player meets it, on the headless desktop: a game
// solved by a scripted player with the mouse and with the keyboard, the
// notices for unusable names and pictures, the clock, what a move repaints,
// and a picture of a game in progress.

#include <filesystem>

#include "platform/gfx/ImageCodecs.h"
#include "platform/sys/TestFiles.h"
#include "platform/win/PaintApi.h"
#include "platform/win/VirtualKeys.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinMessage.h"
#include "support/GoldenImage.h"
#include "tiles/TileBoardView.h"
#include "tiles/TilesProgram.h"
#include "ui/UiTest.h"

namespace {

using win::MouseButton;

class TilesWindowTest : public uitest::UiTest {
 protected:
  TilesWindowTest() {
    std::filesystem::create_directories(dir / "pack");
    std::filesystem::copy_file(testsupport::SourcePath("assets/demo/brookside/landscape-1.jpg"),
                               dir / "pack/view-1.jpg");
    setup.Seed = 1234;
    setup.ScoresPath = dir / "state/tilebrook/scores.ini";
  }

  // Notes the text of the notice on show and closes it with the key.
  void CloseNotice(win::UINT Key = win::VK_RETURN) {
    script.Then([this, Key] {
      auto* notice = dynamic_cast<TbsMessageForm*>(Screen->ActiveForm());
      ASSERT_NE(notice, nullptr);
      EXPECT_EQ(notice->Caption(), "Tilebrook(tm) Tiles");
      notices.push_back(notice->Message()->Caption());
      script.InjectKey(Key, true);
      script.InjectKey(Key, false);
    });
  }

  // Runs the game under the name with the steps that OnStarted adds.
  int Play(const std::string& Name, std::function<void(TTilesForm*)> Steps) {
    setup.OnStarted = [&](TTilesForm* Form) {
      form = Form;
      Steps(Form);
    };
    return RunTiles(dir / ("pack/" + Name), setup);
  }

  TPoint SlotCentre(int Slot) const {
    const TRect r = form->Board()->SlotRect(Slot);
    return form->Board()->ClientToScreen({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  }
  void InjectClick(TPoint P, MouseButton Button = MouseButton::Left) {
    script.InjectMouseMove(P);
    script.InjectButton(Button, true);
    script.InjectButton(Button, false);
  }

  // The next move of a player who fills the slots in order: the slot's own
  // tile is fetched by clicking both (or dragging it, every other time), then
  // turned upright by right clicks. Each step makes one move and queues the
  // next one; once solved, the notice is closed with Enter and the window
  // closed.
  void PlayOn() {
    script.Then([this] {
      TTileGame& game = form->Game();
      if (game.Solved()) {
        CloseNotice();
        script.Then([this] { form->Close(); });
        return;
      }
      const TTileBoard& board = game.Board();
      int slot = 0;
      while (board.IsRight(slot))
        ++slot;
      if (board.Place(slot).Tile != slot) {
        int from = 0;
        while (board.Place(from).Tile != slot)
          ++from;
        if (game.Moves() % 2 == 0) {
          InjectClick(SlotCentre(from));
          InjectClick(SlotCentre(slot));
        } else {
          script.InjectMouseMove(SlotCentre(from));
          script.InjectButton(MouseButton::Left, true);
          script.InjectMouseMove({SlotCentre(from).x + 20, SlotCentre(from).y});
          script.InjectMouseMove(SlotCentre(slot));
          script.InjectButton(MouseButton::Left, false);
        }
      } else {
        InjectClick(SlotCentre(slot), MouseButton::Right);
      }
      script.Wait(1000);
      PlayOn();
    });
  }

  TempDirectory dir;
  TTilesSetup setup;
  TTilesForm* form = nullptr;
  std::vector<std::string> notices;
};

TEST_F(TilesWindowTest, ScriptedPlayerSolvesAGuruGameWithTheMouse) {
  const int status = Play("view-1-Guru.exe", [&](TTilesForm* Form) {
    EXPECT_EQ(Form->Game().Board().Shape().Columns, 6);
    PlayOn();
  });
  EXPECT_EQ(status, 0);
  ASSERT_EQ(notices.size(), 1u);
  const int moves = std::stoi(notices[0].substr(notices[0].find(" with ") + 6));
  EXPECT_GT(moves, 20);
  // One second per move, from the first move to the last.
  const int seconds = moves - 1;
  EXPECT_EQ(notices[0].rfind("Puzzle solved in " + std::to_string(seconds / 60) + ":", 0), 0u)
      << notices[0];
  EXPECT_NE(notices[0].find("This is your first result here"), std::string::npos);
  EXPECT_NE(notices[0].find("\r\rPuzzle gelöst in "), std::string::npos);
  const std::string scores = ReadTextFile(setup.ScoresPath);
  EXPECT_EQ(scores,
            "[pack/view-1]\nGuru=" + std::to_string(seconds) + "," + std::to_string(moves) + "\n");
}

TEST_F(TilesWindowTest, KeyboardPlayAndAWorseResultKeepTheBest) {
  WriteTextFile(setup.ScoresPath, "[pack/view-1]\nBeginner=0,2\n");
  const int status = Play("view-1-Beginner.exe", [&](TTilesForm* Form) {
    script.Then([this, Form] {
      EXPECT_TRUE(Form->Board()->Focused());
      // Walk the cursor over every slot in order, fetching each slot's tile
      // with Space on both ends.
      TTileGame& game = Form->Game();
      TTileBoard board = game.Board();
      auto key = [this](win::UINT vk) {
        script.InjectKey(vk, true);
        script.InjectKey(vk, false);
      };
      int cursor = 0;
      auto moveTo = [&](int slot) {
        while (cursor % 3 < slot % 3)
          key(win::VK_RIGHT), ++cursor;
        while (cursor % 3 > slot % 3)
          key(win::VK_LEFT), --cursor;
        while (cursor / 3 < slot / 3)
          key(win::VK_DOWN), cursor += 3;
        while (cursor / 3 > slot / 3)
          key(win::VK_UP), cursor -= 3;
      };
      for (int slot = 0; slot < 9; ++slot) {
        if (board.Place(slot).Tile == slot)
          continue;
        int from = 0;
        while (board.Place(from).Tile != slot)
          ++from;
        moveTo(from);
        key(win::VK_SPACE);
        moveTo(slot);
        key(win::VK_SPACE);
        board.Swap(from, slot);
      }
    });
    CloseNotice(win::VK_ESCAPE);
    script.Then([Form] {
      EXPECT_TRUE(Form->Game().Solved());
      Form->Close();
    });
  });
  EXPECT_EQ(status, 0);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].rfind("Puzzle solved in 0:00 with ", 0), 0u) << notices[0];
  EXPECT_NE(notices[0].find("\rBest so far: 0:00 with 2 moves."), std::string::npos);
  EXPECT_EQ(ReadTextFile(setup.ScoresPath), "[pack/view-1]\nBeginner=0,2\n");
}

TEST_F(TilesWindowTest, UnwritableStateDirectoryIsToldButTheGameGoesOn) {
  WriteTextFile(dir / "state", "a file, not a directory");
  Play("view-1-Intermediate.exe", [&](TTilesForm*) { PlayOn(); });
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find("The result could not be saved in:\r" + setup.ScoresPath),
            std::string::npos);
}

TEST_F(TilesWindowTest, UnusableNameOrPictureGivesANoticeAndStatusOne) {
  CloseNotice();
  EXPECT_EQ(RunTiles(dir / "pack/tilebrook-tiles", setup), 1);
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_NE(notices[0].find("<file>-<n>-<Severity>.exe"), std::string::npos);
  EXPECT_NE(notices[0].find(dir / "pack/tilebrook-tiles"), std::string::npos);

  CloseNotice();
  EXPECT_EQ(RunTiles(dir / "pack/missing-1-Maniac.exe", setup), 1);
  ASSERT_EQ(notices.size(), 2u);
  EXPECT_NE(notices[1].find("missing:\r\r" + dir / "pack/missing-1.jpg"), std::string::npos);
}

TEST_F(TilesWindowTest, ClockShowsPlayingTimeFromTheFirstMove) {
  Play("view-1-Expert.exe", [&](TTilesForm* Form) {
    script.Wait(5000);
    script.Then([this, Form] {
      EXPECT_EQ(Form->TimeCaption(), "Time / Zeit: 0:00");
      EXPECT_EQ(Form->MovesCaption(), "Moves / Züge: 0");
      InjectClick(SlotCentre(0), MouseButton::Left);
      InjectClick(SlotCentre(1), MouseButton::Left);
    });
    script.Wait(61000);
    script.Then([Form] {
      EXPECT_EQ(Form->MovesCaption(), "Moves / Züge: 1");
      EXPECT_EQ(Form->TimeCaption(), "Time / Zeit: 1:01");
    });
    // A new shuffle starts the count and the clock again.
    script.Then([this, Form] {
      const TPoint p = Form->NewShuffleButton()->ClientToScreen({20, 10});
      InjectClick(p);
    });
    script.Wait(3000);
    script.Then([Form] {
      EXPECT_EQ(Form->MovesCaption(), "Moves / Züge: 0");
      EXPECT_EQ(Form->TimeCaption(), "Time / Zeit: 0:00");
      EXPECT_FALSE(Form->Game().Solved());
      Form->Close();
    });
  });
}

TEST_F(TilesWindowTest, ShowPictureOnlyWhileHeld) {
  Play("view-1-Guru.exe", [&](TTilesForm* Form) {
    TTileBoardView* board = Form->Board();
    auto expectShowing = [this, board](bool showing) {
      script.Then([board, showing] { EXPECT_EQ(board->ShowingPicture(), showing); });
    };
    script.Then([this, Form] {
      script.InjectMouseMove(Form->ShowPictureButton()->ClientToScreen({30, 10}));
      script.InjectButton(MouseButton::Left, true);
    });
    expectShowing(true);
    script.Release();
    expectShowing(false);
    // P held on the board, and Space held on the focused button.
    script.Then([board] { board->SetFocus(); });
    script.KeyDown('P', 'p');
    expectShowing(true);
    // No move while the picture shows.
    script.Then([this] { InjectClick(SlotCentre(3), MouseButton::Right); });
    script.KeyUp('P');
    expectShowing(false);
    script.Then([Form] { Form->ShowPictureButton()->SetFocus(); });
    script.KeyDown(win::VK_SPACE, ' ');
    expectShowing(true);
    script.KeyUp(win::VK_SPACE);
    expectShowing(false);
    script.Then([Form] {
      EXPECT_EQ(Form->Game().Moves(), 0);
      Form->Close();
    });
  });
}

TEST_F(TilesWindowTest, AMoveRepaintsOnlyTheTilesItChanged) {
  Play("view-1-Maniac.exe", [&](TTilesForm* Form) {
    script.Then([this, Form] {
      TTileBoardView* board = Form->Board();
      gfx::Rect update;
      EXPECT_FALSE(win::GetUpdateRect(board->Handle(), &update, false));
      // Swap two tiles: the update region is exactly their two squares.
      Form->Game().Pick(9, 0);
      board->InvalidateSlots(Form->Game().Swap(9, 10, 0));
      EXPECT_TRUE(win::GetUpdateRect(board->Handle(), &update, false));
      EXPECT_EQ(update, board->SlotRect(9).Union(board->SlotRect(10)));
      board->Update();
      // A right click turns one tile and repaints only it.
      InjectClick(SlotCentre(63), MouseButton::Right);
    });
    script.Then([Form] {
      EXPECT_EQ(Form->Game().Moves(), 2);
      Form->Close();
    });
  });
}

TEST_F(TilesWindowTest, GameInProgressLooksRight) {
  Play("view-1-Guru.exe", [&](TTilesForm* Form) {
    script.Then([this] {
      InjectClick(SlotCentre(0));
      InjectClick(SlotCentre(7));
      InjectClick(SlotCentre(8), MouseButton::Right);
      InjectClick(SlotCentre(14));
      script.InjectKey(win::VK_DOWN, true);
      script.InjectKey(win::VK_DOWN, false);
    });
    script.Wait(12000);
    script.Then([this, Form] {
      win::GdiFlush();
      EXPECT_TRUE(testsupport::MatchesGolden(script.WindowShot(Form->Handle()),
                                             "tests/tiles/golden/game_in_progress.png"));
      Form->Close();
    });
  });
}

}  // namespace

namespace {

TEST(TilesBoardSide, FitsTheWorkAreaInWholeGridSteps) {
  EXPECT_EQ(TTilesForm::BoardSideFor(1280, 1024), 600);
  EXPECT_EQ(TTilesForm::BoardSideFor(1024, 768), 600);
  EXPECT_EQ(TTilesForm::BoardSideFor(800, 600), 480);
  EXPECT_EQ(TTilesForm::BoardSideFor(640, 480), 360);
  EXPECT_EQ(TTilesForm::BoardSideFor(100, 100), 240);
  for (int side : {240, 360, 480, 600})
    for (int columns : {3, 4, 5, 6, 8})
      EXPECT_EQ(side % columns, 0);
}

}  // namespace
