// ui-gallery: the component framework's controls on one form.
//
//   ui-gallery                      opens the gallery on the X11 display
//   ui-gallery --screenshot FILE    draws it headless and writes a PNG

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "Gallery.h"
#include "platform/win/Win.h"
#include "platform/win/headless/HeadlessDesktop.h"
#include "ui/Application.h"

#if TILEBROOK_GALLERY_X11
#include "platform/win/x11/DesktopFactory.h"
#endif

namespace {

int Screenshot(const std::string& path) {
  win::HeadlessDesktop headless;
  TScreen screen;
  TApplication application;
  application.SetTitle("ui-gallery");
  auto* form = application.CreateForm<TGalleryForm>();
  form->Show();
  application.ProcessMessages();
  win::GdiFlush();
  if (!headless.Backend().SaveWindowShot(form->Handle(), path)) {
    std::fprintf(stderr, "ui-gallery: cannot write %s\n", path.c_str());
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::strcmp(argv[1], "--screenshot") == 0)
    return Screenshot(argv[2]);
  if (argc != 1) {
    std::fprintf(stderr, "usage: ui-gallery [--screenshot FILE.png]\n");
    return 2;
  }
#if TILEBROOK_GALLERY_X11
  std::unique_ptr<win::Desktop> desktop = win::OpenDesktopOrExit("ui-gallery");
  TScreen screen;
  TApplication application;
  application.SetTitle("ui-gallery");
  application.CreateForm<TGalleryForm>();
  application.Run();
  return 0;
#else
  std::fprintf(stderr,
               "ui-gallery: this build has no display backend; use --screenshot FILE.png\n");
  return 1;
#endif
}
