#include "ContactSheet.h"

#include <algorithm>

#include "Paint.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Font.h"

namespace art {

namespace {

constexpr int kMargin = 16;
constexpr int kLabelHeight = 18;
constexpr ColorRef kBoard = gfx::RGB(128, 128, 124);

// Outline colours that stand out on walnut, cream and teal alike, cycled so
// that neighbouring rectangles can be told apart.
constexpr ColorRef kOutlines[] = {gfx::RGB(255, 0, 200), gfx::RGB(0, 200, 255),
                                  gfx::RGB(255, 220, 0), gfx::RGB(0, 230, 90)};

struct Placed {
  const AssetFile* file;
  int x;
  int y;
};

}  // namespace

gfx::Bitmap MakeContactSheet(const std::vector<AssetFile>& files, int scale, int maxWidth) {
  std::vector<Placed> placed;
  int x = kMargin, y = kMargin, rowHeight = 0, sheetWidth = 0;
  for (const AssetFile& file : files) {
    if (!file.picture)
      continue;
    const int w = file.picture->Width() * scale;
    const int h = file.picture->Height() * scale + kLabelHeight;
    if (x > kMargin && x + w + kMargin > maxWidth) {
      x = kMargin;
      y += rowHeight + kMargin;
      rowHeight = 0;
    }
    placed.push_back({&file, x, y});
    x += std::max(w, 120) + kMargin;
    rowHeight = std::max(rowHeight, h);
    sheetWidth = std::max(sheetWidth, x);
  }
  gfx::Bitmap sheet(std::max(sheetWidth, 1), y + rowHeight + kMargin, kBoard);
  gfx::DeviceContext dc(sheet);
  dc.SelectFont(gfx::Font(gfx::LogFont{.faceName = "Arial", .height = 14}));
  dc.SetBkMode(gfx::TRANSPARENT);
  dc.SetTextColor(gfx::clWhite);
  Painter painter(sheet);
  for (const Placed& p : placed) {
    const gfx::Bitmap& picture = *p.file->picture;
    dc.TextOut(p.x, p.y, p.file->name);
    const int top = p.y + kLabelHeight;
    dc.StretchBlt(p.x, top, picture.Width() * scale, picture.Height() * scale, picture, 0, 0,
                  picture.Width(), picture.Height());
    int colour = 0;
    for (const Annotation& a : p.file->annotations) {
      const Rect r{p.x + a.rect.left * scale, top + a.rect.top * scale, p.x + a.rect.right * scale,
                   top + a.rect.bottom * scale};
      painter.Frame(r, kOutlines[colour++ % std::size(kOutlines)]);
    }
  }
  return sheet;
}

}  // namespace art
