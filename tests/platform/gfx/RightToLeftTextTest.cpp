// Right-to-left text inside the left-to-right lines of the program: the
// order characters are drawn in, the joined shapes of Arabic letters, and
// what the drawn text looks like.

#include <gtest/gtest.h>

#include <functional>

#include "platform/gfx/ArabicShaping.h"
#include "platform/gfx/BidiOrder.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/FontFace.h"

using namespace gfx;

namespace {

std::u32string Drawn(const std::u32string& text) {
  return HasRightToLeft(text) ? VisualOrder(text).chars : text;
}

Bitmap Paint(const std::function<void(DeviceContext&)>& paint) {
  Bitmap bmp(200, 30, clWhite);
  DeviceContext dc(bmp);
  dc.SelectFont(Font(LogFont{.faceName = "Arial", .height = -14}));
  dc.SetBkMode(TRANSPARENT);
  paint(dc);
  return bmp;
}

}  // namespace

TEST(BidiOrder, RightToLeftRunsTurnInsideLeftToRightText) {
  // Latin text, digits and punctuation alone stay as they are.
  EXPECT_FALSE(HasRightToLeft(U"Gr\u00FC\u00DFe, \u0416\u0443\u043A 12 \u2713"));
  EXPECT_TRUE(HasRightToLeft(U"a \u05D0"));
  EXPECT_TRUE(HasRightToLeft(U"\u0627"));  // Arabic
  // Hebrew between Latin words reads from the right; the words keep their
  // places and their own direction.
  EXPECT_EQ(Drawn(U"ab \u05D0\u05D1\u05D2 cd"), U"ab \u05D2\u05D1\u05D0 cd");
  // A number inside a right-to-left run keeps its digits' order.
  EXPECT_EQ(Drawn(U"\u05D0 12 \u05D1"), U"\u05D1 12 \u05D0");
  // Brackets inside a right-to-left run are drawn mirrored.
  EXPECT_EQ(Drawn(U"\u05D0(\u05D1)"), U"(\u05D1)\u05D0");
  // Beyond the first plane, and a character that is no character at all.
  EXPECT_EQ(Drawn(U"\U00010900\U00010901 x"), U"\U00010901\U00010900 x");
  const VisualLine odd = VisualOrder(std::u32string(U"\u05D0") + char32_t{0xD800} + U"\u05D1");
  EXPECT_EQ(odd.order.size(), 3u);
  EXPECT_EQ(odd.chars.size(), 3u);
  // The order names every logical position once.
  const VisualLine line = VisualOrder(U"ab \u05D0\u05D1\u05D2 cd");
  EXPECT_EQ(line.order, (std::vector<std::size_t>{0, 1, 2, 5, 4, 3, 6, 7, 8}));
}

// Drawn as one text, "alef bet" shows bet left of alef, exactly as the two
// letters drawn one by one in that order; the "&" mark goes with its letter
// to the right, and the measured width does not change.
TEST(BidiOrder, DrawnTextShowsTheVisualOrder) {
  const std::string alef = "\xD7\x90", bet = "\xD7\x91";
  int betWidth = 0;
  const Bitmap whole = Paint([&](DeviceContext& dc) {
    EXPECT_EQ(dc.GetTextExtent(alef + bet).cx,
              dc.GetTextExtent(alef).cx + dc.GetTextExtent(bet).cx);
    betWidth = dc.GetTextExtent(bet).cx;
    dc.TextOut(10, 5, alef + bet);
  });
  const Bitmap byHand = Paint([&](DeviceContext& dc) {
    dc.TextOut(10, 5, bet);
    dc.TextOut(10 + betWidth, 5, alef);
  });
  EXPECT_TRUE(whole.SameAs(byHand));

  Rect rect{10, 5, 190, 25};
  const Bitmap marked = Paint([&](DeviceContext& dc) {
    dc.DrawText("&" + alef + bet, rect, DT_SINGLELINE | DT_LEFT | DT_TOP);
  });
  const Bitmap plain =
      Paint([&](DeviceContext& dc) { dc.DrawText(alef + bet, rect, DT_SINGLELINE | DT_LEFT); });
  // The underline is all that differs, and it lies under the right letter.
  int left = 200, right = -1;
  for (int y = 0; y < marked.Height(); ++y)
    for (int x = 0; x < marked.Width(); ++x)
      if (marked.GetPixel(x, y) != plain.GetPixel(x, y)) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  ASSERT_GE(right, 0);
  EXPECT_GE(left, 10 + betWidth);
}

TEST(ArabicShaping, LettersTakeTheirJoinedForms) {
  // Beh beh: the first joins forward, the second backward.
  EXPECT_EQ(ShapeArabic(U"\u0628\u0628"), U"\uFE91\uFE90");
  // Beh alone, and lam with alef as one sign.
  EXPECT_EQ(ShapeArabic(U"\u0628"), U"\uFE8F");
  EXPECT_EQ(ShapeArabic(U"\u0644\u0627"), U"\uFEFB");
  // A Latin letter between them breaks the join; Latin text stays as it is.
  EXPECT_EQ(ShapeArabic(U"\u0628a\u0628"), U"\uFE8Fa\uFE8F");
  EXPECT_EQ(ShapeArabic(U"Stonework \u2013 5"), U"Stonework \u2013 5");
  // Joined text is measured as it is drawn: lam-alef takes one advance.
  Bitmap bmp(10, 10);
  DeviceContext dc(bmp);
  dc.SelectFont(Font(LogFont{.faceName = "Arial", .height = -14}));
  EXPECT_EQ(dc.GetTextExtent("\xD9\x84\xD8\xA7").cx, dc.GetTextExtent("\xEF\xBB\xBB").cx);
}
