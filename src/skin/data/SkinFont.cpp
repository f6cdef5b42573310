#include "skin/data/SkinFont.h"

gfx::Font MakeSkinFont(const std::string& name, int height, const TbsFontStyles& style) {
  gfx::LogFont lf;
  lf.faceName = name;
  lf.height = height;
  lf.weight = style.fsBold ? gfx::FW_BOLD : gfx::FW_NORMAL;
  lf.italic = style.fsItalic;
  lf.underline = style.fsUnderline;
  lf.strikeOut = style.fsStrikeOut;
  return gfx::Font(lf);
}

TFontStyles ToFontStyles(const TbsFontStyles& style) {
  TFontStyles out;
  if (style.fsBold)
    out.Include(fsBold);
  if (style.fsItalic)
    out.Include(fsItalic);
  if (style.fsUnderline)
    out.Include(fsUnderline);
  if (style.fsStrikeOut)
    out.Include(fsStrikeOut);
  return out;
}
