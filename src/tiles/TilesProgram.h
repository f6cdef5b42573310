#pragma once

// The tile puzzle from its start to its end, on whatever desktop the
// caller made (the display, or the headless one in tests): read the start
// name, load the picture, play.

#include <cstdint>
#include <functional>
#include <string>

#include "tiles/TilesForm.h"

struct TTilesSetup {
  std::uint64_t Seed = 0;
  std::string ScoresPath;  // empty: results are not kept
  // Shows a notice; null shows the skinned notice.
  TTilesNoticeFunction ShowNotice;
  // Called with the window once it exists, before the game runs.
  std::function<void(TTilesForm*)> OnStarted;
};

// Reads the start name and the picture and makes the game's window, not yet
// shown, owned by the Application. Null when the name or the picture is
// unusable, after a notice has said why. Skin draws the window and the
// notices and must outlive the window.
TTilesForm* StartTiles(const std::string& StartName, const TTilesSetup& Setup, TbsSkinData& Skin);

// Runs the game started under StartName until its window closes, with the
// Application and Screen objects existing, in the product skin. Returns the
// program's exit status: 0 after a game, 1 when the name or the picture is
// unusable.
int RunTiles(const std::string& StartName, const TTilesSetup& Setup);

// Loads the product skin into Skin.
void LoadTilesSkin(TbsSkinData& Skin);
