#pragma once

// TImage shows a picture; TBevel draws a sunken or raised frame or line.
// Both paint on their parent.

#include <memory>

#include "ui/Graphics.h"
#include "ui/WinControl.h"

class TImage : public TGraphicControl {
 public:
  explicit TImage(TComponent* AOwner);
  ~TImage() override;

  TPicture& Picture() { return *FPicture; }
  void SetPicture(const TPicture& Value) { FPicture->Assign(Value); }
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  // With Stretch, the picture keeps its proportions.
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  // The picture's transparent colour shows what lies below.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // The control takes the picture's size whenever the picture changes.
  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);

  // Where the picture is drawn, in client coordinates.
  TRect DestRect() const;

 protected:
  void Paint() override;

 private:
  void PictureChanged();

  std::unique_ptr<TPicture> FPicture;
  bool FCenter = false;
  bool FStretch = false;
  bool FProportional = false;
  bool FTransparent = false;
  bool FAutoSize = false;
};

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// Draws a bevel's shape in a W x H area: lowered bevels put the dark colour
// on the top and left edges, raised ones the light colour. TBevel draws with
// the system's highlight and shadow; skinned bevels with their own colours.
void PaintBevelShape(gfx::DeviceContext& dc, int W, int H, TBevelShape Shape, TBevelStyle Style,
                     TColor Light, TColor Dark);

class TBevel : public TGraphicControl {
 public:
  explicit TBevel(TComponent* AOwner);

  TBevelShape Shape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle Style() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
