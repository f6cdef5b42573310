#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "support/GfxPrinters.h"

#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/FontFace.h"
#include "support/GoldenImage.h"

using namespace gfx;

namespace {

// The smallest rectangle holding every pixel that is not the background.
Rect InkBounds(const Bitmap& bmp, ColorRef background) {
  Rect ink;
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x)
      if (bmp.GetPixel(x, y) != background)
        ink = ink.Union(Rect{x, y, x + 1, y + 1});
  return ink;
}

Font Arial(int height, int weight = FW_NORMAL) {
  return Font(LogFont{.faceName = "Arial", .height = height, .weight = weight});
}

Bitmap Draw(std::string_view text, Rect rect, unsigned format, const Font& font, Size size) {
  Bitmap bmp(size.cx, size.cy, clWhite);
  DeviceContext dc(bmp);
  dc.SelectFont(font);
  dc.SetBkMode(TRANSPARENT);
  dc.DrawText(text, rect, format);
  return bmp;
}

}  // namespace

TEST(Font, ClassicFaceNamesResolveToTheMetricCompatibleFace) {
  EXPECT_EQ(Arial(14).ResolvedFamily(), "Liberation Sans");
  EXPECT_EQ(Font(LogFont{.faceName = "MS Sans Serif"}).ResolvedFamily(), "Liberation Sans");
  EXPECT_EQ(Font(LogFont{.faceName = "arial", .weight = FW_BOLD}).ResolvedFamily(),
            "Liberation Sans");
}

// The configuration read ahead on its own thread serves the first fonts as
// the one read on demand does; asking twice reads it once.
TEST(Font, ConfigurationReadAheadResolvesTheSameFaces) {
  PrepareFontConfiguration();
  PrepareFontConfiguration();
  EXPECT_EQ(Arial(14).ResolvedFamily(), "Liberation Sans");
  EXPECT_EQ(Font(LogFont{.faceName = "Times New Roman", .italic = true}).ResolvedFamily(),
            "Liberation Serif");
  EXPECT_GT(Arial(14).GetMetrics().height, 0);
}

// A character the face lacks is drawn from another installed font that has
// it (here the check mark and the replacement character of damaged text,
// which the metric-compatible faces lack and DejaVu Sans has), in bold and
// italic too; only a character no font has shows the face's own
// missing-character glyph.
TEST(Font, CharactersTheFaceLacksComeFromAnotherInstalledFont) {
  for (const LogFont& lf :
       {LogFont{.faceName = "Arial", .height = -14},
        LogFont{.faceName = "Arial", .height = 16, .weight = FW_BOLD},
        LogFont{.faceName = "Times New Roman", .height = -12, .italic = true}}) {
    const std::shared_ptr<FontFace> face = FontFace::Get(lf);
    // Not assigned: the face's missing-character glyph (a box, or nothing).
    const FontFace::Glyph& box = face->GetGlyph(U'\u0378');
    for (char32_t c : {U'\u2713', U'\uFFFD'}) {
      const FontFace::Glyph& glyph = face->GetGlyph(c);
      EXPECT_FALSE(glyph.coverage.empty());
      EXPECT_NE(glyph.coverage, box.coverage)
          << lf.faceName << " U+" << std::hex << static_cast<std::uint32_t>(c);
      EXPECT_GT(glyph.advance, 0);
      // At the face's size: as tall as a capital, give or take the design.
      EXPECT_LT(glyph.height, face->Metrics().height + 2);
      EXPECT_GT(glyph.height, face->Metrics().ascent / 3);
    }
  }
}

TEST(Font, HeightSignConvention) {
  // Negative: the character height; the cell adds the internal leading.
  const TextMetrics& character = Arial(-20).GetMetrics();
  EXPECT_EQ(character.height - character.internalLeading, 20);
  EXPECT_GT(character.height, 20);
  // Positive: the whole cell.
  const TextMetrics& cell = Arial(20).GetMetrics();
  EXPECT_EQ(cell.height, 20);
  EXPECT_EQ(cell.ascent + cell.descent, 20);
  EXPECT_LT(cell.height - cell.internalLeading, 20);
}

TEST(Font, AbsurdHeightsAreCappedInsteadOfExhaustingMemory) {
  for (int height : {1000000, -1000000, INT_MIN}) {
    Font huge(LogFont{.faceName = "Arial", .height = height});
    EXPECT_LE(huge.GetMetrics().height, 1200) << height;
    EXPECT_GT(huge.GetMetrics().height, 900) << height;
    Bitmap bmp(50, 50);
    DeviceContext dc(bmp);
    dc.SelectFont(huge);
    dc.TextOut(0, 0, "W");
  }
}

TEST(Font, BoldTextIsWiderAndFontsAreShared) {
  Bitmap bmp(1, 1);
  DeviceContext dc(bmp);
  dc.SelectFont(Arial(14));
  const int regular = dc.GetTextExtent("Severity level").cx;
  dc.SelectFont(Arial(14, FW_BOLD));
  EXPECT_GT(dc.GetTextExtent("Severity level").cx, regular);
  EXPECT_EQ(&Arial(14).Face(), &Arial(14).Face());
}

TEST(Text, ExtentAddsUpAndHasTheCellHeight) {
  Bitmap bmp(1, 1);
  DeviceContext dc(bmp);
  dc.SelectFont(Arial(-13));
  Size ab = dc.GetTextExtent("ab");
  EXPECT_EQ(ab.cx, dc.GetTextExtent("a").cx + dc.GetTextExtent("b").cx);
  EXPECT_EQ(ab.cy, Arial(-13).GetMetrics().height);
  EXPECT_LT(dc.GetTextExtent("iii").cx, dc.GetTextExtent("WWW").cx);
  EXPECT_EQ(dc.GetTextExtent("").cx, 0);
}

TEST(DrawText, CalcRectMeasuresLinesAndPrefixes) {
  Bitmap bmp(1, 1);
  DeviceContext dc(bmp);
  dc.SelectFont(Arial(14));
  const int line = Arial(14).GetMetrics().height;
  auto calc = [&](std::string_view text, unsigned format) {
    Rect r{10, 20, 10, 20};
    int h = dc.DrawText(text, r, format | DT_CALCRECT);
    if (!text.empty()) {
      EXPECT_EQ(h, r.Height());
    }
    EXPECT_EQ(r.TopLeft(), (Point{10, 20}));
    return r.GetSize();
  };
  EXPECT_EQ(calc("Start", 0), (Size{dc.GetTextExtent("Start").cx, line}));
  // "&S" is S underlined; "&&" is one "&"; a trailing "&" shows nothing.
  EXPECT_EQ(calc("&Start", 0).cx, dc.GetTextExtent("Start").cx);
  EXPECT_EQ(calc("A&&B", 0).cx, dc.GetTextExtent("A&B").cx);
  EXPECT_EQ(calc("AB&", 0).cx, dc.GetTextExtent("AB").cx);
  EXPECT_EQ(calc("A&&B", DT_NOPREFIX).cx, dc.GetTextExtent("A&&B").cx);
  // CR, LF and CR LF each break a line; a single line ignores them.
  EXPECT_EQ(calc("one\rtwo", 0).cy, 2 * line);
  EXPECT_EQ(calc("one\ntwo", 0).cy, 2 * line);
  EXPECT_EQ(calc("one\r\ntwo", 0).cy, 2 * line);
  EXPECT_EQ(calc("one\r\rtwo", 0).cy, 3 * line);
  EXPECT_EQ(calc("one\r\ntwo", DT_SINGLELINE), (Size{dc.GetTextExtent("onetwo").cx, line}));
  EXPECT_EQ(calc("short\rmuch longer", 0).cx, dc.GetTextExtent("much longer").cx);
  EXPECT_EQ(calc("", DT_SINGLELINE), (Size{0, line}));
  EXPECT_EQ(calc("", 0), (Size{0, 0}));
}

TEST(DrawText, WordBreakKeepsLinesInsideTheWidth) {
  Bitmap bmp(1, 1);
  DeviceContext dc(bmp);
  dc.SelectFont(Arial(14));
  const int line = Arial(14).GetMetrics().height;
  const int width = dc.GetTextExtent("quick brown").cx;
  Rect r{0, 0, width, 0};
  dc.DrawText("The quick brown fox jumps", r, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_LE(r.Width(), width);
  EXPECT_EQ(r.Height(), 3 * line);  // "The quick", "brown fox", "jumps"
  // A word longer than the width stays whole.
  Rect narrow{0, 0, 5, 0};
  dc.DrawText("Puzzle", narrow, DT_CALCRECT | DT_WORDBREAK);
  EXPECT_EQ(narrow.Width(), dc.GetTextExtent("Puzzle").cx);
  EXPECT_EQ(narrow.Height(), line);
}

TEST(DrawText, AlignmentPlacesTheInk) {
  const Font font = Arial(14);
  const Rect box{10, 10, 110, 50};
  Rect left = InkBounds(Draw("Go", box, DT_SINGLELINE, font, {120, 60}), clWhite);
  Rect right = InkBounds(Draw("Go", box, DT_SINGLELINE | DT_RIGHT, font, {120, 60}), clWhite);
  Rect centre =
      InkBounds(Draw("Go", box, DT_SINGLELINE | DT_CENTER | DT_VCENTER, font, {120, 60}), clWhite);
  Rect bottom = InkBounds(Draw("Go", box, DT_SINGLELINE | DT_BOTTOM, font, {120, 60}), clWhite);
  EXPECT_LE(std::abs(left.left - box.left), 1);
  EXPECT_LE(std::abs(right.right - box.right), 1);
  EXPECT_LE(std::abs((centre.left + centre.right) - (box.left + box.right)), 2);
  EXPECT_EQ(left.top, right.top);
  EXPECT_GT(centre.top, left.top);
  EXPECT_GT(bottom.top, centre.top);
  EXPECT_LE(bottom.bottom, box.bottom);
  // Vertical centring applies to single lines only.
  Rect multi = InkBounds(Draw("Go", box, DT_VCENTER, font, {120, 60}), clWhite);
  EXPECT_EQ(multi.top, left.top);
}

TEST(DrawText, PrefixUnderlinesOnlyBelowTheMarkedCharacter) {
  const Font font = Arial(14);
  const Rect box{0, 0, 80, 20};
  Bitmap plain = Draw("Start", box, 0, font, {80, 20});
  Bitmap marked = Draw("&Start", box, 0, font, {80, 20});
  Bitmap hidden = Draw("&Start", box, DT_HIDEPREFIX, font, {80, 20});
  EXPECT_TRUE(plain.SameAs(hidden));
  const int baseline = font.GetMetrics().ascent;
  const int sWidth = [&] {
    Bitmap b(1, 1);
    DeviceContext dc(b);
    dc.SelectFont(font);
    return dc.GetTextExtent("S").cx;
  }();
  int underlined = 0;
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 80; ++x)
      if (plain.GetPixel(x, y) != marked.GetPixel(x, y)) {
        EXPECT_GT(y, baseline - 1);
        EXPECT_LT(x, sWidth);
        ++underlined;
      }
  EXPECT_GE(underlined, sWidth - 1);
  // Only the bar: no glyphs.
  Rect bar = InkBounds(Draw("&Start", box, DT_PREFIXONLY, font, {80, 20}), clWhite);
  EXPECT_EQ(bar.Height(), 1);
  EXPECT_LE(bar.Width(), sWidth);
}

TEST(DrawText, ClipsToTheRectangleUnlessAskedNotTo) {
  const Font font = Arial(14);
  const Rect box{0, 0, 20, 20};
  Rect clipped = InkBounds(Draw("Wide text here", box, DT_SINGLELINE, font, {150, 20}), clWhite);
  Rect free =
      InkBounds(Draw("Wide text here", box, DT_SINGLELINE | DT_NOCLIP, font, {150, 20}), clWhite);
  EXPECT_LE(clipped.right, 20);
  EXPECT_GT(free.right, 60);
}

TEST(TextOut, OpaqueModeFillsTheCellTransparentDoesNot) {
  Bitmap bmp(100, 30, clWhite);
  DeviceContext dc(bmp);
  dc.SelectFont(Arial(14));
  dc.SetBkColor(clYellow);
  dc.TextOut(2, 3, "Hi");
  Size extent = dc.GetTextExtent("Hi");
  EXPECT_EQ(bmp.GetPixel(2, 3), clYellow);
  EXPECT_EQ(bmp.GetPixel(2 + extent.cx - 1, 3 + extent.cy - 1), clYellow);
  EXPECT_EQ(bmp.GetPixel(2 + extent.cx, 3), clWhite);
  EXPECT_EQ(bmp.GetPixel(2, 3 + extent.cy), clWhite);
  Bitmap clear(100, 30, clWhite);
  DeviceContext dc2(clear);
  dc2.SelectFont(Arial(14));
  dc2.SetBkMode(TRANSPARENT);
  dc2.TextOut(2, 3, "Hi");
  EXPECT_EQ(clear.GetPixel(2, 3), clWhite);
  EXPECT_FALSE(InkBounds(clear, clWhite).IsEmpty());
}

// A run measured once draws as its text does, every time it is drawn: the
// opaque cell, the glyphs and the font's underline alike.
TEST(TextOut, AMeasuredRunDrawsAsItsText) {
  Font font(LogFont{.faceName = "Arial", .height = -13, .underline = true});
  const auto draw = [&](const std::function<void(DeviceContext&)>& paint) {
    Bitmap bmp(140, 40, clWhite);
    DeviceContext dc(bmp);
    dc.SelectFont(font);
    dc.SetBkColor(clYellow);
    dc.SetTextColor(clNavy);
    dc.IntersectClipRect({0, 0, 120, 40});
    paint(dc);
    return bmp;
  };
  const std::string_view text = "Brook \xC3\xBC stones \xE2\x80\x94 wide enough to clip";
  const Bitmap byText = draw([&](DeviceContext& dc) {
    dc.TextOut(3, 2, text);
    dc.TextOut(4, 20, text);
  });
  const Bitmap byRun = draw([&](DeviceContext& dc) {
    const DeviceContext::TextRun run = dc.MeasureTextRun(text);
    EXPECT_EQ(run.size, dc.GetTextExtent(text));
    dc.TextOut(3, 2, run);
    dc.TextOut(4, 20, run);
  });
  for (int y = 0; y < byText.Height(); ++y)
    for (int x = 0; x < byText.Width(); ++x)
      ASSERT_EQ(byRun.GetPixel(x, y), byText.GetPixel(x, y)) << x << "," << y;
  EXPECT_FALSE(InkBounds(byRun, clWhite).IsEmpty());
}

// Anti-aliased edges mix the text colour with whatever lies below each
// pixel: on a background that changes from column to column and row to
// row every pixel is what the same text gives on a plain background of
// that pixel's colour.
TEST(TextOut, EdgesMixWithTheBackgroundOfEachPixel) {
  const ColorRef colours[] = {RGB(250, 240, 220), RGB(20, 90, 160), RGB(200, 30, 30)};
  const auto colourAt = [&](int x, int y) { return colours[(x + 2 * y) % 3]; };
  const auto draw = [&](const std::function<ColorRef(int, int)>& background) {
    Bitmap bmp(120, 24);
    for (int y = 0; y < bmp.Height(); ++y)
      for (int x = 0; x < bmp.Width(); ++x)
        bmp.SetPixel(x, y, background(x, y));
    DeviceContext dc(bmp);
    dc.SelectFont(Arial(-14));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(40, 20, 0));
    dc.TextOut(2, 2, "Mixed edges, aw!");
    return bmp;
  };
  const Bitmap mixed = draw(colourAt);
  int edges = 0;
  for (const ColorRef plainColour : colours) {
    const Bitmap plain = draw([&](int, int) { return plainColour; });
    for (int y = 0; y < mixed.Height(); ++y)
      for (int x = 0; x < mixed.Width(); ++x)
        if (colourAt(x, y) == plainColour) {
          ASSERT_EQ(mixed.GetPixel(x, y), plain.GetPixel(x, y)) << x << "," << y;
          edges += plain.GetPixel(x, y) != plainColour && plain.GetPixel(x, y) != RGB(40, 20, 0);
        }
  }
  EXPECT_GT(edges, 20);
}

TEST(Text, MalformedUtf8ShowsReplacementCharacters) {
  EXPECT_EQ(DecodeUtf8("G\xC3\xBC"), U"G\u00FC");
  EXPECT_EQ(DecodeUtf8("\xE2\x82\xAC!"), U"\u20AC!");
  EXPECT_EQ(DecodeUtf8("a\xFF"
                       "b"),
            U"a\uFFFDb");
  EXPECT_EQ(DecodeUtf8("\xC3"), U"\uFFFD");                      // cut short
  EXPECT_EQ(DecodeUtf8("\xC0\xAF"), U"\uFFFD\uFFFD");            // over-long
  EXPECT_EQ(DecodeUtf8("\xED\xA0\x80"), U"\uFFFD\uFFFD\uFFFD");  // surrogate
  EXPECT_EQ(DecodeUtf8("\xF0\x9F\x99\x82"), U"\U0001F642");
}

TEST(Text, RendersLikeTheReferencePicture) {
  Bitmap bmp(240, 120, RGB(244, 236, 220));
  DeviceContext dc(bmp);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(RGB(40, 32, 28));
  dc.SelectFont(Font(LogFont{.faceName = "MS Sans Serif", .height = -11}));
  dc.TextOut(4, 4, "Tilebrook(tm) - Puzzle Browser");
  dc.SelectFont(Arial(14, FW_BOLD));
  Rect caption{4, 20, 236, 40};
  dc.DrawText("&Start && go", caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  dc.SelectFont(
      Font(LogFont{.faceName = "Arial", .height = -13, .italic = true, .underline = true}));
  dc.TextOut(4, 44, "Beginner \xE2\x80\x93 Maniac");
  dc.SelectFont(Arial(14));
  dc.SetTextColor(RGB(46, 120, 128));
  Rect body{4, 64, 236, 116};
  dc.DrawText(
      "Gr\xC3\xBC\xC3\x9F"
      "e aus K\xC3\xB6ln\rThe quick brown fox jumps over the lazy dog",
      body, DT_WORDBREAK | DT_RIGHT);
  EXPECT_TRUE(testsupport::MatchesGolden(bmp, "tests/platform/gfx/golden/text.png"));
  // Checked apart from the reference: the centred caption's ink lies in the
  // middle of its rectangle, and the right-aligned lines end at its right.
  auto ink = [&](const Rect& r) {
    Rect found{r.right, r.bottom, r.left, r.top};
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (bmp.GetPixel(x, y) != RGB(244, 236, 220)) {
          found.left = std::min(found.left, x);
          found.right = std::max(found.right, x + 1);
          found.top = std::min(found.top, y);
          found.bottom = std::max(found.bottom, y + 1);
        }
    return found;
  };
  const Rect centred = ink(caption);
  ASSERT_FALSE(centred.IsEmpty());
  EXPECT_LE(std::abs((centred.left - caption.left) - (caption.right - centred.right)), 2);
  EXPECT_LE(std::abs((centred.top - caption.top) - (caption.bottom - centred.bottom)), 3);
  const Rect firstLine = ink({body.left, body.top, body.right, body.top + 16});
  EXPECT_GE(firstLine.right, body.right - 2);
  EXPECT_GT(firstLine.left, body.left + 100);
  const Rect wrapped = ink(body);
  EXPECT_LE(wrapped.right, body.right);
  EXPECT_GT(wrapped.bottom - wrapped.top, 2 * 16);  // three lines: the long one wraps
}

// The rectangle limits everything the text draws (the opaque cell, the glyphs,
// the prefix bar) under a moved viewport and an existing clip, and leaves the
// context's clip as it was.
TEST(DrawText, TheRectangleLimitsCellGlyphsAndBarsWithoutChangingTheClip) {
  Bitmap bmp(120, 40, clWhite);
  DeviceContext dc(bmp);
  dc.SelectFont(Arial(14));
  dc.SetBkColor(clYellow);
  dc.SetViewportOrg({10, 5});
  dc.ExcludeClipRect({0, 0, 6, 30});
  Rect box{0, 0, 30, 20};
  dc.DrawText("&Underlined text", box, DT_SINGLELINE);
  // Device pixels: the box is (10,5)-(40,25), its first six columns excluded.
  for (int y = 0; y < bmp.Height(); ++y)
    for (int x = 0; x < bmp.Width(); ++x) {
      const bool drawable = x >= 16 && x < 40 && y >= 5 && y < 25;
      if (!drawable) {
        ASSERT_EQ(bmp.GetPixel(x, y), clWhite) << x << "," << y;
      }
    }
  EXPECT_EQ(bmp.GetPixel(20, 6), clYellow);
  // The clip is the one set before: all but the excluded columns.
  dc.FillRect({-10, -5, 110, 35}, clBlue);
  EXPECT_EQ(bmp.GetPixel(12, 10), clWhite);
  EXPECT_EQ(bmp.GetPixel(60, 30), clBlue);
  EXPECT_EQ(bmp.GetPixel(2, 2), clBlue);
}
