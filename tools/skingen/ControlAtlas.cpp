#include "ControlAtlas.h"

#include <algorithm>

namespace skingen {

namespace {

// The atlas background: a quiet grey that no look uses, so that a wrong
// rectangle shows at once on the contact sheet and in the program.
constexpr gfx::ColorRef kAtlasBackground = gfx::RGB(200, 200, 200);
constexpr int kMaxHeight = 1024;

}  // namespace

Atlas::Atlas(int width)
    : width_(width), bitmap_(width, kMaxHeight, kAtlasBackground), painter_(bitmap_) {}

gfx::Rect Atlas::Place(int width, int height, const std::string& label) {
  if (x_ > 0 && x_ + width > width_) {
    x_ = 0;
    y_ += shelfHeight_ + kGap;
    shelfHeight_ = 0;
  }
  const gfx::Rect r = gfx::Rect::FromXYWH(x_, y_, width, height);
  x_ += width + kGap;
  shelfHeight_ = std::max(shelfHeight_, height);
  annotations_.push_back({r, label});
  return r;
}

art::AssetFile Atlas::Finish(const std::string& name) {
  const int used = y_ + shelfHeight_;
  gfx::Bitmap picture(width_, used);
  for (int y = 0; y < used; ++y)
    std::copy(bitmap_.Row(y), bitmap_.Row(y) + width_, picture.Row(y));
  return {.name = name, .picture = std::move(picture), .annotations = annotations_};
}

void ControlHead(SkinText& ini, std::vector<std::string>& entries, const std::string& name,
                 const std::string& type, int picture, int mask, const gfx::Rect& skin) {
  entries.push_back(name + ":" + type);
  ini.Section(name);
  ini.Int("pictureindex", picture);
  ini.Int("maskpictureindex", mask);
  ini.Rect("skinrect", skin);
}

void TileKeys(SkinText& ini, gfx::Point leftTop, gfx::Point rightTop, gfx::Point leftBottom,
              gfx::Point rightBottom, const gfx::Rect& client) {
  ini.Point("lefttoppoint", leftTop);
  ini.Point("righttoppoint", rightTop);
  ini.Point("leftbottompoint", leftBottom);
  ini.Point("rightbottompoint", rightBottom);
  ini.Rect("clientrect", client);
}

void ButtonKeys(SkinText& ini, gfx::ColorRef disabledFont, const gfx::Rect& active,
                const gfx::Rect& down, const gfx::Rect& disabled, bool morphing) {
  ini.Font("Arial", 14, "", art::palette::kInk);
  ini.Color("activefontcolor", art::palette::kInk);
  ini.Color("downfontcolor", art::palette::kInk);
  ini.Color("disabledfontcolor", disabledFont);
  ini.Rect("activeskinrect", active);
  ini.Rect("downskinrect", down);
  ini.Rect("disabledskinrect", disabled);
  ini.Flag("morphing", morphing);
  ini.Text("morphkind", "mkdefault");
}

void ButtonKeys(SkinText& ini, const gfx::Rect (&looks)[4], bool morphing) {
  ButtonKeys(ini, art::palette::kMutedText, looks[1], looks[2], looks[3], morphing);
}

}  // namespace skingen
