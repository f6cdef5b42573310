#pragma once

// TFont, TPen and TBrush: the drawing attributes of a canvas, with a change
// event so that a control repaints when one of its attributes changes.

#include <optional>
#include <string>

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Font.h"
#include "ui/Types.h"

enum TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;
using TFontCharset = unsigned char;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;

class TGraphicsObject : public TObject {
 public:
  TNotifyEvent OnChange;

 protected:
  void Changed() {
    if (OnChange)
      OnChange(this);
  }
};

class TFont : public TGraphicsObject {
 public:
  // The screen's resolution: sizes in points convert to pixel heights with
  // it.
  static constexpr int PixelsPerInch = 96;

  TFont() = default;

  const std::string& Name() const { return FName; }
  void SetName(const std::string& Value);
  // Negative: character height in pixels; positive: cell height.
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  // Points; setting it sets Height to the matching negative pixel height.
  int Size() const;
  void SetSize(int Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontCharset Charset() const { return FCharset; }
  void SetCharset(TFontCharset Value);

  void Assign(const TFont& Source);
  bool SameAs(const TFont& Other) const;

  // The platform font these attributes describe; cached until a change.
  const gfx::Font& Handle() const;

 private:
  std::string FName = "MS Sans Serif";
  int FHeight = -11;
  TFontStyles FStyle;
  TColor FColor = gfx::clWindowText;
  TFontCharset FCharset = DEFAULT_CHARSET;
  mutable std::optional<gfx::Font> FHandle;
};

enum TPenStyle { psSolid, psClear };

class TPen : public TGraphicsObject {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TPenStyle Style() const { return FStyle; }
  void SetStyle(TPenStyle Value);
  int Width() const { return FWidth; }
  void SetWidth(int Value);
  void Assign(const TPen& Source);
  gfx::Pen Handle() const;

 private:
  TColor FColor = gfx::clBlack;
  TPenStyle FStyle = psSolid;
  int FWidth = 1;
};

enum TBrushStyle { bsSolid, bsClear };

class TBrush : public TGraphicsObject {
 public:
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TBrushStyle Style() const { return FStyle; }
  void SetStyle(TBrushStyle Value);
  void Assign(const TBrush& Source);
  gfx::Brush Handle() const;

 private:
  TColor FColor = gfx::clWhite;
  TBrushStyle FStyle = bsSolid;
};
