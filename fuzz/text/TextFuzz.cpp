// Lays out and draws arbitrary text, as package names, puzzle details and
// notices bring it: any bytes, line breaks, "&" prefixes, right-to-left
// runs, Arabic letters, characters no font has. The first three bytes
// choose the layout flags, the font and the width of the rectangle.
//
// What must hold: the drawing stays inside its bitmap and every call
// returns; the visual order of a line names each of its characters once;
// shaping never lengthens text; a single line without prefixes measures as
// wide laid out as it does as one run, and draws within that width.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/gfx/ArabicShaping.h"
#include "platform/gfx/BidiOrder.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/FontFace.h"

namespace {

using namespace gfx;

void Check(bool condition) {
  if (!condition)
    std::abort();
}

constexpr unsigned kFlags[] = {DT_CENTER,    DT_RIGHT,      DT_VCENTER,    DT_BOTTOM,
                               DT_WORDBREAK, DT_SINGLELINE, DT_EXPANDTABS, DT_NOPREFIX};

LogFont ChosenFont(std::uint8_t choice) {
  static const char* const kFaces[] = {"Arial", "Times New Roman", "Courier New", "MS Sans Serif"};
  static const int kHeights[] = {-11, -14, 16, 0};
  return LogFont{.faceName = kFaces[choice & 3],
                 .height = kHeights[(choice >> 2) & 3],
                 .weight = (choice & 0x10) ? FW_BOLD : FW_NORMAL,
                 .italic = (choice & 0x20) != 0,
                 .underline = (choice & 0x40) != 0,
                 .strikeOut = (choice & 0x80) != 0};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 3)
    return 0;
  unsigned format = 0;
  for (std::size_t bit = 0; bit < std::size(kFlags); ++bit)
    if (data[0] & (1u << bit))
      format |= kFlags[bit];
  const Font font(ChosenFont(data[1]));
  const int width = data[2];
  const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

  const std::u32string chars = DecodeUtf8(text);
  const VisualLine visual = VisualOrder(chars);
  std::vector<std::size_t> order = visual.order;
  std::sort(order.begin(), order.end());
  Check(order.size() == chars.size() && visual.chars.size() == chars.size());
  for (std::size_t i = 0; i < order.size(); ++i)
    Check(order[i] == i);
  Check(ShapeArabic(chars).size() <= chars.size());

  Bitmap bmp(300, 120, clWhite);
  DeviceContext dc(bmp);
  dc.SelectFont(font);
  dc.SetBkMode((width & 1) ? OPAQUE : TRANSPARENT);
  Rect measured{10, 10, 10 + width, 110};
  dc.DrawText(text, measured, format | DT_CALCRECT);
  Check(measured.Width() >= 0 && measured.Height() >= 0);
  Rect rect{10, 10, 10 + width, 110};
  dc.DrawText(text, rect, format);
  const DeviceContext::TextRun run = dc.MeasureTextRun(text);
  dc.TextOut(-5, 60, run);
  if ((format & DT_SINGLELINE) && (format & DT_NOPREFIX) && !(format & DT_EXPANDTABS)) {
    Check(measured.Width() == run.size.cx);
    // Drawn alone on a clean picture, the line's ink ends within its
    // measured width, give or take the overhang of the outer letters.
    const int slack = 2 * std::max(run.size.cy, 1);
    Bitmap line(std::min(run.size.cx + 4 * slack, 4000), run.size.cy + 2 * slack, clWhite);
    DeviceContext lineDc(line);
    lineDc.SelectFont(font);
    lineDc.SetBkMode(TRANSPARENT);
    lineDc.TextOut(slack, slack, run);
    for (int y = 0; y < line.Height(); ++y)
      for (int x = 0; x < line.Width(); ++x)
        if (line.GetPixel(x, y) != clWhite)
          Check(x < slack + run.size.cx + slack);
  }
  return 0;
}
