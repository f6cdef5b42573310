// tilebrook-tiles: the tile puzzle that puzzle packages ship under their
// puzzle names, "<file>-<n>-<Severity>.exe". It reads what to play from the
// name it was started under.

#include <cstdlib>
#include <exception>
#include <random>
#include <string>

#include "platform/gfx/Font.h"
#include "platform/sys/StandardStreams.h"
#include "platform/win/x11/DesktopFactory.h"
#include "tiles/PuzzleName.h"
#include "tiles/Scores.h"
#include "tiles/TilesProgram.h"
#include "ui/Application.h"

namespace {

int Play(int argc, char** argv) {
  TScreen screen;
  TApplication application;
  TTilesSetup setup;
  std::random_device entropy;
  setup.Seed = (static_cast<std::uint64_t>(entropy()) << 32) ^ entropy();
  setup.ScoresPath = ScoresFilePath();
  const std::string startName = argc > 0 && argv[0] ? argv[0] : "";
  return RunTiles(ResolveStartName(startName, std::getenv("PATH")), setup);
}

}  // namespace

int main(int argc, char** argv) {
  // Before anything is opened: nothing may take the numbers of missing
  // standard streams, and a stream whose reader has gone may not end the
  // program.
  sys::PrepareStandardStreams();
  gfx::PrepareFontConfiguration();
  std::unique_ptr<win::Desktop> desktop = win::OpenDesktopOrExit("tilebrook-tiles");
  // A failure nothing handled on its way (memory running out, say) ends the
  // game with one line on standard error instead of an abort; a game's
  // record is written when it is won, so nothing else is lost.
  try {
    return Play(argc, argv);
  } catch (const std::exception& failure) {
    sys::ReportUnhandledFailure("tilebrook-tiles", failure);
    return 1;
  }
}
