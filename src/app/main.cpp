// tilebrook: the puzzle package browser. It shows the puzzle packages found
// in the directories beside the program; see the README for what the player
// sees and where the data lands.

#include <memory>

#include "app/CommandLine.h"
#include "browser/Browser.h"
#include "platform/win/x11/DesktopFactory.h"
#include "ui/Application.h"

int main(int argc, char** argv) {
  // Without a display nothing can be shown, not even the help: one line on
  // standard error and exit status 1.
  std::unique_ptr<win::Desktop> desktop = win::OpenDesktopOrExit("tilebrook");
  TScreen screen;
  TApplication application;
  application.SetTitle("Tilebrook(tm) - Puzzle Browser");
  // Creating the window runs its creation handler, which adds the version
  // to the title.
  TBrowser* browser = application.CreateForm<TBrowser>();
  SetCommandLine(argc, argv);
  if (EvaluateCommandLine())
    return 0;
  browser->LoadSettings();
  application.Run();
  return 0;
}
