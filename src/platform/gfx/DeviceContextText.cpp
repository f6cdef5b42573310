// Text drawing of DeviceContext: single runs (TextOut) and laid-out text
// (DrawText) with line breaks, alignment, word breaks and "&" prefixes.

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/gfx/ArabicShaping.h"
#include "platform/gfx/BidiOrder.h"
#include "platform/gfx/CoverageBlend.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/FontFace.h"

namespace gfx {

namespace {

// One laid-out line: its characters, whether each is a prefixed
// (underlined) character, and the x offset of each from the line start.
struct Line {
  std::u32string chars;
  std::vector<bool> marked;
  std::vector<int> offsets;
  int width = 0;
};

// Where the pen goes after the character c drawn at x: tabs jump to the
// next stop when tabs are expanded.
int Advanced(int x, char32_t c, const FontFace& face, int tabWidth) {
  if (c == U'\t' && tabWidth > 0)
    return (x / tabWidth + 1) * tabWidth;
  return x + face.Advance(c);
}

// Places the characters of a line.
void Measure(Line& line, const FontFace& face, int tabWidth) {
  line.offsets.resize(line.chars.size());
  int x = 0;
  for (std::size_t i = 0; i < line.chars.size(); ++i) {
    line.offsets[i] = x;
    x = Advanced(x, line.chars[i], face, tabWidth);
  }
  line.width = x;
}

Line Slice(const Line& from, std::size_t begin, std::size_t end) {
  Line line;
  line.chars = from.chars.substr(begin, end - begin);
  line.marked.assign(from.marked.begin() + static_cast<std::ptrdiff_t>(begin),
                     from.marked.begin() + static_cast<std::ptrdiff_t>(end));
  return line;
}

// Breaks a line after spaces so that each piece fits `maxWidth`; a word
// longer than the width stays whole on a line of its own. The spaces at a
// break are dropped.
void WrapInto(std::vector<Line>& out, const Line& line, const FontFace& face, int tabWidth,
              int maxWidth) {
  if (line.width <= maxWidth) {
    out.push_back(line);
    return;
  }
  std::size_t start = 0;
  const std::size_t n = line.chars.size();
  while (start < n) {
    std::size_t lastBreak = start;  // end of the last word that fits
    std::size_t i = start;
    while (i < n) {
      std::size_t wordEnd = i;
      while (wordEnd < n && line.chars[wordEnd] != U' ')
        ++wordEnd;
      Line candidate = Slice(line, start, wordEnd);
      Measure(candidate, face, tabWidth);
      if (candidate.width > maxWidth && lastBreak > start)
        break;
      lastBreak = wordEnd;
      i = wordEnd;
      while (i < n && line.chars[i] == U' ')
        ++i;
      if (candidate.width > maxWidth)
        break;
    }
    Line piece = Slice(line, start, lastBreak);
    Measure(piece, face, tabWidth);
    out.push_back(std::move(piece));
    start = lastBreak;
    while (start < n && line.chars[start] == U' ')
      ++start;
  }
}

// The characters text is measured and drawn as.
std::u32string DisplayChars(std::string_view text) {
  return ShapeArabic(DecodeUtf8(text));
}

// Splits text into lines and resolves "&" prefixes: each character shown
// goes to onChar with whether it is marked, each line break to onBreak.
template <typename OnChar, typename OnBreak>
void ScanLines(std::string_view text, unsigned format, OnChar onChar, OnBreak onBreak) {
  const std::u32string chars = DisplayChars(text);
  const bool prefixes = !(format & DT_NOPREFIX);
  const bool single = format & DT_SINGLELINE;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    char32_t c = chars[i];
    if (c == U'\r' || c == U'\n') {
      if (single)
        continue;
      if (c == U'\r' && i + 1 < chars.size() && chars[i + 1] == U'\n')
        ++i;
      onBreak();
      continue;
    }
    bool marked = false;
    if (prefixes && c == U'&') {
      if (i + 1 >= chars.size())
        break;  // a trailing "&" marks nothing and shows nothing
      c = chars[++i];
      if (c != U'&') {
        if (c == U'\r' || c == U'\n') {
          --i;  // the break is handled by the next round
          continue;
        }
        marked = true;
      }
    }
    onChar(c, marked);
  }
}

std::vector<Line> BreakLines(std::string_view text, unsigned format) {
  std::vector<Line> lines(1);
  // Most texts are one line: room for all of it is taken at once.
  lines.back().chars.reserve(text.size());
  lines.back().marked.reserve(text.size());
  ScanLines(
      text, format,
      [&](char32_t c, bool marked) {
        lines.back().chars.push_back(c);
        lines.back().marked.push_back(marked);
      },
      [&] { lines.emplace_back(); });
  return lines;
}

// A measured line in the order it is drawn. Each character keeps the
// advance it was measured with; marks go with their characters.
struct DrawnLine {
  std::u32string chars;
  std::vector<bool> marked;
  std::vector<int> offsets;
};

DrawnLine InVisualOrder(const std::u32string& chars, const std::vector<bool>& marked,
                        const std::vector<int>& offsets, int width) {
  VisualLine visual = VisualOrder(chars);
  DrawnLine line;
  line.chars = std::move(visual.chars);
  line.offsets.reserve(chars.size());
  if (!marked.empty())
    line.marked.reserve(chars.size());
  int x = 0;
  for (std::size_t i : visual.order) {
    line.offsets.push_back(x);
    if (!marked.empty())
      line.marked.push_back(marked[i]);
    x += (i + 1 < offsets.size() ? offsets[i + 1] : width) - offsets[i];
  }
  return line;
}

}  // namespace

Size DeviceContext::GetTextExtent(std::string_view text) const {
  const FontFace& face = state_.font.Face();
  Line line;
  line.chars = DisplayChars(text);
  Measure(line, face, 0);
  return {line.width, face.Metrics().height};
}

DeviceContext::TextRun DeviceContext::MeasureTextRun(std::string_view text) const {
  const FontFace& face = state_.font.Face();
  Line line;
  line.chars = DisplayChars(text);
  Measure(line, face, 0);
  return {std::move(line.chars), std::move(line.offsets), {line.width, face.Metrics().height}};
}

void DeviceContext::TextOut(int x, int y, std::string_view text) {
  TextOut(x, y, MeasureTextRun(text));
}

void DeviceContext::TextOut(int x, int y, const TextRun& run) {
  // Glyphs alone never read the marks.
  static const std::vector<bool> kNoMarks;
  DrawLine(x, y, run.chars, kNoMarks, run.offsets, run.size.cx, kDrawGlyphs, clipBounds_);
}

void DeviceContext::DrawLine(int x, int y, const std::u32string& logicalChars,
                             const std::vector<bool>& logicalMarked,
                             const std::vector<int>& logicalOffsets, int width, unsigned what,
                             const Rect& limit) {
  // Right-to-left text is drawn in its visual order; left-to-right text,
  // nearly all there is, as it stands.
  DrawnLine visual;
  const bool reordered = HasRightToLeft(logicalChars);
  if (reordered)
    visual = InVisualOrder(logicalChars, logicalMarked, logicalOffsets, width);
  const std::u32string& chars = reordered ? visual.chars : logicalChars;
  const std::vector<bool>& marked = reordered ? visual.marked : logicalMarked;
  const std::vector<int>& offsets = reordered ? visual.offsets : logicalOffsets;

  const FontFace& face = state_.font.Face();
  const TextMetrics& tm = face.Metrics();
  if (state_.bkMode == OPAQUE && (what & kDrawGlyphs))
    FillDeviceRect(ToDevice(Rect{x, y, x + width, y + tm.height}).Intersect(limit),
                   PixelFromColor(ColorToRGB(state_.bkColor)));
  const Rect bounds = clipBounds_.Intersect(limit);

  const Point origin = ToDevice(Point{x, y});
  const int baseline = origin.y + tm.ascent;
  const Pixel color = PixelFromColor(ColorToRGB(state_.textColor));

  if (what & kDrawGlyphs) {
    for (std::size_t i = 0; i < chars.size(); ++i) {
      const FontFace::Glyph& g = face.GetGlyph(chars[i]);
      if (g.coverage.empty())
        continue;
      const Rect box =
          Rect::FromXYWH(origin.x + offsets[i] + g.left, baseline - g.top, g.width, g.height);
      const Rect bounded = box.Intersect(bounds);
      if (bounded.IsEmpty())
        continue;
      for (const Rect& clip : clipRects_) {
        Rect r = bounded.Intersect(clip);
        for (int py = r.top; py < r.bottom; ++py) {
          const std::uint8_t* cov = g.coverage.data() +
                                    static_cast<std::size_t>(py - box.top) * g.width +
                                    (r.left - box.left);
          BlendCoverage(target_->Row(py) + r.left, cov, r.right - r.left, color);
        }
      }
    }
  }

  const int thick = face.LineThickness();
  if (what & kDrawMarks) {
    for (std::size_t i = 0; i < chars.size(); ++i) {
      if (!marked[i])
        continue;
      int left = origin.x + offsets[i];
      int right = i + 1 < chars.size() ? origin.x + offsets[i + 1] : origin.x + width;
      int top = baseline + face.UnderlineOffset();
      FillDeviceRect(Rect{left, top, right, top + thick}.Intersect(limit), color);
    }
  }
  if ((what & kDrawGlyphs) && state_.font.GetLogFont().underline) {
    int top = baseline + face.UnderlineOffset();
    FillDeviceRect(Rect{origin.x, top, origin.x + width, top + thick}.Intersect(limit), color);
  }
  if ((what & kDrawGlyphs) && state_.font.GetLogFont().strikeOut) {
    int top = baseline + face.StrikeOutOffset();
    FillDeviceRect(Rect{origin.x, top, origin.x + width, top + thick}.Intersect(limit), color);
  }
}

int DeviceContext::DrawText(std::string_view text, Rect& rect, unsigned format) {
  const FontFace& face = state_.font.Face();
  const TextMetrics& tm = face.Metrics();
  const int lineHeight = tm.height;
  const int tabWidth = (format & DT_EXPANDTABS) ? 8 * tm.aveCharWidth : 0;

  if (text.empty()) {
    if (format & DT_CALCRECT) {
      rect.right = rect.left;
      rect.bottom = rect.top + ((format & DT_SINGLELINE) ? lineHeight : 0);
    }
    return 0;
  }

  const bool wraps = (format & DT_WORDBREAK) && !(format & DT_SINGLELINE);
  if ((format & DT_CALCRECT) && !wraps) {
    // Measured without laying the lines out.
    int maxWidth = 0, count = 1, x = 0;
    ScanLines(
        text, format, [&](char32_t c, bool) { x = Advanced(x, c, face, tabWidth); },
        [&] {
          maxWidth = std::max(maxWidth, x);
          x = 0;
          ++count;
        });
    maxWidth = std::max(maxWidth, x);
    rect.right = rect.left + maxWidth;
    rect.bottom = rect.top + lineHeight * count;
    return lineHeight * count;
  }

  std::vector<Line> lines = BreakLines(text, format);
  for (Line& line : lines)
    Measure(line, face, tabWidth);
  if (wraps) {
    std::vector<Line> wrapped;
    for (const Line& line : lines)
      WrapInto(wrapped, line, face, tabWidth, std::max(0, rect.Width()));
    lines = std::move(wrapped);
  }

  int maxWidth = 0;
  for (const Line& line : lines)
    maxWidth = std::max(maxWidth, line.width);
  const int totalHeight = lineHeight * static_cast<int>(lines.size());

  if (format & DT_CALCRECT) {
    rect.right = rect.left + maxWidth;
    rect.bottom = rect.top + totalHeight;
    return totalHeight;
  }

  int y = rect.top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER)
      y = rect.top + (rect.Height() - lineHeight) / 2;
    else if (format & DT_BOTTOM)
      y = rect.bottom - lineHeight;
  }

  // The rectangle limits the text like a clip of its own, without
  // changing the context's clip.
  const Rect limit = (format & DT_NOCLIP) ? clipBounds_ : ToDevice(rect);
  unsigned what = kDrawGlyphs | kDrawMarks;
  if (format & DT_HIDEPREFIX)
    what = kDrawGlyphs;
  else if (format & DT_PREFIXONLY)
    what = kDrawMarks;
  for (const Line& line : lines) {
    int x = rect.left;
    if (format & DT_CENTER)
      x = rect.left + (rect.Width() - line.width) / 2;
    else if (format & DT_RIGHT)
      x = rect.right - line.width;
    DrawLine(x, y, line.chars, line.marked, line.offsets, line.width, what, limit);
    y += lineHeight;
  }
  if (format & (DT_VCENTER | DT_BOTTOM))
    return y - rect.top;
  return totalHeight;
}

}  // namespace gfx
