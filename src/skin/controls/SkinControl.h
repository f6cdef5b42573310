#pragma once

// TbsSkinControl and TbsSkinCustomControl: the windowed bases of every
// skinned control. A control holds a skin container and a record name, and
// looks the record up again at every paint, so a renamed record or a new
// skin shows at once and no record is ever held across a skin change. It
// paints into an off-screen bitmap and copies that to the window in one
// step, so controls never flicker.

#include <optional>
#include <string>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinChangeClient.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinGeometry.h"
#include "ui/WinControl.h"

class TbsSkinControl : public TCustomControl, public TbsSkinChangeClient {
 public:
  explicit TbsSkinControl(TComponent* AOwner);
  ~TbsSkinControl() override;

  TbsSkinData* SkinData() const { return FSD; }
  virtual void SetSkinData(TbsSkinData* Value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  // Takes effect at the next paint or skin change.
  virtual void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
  // The bound record's position in the container, -1 for the plain look.
  int SkinIndex() const { return FIndex; }

  virtual void ReadSkinRecord();
  virtual void ApplySkinChange();
  virtual void BeginSkinChange() { FIndex = -1; }

  TbsSkinData* SkinChangeContainer() const override { return FSD; }
  void SkinChangeBegin() override { BeginSkinChange(); }
  void SkinChangeApply() override { ApplySkinChange(); }

  TNotifyEvent OnMouseEnter;
  TNotifyEvent OnMouseLeave;

 protected:
  // The bound record, or null.
  const TbsDataSkinControl* Record() const;
  virtual void PaintPlainLook(gfx::Bitmap& B);
  virtual void PaintSkinLook(gfx::Bitmap& B);
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  virtual void MouseEnter();
  virtual void MouseLeave();

  TbsSkinData* FSD = nullptr;
  std::string FSkinDataName;
  int FIndex = -1;
};

class TbsSkinCustomControl : public TbsSkinControl {
 public:
  explicit TbsSkinCustomControl(TComponent* AOwner);

  int DefaultWidth() const { return FDefaultWidth; }
  void SetDefaultWidth(int Value);
  int DefaultHeight() const { return FDefaultHeight; }
  void SetDefaultHeight(int Value);
  TFont& DefaultFont() { return FDefaultFont; }
  void SetDefaultFont(const TFont& Value) { FDefaultFont.Assign(Value); }
  bool UseSkinFont() const { return FUseSkinFont; }
  void SetUseSkinFont(bool Value) { FUseSkinFont = Value; }

  void ReadSkinRecord() override;
  void ApplySkinChange() override;
  void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
  virtual void FitSizeToSkin(int& W, int& H);
  virtual void UpdateShapeRegion();

  const TbsSkinGeometry& Geometry() const { return FGeometry; }
  const TbsSizedGeometry& Sized() const { return FSized; }
  const gfx::Bitmap* Picture() const { return FPicture; }
  const gfx::Bitmap* MaskPicture() const { return FMaskPicture; }
  // The shape set on the window, if any.
  const std::optional<gfx::Region>& ShapeRegion() const { return FRegion; }

 protected:
  virtual void DefaultFontChanged() {}
  void PaintSkinLook(gfx::Bitmap& B) override;
  // The font of a record's font keys, or DefaultFont.
  gfx::Font SkinOrDefaultFont(const std::string& Name, int Height,
                              const TbsFontStyles& Style) const;

  TbsSkinGeometry FGeometry;
  TbsSizedGeometry FSized;
  const gfx::Bitmap* FPicture = nullptr;
  const gfx::Bitmap* FMaskPicture = nullptr;

 private:
  int FDefaultWidth = 0;
  int FDefaultHeight = 0;
  TFont FDefaultFont;
  bool FUseSkinFont = true;
  std::optional<gfx::Region> FRegion;
};
