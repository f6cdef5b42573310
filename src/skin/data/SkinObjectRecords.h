#pragma once

// The records of the skin objects that live on the window frame: caption,
// caption buttons, menu items and menu bar items. One record per entry of
// the skin's object list; its section carries the record's name.

#include <memory>
#include <string>
#include <string_view>

#include "skin/data/SkinKeys.h"

class TbsDataSkinObject {
 public:
  explicit TbsDataSkinObject(std::string name) : IDName(std::move(name)) {}
  virtual ~TbsDataSkinObject() = default;
  TbsDataSkinObject(const TbsDataSkinObject&) = delete;
  TbsDataSkinObject& operator=(const TbsDataSkinObject&) = delete;

  // Reads the record's own section; a point or rectangle with an empty
  // number throws TbsConvertError with the keys before it already read.
  virtual void LoadFromIni(const TbsSkinIni& ini);
  // Erases the record's section and writes every key back in reading order.
  virtual void SaveToIni(TbsSkinIni& ini);
  // Visits the record's keys in reading order, the base class's first.
  virtual void VisitKeys(TbsSkinKeyVisitor& v);
  virtual const char* ClassName() const { return "TbsDataSkinObject"; }
  virtual const char* TypeWord() const { return ""; }

  std::string IDName;
  std::string hint;
  bool skinrectinapicture = false;
  gfx::Rect skinrect;
  gfx::Rect activeskinrect;
  int activepictureindex = -1;
  bool morphing = false;
  TbsMorphKind morphkind = TbsMorphKind::mkDefault;
};

class TbsDataSkinMenuItem : public TbsDataSkinObject {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinMenuItem"; }
  const char* TypeWord() const override { return "menuitem"; }

  int itemleftoffset = 0;
  int itemrightoffset = 0;
  gfx::Rect dividerrect;
  int dividerleftoffset = 0;
  int dividerrightoffset = 0;
  gfx::Rect textrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor activefontcolor = 0;
  TbsColor unenabledfontcolor = 0;
};

class TbsDataSkinMainMenuItem : public TbsDataSkinObject {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinMainMenuItem"; }

  int itemleftoffset = 0;
  int itemrightoffset = 0;
  gfx::Rect downrect;
  gfx::Rect textrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor activefontcolor = 0;
  TbsColor downfontcolor = 0;
  TbsColor unenabledfontcolor = 0;
};

class TbsDataSkinMainMenuBarItem : public TbsDataSkinMainMenuItem {
 public:
  using TbsDataSkinMainMenuItem::TbsDataSkinMainMenuItem;
  const char* ClassName() const override { return "TbsDataSkinMainMenuBarItem"; }
  const char* TypeWord() const override { return "mainmenubaritem"; }
};

class TbsDataSkinButton : public TbsDataSkinObject {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinButton"; }
  const char* TypeWord() const override { return "button"; }

  gfx::Rect downrect;
  // The skin key is spelled "disableskinrsect"; the field keeps that name so
  // that field and key read alike.
  gfx::Rect disableskinrsect;
};

class TbsDataSkinStdButton : public TbsDataSkinButton {
 public:
  using TbsDataSkinButton::TbsDataSkinButton;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinStdButton"; }
  const char* TypeWord() const override { return "stdbutton"; }

  TbsStdCommand command = TbsStdCommand::cmDefault;
  gfx::Rect restorerect;
  gfx::Rect restoreactiverect;
  gfx::Rect restoredownrect;
  gfx::Rect restoreinactiverect;
};

class TbsDataSkinMainMenuBarButton : public TbsDataSkinStdButton {
 public:
  using TbsDataSkinStdButton::TbsDataSkinStdButton;
  const char* ClassName() const override { return "TbsDataSkinMainMenuBarButton"; }
  const char* TypeWord() const override { return "mainmenubarbutton"; }
};

class TbsDataSkinCaption : public TbsDataSkinObject {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinCaption"; }
  const char* TypeWord() const override { return "caption"; }

  gfx::Rect textrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  TbsColor activefontcolor = 0;
  TbsAlignment alignment = TbsAlignment::taCenter;
  bool shadow = false;
  TbsColor shadowcolor = 0;
  TbsColor activeshadowcolor = 0;
  gfx::Rect framerect;
  gfx::Rect activeframerect;
  gfx::Rect frametextrect;
  int frameleftoffset = 0;
  int framerightoffset = 0;
};

class TbsDataSkinAnimate : public TbsDataSkinObject {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  // An animation plays its own frames, so it never morphs, whatever its
  // section says.
  void LoadFromIni(const TbsSkinIni& ini) override;
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataSkinAnimate"; }
  const char* TypeWord() const override { return "animate"; }

  int countframes = 1;
  bool cycle = false;
  bool buttonstyle = false;
  int timerinterval = 50;
  TbsStdCommand command = TbsStdCommand::cmDefault;
};

class TbsDataUserObject : public TbsDataSkinObject {
 public:
  using TbsDataSkinObject::TbsDataSkinObject;
  // A user object has only its picture rectangle, none of the common keys.
  void VisitKeys(TbsSkinKeyVisitor& v) override;
  const char* ClassName() const override { return "TbsDataUserObject"; }
  const char* TypeWord() const override { return "userobject"; }
};

// The record for an object type word, named name; null for a word that is
// not an object type (compared exactly).
std::unique_ptr<TbsDataSkinObject> CreateSkinObjectRecord(std::string_view typeWord,
                                                          std::string name);
