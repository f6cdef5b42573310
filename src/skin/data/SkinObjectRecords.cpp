#include "skin/data/SkinObjectRecords.h"

void TbsDataSkinObject::LoadFromIni(const TbsSkinIni& ini) {
  TbsSkinKeyReader reader(ini, IDName);
  VisitKeys(reader);
}

void TbsDataSkinObject::SaveToIni(TbsSkinIni& ini) {
  ini.EraseSection(IDName);
  TbsSkinKeyWriter writer(ini, IDName);
  VisitKeys(writer);
}

void TbsDataSkinObject::VisitKeys(TbsSkinKeyVisitor& v) {
  v.Text("hint", hint, "");
  v.PictureIndex("activepictureindex", activepictureindex);
  v.Flag("skinrectinapicture", skinrectinapicture);
  v.Rect("skinrect", skinrect);
  v.Rect("activeskinrect", activeskinrect);
  v.Flag("morphing", morphing);
  v.MorphKind("morphkind", morphkind);
}

void TbsDataSkinMenuItem::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinObject::VisitKeys(v);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.Rect("dividerrect", dividerrect);
  v.Integer("dividerleftoffset", dividerleftoffset, 0);
  v.Integer("dividerrightoffset", dividerrightoffset, 0);
  v.Rect("textrect", textrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 0);
  v.Color("unenabledfontcolor", unenabledfontcolor, 0);
}

void TbsDataSkinMainMenuItem::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinObject::VisitKeys(v);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.Rect("downrect", downrect);
  v.Rect("textrect", textrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 0);
  v.Color("downfontcolor", downfontcolor, 0);
  // Skins spell this key with a capital C; names match without case, and
  // writing keeps the established spelling.
  v.Color("unenabledfontColor", unenabledfontcolor, 0);
}

void TbsDataSkinButton::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinObject::VisitKeys(v);
  v.Rect("downrect", downrect);
  v.Rect("disableskinrsect", disableskinrsect);
}

void TbsDataSkinStdButton::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinButton::VisitKeys(v);
  v.Command("command", command);
  v.Rect("restorerect", restorerect);
  v.Rect("restoreactiverect", restoreactiverect);
  v.Rect("restoredownrect", restoredownrect);
  v.Rect("restoreinactiverect", restoreinactiverect);
}

void TbsDataSkinCaption::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinObject::VisitKeys(v);
  v.Rect("textrect", textrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 0);
  v.Alignment("alignment", alignment);
  v.Flag("shadow", shadow);
  v.Color("shadowcolor", shadowcolor, 0);
  v.Color("activeshadowcolor", activeshadowcolor, 0);
  v.Rect("framerect", framerect);
  v.Rect("activeframerect", activeframerect);
  v.Rect("frametextrect", frametextrect);
  v.Integer("frameleftoffset", frameleftoffset, 0);
  v.Integer("framerightoffset", framerightoffset, 0);
}

void TbsDataSkinAnimate::LoadFromIni(const TbsSkinIni& ini) {
  TbsDataSkinObject::LoadFromIni(ini);
  morphing = false;
}

void TbsDataSkinAnimate::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinObject::VisitKeys(v);
  v.Integer("countframes", countframes, 1);
  v.Flag("cycle", cycle);
  v.Flag("buttonstyle", buttonstyle);
  v.Integer("timerinterval", timerinterval, 50);
  v.Command("command", command);
}

void TbsDataUserObject::VisitKeys(TbsSkinKeyVisitor& v) {
  v.Rect("skinrect", skinrect);
}

std::unique_ptr<TbsDataSkinObject> CreateSkinObjectRecord(std::string_view typeWord,
                                                          std::string name) {
  if (typeWord == "menuitem")
    return std::make_unique<TbsDataSkinMenuItem>(std::move(name));
  if (typeWord == "mainmenubaritem")
    return std::make_unique<TbsDataSkinMainMenuBarItem>(std::move(name));
  if (typeWord == "stdbutton")
    return std::make_unique<TbsDataSkinStdButton>(std::move(name));
  if (typeWord == "mainmenubarbutton")
    return std::make_unique<TbsDataSkinMainMenuBarButton>(std::move(name));
  if (typeWord == "button")
    return std::make_unique<TbsDataSkinButton>(std::move(name));
  if (typeWord == "caption")
    return std::make_unique<TbsDataSkinCaption>(std::move(name));
  if (typeWord == "animate")
    return std::make_unique<TbsDataSkinAnimate>(std::move(name));
  if (typeWord == "userobject")
    return std::make_unique<TbsDataUserObject>(std::move(name));
  return nullptr;
}
