#include "skin/data/SkinWindowRecords.h"

namespace {

void VisitCorners(TbsSkinKeyVisitor& v, gfx::Point& lt, gfx::Point& rt, gfx::Point& lb,
                  gfx::Point& rb) {
  v.Point("lefttoppoint", lt);
  v.Point("righttoppoint", rt);
  v.Point("leftbottompoint", lb);
  v.Point("rightbottompoint", rb);
}

void VisitStretch(TbsSkinKeyVisitor& v, bool& left, bool& right, bool& top, bool& bottom) {
  v.Flag("leftstretch", left);
  v.Flag("rightstretch", right);
  v.Flag("topstretch", top);
  v.Flag("bottomstretch", bottom);
}

}  // namespace

void TbsDataSkinPopupWindow::LoadFromIni(const TbsSkinIni& ini) {
  TbsSkinKeyReader reader(ini, kSection);
  VisitKeys(reader);
}

void TbsDataSkinPopupWindow::SaveToIni(TbsSkinIni& ini) {
  ini.EraseSection(kSection);
  TbsSkinKeyWriter writer(ini, kSection);
  VisitKeys(writer);
}

void TbsDataSkinPopupWindow::VisitKeys(TbsSkinKeyVisitor& v) {
  v.PictureIndex("windowpictureindex", windowpictureindex);
  v.PictureIndex("maskpictureindex", maskpictureindex);
  VisitCorners(v, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
  v.Rect("itemsrect", itemsrect);
  v.Color("scrollmarkercolor", scrollmarkercolor, 0);
  v.Color("scrollmarkeractivecolor", scrollmarkeractivecolor, 0);
  VisitStretch(v, leftstretch, rightstretch, topstretch, bottomstretch);
}

void TbsDataSkinHintWindow::LoadFromIni(const TbsSkinIni& ini) {
  TbsSkinKeyReader reader(ini, kSection);
  VisitKeys(reader);
}

void TbsDataSkinHintWindow::SaveToIni(TbsSkinIni& ini) {
  ini.EraseSection(kSection);
  TbsSkinKeyWriter writer(ini, kSection);
  VisitKeys(writer);
}

void TbsDataSkinHintWindow::VisitKeys(TbsSkinKeyVisitor& v) {
  v.PictureIndex("windowpictureindex", windowpictureindex);
  v.PictureIndex("maskpictureindex", maskpictureindex);
  VisitCorners(v, lefttoppoint, righttoppoint, leftbottompoint, rightbottompoint);
  v.Rect("clientrect", clientrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  VisitStretch(v, leftstretch, rightstretch, topstretch, bottomstretch);
}
