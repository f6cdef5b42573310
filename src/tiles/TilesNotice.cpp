#include "tiles/TilesNotice.h"

#include "skin/controls/SkinMessage.h"

void ShowTilesNotice(const std::string& Text, TbsSkinData* Skin) {
  TbsSkinMessage message(nullptr);
  message.SetSkinData(Skin);
  message.SetCtrlSkinData(Skin);
  TFont font;
  font.SetName("Arial");
  font.SetHeight(-14);
  message.SetDefaultFont(font);
  message.SetDefaultButtonFont(font);
  message.ShowMessageDialog(Text, mtCustom, TMsgDlgButtons{mbOK});
}
