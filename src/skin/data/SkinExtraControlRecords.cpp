#include "skin/data/SkinExtraControlRecords.h"

void TbsDataSkinPanelControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.Rect("captionrect", captionrect);
  v.Alignment("alignment", alignment);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("uncheckimagerect", uncheckimagerect);
}

void TbsDataSkinExPanelControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("rollhskinrect", rollhskinrect);
  v.Rect("rollvskinrect", rollvskinrect);
  v.Integer("rollleftoffset", rollleftoffset, 0);
  v.Integer("rollrightoffset", rollrightoffset, 0);
  v.Integer("rolltopoffset", rolltopoffset, 0);
  v.Integer("rollbottomoffset", rollbottomoffset, 0);
  v.Rect("rollvcaptionrect", rollvcaptionrect);
  v.Rect("rollhcaptionrect", rollhcaptionrect);
  v.Rect("closebuttonrect", closebuttonrect);
  v.Rect("closebuttonactiverect", closebuttonactiverect);
  v.Rect("closebuttondownrect", closebuttondownrect);
  v.Rect("hrollbuttonrect", hrollbuttonrect);
  v.Rect("hrollbuttonactiverect", hrollbuttonactiverect);
  v.Rect("hrollbuttondownrect", hrollbuttondownrect);
  v.Rect("hrestorebuttonrect", hrestorebuttonrect);
  v.Rect("hrestorebuttonactiverect", hrestorebuttonactiverect);
  v.Rect("hrestorebuttondownrect", hrestorebuttondownrect);
  v.Rect("vrollbuttonrect", vrollbuttonrect);
  v.Rect("vrollbuttonactiverect", vrollbuttonactiverect);
  v.Rect("vrollbuttondownrect", vrollbuttondownrect);
  v.Rect("vrestorebuttonrect", vrestorebuttonrect);
  v.Rect("vrestorebuttonactiverect", vrestorebuttonactiverect);
  v.Rect("vrestorebuttondownrect", vrestorebuttondownrect);
  v.Rect("captionrect", captionrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
}

void TbsDataSkinMenuButtonControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinButtonControl::VisitKeys(v);
  v.Rect("trackbuttonrect", trackbuttonrect);
}

void TbsDataSkinCheckRadioControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 0);
  v.Color("unenabledfontcolor", unenabledfontcolor, 0);
  v.Color("framefontcolor", framefontcolor, 0);
  v.Rect("activeskinrect", activeskinrect);
  v.Rect("checkimagearea", checkimagearea);
  v.Rect("textarea", textarea);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("uncheckimagerect", uncheckimagerect);
  v.Rect("activecheckimagerect", activecheckimagerect);
  v.Rect("activeuncheckimagerect", activeuncheckimagerect);
  v.Rect("unenabledcheckimagerect", unenabledcheckimagerect);
  v.Rect("unenableduncheckimagerect", unenableduncheckimagerect);
  v.Flag("morphing", morphing);
  v.MorphKind("morphkind", morphkind);
}

void TbsDataSkinGaugeControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("progressarea", progressarea);
  v.Rect("progressrect", progressrect);
  v.Integer("beginoffset", beginoffset, 0);
  v.Integer("endoffset", endoffset, 0);
  v.Flag("vertical", vertical);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
}

void TbsDataSkinTrackBarControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("trackarea", trackarea);
  v.Rect("buttonrect", buttonrect);
  v.Rect("activebuttonrect", activebuttonrect);
  v.Flag("vertical", vertical);
}

void TbsDataSkinGridControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  v.Rect("fixedcellrect", fixedcellrect);
  v.Rect("selectcellrect", selectcellrect);
  v.Rect("focuscellrect", focuscellrect);
  v.Integer("fixedcellleftoffset", fixedcellleftoffset, 0);
  v.Integer("fixedcellrightoffset", fixedcellrightoffset, 0);
  v.Rect("fixedcelltextrect", fixedcelltextrect);
  v.Integer("cellleftoffset", cellleftoffset, 0);
  v.Integer("cellrightoffset", cellrightoffset, 0);
  v.Rect("celltextrect", celltextrect);
  v.Color("linescolor", linescolor, 0);
  v.Color("bgcolor", bgcolor, 0);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("selectfontcolor", selectfontcolor, 0);
  v.Color("focusfontcolor", focusfontcolor, 0);
  v.Text("fixedfontname", fixedfontname, "Arial");
  v.Integer("fixedfontheight", fixedfontheight, 14);
  v.FontStyle("fixedfontstyle", fixedfontstyle);
  v.Color("fixedfontcolor", fixedfontcolor, 0);
}

void TbsDataSkinTabControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  v.Rect("tabrect", tabrect);
  v.Rect("activetabrect", activetabrect);
  v.Rect("focustabrect", focustabrect);
  v.Rect("mouseintabrect", mouseintabrect);
  v.Rect("clientrect", clientrect);
  v.PictureIndex("bgpictureindex", bgpictureindex);
  v.Point("lefttoppoint", lefttoppoint);
  v.Point("righttoppoint", righttoppoint);
  v.Point("leftbottompoint", leftbottompoint);
  v.Point("rightbottompoint", rightbottompoint);
  v.Integer("tableftoffset", tableftoffset, 0);
  v.Integer("tabrightoffset", tabrightoffset, 0);
  v.Rect("tabsbgrect", tabsbgrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 0);
  v.Color("focusfontcolor", focusfontcolor, 0);
  v.Color("mouseinfontcolor", mouseinfontcolor, 0);
  v.Text("updown", updown, "");
}

void TbsDataSkinMainMenuBar::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  v.Rect("itemsrect", itemsrect);
  v.Text("menubaritem", menubaritem, "");
  v.Text("closebutton", closebutton, "");
  v.Text("minbutton", minbutton, "");
  v.Text("maxbutton", maxbutton, "");
  v.Text("sysmenubutton", sysmenubutton, "");
  v.Color("trackmarkcolor", trackmarkcolor, 0);
  v.Color("trackmarkactivecolor", trackmarkactivecolor, 0);
}

void TbsDataSkinControlBar::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("itemrect", itemrect);
  v.PictureIndex("bgpictureindex", bgpictureindex);
}

void TbsDataSkinEditControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("activeskinrect", activeskinrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("disabledfontcolor", disabledfontcolor, 0);
  v.Color("activefontcolor", activefontcolor, 0);
  v.Rect("buttonrect", buttonrect);
  v.Rect("activebuttonrect", activebuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("unenabledbuttonrect", unenabledbuttonrect);
}

void TbsDataSkinMemoControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinEditControl::VisitKeys(v);
  v.Color("bgcolor", bgcolor, 0);
  v.Color("activebgcolor", activebgcolor, 0);
}

void TbsDataSkinCheckListBox::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinListBox::VisitKeys(v);
  v.Rect("itemcheckrect", itemcheckrect);
  v.Rect("checkimagerect", checkimagerect);
  v.Rect("uncheckimagerect", uncheckimagerect);
}

void TbsDataSkinSpinEditControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.Rect("activeskinrect", activeskinrect);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("activefontcolor", activefontcolor, 0);
  v.Color("disabledfontcolor", disabledfontcolor, 0);
  v.Rect("upbuttonrect", upbuttonrect);
  v.Rect("activeupbuttonrect", activeupbuttonrect);
  v.Rect("downupbuttonrect", downupbuttonrect);
  v.Rect("downbuttonrect", downbuttonrect);
  v.Rect("activedownbuttonrect", activedownbuttonrect);
  v.Rect("downdownbuttonrect", downdownbuttonrect);
}

void TbsDataSkinScrollBoxControl::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinCustomControl::VisitKeys(v);
  v.PictureIndex("bgpictureindex", bgpictureindex);
}

void TbsDataSkinTreeView::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("bgcolor", bgcolor, 0);
}

void TbsDataSkinListView::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("bgcolor", bgcolor, 0);
}

void TbsDataSkinRichEdit::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  VisitFontKeys(v, fontname, fontheight, fontstyle, fontcolor);
  v.Color("bgcolor", bgcolor, 0);
}

void TbsDataSkinSlider::VisitKeys(TbsSkinKeyVisitor& v) {
  TbsDataSkinControl::VisitKeys(v);
  v.Color("bgcolor", bgcolor, 0);
  v.Rect("hrulerrect", hrulerrect);
  v.Rect("hthumbrect", hthumbrect);
  v.Rect("vrulerrect", vrulerrect);
  v.Rect("vthumbrect", vthumbrect);
  v.Integer("edgesize", edgesize, 0);
  v.Color("pointscolor", pointscolor, 0);
}
