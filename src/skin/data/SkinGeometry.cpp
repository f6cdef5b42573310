#include "skin/data/SkinGeometry.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/gfx/DeviceContext.h"
#include "skin/data/SkinControlRecords.h"

using gfx::Bitmap;
using gfx::DeviceContext;
using gfx::Point;
using gfx::Rect;

TbsSkinGeometry TbsSkinGeometry::FromRecord(const TbsDataSkinControl& record) {
  TbsSkinGeometry g;
  g.skinrect = record.skinrect;
  if (const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(&record)) {
    g.clientrect = custom->clientrect;
    g.lefttoppoint = custom->lefttoppoint;
    g.righttoppoint = custom->righttoppoint;
    g.leftbottompoint = custom->leftbottompoint;
    g.rightbottompoint = custom->rightbottompoint;
    g.ComputeTileMode();
  } else {
    // A record that carries no corner points can only be shown as it is.
    g.tileMode = TbsTileMode::Fixed;
  }
  return g;
}

void TbsSkinGeometry::ComputeTileMode() {
  if (skinrect.Width() < 1 || skinrect.Height() < 1)
    tileMode = TbsTileMode::None;
  else if (rightbottompoint.x != 0 && rightbottompoint.y != 0)
    tileMode = TbsTileMode::Frame;
  else if (righttoppoint.x != 0 || righttoppoint.y != 0)
    tileMode = TbsTileMode::Horizontal;
  else if (leftbottompoint.x != 0 || leftbottompoint.y != 0)
    tileMode = TbsTileMode::Vertical;
  else
    tileMode = TbsTileMode::Fixed;
}

TbsSizedGeometry SizedGeometry(const TbsSkinGeometry& g, int width, int height) {
  const int dW = width - g.skinrect.Width();
  const int dH = height - g.skinrect.Height();
  TbsSizedGeometry s{g.lefttoppoint, g.righttoppoint, g.leftbottompoint, g.rightbottompoint,
                     g.clientrect};
  switch (g.tileMode) {
    case TbsTileMode::Frame:
      s.righttoppoint.x += dW;
      s.leftbottompoint.y += dH;
      s.rightbottompoint.x += dW;
      s.rightbottompoint.y += dH;
      s.clientrect.right += dW;
      s.clientrect.bottom += dH;
      break;
    case TbsTileMode::Horizontal:
      s.righttoppoint.x += dW;
      s.clientrect.right += dW;
      break;
    case TbsTileMode::Vertical:
      s.leftbottompoint.y += dH;
      s.clientrect.bottom += dH;
      break;
    case TbsTileMode::Fixed:
    case TbsTileMode::None:
      break;
  }
  return s;
}

TbsSizedGeometry FitSizeToSkin(const TbsSkinGeometry& g, int& width, int& height) {
  switch (g.tileMode) {
    case TbsTileMode::Horizontal:
      height = g.skinrect.Height();
      break;
    case TbsTileMode::Vertical:
      width = g.skinrect.Width();
      break;
    case TbsTileMode::Fixed:
      width = g.skinrect.Width();
      height = g.skinrect.Height();
      break;
    case TbsTileMode::Frame:
    case TbsTileMode::None:
      break;
  }
  return SizedGeometry(g, width, height);
}

namespace {

// Copies the part of `piece` (relative to `origin`) 1:1 to `at`; empty
// pieces draw nothing.
void CopyPiece(DeviceContext& dc, const Bitmap& picture, Point origin, const Rect& piece,
               Point at) {
  if (piece.IsEmpty())
    return;
  dc.BitBlt(at.x, at.y, piece.Width(), piece.Height(), picture, origin.x + piece.left,
            origin.y + piece.top);
}

// Repeats `piece` (relative to `origin`) over `dest` from its top-left
// corner, the last copies cut at dest's edges.
void TilePiece(DeviceContext& dc, const Bitmap& picture, Point origin, const Rect& piece,
               const Rect& dest) {
  if (piece.IsEmpty() || dest.IsEmpty())
    return;
  dc.TileBlt(dest, picture, piece.Offset(origin.x, origin.y));
}

void ComposeFrame(DeviceContext& dc, const Bitmap& picture, const Rect& source,
                  const TbsSkinGeometry& g, int W, int H) {
  const Point o = source.TopLeft();
  const int sw = source.Width();
  const int sh = source.Height();
  const Point LT = g.lefttoppoint, RT = g.righttoppoint, LB = g.leftbottompoint,
              RB = g.rightbottompoint;
  const Rect C = g.clientrect;
  const TbsSizedGeometry s = SizedGeometry(g, W, H);
  const Point LT2 = s.lefttoppoint, RT2 = s.righttoppoint, LB2 = s.leftbottompoint,
              RB2 = s.rightbottompoint;
  const Rect C2 = s.clientrect;

  // The four edge strips.
  TilePiece(dc, picture, o, {LT.x, 0, RT.x, C.top}, {LT2.x, 0, RT2.x, C.top});
  TilePiece(dc, picture, o, {LB.x, C.bottom, RB.x, sh}, {LB2.x, C2.bottom, RB2.x, H});
  TilePiece(dc, picture, o, {0, LT.y, C.left, LB.y}, {0, LT2.y, C.left, LB2.y});
  TilePiece(dc, picture, o, {C.right, RT.y, sw, RB.y}, {C2.right, RT2.y, W, RB2.y});

  // The eight corner pieces, each beside one corner point.
  CopyPiece(dc, picture, o, {0, 0, LT.x, C.top}, {0, 0});
  CopyPiece(dc, picture, o, {0, C.top, C.left, LT.y}, {0, C2.top});
  CopyPiece(dc, picture, o, {RT.x, 0, sw, C.top}, {RT2.x, 0});
  CopyPiece(dc, picture, o, {C.right, C.top, sw, RT.y}, {C2.right, C2.top});
  CopyPiece(dc, picture, o, {0, LB.y, C.left, sh}, {0, LB2.y});
  CopyPiece(dc, picture, o, {C.left, C.bottom, LB.x, sh}, {C2.left, C2.bottom});
  CopyPiece(dc, picture, o, {RB.x, C.bottom, sw, sh}, {RB2.x, C2.bottom});
  CopyPiece(dc, picture, o, {C.right, RB.y, sw, C.bottom}, {C2.right, RB2.y});

  // The client area repeats in both directions.
  TilePiece(dc, picture, o, C, C2);
}

}  // namespace

void ComposeHorizontalStrip(Bitmap& dest, const Bitmap& picture, const Rect& source, int left,
                            int right, int width) {
  const int sw = source.Width();
  const int sh = source.Height();
  dest = Bitmap(std::max(width, 0), std::max(sh, 0));
  if (dest.IsEmpty() || sw <= 0)
    return;
  const int L = std::clamp(left, 0, sw);
  const int R = std::clamp(right, 0, sw);
  DeviceContext dc(dest);
  const Point o = source.TopLeft();
  CopyPiece(dc, picture, o, {0, 0, L, sh}, {0, 0});
  CopyPiece(dc, picture, o, {sw - R, 0, sw, sh}, {width - R, 0});
  // A middle of no width repeats the column where it would start, so that
  // a skin without a repeatable part still fills its control.
  const int d = std::max(sw - R - L, 1);
  TilePiece(dc, picture, o, {L, 0, L + d, sh}, {L, 0, width - R, sh});
}

void ComposeVerticalStrip(Bitmap& dest, const Bitmap& picture, const Rect& source, int top,
                          int bottom, int height) {
  const int sw = source.Width();
  const int sh = source.Height();
  dest = Bitmap(std::max(sw, 0), std::max(height, 0));
  if (dest.IsEmpty() || sh <= 0)
    return;
  const int T = std::clamp(top, 0, sh);
  const int B = std::clamp(bottom, 0, sh);
  DeviceContext dc(dest);
  const Point o = source.TopLeft();
  CopyPiece(dc, picture, o, {0, 0, sw, T}, {0, 0});
  CopyPiece(dc, picture, o, {0, sh - B, sw, sh}, {0, height - B});
  TilePiece(dc, picture, o, {0, T, sw, sh - B}, {0, T, sw, height - B});
}

void ComposeSkinPicture(Bitmap& dest, const Bitmap* picture, const Rect& source,
                        const TbsSkinGeometry& g, int width, int height) {
  const bool drawable = picture != nullptr && !picture->IsEmpty();
  switch (g.tileMode) {
    case TbsTileMode::None:
      dest = Bitmap(std::max(width, 0), std::max(height, 0));
      return;
    case TbsTileMode::Fixed:
      dest = Bitmap(std::max(source.Width(), 0), std::max(source.Height(), 0));
      if (drawable && !dest.IsEmpty()) {
        DeviceContext dc(dest);
        dc.BitBlt(0, 0, dest.Width(), dest.Height(), *picture, source.left, source.top);
      }
      return;
    case TbsTileMode::Horizontal:
      if (!drawable) {
        dest = Bitmap(std::max(width, 0), std::max(source.Height(), 0));
        return;
      }
      ComposeHorizontalStrip(dest, *picture, source, g.lefttoppoint.x,
                             source.Width() - g.righttoppoint.x, width);
      return;
    case TbsTileMode::Vertical:
      if (!drawable) {
        dest = Bitmap(std::max(source.Width(), 0), std::max(height, 0));
        return;
      }
      ComposeVerticalStrip(dest, *picture, source, g.lefttoppoint.y,
                           source.Height() - g.leftbottompoint.y, height);
      return;
    case TbsTileMode::Frame:
      dest = Bitmap(std::max(width, 0), std::max(height, 0));
      if (!drawable || dest.IsEmpty() || g.rightbottompoint.x == g.lefttoppoint.x ||
          g.rightbottompoint.y == g.lefttoppoint.y)
        return;
      DeviceContext dc(dest);
      ComposeFrame(dc, *picture, source, g, width, height);
      return;
  }
}

namespace {

// Calls found(start, end) for each run of black pixels among `count`.
template <typename Found>
void ForEachBlackRun(const gfx::Pixel* row, int count, Found found) {
  int x = 0;
  while (x < count) {
    while (x < count && (row[x] & 0xFFFFFF) != 0)
      ++x;
    const int start = x;
    while (x < count && (row[x] & 0xFFFFFF) == 0)
      ++x;
    if (x > start)
      found(start, x);
  }
}

}  // namespace

std::optional<gfx::Region> RegionFromMask(const Bitmap& mask, Point offset) {
  // The runs go into one growing table, so a frame mask with many curved
  // rows is never cut short.
  std::vector<Rect> runs;
  runs.reserve(static_cast<size_t>(std::max(mask.Height(), 0)) * 2);
  const int w = mask.Width();
  // The runs of the rows above that look like this one; a row equal to
  // them makes them one row taller, so that the long straight sides of a
  // frame give a few tall rectangles instead of one per row.
  size_t bandStart = 0;
  for (int y = 0; y < mask.Height(); ++y) {
    const gfx::Pixel* row = mask.Row(y);
    if (y > 0 && std::memcmp(row, mask.Row(y - 1), static_cast<size_t>(w) * 4) == 0) {
      for (size_t i = bandStart; i < runs.size(); ++i)
        ++runs[i].bottom;
      continue;
    }
    bandStart = runs.size();
    ForEachBlackRun(row, w, [&](int start, int end) {
      runs.push_back({start + offset.x, y + offset.y, end + offset.x, y + offset.y + 1});
    });
  }
  if (runs.empty())
    return std::nullopt;
  return gfx::Region::FromRects(runs);
}

namespace {

// Where each column and each row of a fitted mask comes from in the mask;
// -1 where no piece covers it, which stays black.
struct MaskLines {
  std::vector<int> columns;
  std::vector<int> rows;
};

// The lines of a strip `size` long whose first `head` and last `tail`
// lines keep their place and whose middle repeats the `period` lines after
// the head, drawn in that order over one another. A period below 1 leaves
// the middle uncovered.
std::vector<int> StripLines(int size, int sourceSize, int head, int tail, int period) {
  std::vector<int> lines(static_cast<std::size_t>(std::max(size, 0)), -1);
  for (int i = 0; i < std::min(head, size); ++i)
    lines[i] = i;
  for (int i = std::max(size - tail, 0); i < size; ++i)
    lines[i] = sourceSize - tail + (i - (size - tail));
  if (period >= 1)
    for (int i = head, k = 0; i < size - tail; ++i, k = k + 1 == period ? 0 : k + 1)
      lines[i] = head + k;
  return lines;
}

std::vector<int> Identity(int size) {
  std::vector<int> lines(static_cast<std::size_t>(std::max(size, 0)));
  for (int i = 0; i < size; ++i)
    lines[i] = i;
  return lines;
}

// The lines of the mask fitted as ComposeSkinPicture fits it, for the tile
// modes that lay columns and rows out independently and whose pieces all
// lie in the mask; none for the others.
std::optional<MaskLines> FittedMaskLines(const Bitmap& mask, const TbsSkinGeometry& g, int width,
                                         int height) {
  const int sw = g.skinrect.Width();
  const int sh = g.skinrect.Height();
  if (sw > mask.Width() || sh > mask.Height())
    return std::nullopt;
  switch (g.tileMode) {
    case TbsTileMode::Fixed:
      return MaskLines{Identity(sw), Identity(sh)};
    case TbsTileMode::Horizontal: {
      const int left = std::clamp(g.lefttoppoint.x, 0, sw);
      const int right = std::clamp(sw - g.righttoppoint.x, 0, sw);
      // A middle of no width repeats the column where it would start.
      const int period = std::max(sw - right - left, 1);
      if (left + period > mask.Width())
        return std::nullopt;
      return MaskLines{StripLines(width, sw, left, right, period), Identity(sh)};
    }
    case TbsTileMode::Vertical: {
      const int top = std::clamp(g.lefttoppoint.y, 0, sh);
      const int bottom = std::clamp(sh - g.leftbottompoint.y, 0, sh);
      return MaskLines{Identity(sw), StripLines(height, sh, top, bottom, sh - bottom - top)};
    }
    default:
      return std::nullopt;
  }
}

// A run of fitted columns that reads consecutive mask columns from
// `source` on (-1: uncovered, black).
struct ColumnRun {
  int from;
  int to;
  int source;
};

std::vector<ColumnRun> ColumnRuns(const std::vector<int>& columns) {
  std::vector<ColumnRun> runs;
  for (int x = 0; x < static_cast<int>(columns.size()); ++x) {
    const int c = columns[x];
    if (!runs.empty() && runs.back().to == x &&
        (c < 0 ? runs.back().source < 0
               : runs.back().source >= 0 && runs.back().source + (x - runs.back().from) == c)) {
      ++runs.back().to;
      continue;
    }
    runs.push_back({x, x + 1, c});
  }
  return runs;
}

// The black pixels of the fitted mask as RegionFromMask cuts them, read
// through its lines without composing it.
std::optional<gfx::Region> RegionFromMaskLines(const Bitmap& mask, const MaskLines& lines) {
  std::vector<Rect> runs;
  runs.reserve(lines.rows.size() * 2);
  const std::vector<ColumnRun> columns = ColumnRuns(lines.columns);
  const int w = static_cast<int>(lines.columns.size());
  const std::size_t rowBytes = static_cast<std::size_t>(mask.Width()) * sizeof(gfx::Pixel);
  std::size_t bandStart = 0;
  int y = 0;
  // Black pixels x0..x1 of row y, joined to a run of the row ending at x0.
  const auto add = [&](int x0, int x1) {
    if (runs.size() > bandStart && runs.back().right == x0)
      runs.back().right = x1;
    else
      runs.push_back({x0, y, x1, y + 1});
  };
  for (; y < static_cast<int>(lines.rows.size()); ++y) {
    const int source = lines.rows[y];
    // A row read from a mask row equal to the one above makes its runs
    // taller.
    const int above = y > 0 ? lines.rows[y - 1] : -2;
    if (above == source || (above >= 0 && source >= 0 &&
                            std::memcmp(mask.Row(above), mask.Row(source), rowBytes) == 0)) {
      for (std::size_t i = bandStart; i < runs.size(); ++i)
        ++runs[i].bottom;
      continue;
    }
    bandStart = runs.size();
    if (source < 0) {
      if (w > 0)
        add(0, w);
      continue;
    }
    const gfx::Pixel* row = mask.Row(source);
    for (const ColumnRun& c : columns) {
      if (c.source < 0) {
        add(c.from, c.to);
        continue;
      }
      ForEachBlackRun(row + c.source, c.to - c.from,
                      [&](int start, int end) { add(c.from + start, c.from + end); });
    }
  }
  if (runs.empty())
    return std::nullopt;
  return gfx::Region::FromRects(runs);
}

}  // namespace

std::optional<gfx::Region> ShapeRegionFromMask(const Bitmap* mask, const TbsSkinGeometry& g,
                                               int width, int height) {
  if (mask == nullptr || mask->IsEmpty() || g.tileMode == TbsTileMode::None)
    return std::nullopt;
  const TbsSizedGeometry s = SizedGeometry(g, width, height);
  // A control narrower or lower than the mask's fixed parts would get a
  // torn shape; it stays unshaped instead.
  if (s.righttoppoint.x < s.lefttoppoint.x || s.leftbottompoint.y < s.lefttoppoint.y)
    return std::nullopt;
  if (auto lines = FittedMaskLines(*mask, g, width, height))
    return RegionFromMaskLines(*mask, *lines);
  // A mask is drawn for the skin rectangle alone: its pixel (0, 0) lies
  // under the skin rectangle's top-left corner.
  const Rect source = Rect::FromXYWH(0, 0, g.skinrect.Width(), g.skinrect.Height());
  Bitmap fitted;
  ComposeSkinPicture(fitted, mask, source, g, width, height);
  return RegionFromMask(fitted);
}
