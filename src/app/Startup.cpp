#include "app/Startup.h"

#include <exception>

#include "app/CommandLine.h"
#include "browser/Browser.h"
#include "platform/sys/SessionEnd.h"
#include "platform/sys/StandardStreams.h"
#include "ui/Application.h"
#include "ui/Form.h"

int RunTilebrook(const std::vector<std::string>& Params,
                 const std::function<void(TBrowser&)>& Prepare) {
  IgnoreErrors = false;
  TScreen screen;
  TApplication application;
  application.SetTitle(ApplicationTitle);
  // Creating the window runs its creation handler, which adds the version
  // to the title, so even the help notice carries the whole title.
  TBrowser* browser = application.CreateForm<TBrowser>();
  if (Prepare)
    Prepare(*browser);
  // The help switch ends the program here: no settings are read or
  // written and no package directory is scanned.
  if (EvaluateCommandLine(Params))
    return 0;
  // Asked to end before anything was read: there is nothing to save.
  if (sys::SessionEnding())
    return 0;
  browser->LoadSettings();
  int status = 0;
  if (!sys::SessionEnding()) {
    try {
      application.Run();
    } catch (const std::exception& failure) {
      // A failure nothing handled on its way (memory running out while a
      // large picture is decoded, say) would otherwise end the program on
      // the spot and lose the player's choices: it ends as the session's
      // end does, with one line on standard error.
      sys::ReportUnhandledFailure("tilebrook", failure);
      sys::RequestSessionEnd();
      status = 1;
    }
  }
  // Ended from outside (a termination signal, the display gone): the window
  // closes as if the player had closed it, and saves the same data.
  if (sys::SessionEnding())
    if (TCustomForm* main = application.MainForm())
      main->Close();
  return status;
}
