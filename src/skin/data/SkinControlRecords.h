#pragma once

// The records of the skinned controls: one per entry of the skin's control
// list, its section carrying the record's name. This header holds the base
// classes and the records of the controls the browser window draws; the
// records of the further control kinds are in SkinExtraControlRecords.h.

#include <memory>
#include <string>
#include <string_view>

#include "skin/data/SkinKeys.h"

class TbsDataSkinControl {
 public:
  explicit TbsDataSkinControl(std::string name) : IDName(std::move(name)) {}
  virtual ~TbsDataSkinControl() = default;
  TbsDataSkinControl(const TbsDataSkinControl&) = delete;
  TbsDataSkinControl& operator=(const TbsDataSkinControl&) = delete;

  // Reads the record's own section; a point or rectangle with an empty
  // number throws TbsConvertError with the keys before it already read.
  virtual void LoadFromIni(const TbsSkinIni& ini);
  // Erases the record's section and writes every key back in reading order.
  virtual void SaveToIni(TbsSkinIni& ini);
  // Visits the record's keys in reading order, the base class's first.
  virtual void VisitKeys(TbsSkinKeyVisitor& v);
  virtual const char* ClassName() const { return "TbsDataSkinControl"; }
  virtual const char* TypeWord() const { return ""; }

  std::string IDName;
  int pictureindex = -1;
  int maskpictureindex = -1;
  gfx::Rect skinrect;
};

// The base of every record whose image is fitted to the control's size by
// its corner points.
class TbsDataSkinCustomControl : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinCustomControl"; }

  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect clientrect;
};

class TbsDataSkinButtonControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinButtonControl"; }
  const char* TypeWord() const override { return "button"; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor activefontcolor = 0;
  TbsColor downfontcolor = 0;
  TbsColor disabledfontcolor = 0;
  gfx::Rect activeskinrect;
  gfx::Rect downskinrect;
  gfx::Rect disabledskinrect;
  bool morphing = false;
  TbsMorphKind morphkind = TbsMorphKind::mkDefault;
};

class TbsDataSkinLabelControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinLabelControl"; }
  const char* TypeWord() const override { return "label"; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
};

class TbsDataSkinStdLabelControl : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinStdLabelControl"; }
  const char* TypeWord() const override { return "stdlabel"; }

  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor activefontcolor = 16711680;
};

class TbsDataSkinUpDownControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  // An up-down image is drawn at its own size, never stretched, so the
  // corner points and client rectangle are dropped after reading.
  void LoadFromIni(const TbsSkinIni& ini) override;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinUpDownControl"; }
  const char* TypeWord() const override { return "updown"; }

  gfx::Rect upbuttonrect;
  gfx::Rect activeupbuttonrect;
  gfx::Rect downupbuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect activedownbuttonrect;
  gfx::Rect downdownbuttonrect;
};

class TbsDataSkinListBox : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinListBox"; }
  const char* TypeWord() const override { return "listbox"; }

  gfx::Rect itemrect;
  gfx::Rect activeitemrect;
  gfx::Rect focusitemrect;
  int itemleftoffset = 0;
  int itemrightoffset = 0;
  gfx::Rect itemtextrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor activefontcolor = 0;
  TbsColor focusfontcolor = 0;
  gfx::Rect captionrect;
  std::string captionfontname = "Arial";
  int captionfontheight = 14;
  TbsFontStyles captionfontstyle;
  TbsColor captionfontcolor = 0;
  gfx::Rect upbuttonrect;
  gfx::Rect activeupbuttonrect;
  gfx::Rect downupbuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect activedownbuttonrect;
  gfx::Rect downdownbuttonrect;
  gfx::Rect checkbuttonrect;
  gfx::Rect activecheckbuttonrect;
  gfx::Rect downcheckbuttonrect;
  std::string vscrollbarname = "vscrollbar";
  std::string hscrollbarname = "hscrollbar";
  std::string bothhscrollbarname = "bothhscrollbar";
};

class TbsDataSkinComboBox : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinComboBox"; }
  const char* TypeWord() const override { return "combobox"; }

  gfx::Rect itemrect;
  gfx::Rect focusitemrect;
  int itemleftoffset = 0;
  int itemrightoffset = 0;
  gfx::Rect itemtextrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor focusfontcolor = 0;
  std::string listboxname;
  gfx::Rect buttonrect;
  gfx::Rect activebuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect unenabledbuttonrect;
};

class TbsDataSkinScrollBarControl : public TbsDataSkinCustomControl {
 public:
  using TbsDataSkinCustomControl::TbsDataSkinCustomControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinScrollBarControl"; }
  const char* TypeWord() const override { return "scrollbar"; }

  gfx::Rect trackarea;
  gfx::Rect upbuttonrect;
  gfx::Rect activeupbuttonrect;
  gfx::Rect downupbuttonrect;
  gfx::Rect downbuttonrect;
  gfx::Rect activedownbuttonrect;
  gfx::Rect downdownbuttonrect;
  gfx::Rect thumbrect;
  gfx::Rect activethumbrect;
  gfx::Rect downthumbrect;
  int thumboffset1 = 0;
  int thumboffset2 = 0;
  gfx::Rect glyphrect;
  gfx::Rect activeglyphrect;
  gfx::Rect downglyphrect;
};

class TbsDataSkinBevel : public TbsDataSkinControl {
 public:
  using TbsDataSkinControl::TbsDataSkinControl;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinBevel"; }
  const char* TypeWord() const override { return "bevel"; }

  TbsColor lightcolor = 0;
  TbsColor darkcolor = 0;
};

// The record for a control type word, named name; null for a word that is
// not a control type (compared exactly).
std::unique_ptr<TbsDataSkinControl> CreateSkinControlRecord(std::string_view typeWord,
                                                            std::string name);
