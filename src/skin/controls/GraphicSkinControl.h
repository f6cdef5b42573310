#pragma once

// TbsGraphicSkinControl: the windowless twin of TbsSkinControl. It binds to
// its record the same way and paints through the same off-screen pipeline,
// on its parent's surface; it covers its whole rectangle, so the parent
// need not paint below it.

#include <string>

#include "platform/gfx/Bitmap.h"
#include "skin/data/SkinChangeClient.h"
#include "skin/data/SkinData.h"
#include "ui/WinControl.h"

class TbsGraphicSkinControl : public TGraphicControl, public TbsSkinChangeClient {
 public:
  explicit TbsGraphicSkinControl(TComponent* AOwner);
  ~TbsGraphicSkinControl() override;

  TbsSkinData* SkinData() const { return FSD; }
  void SetSkinData(TbsSkinData* Value);
  const std::string& SkinDataName() const { return FSkinDataName; }
  void SetSkinDataName(const std::string& Value) { FSkinDataName = Value; }
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
  virtual void PaintPlainLook(gfx::Bitmap& B);
  virtual void PaintSkinLook(gfx::Bitmap& B) { PaintPlainLook(B); }
  void Paint() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  TbsSkinData* FSD = nullptr;
  std::string FSkinDataName;
  int FIndex = -1;
};
