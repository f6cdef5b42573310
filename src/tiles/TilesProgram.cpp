#include "tiles/TilesProgram.h"

#include <algorithm>
#include <cstdio>

#include "skin/data/SkinData.h"
#include "skin/data/StoredSkin.h"
#include "skin/product/ProductSkin.h"
#include "tiles/TilePicture.h"
#include "tiles/TilesNotice.h"
#include "tiles/TilesTexts.h"
#include "ui/Application.h"

void LoadTilesSkin(TbsSkinData& Skin) {
  ApplyProductSkin(Skin);
}

TTilesForm* StartTiles(const std::string& StartName, const TTilesSetup& Setup, TbsSkinData& Skin) {
  Application->SetTitle(TilesTitle);
  TTilesNoticeFunction show = Setup.ShowNotice;
  if (!show)
    show = [&Skin](const std::string& Text) { ShowTilesNotice(Text, &Skin); };
  // A package author starting the program from a shell reads why it ends
  // there too.
  auto notice = [&show](const std::string& Text) {
    std::string line = Text;
    std::replace(line.begin(), line.end(), '\r', '\n');
    std::fprintf(stderr, "tilebrook-tiles: %s\n", line.c_str());
    show(Text);
  };

  const std::optional<TPuzzleName> name = ParsePuzzleName(StartName);
  if (!name) {
    notice(WrongNameNotice(StartName));
    return nullptr;
  }
  const int side = TTilesForm::BoardSideFor(Screen->WorkAreaWidth(), Screen->WorkAreaHeight());
  TBoardPicture picture = LoadBoardPicture(*name, side);
  if (!picture.Ok()) {
    notice(PictureNotice(picture));
    return nullptr;
  }
  auto* form = new TTilesForm(Application, *name, std::move(picture.Bitmap), side, Setup.Seed,
                              TScoreBook(Setup.ScoresPath), &Skin, show);
  Application->AddForm(form);
  return form;
}

int RunTiles(const std::string& StartName, const TTilesSetup& Setup) {
  TbsSkinData skin(nullptr);
  LoadTilesSkin(skin);
  TTilesForm* form = StartTiles(StartName, Setup, skin);
  if (!form)
    return 1;
  if (Setup.OnStarted)
    Setup.OnStarted(form);
  Application->Run();
  // The form goes with the application; make sure it goes while the skin
  // it draws with still exists.
  delete form;
  return 0;
}
