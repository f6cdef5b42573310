// The window shape of a skinned frame, cut straight from the pieces of the
// skin's mask picture: each row of a mask strip is one row of the mask laid
// out by the strip's pieces, so its black runs are read from that row
// without composing the strip, and rows repeated from the same mask row
// make one band.

#include <cstring>
#include <vector>

#include "skin/data/SkinData.h"
#include "skin/form/FrameGeometry.h"

using gfx::Pixel;
using gfx::Point;
using gfx::Rect;

namespace {

bool Black(Pixel p) {
  return (p & 0xFFFFFF) == 0;
}

// Whether two rows of pixels are equal; the side strips compare a few
// pixels on every row, too few to be worth a library call.
bool Same(const Pixel* a, const Pixel* b, int count) {
  if (a == b)
    return true;
  if (count > 16)
    return std::memcmp(a, b, static_cast<std::size_t>(count) * sizeof(Pixel)) == 0;
  for (int i = 0; i < count; ++i)
    if (a[i] != b[i])
      return false;
  return true;
}

// The black runs of a mask strip's rows in window coordinates; a row equal
// to the rows above it makes their runs one row taller.
class RunCollector {
 public:
  explicit RunCollector(std::vector<Rect>& runs) : runs_(runs) {}

  // Starts a row at window row y; false when the row repeats the band
  // above it (same key), which then grows by the row.
  bool StartRow(int y, const Pixel* key, int keyLength) {
    if (key_ != nullptr && key != nullptr && keyLength == keyLength_ &&
        Same(key, key_, keyLength)) {
      for (std::size_t i = band_; i < runs_.size(); ++i)
        ++runs_[i].bottom;
      return false;
    }
    key_ = key;
    keyLength_ = keyLength;
    band_ = runs_.size();
    y_ = y;
    return true;
  }
  // Adds the black pixels x0..x1 of the row begun last.
  void Add(int x0, int x1) {
    if (x1 <= x0)
      return;
    if (runs_.size() > band_ && runs_.back().right == x0) {
      runs_.back().right = x1;
      return;
    }
    runs_.push_back({x0, y_, x1, y_ + 1});
  }
  // Adds the black pixels of `row` (count of them) at window column x.
  void AddBlackOf(const Pixel* row, int count, int x) {
    int i = 0;
    while (i < count) {
      while (i < count && !Black(row[i]))
        ++i;
      const int start = i;
      while (i < count && Black(row[i]))
        ++i;
      Add(x + start, x + i);
    }
  }

 private:
  std::vector<Rect>& runs_;
  const Pixel* key_ = nullptr;
  int keyLength_ = 0;
  std::size_t band_ = 0;
  int y_ = 0;
};

// A top or bottom mask strip `height` rows high from mask row sourceTop,
// at window row y0 and frame.Width wide: the corner columns 0..left and
// right..mask width, the middle left..right repeated from column
// sizedLeft up to sizedRight, where the right corner starts. Pixels no
// piece covers are black, as in a composed strip.
void AddHorizontal(RunCollector& out, const gfx::Bitmap& mask, int sourceTop, int height, int left,
                   int right, int sizedLeft, int sizedRight, int y0, int width) {
  const int mw = mask.Width();
  const int period = right - left;
  const Rect rightCorner{sizedRight, 0, sizedRight + mw - right, 1};
  for (int y = 0; y < height; ++y) {
    const Pixel* row = mask.Row(sourceTop + y);
    if (!out.StartRow(y0 + y, row, mw))
      continue;
    // The pieces from left to right, each drawn over those before it:
    // the right corner over the left one, both over the middle.
    int x = 0;
    const int leftEnd = std::min(left, width);
    const int rightStart = std::clamp(rightCorner.left, 0, width);
    const int rightEnd = std::clamp(rightCorner.right, 0, width);
    const auto middle = [&](int from, int to) {
      // Uncovered pixels are black; the middle covers sizedLeft..sizedRight.
      const int m0 = std::max(from, sizedLeft), m1 = std::min(to, sizedRight);
      if (period <= 0 || m1 <= m0) {
        out.Add(from, to);
        return;
      }
      out.Add(from, m0);
      const Pixel* piece = row + left;
      bool allBlack = true, noneBlack = true;
      for (int i = 0; i < period; ++i) {
        const bool b = Black(piece[i]);
        allBlack &= b;
        noneBlack &= !b;
      }
      if (allBlack) {
        out.Add(m0, m1);
      } else if (!noneBlack) {
        for (int px = m0; px < m1; ++px)
          if (Black(piece[(px - sizedLeft) % period]))
            out.Add(px, px + 1);
      }
      out.Add(m1, to);
    };
    // Left corner, cut short by the right one where they meet.
    const int leftCut = rightStart < rightEnd ? std::min(leftEnd, rightStart) : leftEnd;
    out.AddBlackOf(row, leftCut, 0);
    x = std::max(x, leftCut);
    if (rightStart < rightEnd) {
      if (x < rightStart)
        middle(x, rightStart);
      const int skip = rightStart - rightCorner.left;
      out.AddBlackOf(row + right + skip, rightEnd - rightStart, rightStart);
      x = rightEnd;
      // What the right corner leaves of the left one, then the middle.
      if (x < leftEnd) {
        out.AddBlackOf(row + x, leftEnd - x, x);
        x = leftEnd;
      }
    }
    if (x < width)
      middle(x, width);
  }
}

// A side mask strip of `width` columns from mask column sourceLeft and
// `height` rows, at window point `at`: mask rows clientTop..top at its top,
// bottom..clientBottom at its foot (over the top ones), and between them
// the rows top..bottom repeated from the strip's first row.
void AddVertical(RunCollector& out, const gfx::Bitmap& mask, int sourceLeft, int width, int top,
                 int bottom, int clientTop, int clientBottom, Point at, int height) {
  if (width <= 0)
    return;
  const int period = bottom - top;
  const int headRows = top - clientTop;
  const int footRows = clientBottom - bottom;
  for (int y = 0; y < height; ++y) {
    int source = -1;
    if (footRows > 0 && y >= height - footRows)
      source = bottom + y - (height - footRows);
    else if (headRows > 0 && y < headRows)
      source = clientTop + y;
    else if (period > 0)
      source = top + y % period;
    if (source < 0) {
      // Nothing drawn there: a black row.
      static const Pixel kBlack[1] = {0};
      if (out.StartRow(at.y + y, kBlack, 0))
        out.Add(at.x, at.x + width);
      continue;
    }
    const Pixel* row = mask.Row(source) + sourceLeft;
    if (out.StartRow(at.y + y, row, width))
      out.AddBlackOf(row, width, at.x);
  }
}

}  // namespace

std::optional<gfx::Region> FrameShapeRegion(const TbsSkinData& skin, const TbsSizedFrame& frame) {
  if (!SkinHasUsableMask(skin))
    return std::nullopt;
  const gfx::Bitmap& mask = skin.MaskPicture;
  const int mw = mask.Width(), mh = mask.Height();
  const Rect& a = skin.maskrectarea;  // inside the mask, as checked above
  const Rect& sa = frame.SizedMaskArea;
  const auto [lt, rt, lb, rb] = BoundedCornerPoints(skin);
  // Corner points outside the mask tile pieces the mask does not hold;
  // such a frame is cut from the composed strips.
  const auto within = [](int v, int limit) { return v >= 0 && v <= limit; };
  if (!within(lt.x, mw) || !within(rt.x, mw) || !within(lb.x, mw) || !within(rb.x, mw) ||
      !within(lt.y, mh) || !within(rt.y, mh) || !within(lb.y, mh) || !within(rb.y, mh)) {
    TbsFrameStrips strips;
    ComposeMaskStrips(strips, skin, frame);
    return FrameRegionFromMask(strips, frame);
  }
  std::vector<Rect> runs;
  runs.reserve(64);
  if (!sa.IsEmpty())
    runs.push_back(sa);
  const int sideHeight = sa.Height();
  {
    RunCollector out(runs);
    if (rt.x >= lt.x)
      AddHorizontal(out, mask, 0, a.top, lt.x, rt.x, frame.SizedLeftTop.x, frame.SizedRightTop.x, 0,
                    frame.Width);
  }
  {
    RunCollector out(runs);
    if (rb.x >= lb.x)
      AddHorizontal(out, mask, a.bottom, mh - a.bottom, lb.x, rb.x, frame.SizedLeftBottom.x,
                    frame.SizedRightBottom.x, sa.bottom, frame.Width);
  }
  {
    RunCollector out(runs);
    if (lb.y >= lt.y)
      AddVertical(out, mask, 0, a.left, lt.y, lb.y, a.top, a.bottom, {0, sa.top}, sideHeight);
  }
  {
    RunCollector out(runs);
    if (rb.y >= rt.y)
      AddVertical(out, mask, a.right, mw - a.right, rt.y, rb.y, a.top, a.bottom, {sa.right, sa.top},
                  sideHeight);
  }
  // Nothing outside the window belongs to it, whatever the mask says.
  const Rect window{0, 0, frame.Width, frame.Height};
  for (Rect& r : runs)
    r = r.Intersect(window);
  gfx::Region region = gfx::Region::FromRects(runs);
  if (region.IsEmpty())
    return std::nullopt;
  return region;
}
