#pragma once

// Records of the further skinned control kinds: panels, check and radio
// boxes, gauges, track bars, grids, tabs, menu bars, edits, list views and
// the like. The browser window does not draw them, but a complete skin has
// them and the skin tool reads and writes them.

#include "skin/data/SkinControlRecords.h"

class TbsDataSkinPanelControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinPanelControl"; }
  const char* TypeWord() const override { return "panel"; }

  int bgpictureindex = -1;
  gfx::Rect captionrect;
  TbsAlignment alignment = TbsAlignment::taCenter;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  gfx::Rect checkimagerect;
  gfx::Rect uncheckimagerect;
};

class TbsDataSkinExPanelControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinExPanelControl"; }
  const char* TypeWord() const override { return "expanel"; }

  gfx::Rect rollhskinrect;
  gfx::Rect rollvskinrect;
  int rollleftoffset = 0;
  int rollrightoffset = 0;
  int rolltopoffset = 0;
  int rollbottomoffset = 0;
  gfx::Rect rollvcaptionrect;
  gfx::Rect rollhcaptionrect;
  gfx::Rect closebuttonrect;
  gfx::Rect closebuttonactiverect;
  gfx::Rect closebuttondownrect;
  gfx::Rect hrollbuttonrect;
  gfx::Rect hrollbuttonactiverect;
  gfx::Rect hrollbuttondownrect;
  gfx::Rect hrestorebuttonrect;
  gfx::Rect hrestorebuttonactiverect;
  gfx::Rect hrestorebuttondownrect;
  gfx::Rect vrollbuttonrect;
  gfx::Rect vrollbuttonactiverect;
  gfx::Rect vrollbuttondownrect;
  gfx::Rect vrestorebuttonrect;
  gfx::Rect vrestorebuttonactiverect;
  gfx::Rect vrestorebuttondownrect;
  gfx::Rect captionrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
};

class TbsDataSkinMenuButtonControl : public TbsDataSkinButtonControl {
 public:
  using TbsDataSkinButtonControl::TbsDataSkinButtonControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinMenuButtonControl"; }
  const char* TypeWord() const override { return "menubutton"; }

  gfx::Rect trackbuttonrect;
};

class TbsDataSkinCheckRadioControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinCheckRadioControl"; }
  const char* TypeWord() const override { return "checkradio"; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor activefontcolor = 0;
  TbsColor unenabledfontcolor = 0;
  TbsColor framefontcolor = 0;
  gfx::Rect activeskinrect;
  gfx::Rect checkimagearea;
  gfx::Rect textarea;
  gfx::Rect checkimagerect;
  gfx::Rect uncheckimagerect;
  gfx::Rect activecheckimagerect;
  gfx::Rect activeuncheckimagerect;
  gfx::Rect unenabledcheckimagerect;
  gfx::Rect unenableduncheckimagerect;
  bool morphing = false;
  TbsMorphKind morphkind = TbsMorphKind::mkDefault;
};

class TbsDataSkinGaugeControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinGaugeControl"; }
  const char* TypeWord() const override { return "gauge"; }

  gfx::Rect progressarea;
  gfx::Rect progressrect;
  int beginoffset = 0;
  int endoffset = 0;
  bool vertical = false;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
};

class TbsDataSkinSplitterControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  const char* ClassName() const override { return "TbsDataSkinSplitterControl"; }
  const char* TypeWord() const override { return "splitter"; }
};

class TbsDataSkinTrackBarControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinTrackBarControl"; }
  const char* TypeWord() const override { return "trackbar"; }

  gfx::Rect trackarea;
  gfx::Rect buttonrect;
  gfx::Rect activebuttonrect;
  bool vertical = false;
};

class TbsDataSkinGridControl : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinGridControl"; }
  const char* TypeWord() const override { return "grid"; }

  gfx::Rect fixedcellrect;
  gfx::Rect selectcellrect;
  gfx::Rect focuscellrect;
  int fixedcellleftoffset = 0;
  int fixedcellrightoffset = 0;
  gfx::Rect fixedcelltextrect;
  int cellleftoffset = 0;
  int cellrightoffset = 0;
  gfx::Rect celltextrect;
  TbsColor linescolor = 0;
  TbsColor bgcolor = 0;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor selectfontcolor = 0;
  TbsColor focusfontcolor = 0;
  std::string fixedfontname = "Arial";
  int fixedfontheight = 14;
  TbsFontStyles fixedfontstyle;
  TbsColor fixedfontcolor = 0;
};

class TbsDataSkinTabControl : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinTabControl"; }
  const char* TypeWord() const override { return "tab"; }

  gfx::Rect tabrect;
  gfx::Rect activetabrect;
  gfx::Rect focustabrect;
  gfx::Rect mouseintabrect;
  gfx::Rect clientrect;
  int bgpictureindex = -1;
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  int tableftoffset = 0;
  int tabrightoffset = 0;
  gfx::Rect tabsbgrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor activefontcolor = 0;
  TbsColor focusfontcolor = 0;
  TbsColor mouseinfontcolor = 0;
  std::string updown;
};

class TbsDataSkinMainMenuBar : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinMainMenuBar"; }
  const char* TypeWord() const override { return "mainmenubar"; }

  gfx::Rect itemsrect;
  std::string menubaritem;
  std::string closebutton;
  std::string minbutton;
  std::string maxbutton;
  std::string sysmenubutton;
  TbsColor trackmarkcolor = 0;
  TbsColor trackmarkactivecolor = 0;
};

class TbsDataSkinControlBar : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinControlBar"; }
  const char* TypeWord() const override { return "controlbar"; }

  gfx::Rect itemrect;
  int bgpictureindex = -1;
};

class TbsDataSkinEditControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinEditControl"; }
  const char* TypeWord() const override { return "edit"; }

  gfx::Rect activeskinrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor disabledfontcolor = 0;
  TbsColor activefontcolor = 0;
  gfx::Rect buttonrect;
  gfx::Rect activebuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect unenabledbuttonrect;
};

class TbsDataSkinMemoControl : public TbsDataSkinEditControl {
 public:
  using TbsDataSkinEditControl::TbsDataSkinEditControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinMemoControl"; }
  const char* TypeWord() const override { return "memo"; }

  TbsColor bgcolor = 0;
  TbsColor activebgcolor = 0;
};

class TbsDataSkinCheckListBox : public TbsDataSkinListBox {
 public:
  using TbsDataSkinListBox::TbsDataSkinListBox;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinCheckListBox"; }
  const char* TypeWord() const override { return "checklistbox"; }

  gfx::Rect itemcheckrect;
  gfx::Rect checkimagerect;
  gfx::Rect uncheckimagerect;
};

class TbsDataSkinSpinEditControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinSpinEditControl"; }
  const char* TypeWord() const override { return "spinedit"; }

  gfx::Rect activeskinrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor activefontcolor = 0;
  TbsColor disabledfontcolor = 0;
  gfx::Rect upbuttonrect;
  gfx::Rect activeupbuttonrect;
  gfx::Rect downupbuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect activedownbuttonrect;
  gfx::Rect downdownbuttonrect;
};

class TbsDataSkinScrollBoxControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinScrollBoxControl"; }
  const char* TypeWord() const override { return "scrollbox"; }

  int bgpictureindex = -1;
};

class TbsDataSkinTreeView : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinTreeView"; }
  const char* TypeWord() const override { return "treeview"; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor bgcolor = 0;
};

class TbsDataSkinListView : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinListView"; }
  const char* TypeWord() const override { return "listview"; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor bgcolor = 0;
};

class TbsDataSkinRichEdit : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinRichEdit"; }
  const char* TypeWord() const override { return "richedit"; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor bgcolor = 0;
};

class TbsDataSkinSlider : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinSlider"; }
  const char* TypeWord() const override { return "slider"; }

  TbsColor bgcolor = 0;
  gfx::Rect hrulerrect;
  gfx::Rect hthumbrect;
  gfx::Rect vrulerrect;
  gfx::Rect vthumbrect;
  int edgesize = 0;
  TbsColor pointscolor = 0;
};
