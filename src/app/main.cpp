// tilebrook: the puzzle package browser. It shows the puzzle packages found
// in the directories beside the program; see the README for what the player
// sees and where the data lands.

#include <memory>
#include <string>
#include <vector>

#include "app/Startup.h"
#include "platform/gfx/Font.h"
#include "platform/sys/SessionEnd.h"
#include "platform/sys/StandardStreams.h"
#include "platform/win/x11/DesktopFactory.h"

int main(int argc, char** argv) {
  // Before anything is opened: nothing may take the numbers of missing
  // standard streams, and a stream whose reader has gone may not end the
  // program.
  sys::PrepareStandardStreams();
  // A termination signal or the display going away ends the program in
  // order: the window closes and saves the player's choices first.
  sys::CatchSessionEndSignals();
  // The font configuration is read while the display opens and the
  // window's pictures are decoded.
  gfx::PrepareFontConfiguration();
  // Without a display nothing can be shown, not even the help: one line on
  // standard error and exit status 1.
  std::unique_ptr<win::Desktop> desktop = win::OpenDesktopOrExit("tilebrook");
  return RunTilebrook(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc));
}
