#include "tiles/TilesProgram.h"

#include "skin/data/SkinData.h"
#include "skin/data/StoredSkin.h"
#include "skin/product/ProductSkin.h"
#include "tiles/TilePicture.h"
#include "tiles/TilesNotice.h"
#include "tiles/TilesTexts.h"
#include "ui/Application.h"

int RunTiles(const std::string& StartName, const TTilesSetup& Setup) {
  Application->SetTitle(TilesTitle);
  // The product's skin, for the window and for the notices before it.
  TbsSkinData skin(nullptr);
  {
    TbsStoredSkin stored(nullptr);
    ReadProductSkin(stored);
    skin.ApplyStoredSkin(&stored);
  }
  TTilesNoticeFunction notice = Setup.ShowNotice;
  if (!notice)
    notice = [&skin](const std::string& Text) { ShowTilesNotice(Text, &skin); };

  const std::optional<TPuzzleName> name = ParsePuzzleName(StartName);
  if (!name) {
    notice(WrongNameNotice(StartName));
    return 1;
  }
  const int side = TTilesForm::BoardSideFor(Screen->WorkAreaHeight());
  TBoardPicture picture = LoadBoardPicture(*name, side);
  if (!picture.Ok()) {
    notice(PictureNotice(picture));
    return 1;
  }
  auto* form = new TTilesForm(Application, *name, std::move(picture.Bitmap), side, Setup.Seed,
                              TScoreBook(Setup.ScoresPath), &skin, notice);
  Application->AddForm(form);
  if (Setup.OnStarted)
    Setup.OnStarted(form);
  Application->Run();
  // The form goes with the application; make sure it goes while the skin
  // it draws with still exists.
  delete form;
  return 0;
}
