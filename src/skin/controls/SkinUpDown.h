#pragma once

// TbsSkinUpDown: a pair of arrow buttons with an integer position, drawn
// from the "vupdown" or "hupdown" record at the record's own size.

#include "skin/controls/SkinControl.h"
#include "skin/controls/SkinTimer.h"
#include "skin/controls/UpDownBehaviour.h"

class TbsSkinUpDown : public TbsSkinCustomControl {
 public:
  explicit TbsSkinUpDown(TComponent* AOwner);

  TbsUpDownOrientation Orientation() const { return FOrientation; }
  void SetOrientation(TbsUpDownOrientation Value);
  int Position() const { return FBehaviour.Position(); }
  void SetPosition(int Value) { FBehaviour.SetPosition(Value); }
  int Min() const { return FBehaviour.Min(); }
  void SetMin(int Value) { FBehaviour.SetMin(Value); }
  int Max() const { return FBehaviour.Max(); }
  void SetMax(int Value) { FBehaviour.SetMax(Value); }
  int Increment() const { return FBehaviour.Increment(); }
  void SetIncrement(int Value) { FBehaviour.SetIncrement(Value); }
  const TbsUpDownButtons& Buttons() const { return FBehaviour.Buttons(); }

  void ReadSkinRecord() override;

  TNotifyEvent OnChange;
  TNotifyEvent OnUpButtonClick;
  TNotifyEvent OnDownButtonClick;

 protected:
  void PaintPlainLook(gfx::Bitmap& B) override;
  void PaintSkinLook(gfx::Bitmap& B) override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Resize() override;

 private:
  const TbsDataSkinUpDownControl* UpDownRecord() const;
  void Layout();

  TbsSkinTimer FTimer;
  TbsUpDownBehaviour FBehaviour;
  TbsUpDownOrientation FOrientation = udHorizontal;
};
