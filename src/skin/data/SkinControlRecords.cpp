#include "skin/data/SkinControlRecords.h"

#include "skin/data/SkinExtraControlRecords.h"

void TbsDataSkinControl::LoadFromIni(const TbsSkinIni& ini) {
  TbsSkinKeyReader reader(ini, IDName);
  VisitKeys(reader);
}

void TbsDataSkinControl::SaveToIni(TbsSkinIni& ini) {
  ini.EraseSection(IDName);
  TbsSkinKeyWriter writer(ini, IDName);
  VisitKeys(writer);
}

void TbsDataSkinControl::VisitKeys(TbsSkinKeyVisitor& v) {
  v.PictureIndex("pictureindex", pictureindex);
  v.PictureIndex("maskpictureindex", maskpictureindex);
  v.Rect("skinrect", skinrect);
}

void TbsDataSkinCustomControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Rect("clientrect", clientrect);
}

void TbsDataSkinUpDownControl::LoadFromIni(const TbsSkinIni& ini) {
  TbsDataSkinCustomControl::LoadFromIni(ini);
  lefttoppoint = righttoppoint = leftbottompoint = rightbottompoint = gfx::Point{};
  clientrect = gfx::Rect{};
}

void TbsDataSkinButtonControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 0);
  v.Color("downfontcolor", downfontcolor, 0);
  v.Color("disabledfontcolor", disabledfontcolor, 0);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("downskinrect", downskinrect);
  v.Rect("disabledskinrect", disabledskinrect);
  v.Flag("morphing", morphing);
  v.MorphKind("morphkind", morphkind);
}

void TbsDataSkinLabelControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
}

void TbsDataSkinStdLabelControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 16711680);
}

void TbsDataSkinUpDownControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("upbuttonrect", upbuttonrect);
  v.Rect("activeupbuttonrect", activeupbuttonrect);
  v.Rect("downupbuttonrect", downupbuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("activedownbuttonrect", activedownbuttonrect);
  v.Rect("downdownbuttonrect", downdownbuttonrect);
}

void TbsDataSkinListBox::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("itemrect", itemrect);
  v.Rect("activeitemrect", activeitemrect);
  v.Rect("focusitemrect", focusitemrect);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.Rect("itemtextrect", itemtextrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 0);
  v.Color("focusfontcolor", focusfontcolor, 0);
  v.Rect("captionrect", captionrect);
  v.Text("captionfontname", captionfontname, "Arial");
  v.Integer("captionfontheight", captionfontheight, 14);
  v.FontStyle("captionfontstyle", captionfontstyle);
  v.Color("captionfontcolor", captionfontcolor, 0);
  v.Rect("upbuttonrect", upbuttonrect);
  v.Rect("activeupbuttonrect", activeupbuttonrect);
  v.Rect("downupbuttonrect", downupbuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("activedownbuttonrect", activedownbuttonrect);
  v.Rect("downdownbuttonrect", downdownbuttonrect);
  v.Rect("checkbuttonrect", checkbuttonrect);
  v.Rect("activecheckbuttonrect", activecheckbuttonrect);
  v.Rect("downcheckbuttonrect", downcheckbuttonrect);
  v.Text("vscrollbarname", vscrollbarname, "vscrollbar");
  v.Text("hscrollbarname", hscrollbarname, "hscrollbar");
  v.Text("bothhscrollbarname", bothhscrollbarname, "bothhscrollbar");
}

void TbsDataSkinComboBox::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("itemrect", itemrect);
  v.Rect("focusitemrect", focusitemrect);
  v.Integer("itemleftoffset", itemleftoffset, 0);
  v.Integer("itemrightoffset", itemrightoffset, 0);
  v.Rect("itemtextrect", itemtextrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("focusfontcolor", focusfontcolor, 0);
  v.Text("listboxname", listboxname, "");
  v.Rect("buttonrect", buttonrect);
  v.Rect("activebuttonrect", activebuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("unenabledbuttonrect", unenabledbuttonrect);
}

void TbsDataSkinScrollBarControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("trackarea", trackarea);
  v.Rect("upbuttonrect", upbuttonrect);
  v.Rect("activeupbuttonrect", activeupbuttonrect);
  v.Rect("downupbuttonrect", downupbuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("activedownbuttonrect", activedownbuttonrect);
  v.Rect("downdownbuttonrect", downdownbuttonrect);
  v.Rect("thumbrect", thumbrect);
  v.Rect("activethumbrect", activethumbrect);
  v.Rect("downthumbrect", downthumbrect);
  v.Integer("thumboffset1", thumboffset1, 0);
  v.Integer("thumboffset2", thumboffset2, 0);
  v.Rect("glyphrect", glyphrect);
  v.Rect("activeglyphrect", activeglyphrect);
  v.Rect("downglyphrect", downglyphrect);
}

void TbsDataSkinBevel::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  v.Color("lightcolor", lightcolor, 0);
  v.Color("darkcolor", darkcolor, 0);
}

std::unique_ptr<TbsDataSkinControl> CreateSkinControlRecord(std::string_view typeWord,
                                                            std::string name) {
  if (typeWord == "panel")
    return std::make_unique<TbsDataSkinPanelControl>(std::move(name));
  if (typeWord == "expanel")
    return std::make_unique<TbsDataSkinExPanelControl>(std::move(name));
  if (typeWord == "button")
    return std::make_unique<TbsDataSkinButtonControl>(std::move(name));
  if (typeWord == "menubutton")
    return std::make_unique<TbsDataSkinMenuButtonControl>(std::move(name));
  if (typeWord == "checkradio")
    return std::make_unique<TbsDataSkinCheckRadioControl>(std::move(name));
  if (typeWord == "gauge")
    return std::make_unique<TbsDataSkinGaugeControl>(std::move(name));
  if (typeWord == "splitter")
    return std::make_unique<TbsDataSkinSplitterControl>(std::move(name));
  if (typeWord == "trackbar")
    return std::make_unique<TbsDataSkinTrackBarControl>(std::move(name));
  if (typeWord == "label")
    return std::make_unique<TbsDataSkinLabelControl>(std::move(name));
  if (typeWord == "stdlabel")
    return std::make_unique<TbsDataSkinStdLabelControl>(std::move(name));
  if (typeWord == "updown")
    return std::make_unique<TbsDataSkinUpDownControl>(std::move(name));
  if (typeWord == "grid")
    return std::make_unique<TbsDataSkinGridControl>(std::move(name));
  if (typeWord == "tab")
    return std::make_unique<TbsDataSkinTabControl>(std::move(name));
  if (typeWord == "mainmenubar")
    return std::make_unique<TbsDataSkinMainMenuBar>(std::move(name));
  if (typeWord == "controlbar")
    return std::make_unique<TbsDataSkinControlBar>(std::move(name));
  if (typeWord == "edit")
    return std::make_unique<TbsDataSkinEditControl>(std::move(name));
  if (typeWord == "memo")
    return std::make_unique<TbsDataSkinMemoControl>(std::move(name));
  if (typeWord == "listbox")
    return std::make_unique<TbsDataSkinListBox>(std::move(name));
  if (typeWord == "checklistbox")
    return std::make_unique<TbsDataSkinCheckListBox>(std::move(name));
  if (typeWord == "combobox")
    return std::make_unique<TbsDataSkinComboBox>(std::move(name));
  if (typeWord == "scrollbar")
    return std::make_unique<TbsDataSkinScrollBarControl>(std::move(name));
  if (typeWord == "spinedit")
    return std::make_unique<TbsDataSkinSpinEditControl>(std::move(name));
  if (typeWord == "scrollbox")
    return std::make_unique<TbsDataSkinScrollBoxControl>(std::move(name));
  if (typeWord == "treeview")
    return std::make_unique<TbsDataSkinTreeView>(std::move(name));
  if (typeWord == "listview")
    return std::make_unique<TbsDataSkinListView>(std::move(name));
  if (typeWord == "richedit")
    return std::make_unique<TbsDataSkinRichEdit>(std::move(name));
  if (typeWord == "bevel")
    return std::make_unique<TbsDataSkinBevel>(std::move(name));
  if (typeWord == "slider")
    return std::make_unique<TbsDataSkinSlider>(std::move(name));
  return nullptr;
}
