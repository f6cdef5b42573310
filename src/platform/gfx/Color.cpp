#include "platform/gfx/Color.h"

#include <array>

namespace gfx {

namespace {

// The classic default scheme. Index 25 has no colour of its own and stays
// black, like any index the table does not know.
constexpr std::array<ColorRef, COLOR_COUNT> kSysColors = {
    clScrollBar,
    clBackground,
    clActiveCaption,
    clInactiveCaption,
    clMenu,
    clWindow,
    clWindowFrame,
    clMenuText,
    clWindowText,
    clCaptionText,
    clActiveBorder,
    clInactiveBorder,
    clAppWorkSpace,
    clHighlight,
    clHighlightText,
    clBtnFace,
    clBtnShadow,
    clGrayText,
    clBtnText,
    clInactiveCaptionText,
    clBtnHighlight,
    cl3DDkShadow,
    cl3DLight,
    clInfoText,
    clInfoBk,
    clBlack,
    clHotLight,
    clGradientActiveCaption,
    clGradientInactiveCaption,
};

}  // namespace

ColorRef GetSysColor(int index) {
  if (index < 0 || index >= COLOR_COUNT)
    return clBlack;
  return kSysColors[static_cast<std::size_t>(index)];
}

ColorRef ColorToRGB(ColorRef color) {
  if (color & clSystemColor)
    return GetSysColor(static_cast<int>(color & 0xFF));
  return color & 0x00FFFFFF;
}

}  // namespace gfx
