#pragma once

// The records of the popup menu window and the hint window. Each reads its
// own fixed section; both sections are optional, so every key may take its
// default.

#include <string>

#include "skin/data/SkinKeys.h"

class TbsDataSkinPopupWindow {
 public:
  const char* ClassName() const { return "TbsDataSkinPopupWindow"; }
  static constexpr const char* kSection = "POPUPWINDOW";

  void LoadFromIni(const TbsSkinIni& ini);
  void SaveToIni(TbsSkinIni& ini);
  void VisitKeys(TbsSkinKeyVisitor& v);

  int windowpictureindex = -1;
  int maskpictureindex = -1;
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect itemsrect;
  TbsColor scrollmarkercolor = 0;
  TbsColor scrollmarkeractivecolor = 0;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
};

class TbsDataSkinHintWindow {
 public:
  const char* ClassName() const { return "TbsDataSkinHintWindow"; }
  static constexpr const char* kSection = "HINTWINDOW";

  void LoadFromIni(const TbsSkinIni& ini);
  void SaveToIni(TbsSkinIni& ini);
  void VisitKeys(TbsSkinKeyVisitor& v);

  int windowpictureindex = -1;
  int maskpictureindex = -1;
  gfx::Point lefttoppoint;
  gfx::Point righttoppoint;
  gfx::Point leftbottompoint;
  gfx::Point rightbottompoint;
  gfx::Rect clientrect;
  std::string fontname = "Arial";
  int fontheight = 14;
  TbsFontStyles fontstyle;
  TbsColor fontcolor = 0;
  bool leftstretch = false;
  bool rightstretch = false;
  bool topstretch = false;
  bool bottomstretch = false;
};
