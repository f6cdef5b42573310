#pragma once

// TbsSkinScrollBar: the scroll bar the skinned list places beside its rows,
// drawn from the "vscrollbar", "hscrollbar" or "bothhscrollbar" record.

#include "skin/controls/ScrollBarBehaviour.h"
#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinTimer.h"

class TbsSkinScrollBar : public TbsSkinCustomControl {
 public:
  explicit TbsSkinScrollBar(TComponent* AOwner);

  TbsScrollBarKind Kind() const { return FBehaviour.Range().Kind; }
  void SetKind(TbsScrollBarKind Value) { FBehaviour.SetKind(Value); }
  int Min() const { return FBehaviour.Range().Min; }
  void SetMin(int Value) { FBehaviour.SetMin(Value); }
  int Max() const { return FBehaviour.Range().Max; }
  void SetMax(int Value) { FBehaviour.SetMax(Value); }
  int Position() const { return FBehaviour.Range().Position; }
  void SetPosition(int Value) { FBehaviour.SetPosition(Value); }
  int PageSize() const { return FBehaviour.Range().PageSize; }
  void SetPageSize(int Value) { FBehaviour.SetPageSize(Value); }
  // Min, Max, PageSize and a position at once, without OnChange.
  void SetRange(int AMin, int AMax, int APageSize, int APosition) {
    FBehaviour.SetRange(AMin, AMax, APageSize, APosition);
  }
  int SmallChange() const { return FBehaviour.SmallChange; }
  void SetSmallChange(int Value) { FBehaviour.SmallChange = Value; }
  int LargeChange() const { return FBehaviour.LargeChange; }
  void SetLargeChange(int Value) { FBehaviour.LargeChange = Value; }
  bool CanFocused() const { return FCanFocused; }
  void SetCanFocused(bool Value);
  bool Both() const { return FBehaviour.Range().Both; }
  void SetBoth(bool Value);
  int BothMarkerWidth() const { return FBehaviour.Range().BothMarkerWidth; }
  void SetBothMarkerWidth(int Value);
  const std::string& BothSkinDataName() const { return FBothSkinDataName; }
  void SetBothSkinDataName(const std::string& Value) { FBothSkinDataName = Value; }
  const TbsScrollBarLayout& PartLayout() const { return FBehaviour.Layout(); }

  void ReadSkinRecord() override;
  void FitSizeToSkin(int& W, int& H) override;

  TNotifyEvent OnChange;
  TNotifyEvent OnLastChange;
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;
  TNotifyEvent OnPageUp;
  TNotifyEvent OnPageDown;

 protected:
  void PaintPlainLook(gfx::Bitmap& B) override;
  void PaintSkinLook(gfx::Bitmap& B) override;
  void WndProc(TMessage& Message) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseLeave() override;
  void KeyDown(win::WORD& Key, TShiftState Shift) override;
  void Resize() override;

 private:
  const TbsDataSkinScrollBarControl* BarRecord() const;
  TbsScrollBarLookState LookState() const;

  TbsSkinTimer FTimer;
  TbsScrollBarBehaviour FBehaviour;
  bool FCanFocused = false;
  std::string FBothSkinDataName = "bothhscrollbar";
  std::string FSavedSkinDataName;
};
