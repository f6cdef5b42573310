#include "ui/Font.h"

#include <cmath>

void TFont::SetName(const std::string& Value) {
  if (Value == FName)
    return;
  FName = Value;
  FHandle.reset();
  Changed();
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight)
    return;
  FHeight = Value;
  FHandle.reset();
  Changed();
}

int TFont::Size() const {
  // Rounded the way the classic libraries do: -Height * 72 / PPI.
  return static_cast<int>(std::lround(-FHeight * 72.0 / PixelsPerInch));
}

void TFont::SetSize(int Value) {
  SetHeight(-static_cast<int>(std::lround(Value * static_cast<double>(PixelsPerInch) / 72.0)));
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle)
    return;
  FStyle = Value;
  FHandle.reset();
  Changed();
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor)
    return;
  FColor = Value;
  Changed();
}

void TFont::SetCharset(TFontCharset Value) {
  if (Value == FCharset)
    return;
  FCharset = Value;
  Changed();
}

void TFont::Assign(const TFont& Source) {
  if (&Source == this || SameAs(Source))
    return;
  FName = Source.FName;
  FHeight = Source.FHeight;
  FStyle = Source.FStyle;
  FColor = Source.FColor;
  FCharset = Source.FCharset;
  FHandle.reset();
  Changed();
}

bool TFont::SameAs(const TFont& Other) const {
  return FName == Other.FName && FHeight == Other.FHeight && FStyle == Other.FStyle &&
         FColor == Other.FColor && FCharset == Other.FCharset;
}

const gfx::Font& TFont::Handle() const {
  if (!FHandle) {
    gfx::LogFont lf;
    lf.faceName = FName;
    lf.height = FHeight;
    lf.weight = FStyle.Contains(fsBold) ? gfx::FW_BOLD : gfx::FW_NORMAL;
    lf.italic = FStyle.Contains(fsItalic);
    lf.underline = FStyle.Contains(fsUnderline);
    lf.strikeOut = FStyle.Contains(fsStrikeOut);
    FHandle.emplace(lf);
  }
  return *FHandle;
}

void TPen::SetColor(TColor Value) {
  if (Value != FColor) {
    FColor = Value;
    Changed();
  }
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value != FStyle) {
    FStyle = Value;
    Changed();
  }
}

void TPen::SetWidth(int Value) {
  if (Value != FWidth) {
    FWidth = Value;
    Changed();
  }
}

void TPen::Assign(const TPen& Source) {
  FColor = Source.FColor;
  FStyle = Source.FStyle;
  FWidth = Source.FWidth;
  Changed();
}

gfx::Pen TPen::Handle() const {
  return gfx::Pen{.style = FStyle == psClear ? gfx::PS_NULL : gfx::PS_SOLID,
                  .width = FWidth,
                  .color = gfx::ColorToRGB(FColor)};
}

void TBrush::SetColor(TColor Value) {
  if (Value != FColor || FStyle == bsClear) {
    FColor = Value;
    // Giving a clear brush a colour makes it solid again, as users of the
    // classic brush expect.
    FStyle = bsSolid;
    Changed();
  }
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value != FStyle) {
    FStyle = Value;
    Changed();
  }
}

void TBrush::Assign(const TBrush& Source) {
  FColor = Source.FColor;
  FStyle = Source.FStyle;
  Changed();
}

gfx::Brush TBrush::Handle() const {
  return gfx::Brush{.style = FStyle == bsClear ? gfx::BS_NULL : gfx::BS_SOLID,
                    .color = gfx::ColorToRGB(FColor)};
}
