#pragma once

// The light skinned controls: the label, the link label, the link image and
// the bevel. They take fonts and colours from their records but no
// pictures, and bind to their records themselves, since they are not
// windowed controls.

#include <string>

#include "skin/data/SkinChangeClient.h"
#include "skin/data/SkinData.h"
#include "ui/ExtCtrls.h"
#include "ui/Label.h"

class TbsSkinStdLabel : public TCustomLabel, public TbsSkinChangeClient {
 public:
  explicit TbsSkinStdLabel(TComponent* AOwner);
  ~TbsSkinStdLabel() override;

  TbsSkinData* SkinData() const { return FSD; }
  void SetSkinData(TbsSkinData* Value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }
  TFont& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
  int SkinIndex() const { return FIndex; }

  // Reads the record again and repaints.
  void SkinRefresh();

  TbsSkinData* SkinChangeContainer() const override { return FSD; }
  // The values are copies, so the old skin may go without notice.
  void SkinChangeBegin() override {}
  void SkinChangeApply() override { SkinRefresh(); }

 protected:
  // Looks the record up and copies its font values.
  virtual void ReadSkinRecord();
  // The font and colour of the text, after ReadSkinRecord.
  void PrepareFont(TFont& Font) override;
  void DoDrawText(TRect& Rect, unsigned Flags) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TbsSkinData* FSD = nullptr;
  std::string FSkinDataName = "stdlabel";
  int FIndex = -1;
  bool FUseSkinFont = true;
  TFont FDefaultFont;
  std::string FFontName;
  int FFontHeight = 14;
  TbsFontStyles FFontStyle;
  TColor FFontColor = 0;
  TColor FActiveFontColor = 0;
};

class TbsSkinLinkLabel : public TbsSkinStdLabel {
 public:
  explicit TbsSkinLinkLabel(TComponent* AOwner);

  const std::string& URL() const { return FURL; }
  void SetURL(const std::string& Value) { FURL = Value; }
  TColor DefaultActiveFontColor() const { return FDefaultActiveFontColor; }
  void SetDefaultActiveFontColor(TColor Value) { FDefaultActiveFontColor = Value; }
  bool MouseIn() const { return FMouseIn; }

  void Click() override;

 protected:
  void PrepareFont(TFont& Font) override;
  void WndProc(TMessage& Message) override;

 private:
  std::string FURL;
  TColor FDefaultActiveFontColor = gfx::clBlue;
  bool FMouseIn = false;
};

class TbsSkinLinkImage : public TImage {
 public:
  explicit TbsSkinLinkImage(TComponent* AOwner);
  const std::string& URL() const { return FURL; }
  void SetURL(const std::string& Value) { FURL = Value; }
  void Click() override;

 private:
  std::string FURL;
};

class TbsSkinBevel : public TBevel, public TbsSkinChangeClient {
 public:
  explicit TbsSkinBevel(TComponent* AOwner);
  ~TbsSkinBevel() override;

  TbsSkinData* SkinData() const { return FSD; }
  void SetSkinData(TbsSkinData* Value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
  bool DividerMode() const { return FDividerMode; }
  void SetDividerMode(bool Value);
  TColor LightColor() const { return FLightColor; }
  TColor DarkColor() const { return FDarkColor; }

  // Reads the colours again and repaints.
  void SkinRefresh();

  TbsSkinData* SkinChangeContainer() const override { return FSD; }
  // The values are copies, so the old skin may go without notice.
  void SkinChangeBegin() override {}
  void SkinChangeApply() override { SkinRefresh(); }

 protected:
  void Paint() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TbsSkinData* FSD = nullptr;
  std::string FSkinDataName = "bevel";
  bool FDividerMode = false;
  TColor FLightColor = gfx::clBtnHighlight;
  TColor FDarkColor = gfx::clBtnShadow;
};

// Draws a bevel of that size: shape and style as TBevel's, the dark and
// light colours given.
void PaintSkinBevel(gfx::DeviceContext& dc, int width, int height, TBevelShape shape,
                    TBevelStyle style, bool dividerMode, TColor light, TColor dark);
