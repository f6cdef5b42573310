#pragma once

// TCanvas: a drawing surface with a pen, a brush and a font, over a device
// context of the graphics core. A canvas either draws on a context it is
// handed (a control's paint context) or on one it owns (a bitmap's).

#include <memory>
#include <span>
#include <string>

#include "platform/gfx/DeviceContext.h"
#include "ui/Font.h"

class TGraphic;

class TCanvas : public TObject {
 public:
  TCanvas();
  ~TCanvas() override;
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // The context drawn on; null while the canvas has none (drawing then does
  // nothing). SetHandle does not take ownership.
  gfx::DeviceContext* Handle() const { return FHandle; }
  void SetHandle(gfx::DeviceContext* Value);
  bool HandleAllocated() const { return FHandle != nullptr; }

  TFont& Font() { return FFont; }
  TPen& Pen() { return FPen; }
  TBrush& Brush() { return FBrush; }
  void SetFont(const TFont& Value) { FFont.Assign(Value); }

  TRect ClipRect() const;

  void FillRect(const TRect& Rect);
  void FrameRect(const TRect& Rect);
  void Rectangle(const TRect& Rect);
  void Rectangle(int X1, int Y1, int X2, int Y2) { Rectangle(TRect{X1, Y1, X2, Y2}); }
  void MoveTo(int X, int Y);
  void LineTo(int X, int Y);
  void Polyline(std::span<const TPoint> Points);
  TColor Pixel(int X, int Y) const;
  void SetPixel(int X, int Y, TColor Color);

  // Text in the font's colour; the brush fills the text cell unless it is
  // clear.
  void TextOut(int X, int Y, const std::string& Text);
  // Like TextOut, clipped to Rect.
  void TextRect(const TRect& Rect, int X, int Y, const std::string& Text);
  gfx::Size TextExtent(const std::string& Text) const;
  int TextWidth(const std::string& Text) const { return TextExtent(Text).cx; }
  int TextHeight(const std::string& Text) const { return TextExtent(Text).cy; }
  // The classic text layout call with DT_ flags; returns the text height.
  int DrawText(const std::string& Text, TRect& Rect, unsigned Format);

  void Draw(int X, int Y, const TGraphic& Graphic);
  void StretchDraw(const TRect& Rect, const TGraphic& Graphic);
  void CopyRect(const TRect& Dest, const TCanvas& Source, const TRect& SourceRect);

 private:
  // Selects the pen, brush and font into the context before a drawing call.
  void RequireState() const;

  gfx::DeviceContext* FHandle = nullptr;
  TFont FFont;
  TPen FPen;
  TBrush FBrush;
};
