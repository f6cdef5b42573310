#include "tiles/TilesProgram.h"

#include "skin/data/SkinData.h"
#include "skin/data/StoredSkin.h"
#include "skin/product/ProductSkin.h"
#include "tiles/TilePicture.h"
#include "tiles/TilesNotice.h"
#include "tiles/TilesTexts.h"
#include "ui/Application.h"

void LoadTilesSkin(TbsSkinData& Skin) {
  TbsStoredSkin stored(nullptr);
  ReadProductSkin(stored);
  Skin.ApplyStoredSkin(&stored);
}

TTilesForm* StartTiles(const std::string& StartName, const TTilesSetup& Setup, TbsSkinData& Skin) {
  Application->SetTitle(TilesTitle);
  TTilesNoticeFunction notice = Setup.ShowNotice;
  if (!notice)
    notice = [&Skin](const std::string& Text) { ShowTilesNotice(Text, &Skin); };

  const std::optional<TPuzzleName> name = ParsePuzzleName(StartName);
  if (!name) {
    notice(WrongNameNotice(StartName));
    return nullptr;
  }
  const int side = TTilesForm::BoardSideFor(Screen->WorkAreaHeight());
  TBoardPicture picture = LoadBoardPicture(*name, side);
  if (!picture.Ok()) {
    notice(PictureNotice(picture));
    return nullptr;
  }
  auto* form = new TTilesForm(Application, *name, std::move(picture.Bitmap), side, Setup.Seed,
                              TScoreBook(Setup.ScoresPath), &Skin, notice);
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
