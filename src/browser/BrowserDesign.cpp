#include "browser/BrowserDesign.h"

#include "browser/DesignPictures.h"
#include "skin/controls/SkinButton.h"
#include "skin/controls/SkinComboBox.h"
#include "skin/controls/SkinLabels.h"
#include "skin/controls/SkinMessage.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"
#include "ui/ExtCtrls.h"
#include "ui/Form.h"
#include "ui/ImageList.h"

#ifndef TILEBROOK_HOME_PAGE
#define TILEBROOK_HOME_PAGE "https://tilebrook.example"
#endif

namespace {

using enum TDesignClass;

}  // namespace

// clang-format off
const std::array<TControlDesign, 34> BrowserControls = {{
  // name                class      left top  width height  record          bound  text                                tab visible
  {"bsSkinLinkImage1",   LinkImage,  -1,   0, 760, 570,   "",             false, "",                                 -1, true},
  {"lblMore",            LinkLabel, 140, 554,  34,  14,   "stdlabel",     false, "lblMore",                          -1, false},
  {"lblCal",             LinkLabel,  10,  48,  25,  14,   "stdlabel",     false, "lblCal",                           -1, false},
  {"lblStatus",          StdLabel,  742,  82,   3,  13,   "stdlabel",     false, "",                                 -1, true, taRightJustify},
  {"bsSkinStdLabel1",    StdLabel,  204,  82,  85,  13,   "stdlabel",     true,  "Package / Paket:",                 -1, true},
  {"lblPuzzles",         StdLabel,  204, 130,  45,  13,   "stdlabel",     true,  "Puzzle(s):",                       -1, true},
  {"Bevel1",             Bevel,     204, 149, 160, 161,   "bevel",        true,  "",                                 -1, false},
  {"bevel2",             Bevel,     380, 149, 160, 160,   "bevel",        true,  "",                                 -1, false},
  {"bevel3",             Bevel,     556, 149, 160, 160,   "bevel",        true,  "",                                 -1, false},
  {"bevel4",             Bevel,     204, 325, 160, 160,   "bevel",        true,  "",                                 -1, false},
  {"bevel5",             Bevel,     380, 325, 160, 160,   "bevel",        true,  "",                                 -1, false},
  {"bevel6",             Bevel,     556, 325, 160, 160,   "bevel",        true,  "",                                 -1, false},
  {"Image1",             Image,     209, 154, 150, 150,   "",             false, "",                                 -1, true},
  {"Image2",             Image,     385, 154, 150, 150,   "",             false, "",                                 -1, true},
  {"Image3",             Image,     561, 154, 150, 150,   "",             false, "",                                 -1, true},
  {"Image4",             Image,     209, 330, 150, 150,   "",             false, "",                                 -1, true},
  {"Image5",             Image,     385, 330, 150, 150,   "",             false, "",                                 -1, true},
  {"Image6",             Image,     561, 330, 150, 150,   "",             false, "",                                 -1, true},
  {"lblPuzzlePage",      StdLabel,  649, 492,  66,  13,   "stdlabel",     false, "lblPuzzlePage",                    -1, true, taRightJustify},
  {"bsSkinStdLabel2",    StdLabel,  207, 508, 141,  13,   "stdlabel",     false, "Severity / Schwierigkeitsgrad:",   -1, true},
  {"lblNewsletter",      LinkLabel, 190, 555,  63,  14,   "stdlabel",     false, "lblNewsletter",                    -1, false},
  {"cbxSeverity",        ComboBox,  207, 526, 187,  18,   "combobox",     true,  "",                                  7, true},
  {"cbxPackage",         ComboBox,  204,  99, 543,  20,   "combobox",     true,  "",                                  0, true},
  {"udPageNext",         UpDown,    723, 468,  29,  38,   "vupdown",      true,  "",                                 12, true},
  {"btnStart",           Button,    411, 526, 336,  19,   "resizebutton", true,  "&Start Puzzle",                     8, true},
  {"btnHomepage",        Button,    118, 526,  74,  19,   "resizebutton", true,  "&Updates",                         11, true},
  {"btnHelp",            Button,     16, 494,  23,  19,   "resizebutton", true,  "?",                                 9, true},
  {"bsSkinButton1",      Button,    118, 494,  74,  19,   "resizebutton", true,  "&Newsletter",                      10, true},
  {"Copy1",              Button,    338, 283,  21,  21,   "resizebutton", true,  "...",                               1, true, taLeftJustify, "Author / Urheber"},
  {"Copy2",              Button,    514, 283,  21,  21,   "resizebutton", true,  "...",                               2, true, taLeftJustify, "Author / Urheber"},
  {"Copy3",              Button,    690, 283,  21,  21,   "resizebutton", true,  "...",                               3, true, taLeftJustify, "Author / Urheber"},
  {"Copy4",              Button,    337, 459,  21,  21,   "resizebutton", true,  "...",                               4, true, taLeftJustify, "Author / Urheber"},
  {"Copy5",              Button,    514, 459,  21,  21,   "resizebutton", true,  "...",                               5, true, taLeftJustify, "Author / Urheber"},
  {"Copy6",              Button,    690, 459,  21,  21,   "resizebutton", true,  "...",                               6, true, taLeftJustify, "Author / Urheber"},
}};

const std::array<TSlotDesign, SlotCount> BrowserSlots = {{
  {"Image1", "Bevel1", "Copy1"},
  {"Image2", "bevel2", "Copy2"},
  {"Image3", "bevel3", "Copy3"},
  {"Image4", "bevel4", "Copy4"},
  {"Image5", "bevel5", "Copy5"},
  {"Image6", "bevel6", "Copy6"},
}};
// clang-format on

std::string HomePageAddress() {
  return TILEBROOK_HOME_PAGE;
}

std::string NewsletterAddress() {
  std::string address = HomePageAddress();
  while (!address.empty() && address.back() == '/')
    address.pop_back();
  return address + "/newsletters";
}

namespace {

// "Arial", height 14: the font of the combo boxes, the up-down, the buttons
// and the link labels.
void UseArial14(TFont& Font) {
  Font.SetName("Arial");
  Font.SetHeight(14);
}

TControl* CreateControl(TForm& Form, const TControlDesign& d, TbsSkinData* Skin) {
  TbsSkinData* bound = d.Bound ? Skin : nullptr;
  switch (d.Class) {
    case LinkImage: {
      auto* image = new TbsSkinLinkImage(&Form);
      image->SetConstraints({.MaxWidth = BrowserClientWidth, .MaxHeight = BrowserClientHeight});
      image->SetCenter(true);
      image->SetAutoSize(true);
      image->SetEnabled(false);
      LoadBackgroundPicture(image->Picture());
      return image;
    }
    case LinkLabel: {
      auto* label = new TbsSkinLinkLabel(&Form);
      label->SetSkinDataName(d.SkinDataName);
      label->SetSkinData(bound);
      UseArial14(label->DefaultFont());
      label->SetDefaultActiveFontColor(gfx::clBlue);
      return label;
    }
    case StdLabel: {
      auto* label = new TbsSkinStdLabel(&Form);
      label->SetSkinDataName(d.SkinDataName);
      label->SetSkinData(bound);
      label->SetAlignment(d.Alignment);
      return label;
    }
    case Bevel: {
      auto* bevel = new TbsSkinBevel(&Form);
      bevel->SetSkinDataName(d.SkinDataName);
      bevel->SetSkinData(bound);
      bevel->SetShape(bsFrame);
      bevel->SetDividerMode(false);
      return bevel;
    }
    case Image: {
      // Previews are drawn opaque: a colour key taken from a JPEG's corner
      // pixel punches speckled holes wherever the lossy data happens to
      // repeat that colour.
      auto* image = new TImage(&Form);
      image->SetCenter(true);
      image->SetTransparent(false);
      return image;
    }
    case ComboBox: {
      auto* box = new TbsSkinComboBox(&Form);
      box->SetSkinDataName(d.SkinDataName);
      UseArial14(box->DefaultFont());
      box->SetUseSkinFont(true);
      box->SetDropDownCount(8);
      box->SetAutoComplete(true);
      box->SetListBoxDefaultItemHeight(20);
      box->SetListBoxUseSkinFont(true);
      box->SetSkinData(bound);
      return box;
    }
    case UpDown: {
      auto* upDown = new TbsSkinUpDown(&Form);
      upDown->SetSkinDataName(d.SkinDataName);
      upDown->SetOrientation(udVertical);
      UseArial14(upDown->DefaultFont());
      upDown->SetUseSkinFont(true);
      upDown->SetMin(0);
      upDown->SetMax(100);
      upDown->SetIncrement(1);
      upDown->SetPosition(0);
      upDown->SetSkinData(bound);
      return upDown;
    }
    case Button: {
      auto* button = new TbsSkinButton(&Form);
      button->SetSkinDataName(d.SkinDataName);
      UseArial14(button->DefaultFont());
      button->SetUseSkinFont(true);
      button->SetSpacing(1);
      button->SetNumGlyphs(1);
      button->SetRepeatMode(false);
      button->SetRepeatInterval(100);
      button->SetCanFocused(true);
      if (*d.Hint != '\0') {
        button->SetMargin(0);
        button->SetHint(d.Hint);
        button->SetParentShowHint(false);
        button->SetShowHint(true);
      }
      button->SetSkinData(bound);
      return button;
    }
  }
  return nullptr;
}

}  // namespace

void CreateBrowserComponents(TForm& Form, TbsSkinData* Skin) {
  // The skinned frame: system menu, minimise and roll-up; the platform
  // frame's own buttons stay off.
  auto* frame = new TbsSkinForm(&Form);
  frame->SetName("bsSkinForm1");
  frame->SetBorderIcons(TbsBorderIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                                       TbsBorderIcon::biRollUp});
  frame->SetShowIcon(false);
  frame->SetAlphaBlend(false);
  frame->SetAlphaBlendValue(200);
  frame->SetMagnetic(false);
  frame->SetMagneticSize(5);
  frame->SetUseDefaultSysMenu(true);
  frame->SetHideCaptionButtons(false);
  frame->SetMinWidth(0);
  frame->SetMinHeight(0);
  for (TFont* font : {&frame->DefCaptionFont(), &frame->DefInActiveCaptionFont()}) {
    UseArial14(*font);
    font->SetStyle(TFontStyles{fsBold});
  }
  UseArial14(frame->DefMenuItemFont());
  frame->SetDefMenuItemHeight(20);
  frame->SetUseSkinFontInMenu(true);
  frame->SetShowObjectHint(false);
  frame->DefCaptionFont().SetColor(gfx::clBtnText);
  frame->DefInActiveCaptionFont().SetColor(gfx::clBtnShadow);
  frame->SetMenusSkinData(Skin);
  frame->SetSkinData(Skin);

  std::array<TWinControl*, BrowserControls.size()> byTabOrder{};
  for (const TControlDesign& d : BrowserControls) {
    TControl* control = CreateControl(Form, d, Skin);
    control->SetName(d.Name);
    control->SetBounds(d.Left, d.Top, d.Width, d.Height);
    control->SetCaption(d.Text);
    control->SetVisible(d.Visible);
    control->SetParent(&Form);
    if (auto* windowed = dynamic_cast<TWinControl*>(control); windowed && d.TabOrder >= 0) {
      windowed->SetTabStop(true);
      byTabOrder.at(static_cast<std::size_t>(d.TabOrder)) = windowed;
    }
  }
  // Tab positions are given once every windowed control is on the form, in
  // ascending order, so that each lands where the design says.
  int position = 0;
  for (TWinControl* control : byTabOrder)
    if (control != nullptr)
      control->SetTabOrder(position++);

  // The link labels open the two web pages; lblCal's target is kept as
  // designed although nothing uses it.
  dynamic_cast<TbsSkinLinkLabel&>(*Form.FindComponent("lblMore")).SetURL(HomePageAddress());
  dynamic_cast<TbsSkinLinkLabel&>(*Form.FindComponent("lblNewsletter")).SetURL(NewsletterAddress());
  dynamic_cast<TbsSkinLinkLabel&>(*Form.FindComponent("lblCal")).SetURL("cal1.exe");

  // Five severity items without text, drawn with the star pictures.
  auto* stars = new TImageList(&Form);
  stars->SetName("ilstSeverity");
  stars->SetMasked(false);
  stars->SetWidth(80);
  stars->SetHeight(17);
  LoadSeverityImages(*stars);
  auto& severity = dynamic_cast<TbsSkinComboBox&>(*Form.FindComponent("cbxSeverity"));
  severity.SetImages(stars);
  severity.SetHorizontalExtent(true);
  severity.SetItems({"", "", "", "", ""});
  severity.SetItemIndex(1);

  // Two picture cells that no operation uses, kept as designed.
  auto* puzzles = new TImageList(&Form);
  puzzles->SetName("ilstPuzzles");
  puzzles->SetWidth(150);
  puzzles->SetHeight(150);

  // The notices: dlgMessage shows every one; msgDialog is kept as designed
  // although nothing uses it.
  for (const char* name : {"dlgMessage", "msgDialog"}) {
    auto* dialog = new TbsSkinMessage(&Form);
    dialog->SetName(name);
    dialog->SetSkinData(Skin);
    dialog->SetCtrlSkinData(Skin);
    dialog->ButtonSkinDataName = "button";
    dialog->MessageLabelSkinDataName = "stdlabel";
    UseArial14(dialog->DefaultFont());
    UseArial14(dialog->DefaultButtonFont());
    dialog->UseSkinFont = true;
    dialog->AlphaBlend = false;
    dialog->AlphaBlendValue = 200;
  }
}
