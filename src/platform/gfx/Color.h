#pragma once

// Colours are 32-bit values 0x00BBGGRR, as skins store them and as every
// drawing call takes them. Pixels in a Bitmap are laid out the other way
// round (blue in the lowest byte), so conversions live here in one place.

#include <cstdint>

namespace gfx {

using ColorRef = std::uint32_t;

// The value a failed GetPixel returns, and that no real colour can have.
inline constexpr ColorRef CLR_INVALID = 0xFFFFFFFF;

constexpr ColorRef RGB(int r, int g, int b) {
  return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(ColorRef c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(ColorRef c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(ColorRef c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

// A Bitmap pixel: blue in bits 0-7, green 8-15, red 16-23, bits 24-31 unused
// (kept 0 by everything that writes pixels).
using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(ColorRef c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr ColorRef ColorFromPixel(Pixel p) {
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

// Indices of the system colour table, as the classic API numbers them.
enum SysColorIndex : int {
  COLOR_SCROLLBAR = 0,
  COLOR_BACKGROUND = 1,
  COLOR_ACTIVECAPTION = 2,
  COLOR_INACTIVECAPTION = 3,
  COLOR_MENU = 4,
  COLOR_WINDOW = 5,
  COLOR_WINDOWFRAME = 6,
  COLOR_MENUTEXT = 7,
  COLOR_WINDOWTEXT = 8,
  COLOR_CAPTIONTEXT = 9,
  COLOR_ACTIVEBORDER = 10,
  COLOR_INACTIVEBORDER = 11,
  COLOR_APPWORKSPACE = 12,
  COLOR_HIGHLIGHT = 13,
  COLOR_HIGHLIGHTTEXT = 14,
  COLOR_BTNFACE = 15,
  COLOR_BTNSHADOW = 16,
  COLOR_GRAYTEXT = 17,
  COLOR_BTNTEXT = 18,
  COLOR_INACTIVECAPTIONTEXT = 19,
  COLOR_BTNHIGHLIGHT = 20,
  COLOR_3DDKSHADOW = 21,
  COLOR_3DLIGHT = 22,
  COLOR_INFOTEXT = 23,
  COLOR_INFOBK = 24,
  COLOR_HOTLIGHT = 26,
  COLOR_GRADIENTACTIVECAPTION = 27,
  COLOR_GRADIENTINACTIVECAPTION = 28,
  COLOR_COUNT = 29,
};

// The classic default colour of a system colour index; black for an index
// outside the table.
ColorRef GetSysColor(int index);

// Colour values that refer to the system colour table instead of naming an
// RGB value carry this flag with the index in the low byte. ColorToRGB
// resolves them; every drawing call resolves its colours this way.
inline constexpr ColorRef clSystemColor = 0x80000000;
ColorRef ColorToRGB(ColorRef color);

// The plain colours.
inline constexpr ColorRef clBlack = 0x000000;
inline constexpr ColorRef clMaroon = 0x000080;
inline constexpr ColorRef clGreen = 0x008000;
inline constexpr ColorRef clOlive = 0x008080;
inline constexpr ColorRef clNavy = 0x800000;
inline constexpr ColorRef clPurple = 0x800080;
inline constexpr ColorRef clTeal = 0x808000;
inline constexpr ColorRef clGray = 0x808080;
inline constexpr ColorRef clSilver = 0xC0C0C0;
inline constexpr ColorRef clRed = 0x0000FF;
inline constexpr ColorRef clLime = 0x00FF00;
inline constexpr ColorRef clYellow = 0x00FFFF;
inline constexpr ColorRef clBlue = 0xFF0000;
inline constexpr ColorRef clFuchsia = 0xFF00FF;
inline constexpr ColorRef clAqua = 0xFFFF00;
inline constexpr ColorRef clWhite = 0xFFFFFF;
// "No colour": a transparent brush or an unset colour key.
inline constexpr ColorRef clNone = 0x1FFFFFFF;

// The system colours, with the classic default values of the table above.
inline constexpr ColorRef clScrollBar = 0xC0C0C0;
inline constexpr ColorRef clBackground = 0x808000;
inline constexpr ColorRef clActiveCaption = 0x800000;
inline constexpr ColorRef clInactiveCaption = 0x808080;
inline constexpr ColorRef clMenu = 0xC0C0C0;
inline constexpr ColorRef clWindow = 0xFFFFFF;
inline constexpr ColorRef clWindowFrame = 0x000000;
inline constexpr ColorRef clMenuText = 0x000000;
inline constexpr ColorRef clWindowText = 0x000000;
inline constexpr ColorRef clCaptionText = 0xFFFFFF;
inline constexpr ColorRef clActiveBorder = 0xC0C0C0;
inline constexpr ColorRef clInactiveBorder = 0xC0C0C0;
inline constexpr ColorRef clAppWorkSpace = 0x808080;
inline constexpr ColorRef clHighlight = 0x800000;
inline constexpr ColorRef clHighlightText = 0xFFFFFF;
inline constexpr ColorRef clBtnFace = 0xC0C0C0;
inline constexpr ColorRef clBtnShadow = 0x808080;
inline constexpr ColorRef clGrayText = 0x808080;
inline constexpr ColorRef clBtnText = 0x000000;
inline constexpr ColorRef clInactiveCaptionText = 0xC0C0C0;
inline constexpr ColorRef clBtnHighlight = 0xFFFFFF;
inline constexpr ColorRef cl3DDkShadow = 0x000000;
inline constexpr ColorRef cl3DLight = 0xDFDFDF;
inline constexpr ColorRef clInfoText = 0x000000;
inline constexpr ColorRef clInfoBk = 0xE1FFFF;
inline constexpr ColorRef clHotLight = 0x800000;
inline constexpr ColorRef clGradientActiveCaption = 0xD08410;
inline constexpr ColorRef clGradientInactiveCaption = 0xB5B5B5;

}  // namespace gfx
